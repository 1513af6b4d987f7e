// The application object the window benchmarks need: made once, on the offscreen platform unless
// another is asked for, with the program's font substitutions.
#pragma once

#include <QApplication>

#include "fonts.h"

inline QApplication& BenchApplication() {
    // Kept to the end of the process on purpose: destroying it after main has returned is unsafe.
    static QApplication* app = nullptr;
    if (app == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        app = new QApplication(argc, argv);
        InstallFontSubstitutions();
    }
    return *app;
}
