// The unit catalogue: its lines split into titles and file names, and its section written back.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "sjis_codec.h"
#include "unit_catalog.h"

namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

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

TEST(UnitCatalog, SplitsTitleAndFile) {
    struct Row {
        const char* line;
        const char* title;
        const char* file;
    } rows[] = {
        {"1=比例,DATA\\hirei.lin", "比例", "DATA\\hirei.lin"},
        {"2=,DATA\\x.lin", "", "DATA\\x.lin"},
        {"3=題名だけ", "?", "?"},
        {"4=a,b,c", "a", "b,c"},
    };
    QStringList lines;
    for (const Row& r : rows) {
        lines.append(QString::fromUtf8(r.line));
    }
    const UnitCatalog c = ParseCatalog(lines);
    ASSERT_EQ(c.count, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(c.UnitNames[i], QString::fromUtf8(rows[i].title)) << rows[i].line;
        EXPECT_EQ(c.UnitFiles[i], QString::fromUtf8(rows[i].file)) << rows[i].line;
    }
    EXPECT_EQ(c.CatalogIndex, lines);
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
        EXPECT_EQ(WriteCatalog(path, entries, catalog), QString());
        EXPECT_EQ(ReadText(path), expected);
        const UnitCatalog reread = ParseCatalog(
            NumberedLines(n).trimmed().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
        EXPECT_EQ(catalog.count, n);
        EXPECT_EQ(catalog.UnitNames, reread.UnitNames);
        EXPECT_EQ(catalog.UnitFiles, reread.UnitFiles);
        EXPECT_EQ(catalog.CatalogIndex, reread.CatalogIndex);
    }
}

// A refused entry or a failed write leaves both the file and the catalogue in memory as they were.
TEST(UnitCatalog, RefusedWriteChangesNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Index.ini");
    const QString before = QStringLiteral("[index]\r\n1=比例,DATA\\hirei.lin\r\n");
    const QString unwritable = dir.filePath("gone/Index.ini");
    const struct Row {
        QString path;
        CatalogEntry entry;
        QString message;
    } rows[] = {
        {path,
         {QStringLiteral("t\U0001F600"), "DATA\\a.lin"},
         QStringLiteral("t\U0001F600\n「\U0001F600」はShift-JISで保存できない文字です")},
        {path,
         {"t", QStringLiteral("DATA\\\U0001F600.lin")},
         QStringLiteral("DATA\\\U0001F600.lin\n「\U0001F600」はShift-JISで保存できない文字です")},
        {unwritable, {"t", "DATA\\a.lin"}, unwritable + QStringLiteral("の保存に失敗しました")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message.toStdString());
        WriteBytes(path, EncodeCp932(before).bytes);
        UnitCatalog catalog = ParseCatalog({"1=比例,DATA\\hirei.lin"});
        const QString message =
            WriteCatalog(row.path, {{"first", "DATA\\first.lin"}, row.entry}, catalog);
        EXPECT_EQ(message, row.message);
        EXPECT_EQ(ReadText(path), before);
        EXPECT_EQ(catalog.CatalogIndex, QStringList{"1=比例,DATA\\hirei.lin"});
        EXPECT_EQ(catalog.UnitNames, QStringList{"比例"});
    }
}

}  // namespace
