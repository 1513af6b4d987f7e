// The checked replacement of a file: whatever step fails, the old file keeps every byte and no
// temporary file is left; only a replacement that went through every step is seen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "file_lock.h"
#include "refusing_disk.h"
#include "replace_file.h"
#include "test_files.h"

namespace {

TEST(ReplaceFile, AFailureAtAnyStepKeepsTheOldFileWholeAndLeavesNothingBehind) {
    // A small file, smaller than any write buffer, and one far larger than one; each replaces an
    // old file of the same kind or is the first of its name.
    const QByteArray small(408, 's');
    const QByteArray large(1 << 20, 'L');
    QTemporaryDir dir;
    const QString path = dir.filePath("old.lin");
    for (const QByteArray* bytes : {&small, &large}) {
        for (const bool hadOld : {true, false}) {
            for (const ReplaceStep step : EveryReplaceStep()) {
                SCOPED_TRACE(testing::Message() << bytes->size() << " bytes, old file " << hadOld
                                                << ", refused at " << StepName(step));
                QFile::remove(path);
                const QByteArray old = bytes->left(bytes->size() / 3).replace('s', 'o');
                if (hadOld) {
                    WriteBytes(path, old);
                }
                RefusingSteps refusing(step);
                {
                    const ScopedFileSteps disk(refusing);
                    const ReplaceResult result = ReplaceFile(path, {bytes->left(5), bytes->mid(5)});
                    EXPECT_FALSE(result.ok);
                    EXPECT_EQ(result.failedAt, step);
                    EXPECT_FALSE(result.denied);
                }
                EXPECT_EQ(ReadBytes(path), hadOld ? old : QByteArray("(none)"));
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                          hadOld ? QStringList{"old.lin"} : QStringList{});
                // The same replacement on a disk that takes the bytes.
                EXPECT_TRUE(ReplaceFile(path, {bytes->left(5), bytes->mid(5)}).ok);
                EXPECT_EQ(ReadBytes(path), *bytes);
                EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                          QStringList{"old.lin"});
            }
        }
    }
}

// A real disk that takes the first pages of the new bytes and then is full: the write returns
// fewer bytes than it was given, which must count as a failure like a refused write.
TEST(ReplaceFile, ADiskWithRoomForPartOfTheBytesKeepsTheOldFile) {
    SmallDisk disk(128);
    if (!disk.unavailable().empty()) {
        GTEST_SKIP() << disk.unavailable();
    }
    const QString path = disk.filePath("Record.ini");
    const QByteArray old(5000, 'o');
    for (const int sparePages : {1, 2, 3}) {
        SCOPED_TRACE(sparePages);
        WriteBytes(path, old);
        disk.Fill(sparePages * 4096);
        const ReplaceResult result = ReplaceFile(path, {QByteArray(4 * 4096 - 7, 'n')});
        disk.Free();
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.failedAt, ReplaceStep::Write);
        EXPECT_EQ(ReadBytes(path), old);
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{"Record.ini"});
    }
}

TEST(ReplaceFile, KeepsTheOldFilesPermissionsAndALinkLeadingToIt) {
    QTemporaryDir dir;
    const QString target = dir.filePath("shared/Record.ini");
    ASSERT_TRUE(QDir(dir.path()).mkdir("shared"));
    WriteBytes(target, "old");
#ifndef Q_OS_WIN
    // Windows keeps permissions in access lists, and QFile::link makes a shortcut there, which
    // reads and writes do not follow.
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(target, permissions));
    const QString link = dir.filePath("Record.ini");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(ReplaceFile(link, QByteArray("new")).ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(target), "new");
    const auto ofUser = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFileInfo(target).permissions() & ~ofUser, permissions);
    // Two links, the first relative, stay links to one file, locked beside it; a loop is no file.
    const QString chain = dir.filePath("chain.ini");
    ASSERT_TRUE(QFile::link("Record.ini", chain) && ReplaceFile(chain, QByteArray("newer")).ok);
    EXPECT_TRUE(QFileInfo(chain).isSymLink() && QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(target), "newer");
    EXPECT_EQ(FileLock::LockPath(chain), dir.filePath("shared/Record.lock"));
    ASSERT_TRUE(QFile::link("loop.ini", dir.filePath("loop.ini")));
    EXPECT_TRUE(ReplaceFile(dir.filePath("loop.ini"), QByteArray("x")).denied);
#endif
    // A folder in the file's place, or no folder for it, is no file to replace.
    EXPECT_FALSE(ReplaceFile(dir.filePath("shared"), QByteArray("x")).ok);
    EXPECT_FALSE(ReplaceFile(dir.filePath("none/x.lin"), QByteArray("x")).ok);
    EXPECT_TRUE(QFileInfo(dir.filePath("shared")).isDir());
}

// Only the file's own leftovers, too old to be a write going on, go at its next write.
TEST(ReplaceFile, RemovesItsOwnOldLeftoversAndNothingElse) {
    QTemporaryDir dir;
    const QStringList kept = {".Index.ini.tesmara-old222", ".Record.ini.tesmara-new111",
                              "Record.ini", "Record.ini.abc123"};
    for (const QString& name : kept + QStringList{".Record.ini.tesmara-old111"}) {
        QFile file(dir.filePath(name));
        const QDateTime time =
            QDateTime::currentDateTime().addSecs(name.contains("new") ? -540 : -660);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                    file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(ReplaceFile(dir.filePath("Record.ini"), QByteArray("r")).ok);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), kept);
}

}  // namespace
