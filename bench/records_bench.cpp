// Speed of the practice records over 300 units, at the size of a busy school year (10,000 runs of
// 10 questions, about 0.4 MB) and of a school's shared records after some years (100,000 runs,
// about 4.3 MB). Opening the records window, from its construction until the list of units with
// their runs is filled, should take at most 50 ms for the year and 100 ms for the years; appending
// one run (take the file's lock, read the whole file, insert one line, replace the file with its
// sync to disk, let the lock go) at most 20 ms and 30 ms on a local disk, and 30 ms for the
// shared records written in place where the folder refuses new files. A class finishing at
// once: 8 programs, each a process of its own, appending 100 runs each to one file; all 800
// must be kept.
//
//   records_bench --benchmark_filter=/100000   the shared records only
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

#include "bench_application.h"
#include "practice/records_window.h"
#include "practice_records.h"
#include "sjis_codec.h"

namespace {

constexpr int UnitCount = 300;

QString Title(int unit) {
    return QStringLiteral("一次関数の練習%1").arg(unit, 3, 10, QChar(u'0'));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

// A program folder with 300 units and their runs, dealt out round the units.
struct ProgramFolder {
    QTemporaryDir dir;
    QString start = dir.path() + u'/';
    QString records = start + QStringLiteral("Record.ini");
    int runCount;
    QByteArray recordBytes;

    explicit ProgramFolder(int runs) : runCount(runs) {
        QDir(start).mkpath(QStringLiteral("DATA"));
        QStringList text;
        for (int unit = 0; unit < UnitCount; ++unit) {
            const QString title = Title(unit);
            WriteFile(start + QStringLiteral("DATA/u%1.lin").arg(unit, 3, 10, QChar(u'0')),
                      EncodeCp932(title + QStringLiteral("\r\n<<spec5\r\n-99\r\n")).bytes);
            text.append(u'[' + title + u']');
            for (int run = unit, key = 1; run < runCount; run += UnitCount, ++key) {
                text.append(QStringLiteral("%1=2024年11月%2日 10:05 OOXOOOXOOX 03:%3")
                                .arg(key)
                                .arg(run % 28 + 1, 2, 10, QChar(u'0'))
                                .arg(run % 60, 2, 10, QChar(u'0')));
            }
        }
        recordBytes = EncodeCp932(text.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).bytes;
        WriteFile(records, recordBytes);
    }

    // The runs the file holds for a unit.
    int RunsOf(int unit) const { return (runCount - unit + UnitCount - 1) / UnitCount; }
};

void BM_OpenRecordsWindow(benchmark::State& state) {
    BenchApplication();
    ProgramFolder folder(int(state.range(0)));
    QString last;
    for (auto _ : state) {
        TfrmKiroku window(folder.start);
        window.show();  // lists the units at showing
        QApplication::processEvents();
        const auto* list = window.findChild<QListWidget*>(QStringLiteral("lstTitle"));
        last = list->item(list->count() - 1)->text();
        benchmark::DoNotOptimize(last);
    }
    state.counters["bytes"] = double(folder.recordBytes.size());
    // The last unit's runs lie at the end of the file.
    if (last != QString::number(folder.RunsOf(UnitCount - 1)) + QStringLiteral("回 ") +
                    Title(UnitCount - 1)) {
        state.SkipWithError("the units were not listed with their runs");
    }
}
BENCHMARK(BM_OpenRecordsWindow)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The second argument puts a line that does not read at the file's start, so that every line is
// decoded alone.
void BM_AppendOneRun(benchmark::State& state) {
    ProgramFolder folder(int(state.range(0)));
    const QByteArray bytes =
        (state.range(1) != 0 ? QByteArray("\x81\r\n") : QByteArray()) + folder.recordBytes;
    const QString value = QStringLiteral("2024年12月07日 10:30 OOOOOOOOOO 02:41");
    QString problem;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(folder.records, bytes);  // every run appends to the same file
        state.ResumeTiming();
        problem = AppendRecord(folder.records, Title(UnitCount / 2), value);
    }
    state.counters["bytes"] = double(folder.recordBytes.size());
    if (!problem.isEmpty() ||
        PracticeRecords::Read(folder.records).RunCount(Title(UnitCount / 2)) !=
            folder.RunsOf(UnitCount / 2) + 1) {
        state.SkipWithError("the run was not appended");
    }
}
BENCHMARK(BM_AppendOneRun)
    ->Args({10000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

#ifndef Q_OS_WIN
// A student's append where the folder refuses new files but Record.ini may be written: in place,
// under the journal in the student's own data folder. The recorder runs in a program of its own
// as another user (which needs root here); the time of a program that appends nothing is taken
// off, so what is left is the runs themselves.
void BM_AppendOneRunInPlace(benchmark::State& state) {
    if (::geteuid() != 0) {
        state.SkipWithError("runs a program as another user, which only root may start");
        return;
    }
    constexpr int Runs = 20;
    ProgramFolder folder(int(state.range(0)));
    QTemporaryDir home;
    constexpr uid_t Nobody = 65534;
    if (::chown(QFile::encodeName(home.path()).constData(), Nobody, Nobody) != 0 ||
        !QFile::setPermissions(folder.start, QFile::ReadOwner | QFile::WriteOwner |
                                                 QFile::ExeOwner | QFile::ReadOther |
                                                 QFile::ExeOther) ||
        !QFile(folder.start + QStringLiteral("go")).open(QIODevice::WriteOnly)) {
        state.SkipWithError("cannot set up the folders");
        return;
    }
    const auto timeChild = [&](int runs) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.path());
        child.setProcessEnvironment(environment);
        child.setChildProcessModifier([] {
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) {
                ::_exit(3);
            }
        });
        QElapsedTimer timer;
        timer.start();
        child.start(QStringLiteral(RECORDS_CHILD),
                    {"append", folder.records, "1", QString::number(runs),
                     folder.start + QStringLiteral("go"), Title(UnitCount / 2)});
        child.waitForFinished(-1);
        const double seconds = double(timer.nsecsElapsed()) / 1e9;
        return child.exitCode() == 0 && child.readAllStandardOutput().trimmed() == "0" ? seconds
                                                                                       : -1.0;
    };
    for (auto _ : state) {
        WriteFile(folder.records, folder.recordBytes);
        QFile::setPermissions(folder.records, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ReadOther | QFile::WriteOther);
        const double start = timeChild(0);
        const double all = timeChild(Runs);
        if (start < 0 || all < 0) {
            state.SkipWithError("a run was not written");
            return;
        }
        state.SetIterationTime((all - start) / Runs);
    }
    if (PracticeRecords::Read(folder.records).RunCount(Title(UnitCount / 2)) !=
        folder.RunsOf(UnitCount / 2) + Runs) {
        state.SkipWithError("the runs were not appended");
    }
    state.counters["bytes"] = double(folder.recordBytes.size());
}
BENCHMARK(BM_AppendOneRunInPlace)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5);
#endif

