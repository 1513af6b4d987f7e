// Speed of drawing with the mouse on the main window with 100 graphs on the plane: one mouse move
// of a rubber band, the click that commits the 100th graph up to the redrawn plane, list and
// panels, the undo history (taking a step, and an undo with its full redisplay), and the recovery
// copy (its work on the window's thread, and its flush to disk on the writer thread).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "bench_application.h"
#include "main/main_window.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

namespace {

// A shown main window holding graphs of every kind spread over the plane.
std::unique_ptr<TfrmMain> WindowWithGraphs(int count) {
    BenchApplication();
    auto window = std::make_unique<TfrmMain>(QSize(1024, 768));
    window->FormShow();
    window->show();
    for (int i = 0; i < count; ++i) {
        const int kind = i % 3;  // lines, segments and rays
        window->Edit.LineMode = KindOfNumber(kind);
        TLineSpec g = NewLineSpec(window->Edit, window->Doc.Table(), {i % 13 - 6, i % 7 - 3},
                                  {i % 13 - 4, i % 5});
        g.D1 = {g.P1.X - 2, 0};
        g.D2 = {g.P1.X + 3, 0};
        window->AddOrReplaceLine(g, -1);
    }
    window->Edit.LineMode = GraphKind::Line;
    QApplication::processEvents();
    return window;
}

void BM_RubberBandMove(benchmark::State& state) {
    auto window = WindowWithGraphs(100);
    PlaneView* plane = window->findChild<PlaneView*>(QStringLiteral("imgCood"));
    const PlaneGeometry& g = plane->planeGeometry();
    emit plane->mousePressed(Qt::LeftButton, {}, g.LatticeToPixel({-5, -4}));
    // The mouse goes back and forth between two lattice points, so each move erases the old
    // band and draws the new one.
    const QPoint a = g.LatticeToPixel({7, 3});
    const QPoint b = g.LatticeToPixel({6, 5});
    bool toA = true;
    for (auto _ : state) {
        emit plane->mouseMoved(toA ? a : b);
        toA = !toA;
        QApplication::processEvents();  // the repaint of the changed rectangles
    }
}
BENCHMARK(BM_RubberBandMove)->Unit(benchmark::kMicrosecond);

void BM_ClickCommitsTheHundredthGraph(benchmark::State& state) {
    auto window = WindowWithGraphs(99);
    PlaneView* plane = window->findChild<PlaneView*>(QStringLiteral("imgCood"));
    const PlaneGeometry& g = plane->planeGeometry();
    const QPoint first = g.LatticeToPixel({-3, 2});
    const QPoint second = g.LatticeToPixel({4, -1});
    for (auto _ : state) {
        state.PauseTiming();
        emit plane->mouseMoved(first);
        emit plane->mousePressed(Qt::LeftButton, {}, first);
        emit plane->mouseMoved(second);
        QApplication::processEvents();
        state.ResumeTiming();
        emit plane->mousePressed(Qt::LeftButton, {}, second);
        QApplication::processEvents();
        state.PauseTiming();
        if (window->Doc.Table().LineCount != 100) {
            state.SkipWithError("the 100th graph was not added");
            break;
        }
        window->findChild<QToolButton*>(QStringLiteral("spdTeisei"))->click();  // the 100th goes
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickCommitsTheHundredthGraph)->Unit(benchmark::kMillisecond);

void BM_TakeUndoStep(benchmark::State& state) {
    auto window = WindowWithGraphs(100);
    // Two drawings that differ in the last graph's colour, noted in turn: each note is a step.
    DrawingState a = window->Doc.State();
    DrawingState b = a;
    b.Table.LineTable[99].Color ^= 0x00FF00;
    UndoHistory history;
    history.Reset(a, true);
    bool toA = false;
    for (auto _ : state) {
        history.Note(toA ? a : b);
        toA = !toA;
    }
}
BENCHMARK(BM_TakeUndoStep)->Unit(benchmark::kMicrosecond);

void BM_UndoWithRedisplay(benchmark::State& state) {
    auto window = WindowWithGraphs(100);
    QAction* undo = window->findChild<QAction*>(QStringLiteral("mnuUndo"));
    QAction* redo = window->findChild<QAction*>(QStringLiteral("mnuRedo"));
    for (auto _ : state) {
        undo->trigger();  // takes the 100th graph back
        QApplication::processEvents();
        state.PauseTiming();
        redo->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoWithRedisplay)->Unit(benchmark::kMillisecond);

void BM_RecoveryCopyOnWindowThread(benchmark::State& state) {
    auto window = WindowWithGraphs(100);
    QTemporaryDir dir;
    window->Recovery.Start(dir.path());
    for (auto _ : state) {
        window->Recovery.Write();
        state.PauseTiming();
        window->Recovery.WaitForWrites();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecoveryCopyOnWindowThread)->Unit(benchmark::kMicrosecond);

void BM_RecoveryCopyToDisk(benchmark::State& state) {
    auto window = WindowWithGraphs(100);
    QTemporaryDir dir;
    window->Recovery.Start(dir.path());
    for (auto _ : state) {
        state.PauseTiming();
        window->Recovery.Write();
        state.ResumeTiming();
        window->Recovery.WaitForWrites();  // the write, the flush to disk and the rename
    }
}
BENCHMARK(BM_RecoveryCopyToDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
