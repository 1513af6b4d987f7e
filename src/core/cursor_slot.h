// The numbered mouse-cursor slots that every cursor change of the plane and the lists refers to.
#pragma once

enum CursorSlot : int {
    CursorUnchanged = 0,  // as an answer of the gesture code: leave the cursor as it is
    CursorArrow = 1,      // formula list; plane while a rubber band follows the mouse
    CursorFinger = 2,     // endpoint of a line, segment or ray grabbed for dragging
    CursorPoint = 3,      // point grabbed for dragging
    CursorCross = 4,      // value table; choosing the direction of a ray
    CursorPencil = 5,     // plane when idle
    CursorScissors = 6,   // choosing the domain ends of a segment or ray
};
