// The undo history: steps, redo, the saved mark and the limit; and the history a drawing keeps by
// following its own announcements.
#include <gtest/gtest.h>

#include <functional>

#include "undo_history.h"

namespace {

// A drawing of n points at (n, 2n), each with its memo line.
DrawingState StateOf(int n) {
    DrawingState s;
    for (int i = 0; i < n; ++i) {
        s.Table.LineTable[i].Kind = GraphKind::Point;
        s.Table.LineTable[i].P1 = {i, 2 * i};
        s.Table.Memo << QString::number(i);
    }
    s.Table.LineCount = n;
    s.Table.ColorCycle = n;
    return s;
}

TEST(UndoHistory, StepsBackAndForthAndDropsRedoOnANewChange) {
    UndoHistory history;
    history.Reset(StateOf(0), true);
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(history.Note(StateOf(n)));
    }
    EXPECT_EQ(history.Undo().Table.LineCount, 2);
    EXPECT_EQ(history.Undo().Table.LineCount, 1);
    EXPECT_EQ(history.Redo().Table.LineCount, 2);
    EXPECT_TRUE(history.CanRedo());
    EXPECT_EQ(history.UndoCount(), 2);
    // A new change forgets the undone third graph.
    DrawingState moved = StateOf(2);
    moved.Table.LineTable[1].P1.Y = 7;
    EXPECT_TRUE(history.Note(moved));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Undo().Table.LineTable[1].P1, (LatticePoint{1, 2}));
}

TEST(UndoHistory, OnlyChangesOfGraphsMemoOrPlaneAreSteps) {
    const DrawingState base = StateOf(2);
    DrawingState selected = base;
    selected.Table.Selected.set(1);
    DrawingState keep = base;
    keep.Plane.KeepInRegistry = !keep.Plane.KeepInRegistry;
    DrawingState cycle = base;
    cycle.Table.ColorCycle = 9;
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
    history.Reset(StateOf(0), false);
    EXPECT_FALSE(history.AtSaved());
    history.Note(StateOf(1));
    history.Note(StateOf(2));
    // The save rewrites the memo's title line: folded into the saved state, not a step.
    DrawingState titled = StateOf(2);
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
    history.Reset(StateOf(0), true);
    for (int n = 1; n <= 100; ++n) {
        history.Note(StateOf(n));
    }
    for (int n = 99; n >= 0; --n) {
        history.Note(StateOf(n));
    }
    history.Note(StateOf(1));  // step 201: the empty start is dropped
    EXPECT_EQ(history.UndoCount(), UndoHistory::Limit);
    int last = -1;
    while (history.CanUndo()) {
        last = history.Undo().Table.LineCount;
    }
    EXPECT_EQ(last, 1);  // the oldest kept state is the drawing of the first step
    EXPECT_FALSE(history.AtSaved());
}

TEST(DrawingUndo, EachChangeOfTheDrawingIsOneStepAndTheRestNone) {
    EditingState edit;
    const auto line = [&](const Drawing& d, int y) {
        return NewLineSpec(edit, d.Table(), {0, y}, {1, y + 2});
    };
    PlaneSettings spaced;
    spaced.setDY(QStringLiteral("8"));
    const struct {
        const char* name;
        std::function<void(Drawing&)> change;
        int steps;
        bool saved;
    } rows[] = {
        {"graph added", [&](Drawing& d) { d.AddOrReplaceGraph(edit, line(d, 3), -1); }, 1, false},
        {"graph replaced by itself",
         [&](Drawing& d) { d.AddOrReplaceGraph(edit, d.Table().LineTable[0], 0); }, 0, false},
        {"graphs deleted", [](Drawing& d) { d.Update([](GraphTable& t) { DeleteSelected(t); }); },
         1, false},
        {"memo line typed", [](Drawing& d) { d.Update([](GraphTable& t) { t.Memo << "メモ"; }); },
         1, false},
        {"plane spacing", [&](Drawing& d) { d.SetPlane(spaced); }, 1, true},
        {"all erased", [](Drawing& d) { d.EraseGraphs(); }, 1, true},
        {"batch of two graphs",
         [&](Drawing& d) {
             const Drawing::Batch one(d);
             d.AddOrReplaceGraph(edit, line(d, 3), -1);
             d.AddOrReplaceGraph(edit, line(d, 4), -1);
         },
         1, false},
        {"selection", [](Drawing& d) { d.SetSelection({}); }, 0, true},
        {"end circles", [](Drawing& d) { d.SetEndCircles(false); }, 0, true},
        {"end-circle radius", [](Drawing& d) { d.SetEndCircleRadius(3); }, 0, true},
        {"colour cycle", [](Drawing& d) { d.AdvanceColorCycle(); }, 0, true},
        {"saved under a title",
         [](Drawing& d) { d.MarkSaved(QStringLiteral("比例"), QStringLiteral("hirei.lin")); }, 0,
         true},
        {"new drawing", [](Drawing& d) { d.Clear(QStringLiteral("新しい単元"), QString()); }, -1,
         true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Drawing d;
        DrawingUndo undo(d);
        d.AddOrReplaceGraph(edit, line(d, 1), -1);
        d.MarkSaved();
        const int before = undo.UndoCount();
        int announcements = 0;
        d.Listen([&](DrawingChanges) { ++announcements; });
        row.change(d);
        EXPECT_LE(announcements, 1);
        EXPECT_EQ(undo.UndoCount(), row.steps < 0 ? 0 : before + row.steps);
        EXPECT_EQ(d.Saved(), row.saved);
    }
}

TEST(DrawingUndo, UndoPutsTheDrawingBackAndKnowsTheSavedState) {
    EditingState edit;
    Drawing d;
    DrawingUndo undo(d);
    int steps = 0;
    undo.StepTaken = [&] { ++steps; };
    d.AddOrReplaceGraph(edit, NewLineSpec(edit, d.Table(), {0, 0}, {1, 2}), -1);
    d.MarkSaved(QStringLiteral("比例"), QStringLiteral("hirei.lin"));
    d.AddOrReplaceGraph(edit, NewLineSpec(edit, d.Table(), {0, 1}, {3, 1}), -1);
    EXPECT_EQ(steps, 2);
    EXPECT_EQ(d.Table().ColorCycle, 2);
    ASSERT_TRUE(undo.Undo(edit.Form));
    EXPECT_EQ(d.Table().LineCount, 1);
    EXPECT_EQ(d.Table().ColorCycle, 1);  // the next graph takes the undone one's colour
    EXPECT_EQ(d.Table().Memo[0], QStringLiteral("比例"));
    EXPECT_TRUE(d.Saved());
    ASSERT_TRUE(undo.Redo(edit.Form));
    EXPECT_EQ(d.Table().LineCount, 2);
    EXPECT_FALSE(d.Saved());
    EXPECT_FALSE(undo.Redo(edit.Form));
    EXPECT_EQ(steps, 2);  // steps taken back and forth are not new steps
}

}  // namespace
