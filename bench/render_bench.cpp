// Speed of the drawing library: a full plane of 100 graphs, a long formula, a full value table.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <bitset>
#include <vector>

#include "disp_all_line.h"
#include "gui_bench_application.h"
#include "panel_text.h"
#include "value_table.h"

namespace {

// 100 graphs of every kind spread over the plane, each with a few of its own end kinds.
std::vector<TLineSpec> HundredGraphs() {
    std::vector<TLineSpec> graphs;
    for (int i = 0; i < 100; ++i) {
        TLineSpec g;
        g.Kind = KindOfNumber(i % 5);
        g.Width = 1 + i % 3;
        g.EndKind = g.Kind == GraphKind::Segment ? i % 4 : (g.Kind == GraphKind::Ray ? i % 2 : 0);
        g.Color = ColorCycleTable[i % 16];
        const int a = i % 13 - 6;
        const int b = i % 7 - 3;
        g.P1 = {a, b};
        g.P2 = {a + 1 + i % 3, b + (i % 5) - 2};
        if (i % 10 == 0) {
            g.P2.X = g.P1.X;  // vertical
        }
        g.D1 = {g.P1.X, g.P1.Y};
        g.D2 = {g.P2.X, g.P2.Y};
        if (g.Kind == GraphKind::Point) {
            g.P2 = {5, 99};
        }
        if (g.Kind == GraphKind::Label) {
            g.P2 = {12, -99};
            g.D2 = {12, 0};
            g.Text = QStringLiteral("ラベル%1").arg(i);
        }
        graphs.push_back(g);
    }
    return graphs;
}

void BM_DispAllLine100Graphs(benchmark::State& state) {
    GuiBenchApplication();
    const std::vector<TLineSpec> graphs = HundredGraphs();
    std::bitset<MaxGraphs> selected;
    for (int i = 0; i < MaxGraphs; i += 3) {
        selected.set(i);
    }
    const PlaneSettings settings;  // default size 544 both ways
    CanvasImage plane = MakeCanvasImage(544, 544);
    PlaneGeometry geometry;
    TypesetState typeset;
    const DisplayOptions options;  // every option on
    for (auto _ : state) {
        DispAllLineResult r = DispAllLine(plane, PlaneScene{settings, 544, PlaneVariant::Main},
                                          options, typeset, geometry, graphs, selected);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_DispAllLine100Graphs)->Unit(benchmark::kMicrosecond);

void BM_WriteFormulaPanelLongSegment(benchmark::State& state) {
    GuiBenchApplication();
    CanvasImage panel = MakeCanvasImage(337, 65);
    TypesetState typeset;
    const QString text = QStringLiteral("y=-12/35･x-101/7 (-99≦x＜-98)");
    for (auto _ : state) {
        WriteFormulaText(panel, text, false, Teal, White, typeset);
        benchmark::DoNotOptimize(panel.image.constBits());
    }
}
BENCHMARK(BM_WriteFormulaPanelLongSegment)->Unit(benchmark::kMicrosecond);

void BM_DrawValueTableFull(benchmark::State& state) {
    GuiBenchApplication();
    CanvasImage table = MakeCanvasImage(35 * 28, 57);  // a 1024-pixel window's widened table
    TLineSpec g;
    g.P1 = {1, 1};
    g.P2 = {4, -6};  // every other value a fraction
    for (auto _ : state) {
        DrawValueTable(table, &g, true);
        benchmark::DoNotOptimize(table.image.constBits());
    }
}
BENCHMARK(BM_DrawValueTableFull)->Unit(benchmark::kMicrosecond);

}  // namespace
