// The unit catalogue: its lines split into titles and file names, and its section written back.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sjis_codec.h"
#include "test_files.h"
#include "unit_catalog.h"

namespace {

QString ReadText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? DecodeCp932(f.readAll()).text : QStringLiteral("(none)");
}

// Keys "1" … "n" with the values "t1,f1" … "tn,fn".
QString NumberedLines(int n) {
    QString text;
    for (int i = 1; i <= n; ++i) {
        text += QStringLiteral("%1=t%1,f%1\r\n").arg(i);
    }
    return text;
}

// Each line read, and written back under the number it has after the first entry is taken out.
TEST(UnitCatalog, SplitsTitleAndFileAndKeepsLinesThatDoNotRead) {
    struct Row {
        const char* line;
        const char* title;
        const char* file;
        const char* unreadValue;  // nullptr for a line that reads
        const char* written;
    } rows[] = {
        {"1=比例,DATA\\hirei.lin", "比例", "DATA\\hirei.lin", nullptr, ""},
        {"2=,DATA\\x.lin", "", "DATA\\x.lin", nullptr, "1=,DATA\\x.lin"},
        {"3=題名だけ", "?", "?", "題名だけ", "2=題名だけ"},
        {"4=a,b,c", "a", "b,c", nullptr, "3=a,b,c"},
        {"5=", "?", "?", "", "4="},
        {"キーだけ", "?", "?", "キーだけ", "5=キーだけ"},
        {"7==x", "?", "?", "=x", "6==x"},
    };
    QStringList lines;
    QStringList written;
    for (const Row& r : rows) {
        lines.append(QString::fromUtf8(r.line));
        if (*r.written) {
            written.append(QString::fromUtf8(r.written));
        }
    }
    const UnitCatalog c = ParseCatalog(lines);
    const std::vector<CatalogEntry> entries = CatalogEntries(c);
    ASSERT_EQ(c.count, int(std::size(rows)));
    ASSERT_EQ(entries.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].line);
        EXPECT_EQ(c.UnitNames[i], QString::fromUtf8(rows[i].title));
        EXPECT_EQ(c.UnitFiles[i], QString::fromUtf8(rows[i].file));
        EXPECT_EQ(entries[i].title + entries[i].file, c.UnitNames[i] + c.UnitFiles[i]);
        EXPECT_EQ(entries[i].unreadValue.has_value(), rows[i].unreadValue != nullptr);
        EXPECT_EQ(entries[i].unreadValue.value_or(QString()),
                  QString::fromUtf8(rows[i].unreadValue ? rows[i].unreadValue : ""));
    }
    EXPECT_EQ(c.CatalogIndex, lines);

    QTemporaryDir dir;
    const QString path = dir.filePath("Index.ini");
    UnitCatalog rewritten = c;
    EXPECT_EQ(WriteCatalog(path, {entries.begin() + 1, entries.end()}, rewritten, {}).problem,
              QString());
    EXPECT_EQ(ReadText(path), QStringLiteral("[index]\r\n") + written.join(QStringLiteral("\r\n")) +
                                  QStringLiteral("\r\n"));
    EXPECT_EQ(rewritten.CatalogIndex, written);
    EXPECT_EQ(rewritten.UnitNames[1] + rewritten.UnitFiles[1], QStringLiteral("??"));
    EXPECT_EQ(CatalogEntries(rewritten)[1].unreadValue, QStringLiteral("題名だけ"));
}

TEST(UnitCatalog, KeepsEveryEntryPastTheEditorsTwenty) {
    const UnitCatalog c = ParseCatalog(NumberedLines(30).trimmed().split(QStringLiteral("\r\n")));
    EXPECT_EQ(c.count, 30);
    EXPECT_EQ(c.UnitNames.size(), 30);
    EXPECT_EQ(c.UnitNames[29] + c.UnitFiles[29], "t30f30");
}

