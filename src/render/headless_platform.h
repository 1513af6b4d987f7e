// The platform that paints without a display: the exporter and the drawing tests draw onto images
// and paged devices, show no window, and must run in scripts, in CI and over SSH.
#pragma once

// Chooses that platform unless QT_QPA_PLATFORM names one already. Call before the application
// object exists.
void SelectHeadlessPlatform();
