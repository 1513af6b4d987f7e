// Practice records: runs appended after the largest number, counted and listed across gaps, files
// that do not read whole listed as far as they read and never written, programs sharing one file
// under its lock.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#if QT_CONFIG(process)
#include <QProcess>
#endif
#include <QTemporaryDir>
#include <QThread>
#include <memory>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "file_lock.h"
#include "in_place_write.h"
#include "ini_file.h"
#include "practice_records.h"
#include "sjis_codec.h"
#include "test_files.h"

namespace {

// The bytes of a literal, NUL bytes included.
template <size_t N>
QByteArray Bytes(const char (&literal)[N]) {
    return QByteArray(literal, N - 1);
}

// A file of exactly this many bytes: one run of A, a long comment and then one run of B, the
// file's last bytes.
QByteArray RunsAroundAComment(qint64 size) {
    const QByteArray head = Sjis("[A]\r\n1=あ\r\n;");
    const QByteArray tail = "\r\n[B]\r\n1=b";
    QByteArray bytes(size, 'x');
    bytes.replace(0, head.size(), head);
    bytes.replace(size - tail.size(), tail.size(), tail);
    return bytes;
}

// "count:detail|detail…" for a unit, as the records window shows it.
QString Listing(const PracticeRecords& records, const QString& title) {
    return QString::number(records.RunCount(title)) + u':' + records.DetailLines(title).join(u'|');
}

TEST(PracticeRecords, RunsCountAcrossGapsAndAnAppendGoesAfterTheLargestKeepingEveryOtherByte) {
    // Given: the file (none: no file). Expected: the listing of T, and the file after a run of T
    // was appended.
    const char* const rows[][3] = {
        {nullptr, "0:", "[T]\r\n1=n\r\n"},
        {"[T]", "0:", "[T]\r\n1=n\r\n"},
        {"1=a\r\n2=b\r\n", "0:", "1=a\r\n2=b\r\n[T]\r\n1=n\r\n"},
        {"[U]\r1=u\r", "0:", "[U]\r1=u\r[T]\r\n1=n\r\n"},
        {"[比例]\r\n1=あ\r\n[t]\r\n1=い", "1:い", "[比例]\r\n1=あ\r\n[t]\r\n1=い\r\n2=n\r\n"},
        {"[T]\n1=a\n3=c\n\n[U]\n1=u", "3:a|?|c", "[T]\n1=a\n3=c\n4=n\r\n\n[U]\n1=u"},
        {"; note\r\n [ T ] x\r\n  2 = b  \r\n", "2:?|b",
         "; note\r\n [ T ] x\r\n  2 = b  \r\n3=n\r\n"},
        {"[T]\r\n1=a\r\n[T]\r\n5=b\r\n", "1:a", "[T]\r\n1=a\r\n2=n\r\n[T]\r\n5=b\r\n"},
        {"[T]\r\n[U]\r\n1=u\r\n", "0:", "[T]\r\n1=n\r\n[U]\r\n1=u\r\n"},
        // A header runs to its last "]": another program's "[T]x]" is not T.
        {"[T]x]\r\n1=x\r\n[T]\r\n1=a\r\n", "1:a", "[T]x]\r\n1=x\r\n[T]\r\n1=a\r\n2=n\r\n"},
        // Only plain decimal keys with "=" are runs; the first line of a number is the one read.
        {"[T]\r\n01=x\r\n+1=x\r\n;5=c\r\n7\r\n2=b\r\n2=c\r\n1=a", "2:a|b",
         "[T]\r\n01=x\r\n+1=x\r\n;5=c\r\n7\r\n2=b\r\n2=c\r\n1=a\r\n3=n\r\n"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.ini");
    for (const auto& [given, listing, after] : rows) {
        SCOPED_TRACE(given == nullptr ? "(none)" : given);
        QFile::remove(path);
        if (given != nullptr) {
            WriteBytes(path, Sjis(given));
        }
        EXPECT_EQ(Listing(PracticeRecords::Read(path), "T"), QString::fromUtf8(listing));
        EXPECT_EQ(AppendRecord(path, "T", "n"), "");
        EXPECT_EQ(ReadBytes(path), Sjis(after));
    }

    // A number beyond the last one there can be is no run; the run after the last one is refused
    // and the file stays as it is.
    WriteBytes(path, "[T]\r\n99998=y\r\n100000=z\r\n");
    const QStringList details = PracticeRecords::Read(path).DetailLines("T");
    EXPECT_EQ(details.size(), 99998);
    EXPECT_EQ(details.count("?"), 99997);
    EXPECT_EQ(details.back(), "y");
    ASSERT_EQ(AppendRecord(path, "T", "n"), "");
    const QByteArray full = ReadBytes(path);
    EXPECT_TRUE(full.endsWith("100000=z\r\n99999=n\r\n"));
    EXPECT_EQ(
        AppendRecord(path, "T", "n"),
        QDir::toNativeSeparators(path) + QStringLiteral("には「T」の記録をこれ以上書き込めません"));
    EXPECT_EQ(ReadBytes(path), full);
}

TEST(PracticeRecords, LinesThatDoNotReadAreLeftOutAndKeptWhereTheyStand) {
    // Given: the file's bytes. Expected: the listing of A and B, the line named or the reason the
    // file cannot be changed, and the file after a run of A was appended and B erased.
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* listing;
        const char* note;
        QByteArray after;  // empty: the file cannot be changed and stays as it was
    };
    const QByteArray utf8 =
        QStringLiteral("[A]\r\n1=2026年11月05日 10:05 OX 01:02\r\n[B]\r\n1=b\r\n").toUtf8();
    const QByteArray utf8After = Sjis("[A]\r\n1=2026年11月05日 10:05 OX 01:02\r\n2=n\r\n");
    const Row rows[] = {
        {"missing", QByteArray(), "0: 0:", "", "[A]\r\n1=n\r\n"},
        {"bad Shift-JIS in B", "[A]\r\n1=a\r\n2=b\r\n[B]\r\n1=\x81\r\n2=b\r\n", "2:a|b 2:?|b",
         "の5行目は", "[A]\r\n1=a\r\n2=b\r\n3=n\r\n"},
        // A run cut inside a double-byte character is no run of A; the next run goes after it.
        {"cut character in A", "[A]\r\n1=a\r\n3=2026\x94N11\x8c\r\n[B]\r\n1=b\r\n", "1:a 1:b",
         "の3行目は", "[A]\r\n1=a\r\n3=2026\x94N11\x8c\r\n2=n\r\n"},
        // A header that does not read keeps its lines: they are never B's or A's runs.
        {"NUL in a header", Bytes("[A]\r\n1=a\r\n[\x89\xf3\0\0]\r\n1=x\r\n[B]\r\n1=b\r\n"),
         "1:a 1:b", "の3行目は", Bytes("[A]\r\n1=a\r\n2=n\r\n[\x89\xf3\0\0]\r\n1=x\r\n")},
        {"binary", Bytes("[A]\r\n1=a\r\n\0\x01\x02[B]\r\n1=b\r\n"), "1:a 0:", "の3行目は",
         Bytes("[A]\r\n1=a\r\n\0\x01\x02[B]\r\n1=b\r\n2=n\r\n")},
        // Notepad's UTF-8, with a byte-order mark and without, goes back as Shift-JIS.
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8, "1:2026年11月05日 10:05 OX 01:02 1:b", "",
         utf8After},
        {"UTF-8", utf8, "1:2026年11月05日 10:05 OX 01:02 1:b", "", utf8After},
        {"folder", QByteArray(), "0: 0:", "を読み込めません", QByteArray()},
        // Years of a school's records; beyond the limit, B's run is cut off.
        {"64 MiB", RunsAroundAComment(MaxIniFileBytes), "1:あ 1:b", "", QByteArray()},
        {"64 MiB and a byte", RunsAroundAComment(MaxIniFileBytes + 1),
         "1:あ 0:", "は大きすぎるため読み込めません", QByteArray()},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("Record.ini");
        if (QByteArray(row.name) == "folder") {
            ASSERT_TRUE(QDir(dir.path()).mkdir("Record.ini"));
        } else if (QByteArray(row.name) != "missing") {
            WriteBytes(path, row.bytes);
        }
        const PracticeRecords records = PracticeRecords::Read(path);
        EXPECT_EQ(Listing(records, "A") + u' ' + Listing(records, "B"),
                  QString::fromUtf8(row.listing));
        const QString note = QString::fromUtf8(row.note);
        const QString shown = records.error().isEmpty() ? records.unreadNote() : records.error();
        EXPECT_TRUE(note.isEmpty() ? shown.isEmpty()
                                   : shown.startsWith(QDir::toNativeSeparators(path) + note))
            << shown.toStdString();
        if (QByteArray(row.name) == "64 MiB") {
            EXPECT_EQ(AppendRecord(path, "A", "n"), "");
            EXPECT_EQ(PracticeRecords::Read(path).RunCount("A"), 2);
            continue;
        }
        if (row.after.isEmpty()) {
            const QByteArray before = ReadBytes(path);
            EXPECT_EQ(AppendRecord(path, "A", "n"),
                      shown + QStringLiteral("\n今回の記録は書き込めませんでした"));
            EXPECT_EQ(EraseRecords(path, {"A", "B"}),
                      shown + QStringLiteral("\n記録を消去できませんでした"));
            EXPECT_EQ(ReadBytes(path), before);
            continue;
        }
        EXPECT_EQ(AppendRecord(path, "A", "n"), "");
        EXPECT_EQ(EraseRecords(path, {"B"}), "");
        EXPECT_EQ(ReadBytes(path), row.after);
    }
}

TEST(PracticeRecords, AFailedWriteIsReportedAndLeavesTheOldRecords) {
    QTemporaryDir dir;
    // No folder to write in.
    const QString nowhere = dir.filePath("gone/Record.ini");
    EXPECT_EQ(AppendRecord(nowhere, "A", "n"),
              QDir::toNativeSeparators(nowhere) +
                  QStringLiteral("の保存に失敗しました\n今回の記録は書き込めませんでした"));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(EraseRecords(nowhere, {"A"}), "");  // nothing to erase: nothing written

    const QByteArray old = Sjis("[A]\r\n1=a\r\n[比例]\r\n1=b\r\n");
#ifndef Q_OS_WIN
    // A name so long that the replacement cannot be made beside the file. (Windows writes a file
    // whose lock it holds in place, with no replacement beside it.)
    const QString longName = dir.filePath(QString(248, u'r') + QStringLiteral(".ini"));
    WriteBytes(longName, old);
    const QString failed =
        QDir::toNativeSeparators(longName) + QStringLiteral("の保存に失敗しました\n");
    EXPECT_EQ(AppendRecord(longName, "A", "n"),
              failed + QStringLiteral("今回の記録は書き込めませんでした"));
    EXPECT_EQ(EraseRecords(longName, {QStringLiteral("比例")}),
              failed + QStringLiteral("記録を消去できませんでした"));
    EXPECT_EQ(EraseRecords(longName, {"B"}), "");
    EXPECT_EQ(ReadBytes(longName), old);
#endif

    // A title that would break its section's header, and a character Shift-JIS cannot hold.
    const QString path = dir.filePath("Record.ini");
    WriteBytes(path, old);
    EXPECT_EQ(AppendRecord(path, QStringLiteral("比例[1]"), "n"),
              QDir::toNativeSeparators(path) +
                  QStringLiteral("に記録を書き込めません\n単元名に「[」や「]」は使えません"));
    EXPECT_EQ(AppendRecord(path, "A", "x\ny"),
              QDir::toNativeSeparators(path) + QStringLiteral("に記録を書き込めません"));
    EXPECT_TRUE(AppendRecord(path, QStringLiteral("€"), "n").contains(QStringLiteral("€")));
    EXPECT_EQ(ReadBytes(path), old);
}

TEST(PracticeRecords, ErasesSectionsInOneReplacement) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.ini");
    // The header another program wrote stays as it stood.
    WriteBytes(path, Sjis("[比例]\r\n1=a\r\n[Unit]\r\n1=b\r\n2=c\r\n[一次関数] 第2版\r\n1=d\r\n"
                          "[unit]\r\n1=e\r\n"));
    EXPECT_EQ(EraseRecords(path, {QStringLiteral("比例"), " UNIT ", QStringLiteral("ない")}), "");
    EXPECT_EQ(ReadBytes(path), Sjis("[一次関数] 第2版\r\n1=d\r\n"));
}

