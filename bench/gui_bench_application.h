// The application object the drawing benchmarks need, without widgets: made once, on the
// offscreen platform unless another is asked for, with the program's font substitutions.
#pragma once

#include <QGuiApplication>

#include "fonts.h"

inline QGuiApplication& GuiBenchApplication() {
    // Kept to the end of the process on purpose: destroying it after main has returned is unsafe.
    static QGuiApplication* app = nullptr;
    if (app == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        app = new QGuiApplication(argc, argv);
        InstallFontSubstitutions();
    }
    return *app;
}
