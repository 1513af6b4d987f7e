// Recovery copies read back whole, and every way a cut-off or foreign file is refused.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "recovery_copy.h"

namespace {

TEST(RecoveryCopy, ReadsBackWhatWasWrittenAndRefusesDamage) {
    const RecoveryCopy copy{QStringLiteral("/授業/単元 1%.lin"), false,
                            QDateTime(QDate(2026, 12, 7), QTime(9, 41, 5)),
                            QByteArray("\x88\xea\x8e\x9f\r\n<<spec5\r\n\n\r\n", 17)};
    const QByteArray bytes = EncodeRecoveryCopy(copy);
    const RecoveryRead read = DecodeRecoveryCopy(bytes);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.copy.fileName, copy.fileName);
    EXPECT_FALSE(read.copy.firstSaveDialog);
    EXPECT_EQ(read.copy.time, copy.time);
    EXPECT_EQ(read.copy.graphFile, copy.graphFile);  // blank lines inside it stay

    QByteArray noFlag = bytes;
    noFlag.replace("firstSave 0", "firstSave 2");
    QByteArray badTime = bytes;
    badTime.replace("2026-12-07", "2026-13-07");
    const struct {
        const char* name;
        QByteArray bytes;
    } damaged[] = {
        {"empty", {}},
        {"another file", "<<spec5\r\n" + copy.graphFile},
        {"cut in the header", bytes.left(bytes.indexOf("time"))},
        {"cut before the graph file", bytes.left(bytes.size() - copy.graphFile.size())},
        {"bad flag", noFlag},
        {"bad time", badTime},
    };
    for (const auto& row : damaged) {
        EXPECT_FALSE(DecodeRecoveryCopy(row.bytes).ok) << row.name;
    }

    // Through the store, on a writer thread or, where Qt has none, at once.
    QTemporaryDir folder;
    RecoveryStore store(folder.path());
    ASSERT_TRUE(store.Claim());
    store.Write(bytes);
    store.WaitForWrites();
    EXPECT_EQ(store.ReadCopy().copy.graphFile, copy.graphFile);
    store.Remove();
    store.WaitForWrites();
    EXPECT_FALSE(store.HasCopy());
    EXPECT_FALSE(store.TakeWriteFailure());
}

}  // namespace
