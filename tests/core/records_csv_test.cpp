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
    // gap in its numbers, the second a second section of 比例 that the program never reads.
    const QString a = File("pc1.ini", Sjis("[比例]\r\n2=2024年11月06日 09:00 OX 01:05\r\n"
                                           "1=2024年11月05日 10:05 OOXO 03:12\r\n"
                                           "[=a,b]\r\n3=2024年12月01日 08:30 X 00:07\r\n"));
    const QString b = File("pc2.ini", Sjis("[比例]\r\n1=2024年11月05日 11:00 OOOO 02:00\r\n"
                                           "[比例]\r\n9=2024年11月05日 11:00 X 02:00\r\n"));
    const RecordsCsv csv = MergeRecordsCsv({a, b});
    EXPECT_TRUE(csv.problems.isEmpty()) << csv.problems.join(u'\n').toStdString();
    EXPECT_EQ(csv.rows, 4);
    ASSERT_TRUE(csv.bytes.startsWith("\xEF\xBB\xBF"));
    const QString expected =
        QStringLiteral("記録ファイル,単元名,回,日付,時刻,結果,Oの数,Xの数,合計秒数\r\n") + a +
        QStringLiteral(",比例,1,2024-11-05,10:05,OOXO,3,1,192\r\n") + a +
        QStringLiteral(",比例,2,2024-11-06,09:00,OX,1,1,65\r\n") + a +
        QStringLiteral(",\"'=a,b\",3,2024-12-01,08:30,X,0,1,7\r\n") + b +
        QStringLiteral(",比例,1,2024-11-05,11:00,OOOO,4,0,120\r\n");
    EXPECT_EQ(QString::fromUtf8(csv.bytes.mid(3)), expected);
}

TEST_F(RecordsCsvTest, AFileThatCannotBeReadIsNamedAndLeftOutWhole) {
    const QString good = File("good.ini", Sjis("[T]\r\n1=2024年11月05日 10:05 O 00:10\r\n"));
    // Given: the file's bytes (none: missing). Expected: the reason, where %1 is the file.
    const std::pair<QByteArray, const char*> rows[] = {
        {{}, "%1が見つかりません"},
        {Sjis("[T]\r\n1=2024年11月05日 10:05 O 00:10\r\n[U]\r\n2=k2\r\n"),
         "%1の「U」の2回目の記録が正しくありません"},
        {Sjis("[T]\r\n1=2024年11月05日 10:05 O 00:10\r\n") + "\x81\r\n",
         "%1は正しいShift-JISのテキストではありません（38バイト目）"},
    };
    for (const auto& [bytes, reason] : rows) {
        SCOPED_TRACE(reason);
        const QString bad = dir.filePath(QStringLiteral("bad.ini"));
        QFile::remove(bad);
        if (!bytes.isEmpty()) {
            WriteBytes(bad, bytes);
        }
        const RecordsCsv csv = MergeRecordsCsv({bad, good});
        EXPECT_EQ(csv.problems.join(u'|').toStdString(),
                  (QString::fromUtf8(reason).arg(QDir::toNativeSeparators(bad)) +
                   QStringLiteral("\nこのファイルの記録は書き出しませんでした"))
                      .toStdString());
        EXPECT_EQ(csv.rows, 1);
        EXPECT_FALSE(QString::fromUtf8(csv.bytes).contains(bad));
        EXPECT_TRUE(QString::fromUtf8(csv.bytes).contains(good + QStringLiteral(",T,1,")));
    }
}

}  // namespace
