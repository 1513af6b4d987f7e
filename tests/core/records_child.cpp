// One program of a class sharing a start folder, for the records tests and the benchmark:
//   records_child append RECORDS PROGRAM RUNS GO [UNIT]
//                                                  waits for the file GO, then appends RUNS runs of
//                                                  one unit (一次関数の練習 unless named) through
//                                                  the practice's recorder and prints how many it
//                                                  could not write
//   records_child hold RECORDS                     takes the records file's lock, says "locked"
//                                                  and keeps it until it is killed
#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

#include "file_lock.h"
#include "practice_records.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("hold")) {
        const FileLock lock(args[2], FileLock::DefaultWait);
        std::puts(lock.status() == FileLock::Status::Locked ? "locked" : "not locked");
        std::fflush(stdout);
        for (;;) {
            QThread::sleep(60);
        }
    }
    if (args.size() < 6 || args.size() > 7 || args[1] != QStringLiteral("append")) {
        return 2;
    }
    const QString program = args[3];
    const QString unit = args.size() == 7 ? args[6] : QStringLiteral("一次関数の練習");
    const int runs = args[4].toInt();
    while (!QFileInfo::exists(args[5])) {
        QThread::msleep(1);
    }
    RunRecorder recorder(args[2]);
    int notWritten = 0;
    for (int run = 1; run <= runs; ++run) {
        const RunRecorder::Result result =
            recorder.Record(unit, QStringLiteral("p%1 r%2").arg(program).arg(run));
        notWritten += result.outcome == RunRecorder::Outcome::Failed ||
                      result.outcome == RunRecorder::Outcome::Denied;
    }
    // As the practice window does when it closes.
    if (recorder.HasKept() && recorder.WriteKept().outcome != RunRecorder::Outcome::Written) {
        ++notWritten;
    }
    std::printf("%d\n", notWritten);
    return 0;
}
