// Drawing on the plane with the keyboard alone: a lattice cursor that the arrow keys move inside
// the grid, and the keys that stand for the mouse's clicks at the cursor.
#pragma once

#include <Qt>
#include <cstdint>

#include "line_spec.h"

// The lattice points of the grid, bounds included.
struct LatticeRange {
    int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

// What a key press on the plane stands for.
enum class PlaneKeyAction {
    None,          // not a plane key: the window handles it as it would
    Move,          // a mouse move to the cursor
    LeftClick,     // a left press and release at the cursor (Enter, Space)
    RightPress,    // a right press at the cursor (Shift+Enter): select, grab an end
    RightRelease,  // the right button let go at the cursor (the next Shift+Enter)
    Cancel,        // Esc: the gesture in progress is cancelled, as by 訂正
};

class PlaneKeyboard {
  public:
    static constexpr int ShiftStride = 5;  // lattice units a Shift+arrow moves

    LatticePoint Cursor;
    bool RightHeld = false;  // a Shift+Enter pressed the right button and it is still down

    PlaneKeyAction Key(int key, Qt::KeyboardModifiers modifiers, const LatticeRange& grid);
    // The mouse moved to a lattice point: keys go on from there.
    void Follow(LatticePoint p, const LatticeRange& grid);
};
