// Moving, slope and intercept steps, recolouring, widths and form rewrites of selected graphs.
#include <gtest/gtest.h>

#include "drawing.h"
#include "graph_edits.h"

namespace {

TLineSpec Graph(GraphKind kind, LatticePoint p1, LatticePoint p2, LatticePoint d1 = {},
                LatticePoint d2 = {}) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.D1 = d1;
    g.D2 = d2;
    g.EndKind = kind == GraphKind::Segment ? 1 : 0;
    g.Text =
        kind == GraphKind::Label ? QStringLiteral("Ａ") : EquationText(g, EquationForm::Standard);
    return g;
}

// A saved drawing of these graphs, none selected; edits run through the drawing, which marks
// itself unsaved when a graph changed.
struct Sheet {
    Drawing doc;
    EditingState edit;
    explicit Sheet(std::initializer_list<TLineSpec> graphs) {
        doc.Clear(QStringLiteral("単元"), QStringLiteral("u.lin"));
        for (const TLineSpec& g : graphs) {
            doc.AddOrReplaceGraph(edit, g, -1);
        }
        doc.SetSelection({});
        doc.MarkSaved();
    }
    const GraphTable& table() const { return doc.Table(); }
    void Select(std::initializer_list<int> rows) {
        std::bitset<MaxGraphs> selected;
        for (int i : rows) {
            selected.set(i);
        }
        doc.SetSelection(selected);
    }
    template <class Edit>
    auto Run(Edit edit) {
        return doc.Update(edit);
    }
};

