// Ini files: sections and keys without regard to case, CP932, CR LF, atomic replacement.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ini_file.h"
#include "sjis_codec.h"
#include "test_files.h"

namespace {

TEST(IniFile, ReadsSectionsAndKeysIgnoringCase) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Index.ini");
    WriteBytes(path, EncodeCp932(QStringLiteral(
                                     "[Index]\r\n1=比例,DATA\\a.lin\n 2 = 一次関数 ,DATA\\b.lin\r\n"
                                     "; note\r\n[other]\r\nx=1\r\n"))
                         .bytes);
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSectionLines("index"),
              (QStringList{QStringLiteral("1=比例,DATA\\a.lin"),
                           QStringLiteral("2 = 一次関数 ,DATA\\b.lin")}));
    EXPECT_EQ(ini.CountKeys("INDEX"), 2);
    EXPECT_EQ(ini.ReadString("index", "2", "?"), QStringLiteral("一次関数 ,DATA\\b.lin"));
    EXPECT_EQ(ini.ReadString("Other", "X", "?"), "1");
    EXPECT_EQ(ini.ReadString("other", "missing", "?"), "?");
    EXPECT_TRUE(ini.lastError().isEmpty());
}

TEST(IniFile, MissingFileIsEmpty) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath("none.ini"));
    EXPECT_TRUE(ini.ReadSectionLines("index").isEmpty());
    EXPECT_TRUE(ini.lastError().isEmpty());
}

TEST(IniFile, WritesReplaceKeysAndEraseSections) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.ini");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString(QStringLiteral("比例"), "1", QStringLiteral("2024.11.05,○×")));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("比例"), "2", "b"));
    ASSERT_TRUE(ini.WriteString("other", "k", "v"));
    ASSERT_TRUE(ini.WriteString(QStringLiteral("比例"), "1", "a"));  // replaces in place
    EXPECT_EQ(ini.ReadSectionLines(QStringLiteral("比例")), (QStringList{"1=a", "2=b"}));
    const QByteArray bytes = ReadBytes(path);
    EXPECT_TRUE(bytes.contains("\r\n"));
    EXPECT_EQ(DecodeCp932(bytes).text,
              QStringLiteral("[比例]\r\n1=a\r\n2=b\r\n[other]\r\nk=v\r\n"));
    ASSERT_TRUE(ini.ReplaceSection(QStringLiteral("比例"), {"1=z"}));
    EXPECT_EQ(DecodeCp932(ReadBytes(path)).text,
              QStringLiteral("[比例]\r\n1=z\r\n[other]\r\nk=v\r\n"));
    ASSERT_TRUE(ini.EraseSection(QStringLiteral("比例")));
    EXPECT_EQ(ini.CountKeys(QStringLiteral("比例")), 0);
    EXPECT_EQ(ini.ReadString("other", "k", ""), "v");
}

TEST(IniFile, ALineThatDoesNotReadIsNamedAndWrittenBackWhereItStood) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Index.ini");
    WriteBytes(path, "[index]\r\n1=a,x\r\n\x81 cut\r\n2=b,y\r\n[other]\r\nk=v\r\n");
    IniFile ini(path);
    EXPECT_EQ(ini.ReadSectionLines("index"), (QStringList{"1=a,x", "2=b,y"}));
    EXPECT_TRUE(ini.lastError().isEmpty());
    EXPECT_TRUE(
        ini.unreadNote().startsWith(QDir::toNativeSeparators(path) + QStringLiteral("の3行目は")));
    ASSERT_TRUE(ini.ReplaceSection("index", {"1=b,y"}));
    EXPECT_EQ(ReadBytes(path), "[index]\r\n1=b,y\r\n\x81 cut\r\n[other]\r\nk=v\r\n");
    ASSERT_TRUE(ini.ReplaceSection("index", {"1=b,y", "2=c,z", "3=d,w"}));
    EXPECT_EQ(ReadBytes(path),
              "[index]\r\n1=b,y\r\n\x81 cut\r\n2=c,z\r\n3=d,w\r\n[other]\r\nk=v\r\n");
}

TEST(IniFile, RefusesTextShiftJisCannotHold) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Record.ini");
    IniFile ini(path);
    ASSERT_TRUE(ini.WriteString("a", "1", "keep"));
    EXPECT_FALSE(ini.WriteString("a", "2", QStringLiteral("€")));
    EXPECT_TRUE(ini.lastError().contains(QStringLiteral("€")));
    EXPECT_EQ(ini.ReadSectionLines("a"), QStringList{"1=keep"});
}

TEST(IniFile, WriteIntoAMissingFolderFails) {
    QTemporaryDir dir;
    IniFile ini(dir.filePath("missing/Record.ini"));
    EXPECT_FALSE(ini.WriteString("a", "1", "x"));
    EXPECT_TRUE(ini.lastError().endsWith(QStringLiteral("の保存に失敗しました")));
}

}  // namespace
