// Folder names and the first line of unit files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "path_text.h"
#include "sjis_codec.h"

namespace {

TEST(PathText, AddBackslashKeepsOneSeparator) {
    EXPECT_EQ(AddBackslash("/home/t"), "/home/t/");
    EXPECT_EQ(AddBackslash("/home/t/"), "/home/t/");
    EXPECT_EQ(AddBackslash("C:\\units\\"), "C:\\units\\");
}

TEST(PathText, ReadFirstLineGivesTheTitleOrAQuestionMark) {
    QTemporaryDir dir;
    struct Row {
        QByteArray bytes;
        QString title;
    } rows[] = {
        {EncodeCp932(QStringLiteral("比例のグラフ\r\n<<spec5\r\n")).bytes,
         QStringLiteral("比例のグラフ")},
        {"only line", "only line"},
        {"cr only\rsecond", "cr only"},
        {"", ""},
        {"\x81\r\n", QStringLiteral("？")},
    };
    int n = 0;
    for (const Row& r : rows) {
        const QString path = dir.filePath(QString::number(n++) + ".lin");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.bytes);
        f.close();
        EXPECT_EQ(ReadFirstLine(path), r.title) << r.bytes.constData();
    }
    EXPECT_EQ(ReadFirstLine(dir.filePath("missing.lin")), QStringLiteral("？"));
}

}  // namespace
