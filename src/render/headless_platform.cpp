// Choosing the platform for drawing without a display.
#include "headless_platform.h"

#include <QByteArray>
#include <QtGlobal>

void SelectHeadlessPlatform() {
#ifdef Q_OS_WIN
    // Windows' own platform needs no display to paint and has every font of the system; Qt's
    // offscreen platform draws text through FreeType, which a Windows Qt does not carry.
#else
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
}