TEST(GraphEdits, MovingShiftsTheStoredPointsOfEachKind) {
    struct Row {
        TLineSpec g;
        char direction;
        LatticePoint p1, p2, d1, d2;
        const char* text;
    } rows[] = {
        {Graph(GraphKind::Line, {0, 0}, {2, 1}), 'U', {0, 1}, {2, 2}, {}, {}, "y=1/2･x+1"},
        {Graph(GraphKind::Segment, {0, 0}, {1, 2}, {-1, -2}, {2, 4}),
         'L',
         {-1, 0},
         {0, 2},
         {-2, -2},
         {1, 4},
         "y=2x+2 (-2≦x＜1)"},
        {Graph(GraphKind::Ray, {0, 0}, {1, 2}, {1, 2}, {3, 6}),
         'D',
         {0, -1},
         {1, 1},
         {1, 1},
         {3, 5},
         "y=2x-1 (x≧1)"},
        {Graph(GraphKind::Point, {2, 3}, {5, 99}), 'U', {2, 4}, {5, 99}, {}, {}, "(  2,  4)"},
        {Graph(GraphKind::Label, {1, 1}, {12, -99}, {}, {12, 0}),
         'R',
         {2, 1},
         {12, -99},
         {},
         {12, 0},
         "Ａ"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        Sheet d{r.g, Graph(GraphKind::Line, {0, 5}, {1, 7})};
        d.Select({0});
        EXPECT_EQ(d.Run([&](GraphTable& t) { return MoveSelected(t, d.edit, r.direction); }),
                  std::vector<int>{0});
        const TLineSpec& g = d.table().LineTable[0];
        EXPECT_EQ(g.P1, r.p1);
        EXPECT_EQ(g.P2, r.p2);
        EXPECT_EQ(g.D1, r.d1);
        EXPECT_EQ(g.D2, r.d2);
        EXPECT_EQ(g.Text, QString::fromUtf8(r.text));
        EXPECT_EQ(d.table().Memo[2], g.Text);
        EXPECT_EQ(d.table().Memo[3], QStringLiteral("%1,%2").arg(r.p1.X).arg(r.p1.Y));
        EXPECT_EQ(d.table().LineTable[1].P1, (LatticePoint{0, 5}));  // not selected
        EXPECT_FALSE(d.doc.Saved());
    }
    Sheet none{Graph(GraphKind::Line, {0, 0}, {2, 1})};
    EXPECT_TRUE(none.Run([&](GraphTable& t) { return MoveSelected(t, none.edit, 'U'); }).empty());
    EXPECT_TRUE(none.doc.Saved());
}

TEST(GraphEdits, SlopeAndInterceptStepTheWayTheArrowsPoint) {
    struct Row {
        LatticePoint p1, p2;
        int step;
        LatticePoint newP1, newP2;
        const char* text;
    } rows[] = {
        {{0, 0}, {2, 1}, SlopeUp, {0, 0}, {2, 2}, "y=x"},
        {{0, 0}, {2, 2}, InterceptUp, {0, 1}, {2, 3}, "y=x+1"},
        {{2, 1}, {0, 0}, SlopeUp, {2, 1}, {0, -1}, "y=x-1"},  // drawn right to left
        {{2, 1}, {0, 0}, SlopeDown, {2, 1}, {0, 1}, "y =1"},
        {{0, 0}, {3, 1}, SlopeDown, {0, 0}, {3, 0}, "y =0"},
        {{1, 3}, {3, -1}, InterceptDown, {1, 2}, {3, -2}, "y=-2x+4"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        Sheet d{Graph(GraphKind::Line, r.p1, r.p2)};
        d.Select({0});
        const SlopeStepResult result =
            d.Run([&](GraphTable& t) { return ChangeSlopeIntercept(t, d.edit, r.step); });
        EXPECT_EQ(result.message, QString());
        EXPECT_EQ(d.table().LineTable[0].P1, r.newP1);
        EXPECT_EQ(d.table().LineTable[0].P2, r.newP2);
        EXPECT_EQ(d.table().LineTable[0].Text, QString::fromUtf8(r.text));
        EXPECT_EQ(result.lastLooked, 0);
        EXPECT_FALSE(d.doc.Saved());
    }
}

TEST(GraphEdits, SlopeStepsSkipPointsAndStopAtAVerticalGraph) {
    Sheet d{Graph(GraphKind::Point, {3, 1}, {3, 99}), Graph(GraphKind::Line, {0, 0}, {1, 1}),
            Graph(GraphKind::Line, {3, 0}, {3, 5}), Graph(GraphKind::Line, {0, 2}, {1, 4})};
    d.Select({0, 1, 2, 3});
    const SlopeStepResult result =
        d.Run([&](GraphTable& t) { return ChangeSlopeIntercept(t, d.edit, InterceptUp); });
    EXPECT_EQ(result.message,
              QStringLiteral("x = 3は１次関数ではないので\n傾きや切片がありません"));
    EXPECT_EQ(result.changed, std::vector<int>{1});
    EXPECT_EQ(result.lastLooked, 2);
    EXPECT_EQ(d.table().LineTable[0].P1, (LatticePoint{3, 1}));  // the point stays
    EXPECT_EQ(d.table().LineTable[1].Text, QStringLiteral("y=x+1"));
    EXPECT_EQ(d.table().LineTable[3].Text, QStringLiteral("y=2x+2"));  // after the stop

    Sheet empty{};
    EXPECT_EQ(empty.Run([&](GraphTable& t) { return ChangeSlopeIntercept(t, empty.edit, SlopeUp); })
                  .message,
              NothingToMoveMessage);
    Sheet unselected{Graph(GraphKind::Line, {0, 0}, {1, 1})};
    EXPECT_EQ(
        unselected
            .Run([&](GraphTable& t) { return ChangeSlopeIntercept(t, unselected.edit, SlopeUp); })
            .message,
        ChooseGraphToMoveMessage);
    EXPECT_TRUE(unselected.doc.Saved());
}

TEST(GraphEdits, RecolouringWithWhiteRestartsTheAutomaticColours) {
    Sheet d{};
    for (int i = 0; i < 20; ++i) {
        TLineSpec g = Graph(GraphKind::Line, {0, i}, {1, i + 1});
        g.Color = 0x123456;
        d.doc.AddOrReplaceGraph(d.edit, g, -1);
    }
    d.doc.SetSelection({});
    EXPECT_TRUE(d.Run([&](GraphTable& t) { return RecolorGraphs(t, AutomaticColor, false); }));
    EXPECT_EQ(d.table().LineTable[15].Color, ColorCycleTable[15]);
    EXPECT_EQ(d.table().LineTable[16].Color, ColorCycleTable[0]);
    EXPECT_EQ(d.table().LineTable[19].Color, ColorCycleTable[3]);
    EXPECT_EQ(d.table().Memo[1 + 6 * 19], QStringLiteral("%1,16").arg(ColorCycleTable[3]));
    EXPECT_EQ(NextColor(d.edit, d.table()), ColorCycleTable[4]);

    // A fixed colour for the selected graphs only.
    d.Select({2, 17});
    d.Run([&](GraphTable& t) { return RecolorGraphs(t, 0x0000FF, true); });
    EXPECT_EQ(d.table().LineTable[2].Color, 0x0000FF);
    EXPECT_EQ(d.table().LineTable[17].Color, 0x0000FF);
    EXPECT_EQ(d.table().LineTable[3].Color, ColorCycleTable[3]);

    Sheet empty{};
    EXPECT_FALSE(empty.Run([&](GraphTable& t) { return RecolorGraphs(t, 0x00FF00, false); }));
    EXPECT_TRUE(empty.doc.Saved());
}

TEST(GraphEdits, WidthsAndFormRewritesChangeOnlyTheSelection) {
    Sheet d{Graph(GraphKind::Line, {0, 1}, {2, 2}), Graph(GraphKind::Line, {0, 0}, {1, 2})};
    d.Select({1});
    EXPECT_TRUE(d.Run([&](GraphTable& t) { return SetSelectedWidth(t, 3); }));
    EXPECT_EQ(d.table().LineTable[1].Width, 3);
    EXPECT_EQ(d.table().LineTable[0].Width, 1);
    EXPECT_EQ(d.table().Memo[7], QStringLiteral("%1,48").arg(d.table().LineTable[1].Color));
    d.doc.MarkSaved();
    d.edit.Form = EquationForm::General;
    EXPECT_EQ(d.Run([&](GraphTable& t) { return RewriteSelectedTexts(t, d.edit); }),
              std::vector<int>{1});
    EXPECT_EQ(d.table().LineTable[1].Text, QStringLiteral("-2x+y=0"));
    EXPECT_EQ(d.table().LineTable[0].Text, QStringLiteral("y=1/2･x+1"));
    EXPECT_FALSE(d.doc.Saved());
    // The form already shown rewrites nothing new, and leaves the drawing saved.
    d.doc.MarkSaved();
    d.Run([&](GraphTable& t) { return RewriteSelectedTexts(t, d.edit); });
    EXPECT_TRUE(d.doc.Saved());
}

}  // namespace