void BM_ClassAppendsAtOnce(benchmark::State& state) {
    const int programs = int(state.range(0));
    const int runs = int(state.range(1));
    int kept = 0;
    int notWritten = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString records = dir.filePath(QStringLiteral("Record.ini"));
        const QString go = dir.filePath(QStringLiteral("go"));
        std::vector<std::unique_ptr<QProcess>> children;
        for (int p = 0; p < programs; ++p) {
            children.push_back(std::make_unique<QProcess>());
            // One program of the class (tests/core/records_child), appending through the
            // practice's recorder as fast as it can.
            children.back()->start(
                QStringLiteral(RECORDS_CHILD),
                {"append", records, QString::number(p), QString::number(runs), go});
            children.back()->waitForStarted();
        }
        QThread::msleep(200);  // every program is waiting for the start
        state.ResumeTiming();
        QFile(go).open(QIODevice::WriteOnly);
        notWritten = 0;
        for (auto& child : children) {
            child->waitForFinished(-1);
            notWritten += child->readAllStandardOutput().trimmed().toInt();
        }
        state.PauseTiming();
        kept = int(PracticeRecords::Read(records).Runs(QStringLiteral("一次関数の練習")).size());
        state.ResumeTiming();
    }
    state.counters["kept"] = kept;
    state.counters["notWritten"] = notWritten;
    if (kept != programs * runs) {
        state.SkipWithError("runs were lost");
    }
}
BENCHMARK(BM_ClassAppendsAtOnce)
    ->Args({8, 100})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication* app = &BenchApplication();
    Q_UNUSED(app);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
