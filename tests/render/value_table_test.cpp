// The value table: grid, columns listed for each kind of graph, colours and stacked fractions.
#include <gtest/gtest.h>

#include "pixel_probe.h"
#include "value_table.h"

namespace {

TLineSpec Line(LatticePoint p1, LatticePoint p2, GraphKind kind = GraphKind::Line) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    return g;
}

// 350 x 57: ten columns (the header and nine values), rows of 19 pixels.
CanvasImage Table(const TLineSpec* g, bool showY = true) {
    CanvasImage t = MakeCanvasImage(350, 57);
    DrawValueTable(t, g, showY);
    return t;
}

// Text pixels (neither white nor grid silver) of table column k in row 0 (x) or row 1 (y).
int XInk(const CanvasImage& t, int k, int32_t colour) {
    return CountColour(t.image, QRect(35 * k + 2, 0, 33, 19), colour);
}
int YInk(const CanvasImage& t, int k, int32_t colour) {
    return CountColour(t.image, QRect(35 * k + 2, 20, 33, 37), colour);
}
int AnyText(const CanvasImage& t, const QRect& r) {
    return r.width() * r.height() - CountColour(t.image, r, White) -
           CountColour(t.image, r, Silver);
}

TEST(ClearValueTable, GridAndHeaderLetters) {
    CanvasImage t = MakeCanvasImage(350, 57);
    ClearValueTable(t);
    CanvasImage scaled = MakeCanvasImage(350, 57, 2);
    ClearValueTable(scaled);
    EXPECT_TRUE(FinerThanLogical(scaled, QRect(10, 2, 20, 17)));  // "x" at the screen's pixels
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(Bgr(t.image, 35 * i + 1, 50), Silver) << i;
        EXPECT_EQ(Bgr(t.image, 35 * i + 2, 50), White) << i;
    }
    EXPECT_EQ(Bgr(t.image, 0, 19), Silver);
    EXPECT_EQ(Bgr(t.image, 349, 19), Silver);
    EXPECT_EQ(Bgr(t.image, 20, 18), White);
    EXPECT_GT(CountColour(t.image, QRect(10, 2, 20, 17), Black), 0);   // "x"
    EXPECT_GT(CountColour(t.image, QRect(10, 30, 20, 27), Black), 0);  // "y"
    EXPECT_EQ(AnyText(t, QRect(36, 0, 314, 57)), 0);
}

TEST(DrawValueTable, LineListsNineValuesCentredOnZero) {
    const TLineSpec g = Line({1, 1}, {3, 2});  // y = 1/2 x + 1/2
    const CanvasImage t = Table(&g);
    // x = -4 .. 4 in columns 1..9; odd x give whole y (blue), even x fractions (black).
    for (int k = 1; k <= 9; ++k) {
        const int x = k - 5;
        const bool whole = (x % 2) != 0;
        SCOPED_TRACE(x);
        EXPECT_GT(XInk(t, k, whole ? Blue : Black), 0);
        EXPECT_EQ(XInk(t, k, whole ? Black : Blue), 0);
    }
    // x = -1 gives 0 in blue; x = 0 gives 1 over 2 with a black bar at y = 40.
    EXPECT_GT(YInk(t, 4, Blue), 0);
    EXPECT_EQ(Bgr(t.image, 35 * 5 + 5, 40), Black);
    EXPECT_EQ(Bgr(t.image, 35 * 5 + 9, 40), Black);
    EXPECT_EQ(Bgr(t.image, 35 * 5 + 10, 40), White);
    EXPECT_GT(CountColour(t.image, QRect(180, 25, 10, 14), Black), 0);  // "1"
    EXPECT_GT(CountColour(t.image, QRect(180, 44, 10, 13), Black), 0);  // "2"
}

