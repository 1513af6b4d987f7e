// The class's records as one table: runs read back into their parts, fields a spreadsheet cannot
// misread, several classroom files merged with their sources, and files that are left out.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "practice_run.h"
#include "records_csv.h"
#include "sjis_codec.h"
#include "test_files.h"

namespace {

// "date time marks right wrong seconds", or "-" for a value that does not read.
QString Parts(const QString& value) {
    const std::optional<PracticeRun> run = ParsePracticeRun(7, value);
    if (!run) {
        return QStringLiteral("-");
    }
    EXPECT_EQ(run->number, 7);
    return QStringLiteral("%1 %2 %3 %4 %5 %6")
        .arg(run->date.toString(Qt::ISODate), run->time, run->marks)
        .arg(run->right)
        .arg(run->wrong)
        .arg(run->totalSeconds);
}

TEST(ParsePracticeRun, ReadsTheFormTheProgramWritesAndNothingElse) {
    const char* const rows[][2] = {
        {"2024年11月05日 10:05 OOXO 03:12", "2024-11-05 10:05 OOXO 3 1 192"},
        {"2025年01月31日 23:59 XXX 100:00", "2025-01-31 23:59 XXX 0 3 6000"},
        {"2024年02月29日 00:00 O 00:59", "2024-02-29 00:00 O 1 0 59"},
        {"2023年02月29日 10:05 O 00:10", "-"},  // no such day
        {"2024年11月05日 24:00 O 00:10", "-"},
        {"2024年11月05日 10:05 O△X 00:10", "-"},
        {"2024年11月05日 10:05 OX 00:60", "-"},
        {"2024年11月05日 10:05 OX 3:12", "-"},
        {"2024年11月5日 10:05 OX 03:12", "-"},
        {"2024年11月05日 10:05  OX 03:12", "-"},
        {"2024年11月05日 10:05 OX", "-"},
        {"?", "-"},
    };
    for (const auto& [value, parts] : rows) {
        EXPECT_EQ(Parts(QString::fromUtf8(value)), QString::fromUtf8(parts)) << value;
    }
}

TEST(CsvField, QuotesAsRfc4180AndDefusesFormulas) {
    const char* const rows[][2] = {
        {"比例", "比例"},
        {"a,b", "\"a,b\""},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"=1+2", "'=1+2"},
        {"+81", "'+81"},
        {"-2x のグラフ", "'-2x のグラフ"},
        {"@sum", "'@sum"},
        {"=HYPERLINK(\"x\",\"y\")", "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\""},
        {"y=-2x", "y=-2x"},  // a sign inside is no formula
        {"", ""},
    };
    for (const auto& [text, field] : rows) {
        EXPECT_EQ(CsvField(QString::fromUtf8(text)), QString::fromUtf8(field)) << text;
    }
}

class RecordsCsvTest : public ::testing::Test {
  protected:
    QString File(const char* name, const QByteArray& bytes) {
        const QString path = dir.filePath(QString::fromUtf8(name));
        WriteBytes(path, bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(RecordsCsvTest, EveryRunOfEveryFileOnceWithItsSource) {
    // Two classroom computers share the unit 比例; the first also has a unit with a comma and a
    // gap in its numbers, the second a second section of 比例 and one of ひれい (another case)
    // that the program never reads, which are named.
    const QString a = File("pc1.ini", Sjis("[比例]\r\n2=2024年11月06日 09:00 OX 01:05\r\n"
                                           "1=2024年11月05日 10:05 OOXO 03:12\r\n"
                                           "[=a,b]\r\n3=2024年12月01日 08:30 X 00:07\r\n"));
    const QString b = File("pc2.ini", Sjis("[比例]\r\n1=2024年11月05日 11:00 OOOO 02:00\r\n"
                                           "[比例]\r\n9=2024年11月05日 11:00 X 02:00\r\n"
                                           "[Unit]\r\n1=2024年11月05日 11:00 X 02:00\r\n"
                                           "[unit]\r\n1=2024年11月05日 11:00 X 02:00\r\n"));
    const RecordsCsv csv = MergeRecordsCsv({a, b});
    const QString left =
        QStringLiteral("行目からの節「%1」は同じ単元名の節が前にあるため、書き出しませんでした");
    EXPECT_EQ(
        csv.problems,
        (QStringList{QDir::toNativeSeparators(b) + u'の' + u'3' + left.arg(QStringLiteral("比例")),
                     QDir::toNativeSeparators(b) + u'の' + u'7' + left.arg("unit")}));
    EXPECT_EQ(csv.rows, 5);
    ASSERT_TRUE(csv.bytes.startsWith("\xEF\xBB\xBF"));
    const QString expected =
        QStringLiteral("記録ファイル,単元名,回,日付,時刻,結果,Oの数,Xの数,合計秒数\r\n") + a +
        QStringLiteral(",比例,1,2024-11-05,10:05,OOXO,3,1,192\r\n") + a +
        QStringLiteral(",比例,2,2024-11-06,09:00,OX,1,1,65\r\n") + a +
        QStringLiteral(",\"'=a,b\",3,2024-12-01,08:30,X,0,1,7\r\n") + b +
        QStringLiteral(",比例,1,2024-11-05,11:00,OOOO,4,0,120\r\n") + b +
        QStringLiteral(",Unit,1,2024-11-05,11:00,X,0,1,120\r\n");
    EXPECT_EQ(QString::fromUtf8(csv.bytes.mid(3)), expected);
}

TEST_F(RecordsCsvTest, WhatDoesNotReadIsNamedAndLeftOutAndTheRestWritten) {
    const QString good = File("good.ini", Sjis("[T]\r\n1=2024年11月05日 10:05 O 00:10\r\n"));
    const QByteArray run = Sjis("[T]\r\n1=2024年11月05日 10:05 O 00:10\r\n");
    // Given: the file's bytes (none: missing). Expected: the messages, where %1 is the file, and
    // the rows of both files.
    const std::tuple<QByteArray, const char*, int> rows[] = {
        {{}, "%1が見つかりません\nこのファイルの記録は書き出しませんでした", 1},
        {run + Sjis("3=こわれた行\r\n[U]\r\n2=k2\r\n"),
         "%1の「T」の3回目の記録は正しくないため、書き出しませんでした|"
         "%1の「U」の2回目の記録は正しくないため、書き出しませんでした",
         2},
        {run + "2=\x81\r\n", "%1の3行目は読み込めないため、書き出しませんでした", 2},
        {QByteArray("[a\0]\r\n1=x\r\n", 11) + run,
         "%1の1行目からの節は見出しが読み込めないため、書き出しませんでした", 2},
    };
    for (const auto& [bytes, messages, count] : rows) {
        SCOPED_TRACE(messages);
        const QString bad = dir.filePath(QStringLiteral("bad.ini"));
        QFile::remove(bad);
        if (!bytes.isEmpty()) {
            WriteBytes(bad, bytes);
        }
        const RecordsCsv csv = MergeRecordsCsv({bad, good});
        EXPECT_EQ(csv.problems.join(u'|').toStdString(),
                  QString::fromUtf8(messages).arg(QDir::toNativeSeparators(bad)).toStdString());
        EXPECT_EQ(csv.rows, count);
        EXPECT_EQ(QString::fromUtf8(csv.bytes).contains(bad + QStringLiteral(",T,1,")), count == 2);
        EXPECT_TRUE(QString::fromUtf8(csv.bytes).contains(good + QStringLiteral(",T,1,")));
    }
}

}  // namespace