// A Qt that starts no processes (the browser's) runs only one program on a records file.
#if QT_CONFIG(process)
// A records program as a student whose share lets it change "Record.ini" but not create files
// beside it: another user where the tests run as root, otherwise the folder loses its write
// permission (the file keeps its own). Its journals go to a folder of its own.
void AsStudent(QProcess& program, const QString& journals) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), journals);
    program.setProcessEnvironment(environment);
#ifndef Q_OS_WIN
    if (::geteuid() == 0) {
        program.setChildProcessModifier([] {
            constexpr uid_t Nobody = 65534;
            if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) {
                ::_exit(3);
            }
        });
    }
#endif
}

// Programs of a class finishing at the same time, each a process of its own: every run is kept,
// under a number of its own, in the order each program made them. Also where half of them are
// students whose folder refuses new files, or lets them add but not replace the teacher's: they
// write the file in place under its own lock, which the others take too; and a student's program
// killed in the middle of its writes leaves the file whole once the journal is rolled back.
TEST(PracticeRecords, SeveralProgramsAppendingAtOnceKeepEveryRunUnderItsOwnNumber) {
    constexpr int Programs = 6;
    constexpr int Runs = 25;
    // The mode of a folder where students write in place: one that refuses them new files, and
    // one with the sticky bit, where they may add files but not rename over the teacher's.
    for (const int studentFolder : {0, 0755, 01777}) {
        const bool students = studentFolder != 0;
        SCOPED_TRACE(studentFolder);
#ifdef Q_OS_WIN
        if (students) {
            continue;  // Windows keeps rights in access lists, which no test sets up here
        }
#endif
        QTemporaryDir dir;
        QTemporaryDir journals;
        const QString path = dir.filePath("Record.ini");
        WriteBytes(path, Sjis("[比例]\r\n1=a\r\n"));
        const QString go = dir.filePath("go");
        WriteBytes(go, "");
        QFile::remove(go);
#ifndef Q_OS_WIN
        if (students) {
            ::chmod(QFile::encodeName(path).constData(), 0666);
            ::chmod(QFile::encodeName(journals.path()).constData(), 0777);
            ::chmod(QFile::encodeName(dir.path()).constData(),
                    ::geteuid() == 0 ? studentFolder : 0555);
        }
#endif
        std::vector<std::unique_ptr<QProcess>> programs;
        for (int p = 0; p < Programs; ++p) {
            programs.push_back(std::make_unique<QProcess>());
            programs.back()->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            if (students && p % 2 == 1) {
                AsStudent(*programs.back(), journals.path());
            }
            programs.back()->start(RECORDS_CHILD,
                                   {"append", path, QString::number(p), QString::number(Runs), go});
            ASSERT_TRUE(programs.back()->waitForStarted(10000));
        }
#ifndef Q_OS_WIN
        if (students && ::geteuid() != 0) {
            ::chmod(QFile::encodeName(dir.path()).constData(), 0755);  // for the go file
        }
#endif
        WriteBytes(go, "");  // all at once
        for (auto& program : programs) {
            ASSERT_TRUE(program->waitForFinished(120000));
            EXPECT_EQ(program->readAllStandardOutput().trimmed(), "0");
        }
        const PracticeRecords records = PracticeRecords::Read(path);
        const QString unit = QStringLiteral("一次関数の練習");
        ASSERT_EQ(records.RunCount(unit), Programs * Runs);
        std::vector<int> lastRun(Programs, 0);
        for (const auto& [number, value] : records.Runs(unit)) {
            const QStringList parts = value.split(u' ');  // "p<program> r<run>"
            const int program = parts[0].mid(1).toInt();
            const int run = parts[1].mid(1).toInt();
            EXPECT_EQ(run, lastRun[program] + 1) << number << " " << value.toStdString();
            lastRun[program] = run;
        }
        EXPECT_EQ(lastRun, std::vector<int>(Programs, Runs));
        EXPECT_EQ(records.DetailLines(QStringLiteral("比例")), QStringList{"a"});
#ifndef Q_OS_WIN
        if (!students) {
            continue;
        }
        const QString studentJournals = journals.filePath("records_child/journals");
        EXPECT_EQ(QDir(studentJournals).entryList(QDir::Files | QDir::Hidden), QStringList());
        // Killed at moments of every kind, one student's program at a time.
        if (::geteuid() != 0) {
            ::chmod(QFile::encodeName(dir.path()).constData(), 0555);
        }
        const ScopedJournalFolder rolledBack(studentJournals);
        for (int kill = 0; kill < 8; ++kill) {
            QProcess program;
            AsStudent(program, journals.path());
            program.start(RECORDS_CHILD, {"append", path, "9", "100000", go});
            ASSERT_TRUE(program.waitForStarted(10000));
            QThread::msleep(60 + 37 * kill);
            program.kill();
            program.waitForFinished(10000);
            RollBackJournals();  // as the next program does at its start
            const PracticeRecords after = PracticeRecords::Read(path);
            EXPECT_TRUE(after.unreadNote().isEmpty()) << after.unreadNote().toStdString();
            EXPECT_FALSE(after.DetailLines(unit).contains("?"));
            EXPECT_EQ(after.DetailLines(QStringLiteral("比例")), QStringList{"a"});
        }
        EXPECT_GT(PracticeRecords::Read(path).RunCount(unit), Programs * Runs);
        ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
#endif
    }
}
#endif

