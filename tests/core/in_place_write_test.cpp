// Writing a file in place under a journal: a refused step puts the old bytes back and leaves no
// journal; a write cut short is put back by the next program, unless the file changed since.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "in_place_write.h"
#include "test_files.h"

namespace {

// The real steps, but the one at `at` of the file at `path` fails (the journal's own writes go
// through); "Crash" writes half the new bytes and then stops the program there, as a kill would.
class StepsFailingFor final : public FileSteps {
  public:
    struct Crash {};
    StepsFailingFor(QString path, ReplaceStep at, bool crash = false)
        : path_(std::move(path)), at_(at), crash_(crash) {}

    bool Write(QFile& file, QByteArrayView bytes) override {
        if (!Hit(file, ReplaceStep::Write)) {
            return FileSteps::Write(file, bytes);
        }
        FileSteps::Write(file, bytes.first(bytes.size() / 2));
        if (crash_) {
            FileSteps::Flush(file);
            throw Crash{};
        }
        return false;
    }
    bool Flush(QFile& file) override {
        return FileSteps::Flush(file) && !Hit(file, ReplaceStep::Flush);
    }
    bool Sync(QFile& file) override {
        return FileSteps::Sync(file) && !Hit(file, ReplaceStep::Sync);
    }
    bool Close(QFile& file) override {
        return FileSteps::Close(file) && !Hit(file, ReplaceStep::Close);
    }

  private:
    bool Hit(const QFile& file, ReplaceStep step) const {
        return step == at_ && file.fileName() == path_;
    }
    QString path_;
    ReplaceStep at_;
    bool crash_;
};

QByteArray Runs(int count, const char* mark) {
    QByteArray bytes = "[T]\r\n";
    for (int run = 1; run <= count; ++run) {
        bytes += QByteArray::number(run) + '=' + mark + "\r\n";
    }
    return bytes;
}

class InPlaceWrite : public ::testing::Test {
  protected:
    QStringList Journals() const {
        return QDir(journals.path()).entryList(QDir::Files | QDir::Hidden);
    }
    QTemporaryDir dir;
    QTemporaryDir journals;
    const ScopedJournalFolder journalFolder{journals.path()};
    const QString path = dir.filePath("Record.ini");
};

TEST_F(InPlaceWrite, AFailureAtAnyStepPutsTheOldBytesBackAndLeavesNoJournal) {
    const QByteArray old = Runs(300, "old");
    // A longer and a shorter file, the change starting far into it.
    for (const QByteArray& now : {Runs(301, "old"), Runs(250, "old")}) {
        for (const ReplaceStep step :
             {ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Sync, ReplaceStep::Close}) {
            SCOPED_TRACE(testing::Message() << now.size() << " bytes, refused at " << int(step));
            WriteBytes(path, old);
            StepsFailingFor refusing(path, step);
            const ScopedFileSteps disk(refusing);
            const ReplaceResult result = WriteInPlace(path, {now.first(7), now.sliced(7)});
            EXPECT_FALSE(result.ok);
            EXPECT_EQ(result.failedAt, step);
            EXPECT_EQ(ReadBytes(path), old);
            EXPECT_EQ(Journals(), QStringList());
        }
        WriteBytes(path, old);
        EXPECT_TRUE(WriteInPlace(path, {now}).ok);
        EXPECT_EQ(ReadBytes(path), now);
        EXPECT_EQ(Journals(), QStringList());
    }
}

TEST_F(InPlaceWrite, AWriteCutShortIsPutBackUnlessTheFileChangedSince) {
    const QByteArray old = Runs(300, "old");
    const QByteArray now = Runs(290, "old") + Runs(20, "new");
    // Given: what happens to the file and its journal after the kill. Expected: the file after
    // the next program rolled the journal back.
    const std::pair<const char*, QByteArray> rows[] = {
        {"cut short", old},
        {"finished before the journal went", now},
        {"changed by another program", "[T]\r\n1=other\r\n"},
        {"journal cut short", QByteArray()},  // the file was never touched: as it is
        {"journal damaged", QByteArray()},
    };
    for (const auto& [what, expected] : rows) {
        SCOPED_TRACE(what);
        WriteBytes(path, old);
        StepsFailingFor crashing(path, ReplaceStep::Write, true);
        {
            const ScopedFileSteps disk(crashing);
            EXPECT_THROW(WriteInPlace(path, {now}), StepsFailingFor::Crash);
        }
        ASSERT_EQ(Journals().size(), 1);
        const QByteArray torn = ReadBytes(path);
        EXPECT_NE(torn, old);
        const QString journal = QDir(journals.path()).filePath(Journals().front());
        if (QByteArray(what) == "finished before the journal went") {
            WriteBytes(path, now);
        } else if (QByteArray(what) == "changed by another program") {
            WriteBytes(path, expected);
        } else if (QByteArray(what) == "journal cut short") {
            WriteBytes(journal, ReadBytes(journal).chopped(1));
        } else if (QByteArray(what) == "journal damaged") {
            QByteArray bytes = ReadBytes(journal);
            bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x20);
            WriteBytes(journal, bytes);
        }
        const QByteArray before = ReadBytes(path);
        RollBackJournals();
        EXPECT_EQ(ReadBytes(path), expected.isNull() ? before : expected);
        EXPECT_EQ(Journals(), QStringList());
    }
    // A program that finds the journal when it writes the file puts the old bytes back first.
    WriteBytes(path, old);
    StepsFailingFor crashing(path, ReplaceStep::Write, true);
    {
        const ScopedFileSteps disk(crashing);
        EXPECT_THROW(WriteInPlace(path, {now}), StepsFailingFor::Crash);
    }
    EXPECT_TRUE(WriteInPlace(path, {old, "2=x\r\n"}).ok);
    EXPECT_EQ(ReadBytes(path), old + "2=x\r\n");
}

}  // namespace
