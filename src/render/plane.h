// The coordinate plane: white background, lattice lines, axes, scale numbers and axis letters,
// in the main variant (main and practice windows) or the preview variant (unit-open window).
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>

#include "classic_pen.h"
#include "display_options.h"
#include "panel_text.h"
#include "plane_geometry.h"
#include "plane_settings.h"

enum class PlaneVariant { Main, Preview };

// Sizes of the main window that place its plane image.
struct MainWindowMetrics {
    int formWidth = 1024;
    int formHeight = 740;
    int toolBarHeight = 40;
    int settingsBoxHeight = 89;
    int formulaListLeft = 16;
    int formulaListWidth = 353;
};

// Where the main window puts imgCood once it has the plane's size: centred in the room right of
// the formula list, and vertically between the tool bar and the settings group.
QPoint MainPlaneTopLeft(const MainWindowMetrics& window, QSize plane);
// The top the preview image gets, from the main window's imgCood height.
int PreviewPlaneTop(const MainWindowMetrics& window, int planeHeight);

// Font size of the scale numbers in the main variant: spacing 4, 8, 16 give 8, 10, 12 points,
// other spacings keep the settings' size.
int ScaleNumberFontSize(int spacing, int fontSize);

// Computes the geometry from the settings, resizes the image to the plane's size and draws the
// plane. Returns the message when the settings cannot be drawn; then nothing is drawn and the
// geometry is left as it was. While a picture is pasted only the geometry is computed.
QString DrawPlane(CanvasImage& target, const PlaneSettings& settings, int32_t defaultPlaneSize,
                  PlaneVariant variant, const DisplayOptions& options, TypesetState& typeset,
                  PlaneGeometry& geometry);

// Text with its top-left corner at the pixel of the real lattice point, in the canvas's font.
void TextAtLattice(ClassicCanvas& canvas, const PlaneGeometry& geometry, const QString& text,
                   double x, double y);