// A run that finds the file locked by another program for the whole wait stays in memory and
// goes in first with the next run; a lock whose program died is taken over, at once on this
// computer and after the stale time when it came from another one.
TEST(PracticeRecords, ALockedFileKeepsTheRunUntilTheLockIsFreeOrStale) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.ini");
    WriteBytes(path, Sjis("[T]\r\n1=a\r\n"));
    const QByteArray before = ReadBytes(path);
    constexpr std::chrono::milliseconds Wait{100};
#if QT_CONFIG(process)
    {
        QProcess holder;
        holder.start(RECORDS_CHILD, {"hold", path});
        ASSERT_TRUE(holder.waitForReadyRead(30000));
        ASSERT_EQ(holder.readAllStandardOutput().trimmed(), "locked");
        RunRecorder recorder(path, Wait);
        EXPECT_EQ(recorder.Record("T", "b").outcome, RunRecorder::Outcome::Kept);
        EXPECT_EQ(recorder.WriteKept().outcome, RunRecorder::Outcome::Kept);
        EXPECT_TRUE(recorder.HasKept());
        EXPECT_EQ(AppendRecord(path, "T", "x", Wait),
                  QDir::toNativeSeparators(path) +
                      QStringLiteral("はほかのプログラムが書き込み中のため、書き込めませんでした\n"
                                     "今回の記録は書き込めませんでした"));
        EXPECT_EQ(ReadBytes(path), before);
        holder.kill();  // the program dies holding the lock
        ASSERT_TRUE(holder.waitForFinished(10000));
        const RunRecorder::Result next = recorder.Record("T", "c");
        EXPECT_EQ(next.outcome, RunRecorder::Outcome::Written) << next.message.toStdString();
        EXPECT_FALSE(recorder.HasKept());
        EXPECT_EQ(ReadBytes(path), Sjis("[T]\r\n1=a\r\n2=b\r\n3=c\r\n"));
    }
