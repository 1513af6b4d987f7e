// Speed of the exporter's class modes. A worksheet of a 100-graph unit should take at most 300 ms
// as a whole process, start-up and fonts included; the table of 40 classroom records files of
// 1,000 runs each at most 1 s. Both are measured as whole processes and, to see where the time
// goes, in process.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include "graph_file.h"
#include "gui_bench_application.h"
#include "records_csv.h"
#include "sjis_codec.h"
#include "worksheet.h"

namespace {

const QString Hundred = QStringLiteral(BENCH_DATA_DIR "/hundred.lin");

// 40 records files of 1,000 runs each, over 25 units of 8 questions.
struct ClassRecords {
    QTemporaryDir dir;
    QStringList files;
    ClassRecords() {
        for (int pc = 0; pc < 40; ++pc) {
            QString text;
            for (int unit = 0; unit < 25; ++unit) {
                text += QStringLiteral("[一次関数の練習%1]\r\n").arg(unit);
                for (int run = 1; run <= 40; ++run) {
                    text += QStringLiteral("%1=2024年11月%2日 10:05 OOXOOXOO %3:%4\r\n")
                                .arg(run)
                                .arg(run % 28 + 1, 2, 10, QChar(u'0'))
                                .arg(run % 12, 2, 10, QChar(u'0'))
                                .arg((run * 7) % 60, 2, 10, QChar(u'0'));
                }
            }
            const QString path = dir.filePath(QStringLiteral("pc%1.ini").arg(pc));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(EncodeCp932(text).bytes) < 0) {
                qFatal("cannot write %s", qPrintable(path));
            }
            files.append(path);
        }
    }
};

int RunExporter(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(EXPORTER_PATH), args);
    p.waitForFinished(60000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void BM_WorksheetOf100GraphsProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const QStringList args{QStringLiteral("--worksheet"), dir.filePath(QStringLiteral("w.pdf")),
                           Hundred};
    int status = 0;
    for (auto _ : state) {
        status = RunExporter(args);
    }
    if (status != 0) {
        state.SkipWithError("the exporter failed");
    }
}
BENCHMARK(BM_WorksheetOf100GraphsProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WorksheetOf100GraphsInProcess(benchmark::State& state) {
    GuiBenchApplication();
    const GraphFileContent content = ReadGraphFile(Hundred, PlaneSettings(), true);
    const WorksheetUnit unit = WorksheetUnitOf(content);
    int pages = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        pages = DrawWorksheets(painter, pdf, {&unit, 1}, {}).pages;
        painter.end();
        bytes = buffer.size();
    }
    state.counters["pages"] = pages;
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_WorksheetOf100GraphsInProcess)->Unit(benchmark::kMillisecond);

void BM_RecordsCsvOf40FilesProcess(benchmark::State& state) {
    ClassRecords records;
    const QStringList args =
        QStringList{QStringLiteral("--records"), records.dir.filePath(QStringLiteral("c.csv"))} +
        records.files;
    int status = 0;
    for (auto _ : state) {
        status = RunExporter(args);
    }
    if (status != 0) {
        state.SkipWithError("the exporter failed");
    }
}
BENCHMARK(BM_RecordsCsvOf40FilesProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordsCsvOf40FilesInProcess(benchmark::State& state) {
    ClassRecords records;
    int rows = 0;
    for (auto _ : state) {
        rows = MergeRecordsCsv(records.files).rows;
    }
    if (rows != 40 * 1000) {
        state.SkipWithError("not every run was written");
    }
}
BENCHMARK(BM_RecordsCsvOf40FilesInProcess)->Unit(benchmark::kMillisecond);

}  // namespace
