// The exporter's application object.
#include "offscreen_app.h"

#include <QFile>

#include "fonts.h"
#include "headless_platform.h"

OffscreenApplication::OffscreenApplication(int& argc, char** argv) {
    if (QGuiApplication::instance() != nullptr) {
        return;  // the exporter run inside a program that has one
    }
    SelectHeadlessPlatform();
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir_.isValid()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir_.path()));
    }
    app_ = std::make_unique<QGuiApplication>(argc, argv);
    InstallFontSubstitutions();
}
