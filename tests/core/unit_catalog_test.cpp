// The unit catalogue lines split into titles and file names.
#include <gtest/gtest.h>

#include "unit_catalog.h"

namespace {

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

TEST(UnitCatalog, KeepsAtMostTwentyOneEntries) {
    QStringList lines;
    for (int i = 1; i <= 30; ++i) {
        lines.append(QStringLiteral("%1=t%1,f%1").arg(i));
    }
    const UnitCatalog c = ParseCatalog(lines);
    EXPECT_EQ(c.count, CatalogSlots);
    EXPECT_EQ(c.UnitNames[20], "t21");
    EXPECT_EQ(c.CatalogIndex.size(), 30);
}

}  // namespace
