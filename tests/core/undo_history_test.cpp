// The undo history: steps, redo, the saved mark and the limit.
#include <gtest/gtest.h>

#include "undo_history.h"

namespace {

// A drawing of n points at (n, 2n), each with its memo line.
DrawingState Drawing(int n) {
    DrawingState s;
    for (int i = 0; i < n; ++i) {
        s.Table.LineTable[i].Kind = KindPoint;
        s.Table.LineTable[i].P1 = {i, 2 * i};
        s.Table.Memo << QString::number(i);
    }
    s.Table.LineCount = n;
    s.ColorCycle = n;
    return s;
}

TEST(UndoHistory, StepsBackAndForthAndDropsRedoOnANewChange) {
    UndoHistory history;
    history.Reset(Drawing(0), true);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(history.Note(Drawing(n)));
    }
    EXPECT_EQ(history.Undo().Table.LineCount, 2);
    EXPECT_EQ(history.Undo().Table.LineCount, 1);
    EXPECT_EQ(history.Redo().Table.LineCount, 2);
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(history.UndoCount(), 2);
    // A new change forgets the undone third graph.
    DrawingState moved = Drawing(2);
    moved.Table.LineTable[1].P1.Y = 7;
    EXPECT_TRUE(history.Note(moved));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo().Table.LineTable[1].P1, (LatticePoint{1, 2}));
}

TEST(UndoHistory, OnlyChangesOfGraphsMemoOrPlaneAreSteps) {
    const DrawingState base = Drawing(2);
    DrawingState selected = base;
    selected.Table.Selected.set(1);
    DrawingState keep = base;
    keep.Plane.KeepInRegistry = !keep.Plane.KeepInRegistry;
    DrawingState cycle = base;
    cycle.ColorCycle = 9;
    DrawingState memo = base;
    memo.Table.Memo[1] = QStringLiteral("x");
    DrawingState plane = base;
    plane.Plane.setDY(QStringLiteral("8"));
    DrawingState beyondCount = base;  // a stale record after the last graph is not drawn
    beyondCount.Table.LineTable[2].P1 = {5, 5};
    DrawingState fewer = base;
    fewer.Table.LineCount = 1;

    const struct {
        const char* name;
        const DrawingState& state;
        bool step;
    } rows[] = {
        {"selection", selected, false}, {"keep box", keep, false},
        {"colour cycle", cycle, false}, {"stale record", beyondCount, false},
        {"memo line", memo, true},      {"plane spacing", plane, true},
        {"graph count", fewer, true},
    };
    for (const auto& row : rows) {
        UndoHistory history;
        history.Reset(base, true);
        EXPECT_EQ(history.Note(row.state), row.step) << row.name;
        EXPECT_EQ(history.AtSaved(), !row.step) << row.name;
    }
}

TEST(UndoHistory, SavedMarkFollowsTheStateTheFileHolds) {
    UndoHistory history;
    history.Reset(Drawing(0), false);
    EXPECT_FALSE(history.AtSaved());
    history.Note(Drawing(1));
    history.Note(Drawing(2));
    // The save rewrites the memo's title line: folded into the saved state, not a step.
    DrawingState titled = Drawing(2);
    titled.Table.Memo[0] = QStringLiteral("単元");
    history.MarkSaved(titled);
    EXPECT_EQ(history.UndoCount(), 2);
    EXPECT_FALSE(history.Note(titled));
    history.Undo();
    EXPECT_FALSE(history.AtSaved());
    EXPECT_EQ(history.Redo().Table.Memo[0], QStringLiteral("単元"));
    EXPECT_TRUE(history.AtSaved());
}

TEST(UndoHistory, KeepsTheLatestTwoHundredSteps) {
    UndoHistory history;
    history.Reset(Drawing(0), true);
    for (int n = 1; n <= 100; ++n) {
        history.Note(Drawing(n));
    }
    for (int n = 99; n >= 0; --n) {
        history.Note(Drawing(n));
    }
    history.Note(Drawing(1));  // step 201: the empty start is dropped
    EXPECT_EQ(history.UndoCount(), UndoHistory::Limit);
    int last = -1;
    while (history.CanUndo()) {
        last = history.Undo().Table.LineCount;
    }
    EXPECT_EQ(last, 1);  // the oldest kept state is the drawing of the first step
    EXPECT_FALSE(history.AtSaved());
}

}  // namespace
