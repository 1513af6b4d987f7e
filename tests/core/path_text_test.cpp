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
        // Control bytes are spaces, as in a typed title; a long title is read whole, so that two
        // differing far along are two.
        {QByteArray("\x89\xf3\x82\xea\x82\xbd\0\0\x92\x50\x8c\xb3\tx\r\n", 15),
         QStringLiteral("壊れた  単元 x")},
        {QByteArray(4207, 'a') + "b\r\nc", QString(4207, u'a') + u'b'},
        {QByteArray(70000, 't') + "\r\n", QString(70000, u't')},
    };
    int n = 0;
    for (const Row& r : rows) {
        const QString path = dir.filePath(QString::number(n++) + ".lin");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.bytes);
        f.close();
        EXPECT_EQ(ReadFirstLine(path), r.title) << r.bytes.left(40).constData();
    }
    EXPECT_EQ(ReadFirstLine(dir.filePath("missing.lin")), QStringLiteral("？"));
#ifndef Q_OS_WIN
    // No plain file is read: a pipe would hold the read for good, a device never end it.
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("device.lin")));
    EXPECT_EQ(ReadFirstLine(dir.filePath("device.lin")), QStringLiteral("？"));
#endif
}

}  // namespace