#else
    WriteBytes(path, Sjis("[T]\r\n1=a\r\n2=b\r\n3=c\r\n"));  // as the held lock's runs leave it
#endif
    // A lock file from another computer, whose program cannot be asked: the stale time decides.
    const QString lock = FileLock::LockPath(path);
    EXPECT_EQ(lock, dir.filePath("Record.lock"));
    const auto past = std::chrono::duration_cast<std::chrono::seconds>(FileLock::StaleTime);
    for (const auto& [age, taken] : {std::pair{past - std::chrono::seconds(10), false},
                                     std::pair{past + std::chrono::seconds(10), true}}) {
        SCOPED_TRACE(age.count());
        WriteBytes(lock, "4242\ntesmara\nanother-computer\n");
        QFile lockFile(lock);
        ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-age.count()),
                                         QFileDevice::FileModificationTime));
        lockFile.close();
        const QByteArray held = ReadBytes(path);
        RunRecorder recorder(path, Wait);
        EXPECT_EQ(recorder.Record("T", "d").outcome,
                  taken ? RunRecorder::Outcome::Written : RunRecorder::Outcome::Kept);
        EXPECT_EQ(ReadBytes(path) == held, !taken);
        EXPECT_EQ(QFile::exists(lock), !taken);
    }
    // A lock that no program can take over (a folder of its name) stops no run and makes none
    // wait: the file's own lock guards it, and the lock file is named once a program.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Record.lock"));
    for (const char* run : {"e", "f"}) {
        RunRecorder recorder(path, FileLock::DefaultWait);
        const QDeadlineTimer quick(std::chrono::seconds(1));
        const RunRecorder::Result result = recorder.Record("T", run);
        EXPECT_FALSE(quick.hasExpired());
        EXPECT_EQ(result.outcome, RunRecorder::Outcome::Written);
        EXPECT_EQ(result.notice.startsWith(QDir::toNativeSeparators(lock) +
                                           QStringLiteral("を削除できません")),
                  QByteArray(run) == "e")
            << result.notice.toStdString();
    }
    EXPECT_TRUE(ReadBytes(path).endsWith("5=e\r\n6=f\r\n"));
#if !defined(Q_OS_WIN) && !defined(Q_OS_WASM)  // Emscripten makes no pipes
    // A pipe of that name would hold the try for good.
    ASSERT_TRUE(QDir(dir.path()).rmdir("Record.lock"));
    ASSERT_EQ(mkfifo(QFile::encodeName(lock).constData(), 0600), 0);
    EXPECT_EQ(RunRecorder(path, FileLock::DefaultWait).Record("T", "g").outcome,
              RunRecorder::Outcome::Written);
    EXPECT_TRUE(ReadBytes(path).endsWith("6=f\r\n7=g\r\n"));
#endif
}

}  // namespace
