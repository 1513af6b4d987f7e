// The application object the window benchmarks need, with widgets.
#pragma once

#include <QApplication>

#include "gui_bench_application.h"

inline QApplication& BenchApplication() {
    return MakeBenchApplication<QApplication>();
}
