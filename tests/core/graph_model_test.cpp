// The graph table, its selection and memo, the colour cycle and the table limit.
#include <gtest/gtest.h>

#include "drawing.h"
#include "graph_model.h"

namespace {

struct Sheet {
    Drawing doc;
    EditingState state;
    Sheet() { doc.Clear(QStringLiteral("Kelvane"), QStringLiteral("Graph1.lin")); }
    const GraphTable& table() const { return doc.Table(); }

    int AddLine(LatticePoint p1, LatticePoint p2) {
        int index = -1;
        doc.AddOrReplaceGraph(state, NewLineSpec(state, doc.Table(), p1, p2), -1, &index);
        return index;
    }
};

TEST(GraphModel, AutomaticColoursCycleThroughTheTable) {
    Sheet d;
    for (int i = 0; i < 17; ++i) {
        d.AddLine({0, 0}, {1, i + 1});
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(d.table().LineTable[i].Color, ColorCycleTable[i]) << i;
    }
    EXPECT_EQ(d.table().LineTable[16].Color, ColorCycleTable[0]);
    EXPECT_EQ(d.table().ColorCycle, 1);
}

TEST(GraphModel, FixedColourDoesNotAdvanceTheCycle) {
    Sheet d;
    d.state.FixedColor = 0x00FF00;
    d.AddLine({0, 0}, {1, 1});
    EXPECT_EQ(d.table().LineTable[0].Color, 0x00FF00);
    EXPECT_EQ(d.table().ColorCycle, 0);
}

TEST(GraphModel, HundredthGraphAcceptedHundredFirstRefused) {
    Sheet d;
    for (int i = 0; i < MaxGraphs; ++i) {
        ASSERT_EQ(d.AddLine({0, 0}, {1, i + 1}), i);
    }
    const QStringList memoBefore = d.table().Memo;
    const int cycleBefore = d.table().ColorCycle;
    TLineSpec extra = NewLineSpec(d.state, d.table(), {0, 0}, {2, 1});
    EXPECT_EQ(d.doc.AddOrReplaceGraph(d.state, extra, -1), AddResult::TableFull);
    EXPECT_EQ(d.table().LineCount, MaxGraphs);
    EXPECT_EQ(d.table().Memo, memoBefore);
    EXPECT_EQ(d.table().ColorCycle, cycleBefore);
    // A replacement, as an endpoint drag makes, does not grow the table and is allowed.
    int changed = -1;
    EXPECT_EQ(d.doc.AddOrReplaceGraph(d.state, extra, 5, &changed), AddResult::Replaced);
    EXPECT_EQ(changed, 5);
    EXPECT_EQ(d.table().LineCount, MaxGraphs);
    EXPECT_EQ(d.table().LineTable[5].P2, (LatticePoint{2, 1}));
    EXPECT_EQ(d.table().Memo[1 + 6 * 5 + 3], "2,1");
    EXPECT_EQ(d.table().Memo.size(), 1 + 6 * MaxGraphs);
    EXPECT_EQ(d.table().ColorCycle, cycleBefore);
}

TEST(GraphModel, MemoMirrorsTheTable) {
    Sheet d;
    d.AddLine({1, 3}, {3, -1});
    ASSERT_EQ(d.table().Memo.size(), 7);
    EXPECT_EQ(d.table().Memo.mid(1),
              (QStringList{"16711680,16", "y=-2x+5", "1,3", "3,-1", "0,0", "0,0"}));
    TLineSpec moved = CopyLineSpec({1, 4}, {3, 0}, d.table().LineTable[0], EquationForm::Standard);
    EXPECT_EQ(d.doc.AddOrReplaceGraph(d.state, moved, 0), AddResult::Replaced);
    EXPECT_EQ(d.table().Memo[2], "y=-2x+6");
    EXPECT_EQ(d.table().Memo[3], "1,4");
    EXPECT_EQ(d.table().LineTable[0].Color, ColorCycleTable[0]);  // replacing keeps the colour
    EXPECT_EQ(d.table().ColorCycle, 1);
    EXPECT_FALSE(d.doc.Saved());
}

TEST(GraphModel, AddingKeepsExtraMemoLinesAfterTheGraphs) {
    Sheet d;
    d.AddLine({0, 0}, {1, 1});
    d.doc.Update([](GraphTable& t) { t.Memo.append("a note typed by the teacher"); });
    d.AddLine({0, 0}, {1, 2});
    EXPECT_EQ(d.table().Memo[7], QString::number(ColorCycleTable[1]) + ",16");
    EXPECT_EQ(d.table().Memo[8], "y=2x");
    EXPECT_EQ(d.table().Memo.last(), "a note typed by the teacher");
}

TEST(GraphModel, CurrentIndexAndSelection) {
    Sheet d;
    EXPECT_EQ(CurrentIndex(d.table()), -1);
    for (int i = 0; i < 6; ++i) {
        d.AddLine({0, 0}, {1, i + 1});
    }
    EXPECT_EQ(CurrentIndex(d.table()), 5);  // the new graph is selected
    d.doc.SetSelection({});
    EXPECT_EQ(CurrentIndex(d.table()), 5);
    d.doc.SetSelection(std::bitset<MaxGraphs>((1u << 2) | (1u << 5)));
    EXPECT_EQ(CurrentIndex(d.table()), 2);
    d.doc.SelectOnly(9);  // out of range: nothing changes
    EXPECT_TRUE(d.table().Selected.test(5));
    d.doc.SelectOnly(4);
    EXPECT_EQ(d.table().Selected.count(), 1u);
    EXPECT_TRUE(d.table().Selected.test(4));
}

TEST(GraphModel, DeleteSelectedCompactsTableAndMemo) {
    Sheet d;
    for (int i = 0; i < 5; ++i) {
        d.AddLine({0, 0}, {1, i + 1});
    }
    d.doc.SetSelection(std::bitset<MaxGraphs>((1u << 1) | (1u << 3)));
    EXPECT_EQ(d.doc.Update([](GraphTable& t) { return DeleteSelected(t); }), 2);
    ASSERT_EQ(d.table().LineCount, 3);
    EXPECT_EQ(d.table().LineTable[0].Text, "y=x");
    EXPECT_EQ(d.table().LineTable[1].Text, "y=3x");
    EXPECT_EQ(d.table().LineTable[2].Text, "y=5x");
    EXPECT_EQ(d.table().Memo.size(), 1 + 18);
    EXPECT_EQ(d.table().Memo[8], "y=3x");
    EXPECT_EQ(d.table().Memo[14], "y=5x");
    EXPECT_EQ(d.table().Selected.count(), 0u);
}

TEST(GraphModel, ClearDrawingLeavesOnlyTheTitle) {
    Sheet d;
    d.AddLine({0, 0}, {1, 1});
    d.doc.Clear(QStringLiteral("新しい単元"), QStringLiteral("Graph1.lin"));
    EXPECT_EQ(d.table().LineCount, 0);
    EXPECT_EQ(d.table().Memo, QStringList{"新しい単元"});
    EXPECT_EQ(d.table().ColorCycle, 0);
    EXPECT_TRUE(d.doc.Saved());
    EXPECT_FALSE(d.doc.NeedsSaving());
}

TEST(GraphModel, NewSpecsFollowTheTool) {
    EditingState s;
    s.LineMode = GraphKind::Segment;
    s.SegmentEndKind = 2;
    s.RayEndKind = 1;
    s.LineWidth = 3;
    EXPECT_EQ(CurrentEndKind(s), 2);
    GraphTable t;
    TLineSpec spec = NewLineSpec(s, t, {0, 0}, {2, 1});
    EXPECT_EQ(spec.Kind, GraphKind::Segment);
    EXPECT_EQ(spec.Width, 3);
    EXPECT_EQ(spec.EndKind, 2);
    s.LineMode = GraphKind::Ray;
    EXPECT_EQ(CurrentEndKind(s), 1);
    s.LineMode = GraphKind::Point;
    EXPECT_EQ(CurrentEndKind(s), 0);
    t.ColorCycle = 20;
    EXPECT_EQ(NextColor(s, t), ColorCycleTable[4]);
    t.ColorCycle = -3;
    EXPECT_EQ(NextColor(s, t), ColorCycleTable[13]);
}

}  // namespace
