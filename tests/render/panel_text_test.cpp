// The formula typesetter: where each item of a formula lands, by column and row.
#include <gtest/gtest.h>

#include "panel_text.h"
#include "pixel_probe.h"

namespace {

// Black on white so ink is easy to tell from background.
CanvasImage Typeset(const QString& text, bool plain = false, int lineHeight = 20,
                    double ratio = 1) {
    CanvasImage panel = MakeCanvasImage(337, 65, ratio);
    TypesetState t;
    t.PanelLineHeight = lineHeight;
    WriteFormulaText(panel, text, plain, White, Black, t);
    return panel;
}

// Ink between columns (8 pixels each) first and last, inclusive, in pixel rows top..bottom.
int Ink(const CanvasImage& panel, int firstColumn, int lastColumn, int top, int bottom) {
    return InkIn(panel.image,
                 QRect(firstColumn * 8, top, (lastColumn - firstColumn + 1) * 8, bottom - top + 1),
                 White);
}

// The leftmost and rightmost inked pixel x in the rows, or (-1, -1).
std::pair<int, int> InkSpan(const CanvasImage& panel, int top, int bottom) {
    int left = -1, right = -1;
    for (int x = 0; x < panel.image.width(); ++x) {
        if (InkIn(panel.image, QRect(x, top, 1, bottom - top + 1), White) > 0) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    return {left, right};
}

TEST(WriteFormulaPanel, SlopeFractionLinesUpByColumn) {
    const CanvasImage p = Typeset(QStringLiteral("y=1/2･x+1"));
    // Row 0 (y 1..15) holds only the numerator "1", at column 6.
    const auto [topLeft, topRight] = InkSpan(p, 1, 15);
    EXPECT_GE(topLeft, 6 * 8);
    EXPECT_LT(topRight, 7 * 8 + 4);
    // Row 2 (y 41..) holds only the denominator "2", at column 6.
    const auto [bottomLeft, bottomRight] = InkSpan(p, 41, 64);
    EXPECT_GE(bottomLeft, 6 * 8);
    EXPECT_LT(bottomRight, 7 * 8 + 4);
    // Row 1: "y " at column 1, "= " at 3, the bar at 5, "x " at 8, "+ " at 10, "1" at 12.
    EXPECT_GT(Ink(p, 1, 2, 16, 39), 0);
    EXPECT_GT(Ink(p, 3, 4, 21, 39), 0);
    EXPECT_GT(Ink(p, 5, 5, 21, 39), 0);
    EXPECT_GT(Ink(p, 8, 9, 16, 39), 0);
    EXPECT_GT(Ink(p, 10, 11, 21, 39), 0);
    EXPECT_GT(Ink(p, 12, 12, 21, 39), 0);
    EXPECT_EQ(Ink(p, 14, 41, 0, 64), 0);
    EXPECT_EQ(Ink(p, 0, 0, 0, 64), 0);
    // At 200 % the fraction is set at the screen's resolution.
    const CanvasImage sharp = Typeset(QStringLiteral("y=1/2･x+1"), false, 20, 2);
    EXPECT_TRUE(FinerThanLogical(sharp, QRect(48, 0, 16, 16)));
    EXPECT_TRUE(FinerThanLogical(sharp, QRect(48, 41, 16, 20)));
}

TEST(WriteFormulaPanel, RangeWithAFractionFirst) {
    const CanvasImage p = Typeset(QStringLiteral("3/2≦y≦2"));
    // The fraction at column 1 with width 3: "3" and "2" at column 2, the bar from column 1.
    const auto [topLeft, topRight] = InkSpan(p, 1, 15);
    EXPECT_GE(topLeft, 2 * 8);
    EXPECT_LT(topRight, 3 * 8 + 4);
    const auto [bottomLeft, bottomRight] = InkSpan(p, 41, 64);
    EXPECT_GE(bottomLeft, 2 * 8);
    EXPECT_LT(bottomRight, 3 * 8 + 4);
    EXPECT_GT(Ink(p, 1, 1, 21, 39), 0);    // the bar
    EXPECT_GT(Ink(p, 4, 5, 21, 39), 0);    // "≦"
    EXPECT_GT(Ink(p, 7, 8, 16, 39), 0);    // "y "
    EXPECT_GT(Ink(p, 9, 10, 21, 39), 0);   // "≦"
    EXPECT_GT(Ink(p, 12, 12, 21, 39), 0);  // "2"
    EXPECT_EQ(Ink(p, 14, 41, 0, 64), 0);
}

TEST(WriteFormulaPanel, NegativeFractionPutsTheSignFirst) {
    const CanvasImage p = Typeset(QStringLiteral("-12/5"));
    EXPECT_GT(Ink(p, 1, 2, 21, 39), 0);  // "- "
    // Numerator "12" at column 3, denominator "5" at column 4, bar from column 3.
    const auto [topLeft, topRight] = InkSpan(p, 1, 18);
    EXPECT_GE(topLeft, 3 * 8);
    EXPECT_LT(topRight, 6 * 8);
    const auto [bottomLeft, bottomRight] = InkSpan(p, 41, 64);
    EXPECT_GE(bottomLeft, 4 * 8);
    EXPECT_LT(bottomRight, 5 * 8 + 4);
    EXPECT_GT(Ink(p, 3, 3, 21, 39), 0);
}

TEST(WriteFormulaPanel, AllNumbersAndLabelsAreWrittenWhole) {
    struct Row {
        const char* name;
        QString text;
        bool plain;
    };
    const Row rows[] = {
        {"all numbers", QStringLiteral("すべての数"), false},
        {"label with a fraction", QStringLiteral("1/2"), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CanvasImage p = Typeset(row.text, row.plain);
        // Top-left corner at (8, PanelLineHeight): nothing above row 20 or left of x 8.
        EXPECT_EQ(InkIn(p.image, QRect(0, 0, 337, 20), White), 0);
        EXPECT_EQ(InkIn(p.image, QRect(0, 0, 8, 65), White), 0);
        EXPECT_GT(InkIn(p.image, QRect(8, 20, 100, 25), White), 0);
        EXPECT_EQ(InkIn(p.image, QRect(0, 45, 337, 20), White), 0);
    }
}

TEST(WriteFormulaPanel, LabelRecordIsNotParsed) {
    CanvasImage panel = MakeCanvasImage(337, 65);
    TypesetState t;
    TLineSpec label;
    label.Kind = GraphKind::Label;
    label.Text = QStringLiteral("1/2");
    WriteFormulaPanel(panel, label, White, Black, t);
    EXPECT_EQ(InkIn(panel.image, QRect(0, 0, 337, 20), White), 0);
}

TEST(WriteFormulaPanel, PanelIsClearedToTheBackgroundInTheTextColour) {
    CanvasImage panel = MakeCanvasImage(61, 65);
    TypesetState t;
    WriteFormulaText(panel, QStringLiteral("2"), false, Teal, White, t);
    EXPECT_EQ(Bgr(panel.image, 0, 0), Teal);
    EXPECT_EQ(Bgr(panel.image, 60, 64), Teal);
    EXPECT_GT(CountColour(panel.image, QRect(8, 21, 16, 20), White), 0);
    EXPECT_EQ(CountColour(panel.image, panel.image.rect(), Black), 0);
}

TEST(SelectLetterFont, LettersTakeTheItalicFontAndRowHeight15) {
    struct Row {
        QChar ch;
        int lineHeight;
        QString font;
        int size;
        bool italic;
    };
    const Row rows[] = {
        {u'x', 15, LetterFontName, 18, true}, {u'y', 15, LetterFontName, 14, true},
        {u'A', 15, LetterFontName, 14, true}, {u'z', 15, LetterFontName, 14, true},
        {u'0', 20, PlainFontName, 14, false}, {u'+', 20, PlainFontName, 14, false},
        {u'{', 20, PlainFontName, 14, false},
    };
    for (const Row& row : rows) {
        CanvasImage c = MakeCanvasImage(4, 4);
        ClassicCanvas canvas(c);
        TypesetState t;
        t.PanelLineHeight = row.lineHeight == 15 ? 20 : 15;
        SelectLetterFont(canvas, row.ch, t);
        EXPECT_EQ(t.PanelLineHeight, row.lineHeight) << QString(row.ch).toStdString();
        EXPECT_EQ(canvas.state().FontName, row.font);
        EXPECT_EQ(canvas.state().FontSize, row.size);
        EXPECT_EQ(canvas.state().FontItalic, row.italic);
    }
}

TEST(WriteFormulaPanel, LettersLeaveTheRowHeightAt20) {
    CanvasImage panel = MakeCanvasImage(337, 65);
    TypesetState t;
    t.PanelLineHeight = 15;
    WriteFormulaText(panel, QStringLiteral("y=2x"), false, White, Black, t);
    EXPECT_EQ(t.PanelLineHeight, 20);
}

TEST(PanelItem, WidthsInColumns) {
    CanvasImage c = MakeCanvasImage(200, 65);
    ClassicCanvas canvas(c);
    TypesetState t;
    EXPECT_EQ(PanelItem(canvas, t, QString(), QStringLiteral("5"), 1), 0);
    EXPECT_EQ(PanelItem(canvas, t, QStringLiteral("12"), QString(), 1), 3);
    EXPECT_EQ(PanelItem(canvas, t, QStringLiteral("≦"), QString(), 1), 3);
    EXPECT_EQ(PanelItem(canvas, t, QStringLiteral("1"), QStringLiteral("2"), 1), 3);
    EXPECT_EQ(PanelItem(canvas, t, QStringLiteral("123"), QStringLiteral("2"), 1), 5);
}

}  // namespace
