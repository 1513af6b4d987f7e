// Speed of the practice records at the size of a busy school year: 10,000 runs of 10 questions over
// 300 units, about 0.4 MB. Opening the records window (listing 300 units with their runs) should
// take at most 50 ms, and appending one run, with its atomic replacement of the file, at most
// 20 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include "bench_application.h"
#include "practice/records_window.h"
#include "practice_records.h"
#include "sjis_codec.h"

namespace {

constexpr int UnitCount = 300;
constexpr int RunCount = 10000;

QString Title(int unit) {
    return QStringLiteral("一次関数の練習%1").arg(unit, 3, 10, QChar(u'0'));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// A program folder with 300 units and their 10,000 runs, dealt out round the units.
struct ProgramFolder {
    QTemporaryDir dir;
    QString start = dir.path() + u'/';
    QString records = start + QStringLiteral("Record.ini");
    QByteArray recordBytes;

    ProgramFolder() {
        QDir(start).mkpath(QStringLiteral("DATA"));
        QStringList text;
        for (int unit = 0; unit < UnitCount; ++unit) {
            const QString title = Title(unit);
            WriteFile(start + QStringLiteral("DATA/u%1.lin").arg(unit, 3, 10, QChar(u'0')),
                      EncodeCp932(title + QStringLiteral("\r\n<<spec5\r\n-99\r\n")).bytes);
            text.append(u'[' + title + u']');
            for (int run = unit, key = 1; run < RunCount; run += UnitCount, ++key) {
                text.append(QStringLiteral("%1=2024年11月%2日 10:05 OOXOOOXOOX 03:%3")
                                .arg(key)
                                .arg(run % 28 + 1, 2, 10, QChar(u'0'))
                                .arg(run % 60, 2, 10, QChar(u'0')));
            }
        }
        recordBytes = EncodeCp932(text.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes;
        WriteFile(records, recordBytes);
    }
};

void BM_OpenRecordsWindow(benchmark::State& state) {
    BenchApplication();
    ProgramFolder folder;
    int listed = 0;
    for (auto _ : state) {
        TfrmKiroku window(folder.start);
        window.show();  // lists the units at showing
        QApplication::processEvents();
        listed = window.lstTitle->count();
        benchmark::DoNotOptimize(listed);
    }
    state.counters["bytes"] = double(folder.recordBytes.size());
    if (listed != UnitCount) {
        state.SkipWithError("the units were not listed");
    }
}
BENCHMARK(BM_OpenRecordsWindow)->Unit(benchmark::kMillisecond);

void BM_AppendOneRun(benchmark::State& state) {
    ProgramFolder folder;
    const QString value = QStringLiteral("2024年12月07日 10:30 OOOOOOOOOO 02:41");
    QString problem;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(folder.records, folder.recordBytes);  // every run appends to the same file
        state.ResumeTiming();
        problem = AppendRecord(folder.records, Title(UnitCount / 2), value);
    }
    if (!problem.isEmpty() ||
        PracticeRecords::Read(folder.records).RunCount(Title(UnitCount / 2)) !=
            RunCount / UnitCount + 1) {
        state.SkipWithError("the run was not appended");
    }
}
BENCHMARK(BM_AppendOneRun)->Unit(benchmark::kMillisecond);

}  // namespace