TEST(DrawValueTable, ColumnsListedForEachKind) {
    struct Row {
        const char* name;
        TLineSpec graph;
        int filledColumns;
        int32_t firstColumnColour;
    };
    TLineSpec segment = Line({0, 0}, {3, 1}, GraphKind::Segment);  // y = x/3
    segment.D1 = {3, 1};
    segment.D2 = {-2, 0};
    TLineSpec rayLeft = Line({0, 0}, {3, 1}, GraphKind::Ray);
    rayLeft.D1 = {0, 0};
    rayLeft.D2 = {-3, -1};
    TLineSpec rayRight = rayLeft;
    rayRight.D2 = {3, 1};
    TLineSpec point = Line({2, 1}, {5, 99}, GraphKind::Point);
    const Row rows[] = {
        {"segment stored right to left lists -2..3", segment, 6, Black},  // -2/3
        {"ray running left lists -8..0", rayLeft, 9, Black},              // -8/3
        {"ray running right lists 0..8", rayRight, 9, Blue},              // 0
        {"point", point, 1, Blue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CanvasImage t = Table(&row.graph);
        EXPECT_GT(XInk(t, 1, row.firstColumnColour), 0);
        for (int k = 1; k <= 9; ++k) {
            EXPECT_EQ(XInk(t, k, Black) + XInk(t, k, Blue) > 0, k <= row.filledColumns) << k;
        }
    }
}

TEST(DrawValueTable, YRowStaysEmptyWhenSwitchedOff) {
    const TLineSpec g = Line({1, 1}, {3, 2});
    const CanvasImage t = Table(&g, false);
    EXPECT_GT(XInk(t, 1, Black), 0);  // x = -4, whose y is -3/2
    EXPECT_EQ(AnyText(t, QRect(36, 20, 314, 37)), 0);
}

TEST(DrawValueTable, LabelOrNoGraphGivesTheEmptyTable) {
    TLineSpec label = Line({1, 1}, {12, -99}, GraphKind::Label);
    label.Text = QStringLiteral("A");
    for (const TLineSpec* g :
         {static_cast<const TLineSpec*>(&label), static_cast<const TLineSpec*>(nullptr)}) {
        const CanvasImage t = Table(g);
        EXPECT_EQ(AnyText(t, QRect(36, 0, 314, 57)), 0);
        EXPECT_GT(CountColour(t.image, QRect(10, 2, 20, 17), Black), 0);
    }
}

TEST(DrawValueTable, ColumnCountFollowsTheWidth) {
    const TLineSpec g = Line({0, 0}, {1, 1});
    CanvasImage t = MakeCanvasImage(175, 57);  // five columns; a line lists x = -1 .. 1
    DrawValueTable(t, &g, true);
    EXPECT_EQ(ValueTableColumns(t.image), 5);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_GT(XInk(t, k, Blue), 0) << k;
    }
    EXPECT_EQ(XInk(t, 4, Blue), 0);
}

TEST(StackedFraction, NegativeFractionPutsTheMinusBeforeTheBar) {
    CanvasImage c = MakeCanvasImage(100, 60);
    int width = 0;
    {
        ClassicCanvas canvas(c);
        width = StackedFraction(canvas, QStringLiteral("-3"), QStringLiteral("2"), 0, 10);
    }
    EXPECT_EQ(width, 1);
    EXPECT_GT(InkIn(c.image, QRect(10, 17, 8, 15), White), 0);  // "-" at (x, y + 17)
    // Bar of 5 pixels from x + 8 at y + 20.
    EXPECT_EQ(Bgr(c.image, 18, 20), Black);
    EXPECT_EQ(Bgr(c.image, 22, 20), Black);
    EXPECT_EQ(Bgr(c.image, 23, 20), White);
    EXPECT_EQ(InkIn(c.image, QRect(0, 0, 100, 5), White), 0);
}

TEST(StackedFraction, WidthsAndPlainText) {
    CanvasImage c = MakeCanvasImage(100, 60);
    ClassicCanvas canvas(c);
    EXPECT_EQ(StackedFraction(canvas, QString(), QStringLiteral("2"), 0, 0), 0);
    EXPECT_EQ(StackedFraction(canvas, QStringLiteral("-12"), QString(), 0, 0), 3);
    EXPECT_EQ(StackedFraction(canvas, QStringLiteral("1"), QStringLiteral("12"), 0, 0), 2);
}

}  // namespace
