// Equation, domain and range texts, character by character.
#include <gtest/gtest.h>

#include "equation_text.h"

namespace {

TLineSpec Graph(GraphKind kind, LatticePoint p1, LatticePoint p2, LatticePoint d1 = {},
                LatticePoint d2 = {}, int endKind = 0) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.D1 = d1;
    g.D2 = d2;
    g.EndKind = endKind;
    return g;
}

struct LineRow {
    LatticePoint p1, p2;
    const char* standard;
};

TEST(EquationText, LinesInSlopeInterceptForm) {
    const LineRow rows[] = {
        {{0, 1}, {2, 2}, "y=1/2･x+1"},   {{1, 3}, {3, -1}, "y=-2x+5"},
        {{0, 2}, {2, 0}, "y=-x+2"},      {{0, 0}, {3, 1}, "y=1/3･x"},
        {{1, 1}, {3, 2}, "y=1/2･x+1/2"}, {{1, 0}, {3, 1}, "y=1/2･x-1/2"},
        {{2, 0}, {3, 1}, "y=x-2"},       {{0, 0}, {1, 2}, "y=2x"},
        {{3, 0}, {3, 5}, "x = 3"},       {{0, 2}, {4, 2}, "y =2"},
        {{0, 0}, {4, 0}, "y =0"},        {{3, 1}, {1, 0}, "y=1/2･x-1/2"},
        {{0, -3}, {2, 0}, "y=3/2･x-3"},  {{0, 0}, {-2, 4}, "y=-2x"},
        {{-3, 0}, {-3, 2}, "x = -3"},    {{0, 0}, {6, 4}, "y=2/3･x"},
        {{1, 2}, {4, 3}, "y=1/3･x+5/3"}, {{0, -1}, {4, -4}, "y=-3/4･x-1"},
    };
    for (const LineRow& r : rows) {
        const TLineSpec g = Graph(GraphKind::Line, r.p1, r.p2);
        EXPECT_EQ(EquationText(g, EquationForm::Standard), QString::fromUtf8(r.standard))
            << r.p1.X << "," << r.p1.Y << " " << r.p2.X << "," << r.p2.Y;
    }
}

TEST(EquationText, LinesInGeneralForm) {
    const LineRow rows[] = {
        {{0, 1}, {2, 2}, "-x+2y=2"},  {{0, 0}, {1, 2}, "-2x+y=0"},    {{1, 2}, {0, 0}, "2x-y=0"},
        {{0, 3}, {3, 0}, "x+y=3"},    {{3, 0}, {3, 5}, "x=3 (x =3)"}, {{0, 2}, {4, 2}, "y=2"},
        {{0, 0}, {4, 6}, "-3x+2y=0"}, {{1, 3}, {3, -1}, "2x+y=5"},
    };
    for (const LineRow& r : rows) {
        const TLineSpec g = Graph(GraphKind::Line, r.p1, r.p2);
        EXPECT_EQ(EquationText(g, EquationForm::General), QString::fromUtf8(r.standard));
    }
}

struct DomainRow {
    TLineSpec g;
    const char* equation;
    const char* xDomain;
    const char* yDomain;
};

