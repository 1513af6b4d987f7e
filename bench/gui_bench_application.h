// The application object the benchmarks need: made once, on the offscreen platform unless another
// is asked for, with the program's font substitutions. The drawing benchmarks need no widgets and
// take a QGuiApplication; the window benchmarks a QApplication (bench_application.h).
#pragma once

#include <QGuiApplication>

#include "fonts.h"

template <typename Application = QGuiApplication>
Application& MakeBenchApplication() {
    // Kept to the end of the process on purpose: destroying it after main has returned is unsafe.
    static Application* app = nullptr;
    if (app == nullptr) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        app = new Application(argc, argv);
        InstallFontSubstitutions();
    }
    return *app;
}

inline QGuiApplication& GuiBenchApplication() {
    return MakeBenchApplication<QGuiApplication>();
}
