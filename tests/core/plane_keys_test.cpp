// The keyboard's lattice cursor: where each key takes it inside a grid that is wider than high,
// and a graph drawn on the gesture class with keys alone.
#include <gtest/gtest.h>

#include "plane_gesture.h"
#include "plane_keys.h"

namespace {

const LatticeRange Grid{-7, 9, -4, 6};

TEST(PlaneKeys, ArrowsMoveTheCursorInsideTheGridAndOtherKeysClick) {
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const struct {
        LatticePoint from;
        int key;
        Qt::KeyboardModifiers modifiers;
        PlaneKeyAction action;
        LatticePoint to;
    } rows[] = {
        {{0, 0}, Qt::Key_Right, none, PlaneKeyAction::Move, {1, 0}},
        {{0, 0}, Qt::Key_Up, none, PlaneKeyAction::Move, {0, 1}},  // up is +y
        {{0, 0}, Qt::Key_Down, shift, PlaneKeyAction::Move, {0, -4}},
        {{0, 0}, Qt::Key_Left, shift, PlaneKeyAction::Move, {-5, 0}},
        // At and next to each edge: the cursor stops on the grid's last lattice point.
        {{8, 2}, Qt::Key_Right, none, PlaneKeyAction::Move, {9, 2}},
        {{9, 2}, Qt::Key_Right, none, PlaneKeyAction::Move, {9, 2}},
        {{6, 2}, Qt::Key_Right, shift, PlaneKeyAction::Move, {9, 2}},
        {{-6, 2}, Qt::Key_Left, none, PlaneKeyAction::Move, {-7, 2}},
        {{-7, 2}, Qt::Key_Left, none, PlaneKeyAction::Move, {-7, 2}},
        {{3, 5}, Qt::Key_Up, none, PlaneKeyAction::Move, {3, 6}},
        {{3, 6}, Qt::Key_Up, none, PlaneKeyAction::Move, {3, 6}},
        {{3, 2}, Qt::Key_Up, shift, PlaneKeyAction::Move, {3, 6}},
        {{3, -3}, Qt::Key_Down, none, PlaneKeyAction::Move, {3, -4}},
        {{3, -4}, Qt::Key_Down, none, PlaneKeyAction::Move, {3, -4}},
        // Clicks happen where the cursor is.
        {{2, 3}, Qt::Key_Return, none, PlaneKeyAction::LeftClick, {2, 3}},
        {{2, 3}, Qt::Key_Enter, none, PlaneKeyAction::LeftClick, {2, 3}},
        {{2, 3}, Qt::Key_Space, none, PlaneKeyAction::LeftClick, {2, 3}},
        {{2, 3}, Qt::Key_Return, shift, PlaneKeyAction::RightPress, {2, 3}},
        {{2, 3}, Qt::Key_Escape, none, PlaneKeyAction::Cancel, {2, 3}},
        {{2, 3}, Qt::Key_A, none, PlaneKeyAction::None, {2, 3}},
        {{2, 3}, Qt::Key_Tab, none, PlaneKeyAction::None, {2, 3}},
    };
    for (const auto& row : rows) {
        PlaneKeyboard keys;
        keys.Cursor = row.from;
        EXPECT_EQ(keys.Key(row.key, row.modifiers, Grid), row.action)
            << row.from.X << "," << row.from.Y << " key " << row.key;
        EXPECT_EQ(keys.Cursor, row.to) << row.from.X << "," << row.from.Y << " key " << row.key;
    }
}

TEST(PlaneKeys, ShiftEnterPressesThenLetsGoAndEscapeLetsGo) {
    PlaneKeyboard keys;
    EXPECT_EQ(keys.Key(Qt::Key_Return, Qt::ShiftModifier, Grid), PlaneKeyAction::RightPress);
    EXPECT_EQ(keys.Key(Qt::Key_Right, {}, Grid), PlaneKeyAction::Move);
    EXPECT_EQ(keys.Key(Qt::Key_Return, Qt::ShiftModifier, Grid), PlaneKeyAction::RightRelease);
    EXPECT_EQ(keys.Key(Qt::Key_Return, Qt::ShiftModifier, Grid), PlaneKeyAction::RightPress);
    keys.Key(Qt::Key_Escape, {}, Grid);
    EXPECT_FALSE(keys.RightHeld);
    // The mouse takes the cursor along, but never out of the grid.
    keys.Follow({12, -9}, Grid);
    EXPECT_EQ(keys.Cursor, (LatticePoint{9, -4}));
}

TEST(PlaneKeys, LineByKeysAloneOnTheGesture) {
    Drawing drawing;
    EditingState edit;
    LabelQueue labels;
    PlaneGesture gesture(drawing, edit);
    PlaneKeyboard keys;
    keys.Cursor = {-3, 2};
    // What the window does with each key: a move, or a click at the cursor.
    auto press = [&](int key, int times = 1) {
        for (int i = 0; i < times; ++i) {
            if (keys.Key(key, {}, Grid) == PlaneKeyAction::Move) {
                gesture.Move(keys.Cursor);
            } else {
                gesture.Press(GestureButton::Left, keys.Cursor, true, 5, labels);
                gesture.Release(GestureButton::Left, false, keys.Cursor, true);
            }
        }
    };
    press(Qt::Key_Right, 3), press(Qt::Key_Down, 2), press(Qt::Key_Return);  // (0,0)
    EXPECT_EQ(gesture.State(), DrawRubberBand);
    press(Qt::Key_Right), press(Qt::Key_Up, 2);  // the band follows the keys
    press(Qt::Key_Space);
    ASSERT_EQ(drawing.Table().LineCount, 1);
    EXPECT_EQ(drawing.Table().LineTable[0].Text, QStringLiteral("y=2x"));
}

}  // namespace
