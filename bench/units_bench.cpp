// Speed of the open-unit window: listing a folder of 200 units by their titles, a click on the
// title of a 100-graph unit up to its drawn preview, and the arrow key that moves the highlight
// to the next unit and previews it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include "bench_application.h"
#include "equation_text.h"
#include "graph_file.h"
#include "graph_model.h"
#include "sjis_codec.h"
#include "units/tangen_open_window.h"

namespace {

// A unit of 100 graphs of the three line kinds spread over the plane.
QByteArray HundredGraphUnit(int number) {
    const QString title = QStringLiteral("単元%1").arg(number);
    QStringList memo{title};
    for (int i = 0; i < 100; ++i) {
        TLineSpec g;
        g.Kind = KindOfNumber(i % 3);
        g.P1 = {i % 13 - 6, i % 7 - 3};
        g.P2 = {i % 13 - 4, i % 5};
        g.D1 = {g.P1.X - 2, 0};
        g.D2 = {g.P1.X + 3, 0};
        g.Color = 255;
        g.Text = EquationText(g, EquationForm::Standard);
        memo += GraphTextLines(g);
    }
    const QStringList lines = GraphFileLines(title, PlaneSettings(), true, memo);
    return EncodeCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes;
}

struct UnitFolder {
    QTemporaryDir dir;
    UnitFolder() {
        const QByteArray unit = HundredGraphUnit(0);
        for (int i = 0; i < 200; ++i) {
            QFile f(dir.filePath(QStringLiteral("unit%1.lin").arg(i, 3, 10, QChar(u'0'))));
            f.open(QIODevice::WriteOnly);
            f.write(i == 0 ? unit : HundredGraphUnit(i));
        }
    }
};

void BM_ListTwoHundredUnits(benchmark::State& state) {
    BenchApplication();
    UnitFolder folder;
    PlaneSettings preview;
    TfrmTangenOpen window(preview, 544, folder.dir.path() + u'/');
    for (auto _ : state) {
        window.SetFolder(folder.dir.path());
    }
    if (window.findChild<QListWidget*>(QStringLiteral("lstTitle"))->count() != 200) {
        state.SkipWithError("the folder was not listed");
    }
}
BENCHMARK(BM_ListTwoHundredUnits)->Unit(benchmark::kMillisecond);

void BM_ClickShowsAHundredGraphPreview(benchmark::State& state) {
    BenchApplication();
    UnitFolder folder;
    PlaneSettings preview;
    TfrmTangenOpen window(preview, 544, folder.dir.path() + u'/');
    window.show();
    window.SetFolder(folder.dir.path());
    window.findChild<QListWidget*>(QStringLiteral("lstTitle"))->setCurrentRow(0);
    for (auto _ : state) {
        window.lstTitleClick();
        QApplication::processEvents();  // the preview's repaint
    }
    if (window.QuestionCount() != 100) {
        state.SkipWithError("the unit was not read");
    }
}
BENCHMARK(BM_ClickShowsAHundredGraphPreview)->Unit(benchmark::kMillisecond);

void BM_ArrowKeyPreviewsTheNextUnit(benchmark::State& state) {
    BenchApplication();
    UnitFolder folder;
    PlaneSettings preview;
    TfrmTangenOpen window(preview, 544, folder.dir.path() + u'/');
    window.show();
    window.SetFolder(folder.dir.path());
    auto* list = window.findChild<QListWidget*>(QStringLiteral("lstTitle"));
    list->setCurrentRow(0);
    for (auto _ : state) {
        // Down through the list, and from its end back to the top.
        const int key = list->currentRow() + 1 < 200 ? Qt::Key_Down : Qt::Key_Home;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        QApplication::processEvents();
    }
    if (window.QuestionCount() != 100 || window.Questions.title() != list->currentItem()->text()) {
        state.SkipWithError("the highlighted unit was not previewed");
    }
}
BENCHMARK(BM_ArrowKeyPreviewsTheNextUnit)->Unit(benchmark::kMillisecond);

}  // namespace
