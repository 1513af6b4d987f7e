// Reading a full graph file and writing the equations of a full table.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "equation_text.h"
#include "graph_file.h"
#include "practice_session.h"
#include "sjis_codec.h"

namespace {

// 100 graphs of every kind with fractional slopes, as a format-5 file.
QByteArray HundredGraphFile() {
    QStringList lines = {QStringLiteral("一次関数のグラフ"),
                         "<<spec5",
                         "-99",
                         "-99",
                         "-99",
                         "-99",
                         "16",
                         "16",
                         "True",
                         "5",
                         "5",
                         "True",
                         "-----",
                         "99",
                         "99",
                         "1",
                         "True",
                         ">>"};
    for (int i = 0; i < 100; ++i) {
        TLineSpec g;
        g.Kind = KindOfNumber(i % 4);
        g.Width = 1 + i % 3;
        g.EndKind = g.Kind == GraphKind::Segment ? i % 4 : (g.Kind == GraphKind::Ray ? i % 2 : 0);
        g.Color = 0x0080FF;
        g.P1 = {-(i % 7), i % 5 - 2};
        g.P2 = {3 + i % 4, -(i % 9) + 4};
        g.D1 = {-(i % 3) - 1, 0};
        g.D2 = {i % 6 + 1, 0};
        if (g.Kind == GraphKind::Point) {
            g.P2 = {5, 99};
        }
        g.Text = EquationText(g, EquationForm::Standard);
        lines.append(QString::number(g.Color) + ",16");
        lines.append(g.Text);
        for (LatticePoint p : {g.P1, g.P2, g.D1, g.D2}) {
            lines.append(QString::number(p.X) + u',' + QString::number(p.Y));
        }
    }
    return EncodeCp932(lines.join("\r\n") + "\r\n").bytes;
}

void BM_ParseHundredGraphFile(benchmark::State& state) {
    const QByteArray bytes = HundredGraphFile();
    const PlaneSettings settings;
    for (auto _ : state) {
        GraphFileContent c = ParseGraphFile(bytes, "bench.lin", settings, true);
        benchmark::DoNotOptimize(c.graphs.data());
    }
}
BENCHMARK(BM_ParseHundredGraphFile)->Unit(benchmark::kMicrosecond);

// The same from a file on disk, as opening a unit does.
void BM_ReadHundredGraphFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("hundred.lin");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(HundredGraphFile());
    file.close();
    const PlaneSettings settings;
    for (auto _ : state) {
        GraphFileContent c = ReadGraphFile(path, settings, true);
        benchmark::DoNotOptimize(c.graphs.data());
    }
}
BENCHMARK(BM_ReadHundredGraphFile)->Unit(benchmark::kMicrosecond);

void BM_EquationTextsOfHundredGraphs(benchmark::State& state) {
    const GraphFileContent c = ParseGraphFile(HundredGraphFile(), "bench.lin", {}, true);
    for (auto _ : state) {
        for (const TLineSpec& g : c.graphs) {
            benchmark::DoNotOptimize(EquationText(g, EquationForm::Standard));
            benchmark::DoNotOptimize(EquationText(g, EquationForm::General));
        }
    }
}
BENCHMARK(BM_EquationTextsOfHundredGraphs)->Unit(benchmark::kMicrosecond);

// Grading one answer: a segment drawn through other points of its line, in the ax+by=c form, so
// that the texts of both point orders are made.
void BM_GradeOneAnswer(benchmark::State& state) {
    TLineSpec question;
    question.Kind = GraphKind::Segment;
    question.P1 = {1, 1};
    question.P2 = {3, 2};
    question.D1 = {-3, 0};
    question.D2 = {5, 0};
    question.EndKind = 1;
    question.Text = EquationText(question, EquationForm::General);
    TLineSpec answer = question;
    answer.P1 = {7, 4};
    answer.P2 = {-1, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(IsRightAnswer(answer, question, EquationForm::General));
    }
}
BENCHMARK(BM_GradeOneAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace
