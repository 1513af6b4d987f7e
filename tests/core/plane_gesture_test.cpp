// The plane's gestures told as a user would do them: choose a tool, click lattice points, drag
// ends with the right button; then read the list, the memo and the messages.
#include <gtest/gtest.h>

#include "plane_gesture.h"

namespace {

struct Board {
    Drawing doc;
    const GraphTable& table = doc.Table();
    EditingState edit;
    LabelQueue labels;
    PlaneGesture gesture{doc, edit};
    QStringList messages;
    GestureEffects last;
    int announced = 0;  // the drawing's announcements: a graph stored, the selection chosen

    Board() {
        doc.Listen([this](DrawingChanges) { ++announced; });
        doc.Clear(QStringLiteral("単元"), QStringLiteral("u.lin"));
    }
    void Select(std::initializer_list<int> rows, bool keep = false) {
        std::bitset<MaxGraphs> selected = keep ? table.Selected : std::bitset<MaxGraphs>();
        for (int i : rows) {
            selected.set(i);
        }
        doc.SetSelection(selected);
    }

    void Tool(GraphKind kind, int endKind = 0) {
        edit.LineMode = kind;
        if (kind == GraphKind::Segment) {
            edit.SegmentEndKind = endKind;
        } else if (kind == GraphKind::Ray) {
            edit.RayEndKind = endKind;
        }
    }
    void Take(const GestureEffects& e) {
        messages += e.messages;
        last = e;
    }
    // The mouse goes to p and the button is pressed and released there.
    void Click(int x, int y, GestureButton button = GestureButton::Left, bool inside = true) {
        Take(gesture.Move({x, y}));
        Take(gesture.Press(button, {x, y}, inside, 5, labels));
        const int before = announced;
        const GestureEffects release = gesture.Release(button, false, {x, y}, inside);
        if (announced != before || release.redisplay || !release.messages.isEmpty()) {
            Take(release);
        }
    }
    // A right-button drag from one lattice point to another.
    void Drag(LatticePoint from, LatticePoint to, bool insideAtEnd = true) {
        Take(gesture.Move(from));
        Take(gesture.Press(GestureButton::Right, from, true, 5, labels));
        Take(gesture.Move(to));
        Take(gesture.Release(GestureButton::Right, false, to, insideAtEnd));
    }
    QString Text(int i) const { return table.LineTable[i].Text; }
};

TEST(PlaneGesture, SegmentWithChosenEndsIsListedWithItsDomain) {
    // Segment tool, end kind ≦ ＜, click (0,0), click (1,2), click x=2, click x=−1.
    Board b;
    b.Tool(GraphKind::Segment, 1);
    b.Click(0, 0);
    EXPECT_EQ(b.gesture.State(), DrawRubberBand);
    b.Click(1, 2);
    EXPECT_EQ(b.last.cursor, CursorScissors);
    b.Click(2, 7);
    EXPECT_EQ(b.last.marks.size(), 1u);  // the cross on the line at x = 2
    EXPECT_EQ(b.last.marks[0].shape, PlaneMark::Shape::DomainCross);
    b.Click(-1, 3);
    ASSERT_EQ(b.table.LineCount, 1);
    EXPECT_EQ(b.Text(0), QStringLiteral("y=2x (-1≦x＜2)"));
    EXPECT_EQ(b.table.Memo.mid(1),
              (QStringList{"16711680,273", "y=2x (-1≦x＜2)", "0,0", "1,2", "-1,3", "2,7"}));
    EXPECT_TRUE(b.messages.isEmpty());
    EXPECT_EQ(b.gesture.State(), DrawIdle);
    EXPECT_EQ(b.last.cursor, CursorPencil);
    EXPECT_TRUE(b.table.Selected.test(0));
}

TEST(PlaneGesture, EachToolsClicksMakeTheirGraphOrTheirMessage) {
    struct Row {
        const char* name;
        GraphKind tool;
        int endKind;
        std::vector<LatticePoint> clicks;
        const char* text;  // of the graph made, or empty when none was made
        QStringList messages;
        int stateAfter;
    };
    const QString same = SamePointMessage;
    const Row rows[] = {
        {"line", GraphKind::Line, 0, {{0, 0}, {1, 2}}, "y=2x", {}, DrawIdle},
        {"line on its first point", GraphKind::Line, 0, {{1, 1}, {1, 1}}, "", {same}, DrawIdle},
        {"point", GraphKind::Point, 0, {{2, 3}}, "(  2,  3)", {}, DrawIdle},
        {"segment ends right to left",
         GraphKind::Segment,
         0,
         {{0, 0}, {1, 2}, {3, 0}, {-1, 0}},
         "y=2x (-1≦x≦3)",
         {},
         DrawIdle},
        {"segment ends at one x",
         GraphKind::Segment,
         0,
         {{0, 0}, {1, 2}, {3, 0}, {3, 5}},
         "",
         {BadDomainMessage},
         DrawAwaitFirstEnd},
        {"segment chosen again",
         GraphKind::Segment,
         2,
         {{0, 0}, {1, 2}, {3, 0}, {3, 5}, {1, 1}, {0, 0}},
         "y=2x (0＜x≦1)",
         {BadDomainMessage},
         DrawIdle},
        // On a vertical line the ends lie on the line, whatever x was clicked.
        {"vertical segment",
         GraphKind::Segment,
         1,
         {{2, 0}, {2, 5}, {4, 1}, {-3, 4}},
         "x = 2 (1≦y＜4)",
         {},
         DrawIdle},
        {"vertical segment at one y",
         GraphKind::Segment,
         0,
         {{2, 0}, {2, 5}, {4, 1}, {-3, 1}},
         "",
         {BadDomainMessage},
         DrawAwaitFirstEnd},
        {"ray directed below its line",
         GraphKind::Ray,
         0,
         {{0, 0}, {1, 2}, {1, 5}, {3, 0}},
         "y=2x (x≧1)",
         {},
         DrawIdle},
        {"ray directed at its start's x",
         GraphKind::Ray,
         1,
         {{0, 0}, {1, 2}, {1, 2}, {1, -4}},
         "",
         {BadDirectionMessage},
         DrawAwaitSecondEnd},
        {"ray running left",
         GraphKind::Ray,
         1,
         {{0, 0}, {1, 2}, {1, 2}, {0, 9}},
         "y=2x (x＜1)",
         {},
         DrawIdle},
        {"horizontal ray along its line",
         GraphKind::Ray,
         0,
         {{0, 2}, {3, 2}, {1, 2}, {4, 2}},
         "y =2 (x≧1)",
         {},
         DrawIdle},
        {"vertical ray at its start's y",
         GraphKind::Ray,
         0,
         {{1, 0}, {1, 3}, {5, 2}, {0, 2}},
         "",
         {BadDirectionMessage},
         DrawAwaitSecondEnd},
        {"vertical ray down",
         GraphKind::Ray,
         1,
         {{1, 0}, {1, 3}, {5, 2}, {0, 1}},
         "x = 1 (y＜2)",
         {},
         DrawIdle},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Board b;
        b.Tool(row.tool, row.endKind);
        for (LatticePoint p : row.clicks) {
            b.Click(p.X, p.Y);
        }
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(b.table.LineCount, text.isEmpty() ? 0 : 1);
        if (!text.isEmpty()) {
            EXPECT_EQ(b.Text(0), text);
        }
        EXPECT_EQ(b.messages, row.messages);
        EXPECT_EQ(b.gesture.State(), row.stateAfter);
    }
    // Vertical domain ends are stored on the line.
    Board v;
    v.Tool(GraphKind::Segment);
    for (LatticePoint p : {LatticePoint{2, 0}, {2, 5}, {4, 1}, {-3, 4}}) {
        v.Click(p.X, p.Y);
    }
    EXPECT_EQ(v.table.LineTable[0].D1, (LatticePoint{2, 1}));
    EXPECT_EQ(v.table.LineTable[0].D2, (LatticePoint{2, 4}));
}

TEST(PlaneGesture, TheToolAtTheSecondClickDecidesTheKind) {
    Board b;
    b.Tool(GraphKind::Line);
    b.Click(0, 0);
    b.Tool(GraphKind::Ray, 1);  // the unfinished line becomes a ray
    b.Click(1, 2);
    EXPECT_EQ(b.gesture.State(), DrawAwaitFirstEnd);
    b.Tool(GraphKind::Line);  // states 2 and 3 follow the graph, not the tool
    b.Click(1, 0);
    b.Click(4, 0);
    ASSERT_EQ(b.table.LineCount, 1);
    EXPECT_EQ(b.table.LineTable[0].Kind, GraphKind::Ray);
    EXPECT_EQ(b.Text(0), QStringLiteral("y=2x (x＞1)"));
}

TEST(PlaneGesture, RubberBandIsErasedAndRedrawnAtEveryNewLatticePoint) {
    Board b;
    b.Tool(GraphKind::Line);
    b.Click(0, 0);
    EXPECT_TRUE(b.gesture.FirstMarkShown);
    GestureEffects e = b.gesture.Move({0, 0});  // the same lattice point: nothing to draw
    EXPECT_TRUE(e.marks.empty());
    EXPECT_EQ(e.readout, QStringLiteral(" (  0,  0)"));
    e = b.gesture.Move({3, -1});
    ASSERT_EQ(e.marks.size(), 2u);  // the square goes; the band from the first point is new
    EXPECT_EQ(e.marks[0].shape, PlaneMark::Shape::FirstPoint);
    EXPECT_EQ(e.marks[1].graph.P2, (LatticePoint{3, -1}));
    e = b.gesture.Move({4, 7});
    ASSERT_EQ(e.marks.size(), 2u);  // the old band erased, the new one drawn
    EXPECT_EQ(e.marks[0].graph.P2, (LatticePoint{3, -1}));
    EXPECT_EQ(e.marks[1].graph.P2, (LatticePoint{4, 7}));
    EXPECT_EQ(e.readout, QStringLiteral(" (  4,  7)"));
    EXPECT_EQ(b.gesture.Cancel().redisplay, true);
    EXPECT_FALSE(b.gesture.InProgress());
    // A gesture ended by a redisplay (全部選択, an arrow, a list click) before the mouse moved:
    // the redisplay took the square away, so the next move leaves the plane alone.
    b.Click(2, 1);
    b.gesture.Reset();
    EXPECT_TRUE(b.gesture.Move({5, 3}).marks.empty());
    // A second click on the first point takes the square away with the message.
    b.Click(1, -1);
    b.Click(1, -1);
    ASSERT_EQ(b.last.marks.size(), 1u);
    EXPECT_EQ(b.last.marks[0].shape, PlaneMark::Shape::FirstPoint);
    EXPECT_TRUE(b.gesture.Move({5, 3}).marks.empty());
}

TEST(PlaneGesture, DraggingEndsWithTheRightButton) {
    Board b;
    b.Tool(GraphKind::Line);
    b.Click(0, 0);
    b.Click(2, 1);
    b.Tool(GraphKind::Segment);
    b.Click(0, 3);
    b.Click(1, 3);
    b.Click(0, 0);
    b.Click(2, 0);  // graph 1: y =3 (0≦x≦2), selected
    b.Tool(GraphKind::Point);
    b.Click(4, 5);  // graph 2, selected

    // A point dragged to (5,6) gets its new text.
    b.Drag({4, 5}, {5, 6});
    EXPECT_EQ(b.Text(2), QStringLiteral("(  5,  6)"));
    EXPECT_EQ(b.table.LineTable[2].P2, (LatticePoint{5, 99}));

    // An end of an unselected graph cannot be grabbed.
    b.Drag({2, 1}, {2, 2});
    EXPECT_EQ(b.Text(0), QStringLiteral("y=1/2･x"));

    // A segment's end dragged with the line tool up still asks for its domain again.
    b.Select({1});
    b.Tool(GraphKind::Line);
    b.Drag({1, 3}, {2, 4});
    EXPECT_TRUE(b.last.keepPointer);
    EXPECT_EQ(b.last.pointerAt, (LatticePoint{2, 4}));
    EXPECT_EQ(b.gesture.State(), DrawAwaitFirstEnd);
    b.Click(0, 0);
    b.Click(-2, 0);
    EXPECT_EQ(b.table.LineCount, 3);
    EXPECT_EQ(b.Text(1), QStringLiteral("y=1/2･x+3 (-2≦x≦0)"));

    // Dropping an end on the other end, or outside the grid, leaves the graph as it was.
    const TLineSpec before = b.table.LineTable[1];
    b.Drag({2, 4}, {0, 3});
    EXPECT_EQ(b.messages.last(), SamePointMessage);
    EXPECT_TRUE(b.last.redisplay);
    b.Drag({2, 4}, {9, 9}, false);
    EXPECT_TRUE(b.last.redisplay);
    EXPECT_EQ(b.table.LineTable[1], before);
    EXPECT_FALSE(b.gesture.InProgress());

    // A right click without a drag selects the first graph with an end there.
    b.Select({0, 2}, true);
    const int announcedBefore = b.announced;
    b.Drag({0, 0}, {0, 0});
    EXPECT_EQ(b.announced, announcedBefore + 1);
    EXPECT_EQ(b.table.Selected.count(), 1u);
    EXPECT_TRUE(b.table.Selected.test(0));
    EXPECT_EQ(b.table.LineCount, 3);
}

TEST(PlaneGesture, LabelsArePlacedOneClickAtATimeAnywhere) {
    Board b;
    b.Tool(GraphKind::Label);
    b.labels.texts = QStringList{QStringLiteral("Ａ"), QStringLiteral("km")};
    b.labels.sizes = {12, 20};
    b.labels.current = 0;
    b.Click(-12, 11, GestureButton::Left, false);  // in the margin, outside the grid
    ASSERT_EQ(b.table.LineCount, 1);
    const TLineSpec& a = b.table.LineTable[0];
    EXPECT_EQ(a.Text, QStringLiteral("Ａ"));
    EXPECT_EQ(a.P1, (LatticePoint{-12, 11}));
    EXPECT_EQ(a.P2, (LatticePoint{12, -99}));
    EXPECT_EQ(a.D2, (LatticePoint{12, 0}));
    EXPECT_FALSE(b.last.labelsDone);
    EXPECT_EQ(b.labels.current, 1);
    b.Click(3, 2);
    EXPECT_EQ(b.table.LineTable[1].D2.X, 20);
    EXPECT_TRUE(b.last.labelsDone);
    EXPECT_FALSE(b.labels.waiting());
    b.Click(4, 4);  // nothing waits: nothing is placed
    EXPECT_EQ(b.table.LineCount, 2);
}

TEST(PlaneGesture, AFullTableRefusesNewGraphsButKeepsTheQueue) {
    Board b;
    for (int i = 0; i < MaxGraphs; ++i) {
        b.doc.AddOrReplaceGraph(b.edit, NewLineSpec(b.edit, b.table, {0, i}, {1, i + 1}), -1);
    }
    b.Tool(GraphKind::Line);
    b.Click(0, 0);
    b.Click(3, 1);
    EXPECT_EQ(b.messages, QStringList{TableFullMessage});
    EXPECT_FALSE(b.gesture.InProgress());
    EXPECT_TRUE(b.last.redisplay);  // the band and its handles go, the panels come back
    b.Tool(GraphKind::Label);
    b.labels.texts = QStringList{QStringLiteral("★")};
    b.labels.sizes = {16};
    b.labels.current = 0;
    b.Click(1, 1);
    EXPECT_EQ(b.messages.size(), 2);
    EXPECT_TRUE(b.labels.waiting());  // the refused label keeps its place
    EXPECT_EQ(b.table.LineCount, MaxGraphs);
    // Dragging the end of a graph replaces it even now.
    b.Select({7});
    b.Drag({1, 8}, {2, 8});
    EXPECT_EQ(b.Text(7), QStringLiteral("y=1/2･x+7"));
}

TEST(PlaneGesture, KakuteiStoresANewLineOrMovesEitherGrabbedEnd) {
    Board b;
    b.Click(0, 1), b.Click(2, 2);
    ASSERT_EQ(b.table.LineCount, 1);
    EXPECT_EQ(b.Text(0), QStringLiteral("y=1/2･x+1"));
    b.Drag({0, 1}, {0, 0});  // the first end
    EXPECT_EQ(b.table.LineTable[0].P1, (LatticePoint{0, 0}));
    EXPECT_EQ(b.Text(0), QStringLiteral("y=x"));
    EXPECT_EQ(b.table.LineTable[0].Color, ColorCycleTable[0]);  // a moved line keeps its colour
    b.edit.Form = EquationForm::General;
    b.Drag({2, 2}, {1, 3});  // the second end, written in the general form
    EXPECT_EQ(b.table.LineTable[0].P2, (LatticePoint{1, 3}));
    EXPECT_EQ(b.Text(0), QStringLiteral("-3x+y=0"));
    EXPECT_EQ(b.table.LineCount, 1);
    EXPECT_EQ(b.table.ColorCycle, 1);
}

}  // namespace