// The section is replaced by keys 1 … n in list order and nothing else; other sections stay.
TEST(UnitCatalog, WriteReplacesTheSectionWithNumberedKeys) {
    // The section keeps its place and its header, as the other sections do.
    const QString before = QStringLiteral("[Record]\r\nk=v\r\n[Index]\r\n");
    const QString after = QStringLiteral("[tail]\r\nx=1\r\n");
    const std::pair<int, QString> rows[] = {
        {0, before + after},
        {2, before + QStringLiteral("1=t1,f1\r\n2=t2,f2\r\n") + after},
        {22, before + NumberedLines(22) + after},
    };
    for (const auto& [n, expected] : rows) {
        SCOPED_TRACE(n);
        QTemporaryDir dir;
        const QString path = dir.filePath("Index.ini");
        WriteBytes(path, EncodeCp932(QStringLiteral("[Record]\r\nk=v\r\n[Index]\r\n") +
                                     NumberedLines(25) + QStringLiteral("[tail]\r\nx=1\r\n"))
                             .bytes);
        std::vector<CatalogEntry> entries;
        for (int i = 1; i <= n; ++i) {
            entries.push_back({QStringLiteral("t%1").arg(i), QStringLiteral("f%1").arg(i)});
        }
        UnitCatalog catalog = ParseCatalog({"1=old,old.lin"});
        EXPECT_EQ(
            WriteCatalog(path, entries, catalog, NumberedLines(25).trimmed().split("\r\n")).problem,
            QString());
        EXPECT_EQ(ReadText(path), expected);
        const UnitCatalog reread = ParseCatalog(
            NumberedLines(n).trimmed().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
        EXPECT_EQ(catalog.count, n);
        EXPECT_EQ(catalog.UnitNames, reread.UnitNames);
        EXPECT_EQ(catalog.UnitFiles, reread.UnitFiles);
        EXPECT_EQ(catalog.CatalogIndex, reread.CatalogIndex);
    }
}

// A refused entry, a failed write or a catalogue that another program changed since it was read
// leaves both the file and the catalogue in memory as they were.
TEST(UnitCatalog, RefusedWriteChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Index.ini");
    const QString before = QStringLiteral("[index]\r\n1=比例,DATA\\hirei.lin\r\n");
    const QString unwritable = dir.filePath("gone/Index.ini");
    const struct Row {
        QString path;
        CatalogEntry entry;
        QString message;
        QStringList readAtOpening = {"1=比例,DATA\\hirei.lin"};
        bool changedElsewhere = false;
    } rows[] = {
        {path,
         {QStringLiteral("t\U0001F600"), "DATA\\a.lin"},
         QStringLiteral("t\U0001F600\n「\U0001F600」はShift-JISで保存できない文字です")},
        {path,
         {"t", QStringLiteral("DATA\\\U0001F600.lin")},
         QStringLiteral("DATA\\\U0001F600.lin\n「\U0001F600」はShift-JISで保存できない文字です")},
        {unwritable,
         {"t", "DATA\\a.lin"},
         QDir::toNativeSeparators(unwritable) + QStringLiteral("の保存に失敗しました"),
         {}},
        {path,
         {QStringLiteral("比例,反比例"), "DATA\\comma.lin"},
         QStringLiteral("比例,反比例\n単元名に「,」は使えません")},
        {path,
         {"t", "DATA\\a.lin", QStringLiteral("x\U0001F600")},
         QStringLiteral("x\U0001F600\n「\U0001F600」はShift-JISで保存できない文字です")},
        {path,
         {QStringLiteral("比例]反比例"), "DATA\\bracket.lin"},
         QStringLiteral("比例]反比例\n単元名に「[」や「]」は使えません")},
        {path,
         {"t", "DATA\\a.lin"},
         QDir::toNativeSeparators(path) +
             QStringLiteral(
                 "はほかのプログラムで変更されました。読み直してから、もう一度編集してください"),
         {"1=old,DATA\\old.lin"},
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        WriteBytes(path, EncodeCp932(before).bytes);
        UnitCatalog catalog = ParseCatalog({"1=比例,DATA\\hirei.lin"});
        const CatalogWrite written = WriteCatalog(
            row.path, {{"first", "DATA\\first.lin"}, row.entry}, catalog, row.readAtOpening);
        EXPECT_EQ(written.problem, row.message);
        EXPECT_EQ(written.changedElsewhere, row.changedElsewhere);
        EXPECT_EQ(ReadText(path), before);
        EXPECT_EQ(catalog.CatalogIndex, QStringList{"1=比例,DATA\\hirei.lin"});
        EXPECT_EQ(catalog.UnitNames, QStringList{"比例"});
    }
}

}  // namespace