TEST(EquationText, SegmentsRaysAndPoints) {
    const DomainRow rows[] = {
        {Graph(GraphKind::Segment, {0, 0}, {1, 2}, {-1, -2}, {2, 4}, 1), "y=2x (-1≦x＜2)",
         "-1≦x＜2", "-2≦y＜4"},
        {Graph(GraphKind::Segment, {0, 0}, {1, -2}, {-1, 2}, {2, -4}, 1), "y=-2x (-1≦x＜2)",
         "-1≦x＜2", "-4＜y≦2"},
        {Graph(GraphKind::Segment, {0, 0}, {1, -2}, {-1, 2}, {2, -4}, 2), "y=-2x (-1＜x≦2)",
         "-1＜x≦2", "-4≦y＜2"},
        {Graph(GraphKind::Segment, {0, 0}, {1, 2}, {-1, -2}, {2, 4}, 3), "y=2x (-1＜x＜2)",
         "-1＜x＜2", "-2＜y＜4"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {3, 6}, 0), "y=2x (x≧1)", "x≧1", "y≧2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {3, 6}, 1), "y=2x (x＞1)", "x＞1", "y＞2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {-1, -2}, 0), "y=2x (x≦1)", "x≦1", "y≦2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, -2}, {1, -2}, {-1, 2}, 1), "y=-2x (x＜1)", "x＜1",
         "y＞-2"},
        // A ray's direction is its direction in x alone, wherever the direction was clicked.
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {3, 0}, 0), "y=2x (x≧1)", "x≧1", "y≧2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, -2}, {1, -2}, {4, 5}, 1), "y=-2x (x＞1)", "x＞1",
         "y＜-2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {1, 7}, 0), "y=2x (x≦1)", "x≦1", "y≦2"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {2, -7}, 1), "y=2x (x＞1)", "x＞1", "y＞2"},
        {Graph(GraphKind::Ray, {2, 0}, {2, 3}, {2, 2}, {-5, 1}, 1), "x = 2 (y＜2)", "x =2", "y＜2"},
        {Graph(GraphKind::Segment, {1, 1}, {3, 2}, {2, 0}, {3, 0}, 0), "y=1/2･x+1/2 (2≦x≦3)",
         "2≦x≦3", "3/2≦y≦2"},
        {Graph(GraphKind::Segment, {2, 1}, {2, 5}, {2, 4}, {2, 1}, 1), "x = 2 (1≦y＜4)", "x =2",
         "1≦y＜4"},
        {Graph(GraphKind::Segment, {0, 1}, {4, 1}, {-2, 1}, {3, 1}, 0), "y =1 (-2≦x≦3)", "-2≦x≦3",
         "y =1"},
        {Graph(GraphKind::Ray, {0, 2}, {3, 2}, {1, 2}, {4, 2}, 0), "y =2 (x≧1)", "x≧1", " y = 2"},
        {Graph(GraphKind::Ray, {1, 0}, {1, 3}, {1, 2}, {1, 5}, 0), "x = 1 (y≧2)", "x =1", "y≧2"},
        {Graph(GraphKind::Line, {0, 0}, {1, 1}), "y=x", "すべての数", "すべての数"},
        {Graph(GraphKind::Point, {2, -3}, {5, 99}), "(  2, -3)", "", ""},
        {Graph(GraphKind::Point, {-10, 100}, {5, 99}), "(-10,100)", "", ""},
    };
    for (const DomainRow& r : rows) {
        EXPECT_EQ(EquationText(r.g, EquationForm::Standard), QString::fromUtf8(r.equation));
        EXPECT_EQ(XDomainText(r.g), QString::fromUtf8(r.xDomain)) << r.equation;
        EXPECT_EQ(YDomainText(r.g), QString::fromUtf8(r.yDomain)) << r.equation;
    }
    const TLineSpec point = Graph(GraphKind::Point, {2, -3}, {5, 99});
    EXPECT_EQ(EquationText(point, EquationForm::General), "(  2, -3)");
    TLineSpec label = Graph(GraphKind::Label, {1, 1}, {12, -99});
    label.Text = QStringLiteral("y=1/2 の グラフ");
    EXPECT_EQ(EquationText(label, EquationForm::Standard), label.Text);
    EXPECT_EQ(EquationText(label, EquationForm::General), label.Text);
}

TEST(EquationText, SlopeAndInterceptPanels) {
    struct Row {
        GraphKind kind;
        LatticePoint p1, p2;
        const char* slope;
        const char* intercept;
    } rows[] = {
        {GraphKind::Line, {0, 1}, {2, 2}, "1/2･", "1"},
        {GraphKind::Line, {1, 3}, {3, -1}, "-2", "5"},
        {GraphKind::Line, {0, 0}, {3, 2}, "2/3･", "0"},
        {GraphKind::Line, {0, 3}, {4, 3}, "", ""},
        {GraphKind::Line, {1, 0}, {3, 1}, "1/2･", "-1/2"},
        {GraphKind::Line, {3, 0}, {3, 5}, "", ""},
        {GraphKind::Segment, {2, 2}, {0, 0}, "1", "0"},
        {GraphKind::Point, {0, 0}, {5, 99}, "", ""},
        {GraphKind::Line, {3, 1}, {1, 0}, "1/2･", "-1/2"},
    };
    for (const Row& r : rows) {
        TLineSpec g = Graph(r.kind, r.p1, r.p2);
        const SlopeInterceptTexts t = SlopeAndInterceptTexts(g);
        EXPECT_EQ(t.slope, QString::fromUtf8(r.slope)) << r.p1.X << "," << r.p1.Y;
        EXPECT_EQ(t.intercept, QString::fromUtf8(r.intercept)) << r.p1.X << "," << r.p1.Y;
    }
}

}  // namespace
