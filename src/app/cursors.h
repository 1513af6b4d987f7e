// The program's own mouse cursors, in the numbered slots every cursor change refers to.
#pragma once

#include <QCursor>
#include <array>

enum CursorSlot : int {
    CursorArrow = 1,     // formula list; plane while a rubber band follows the mouse
    CursorFinger = 2,    // endpoint of a line, segment or ray grabbed for dragging
    CursorPoint = 3,     // point grabbed for dragging
    CursorCross = 4,     // value table; choosing the direction of a ray
    CursorPencil = 5,    // plane when idle
    CursorScissors = 6,  // choosing the domain ends of a segment or ray
};

// Slots 1..6 (slot 0 is the ordinary arrow).
using CursorSlots = std::array<QCursor, 7>;
CursorSlots LoadCursorSlots();
