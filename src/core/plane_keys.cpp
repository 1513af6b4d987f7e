// Keys on the plane.
#include "plane_keys.h"

#include <algorithm>

namespace {

LatticePoint Clamped(LatticePoint p, const LatticeRange& grid) {
    return {std::clamp(p.X, grid.xMin, grid.xMax), std::clamp(p.Y, grid.yMin, grid.yMax)};
}

}  // namespace

PlaneKeyAction PlaneKeyboard::Key(int key, Qt::KeyboardModifiers modifiers,
                                  const LatticeRange& grid) {
    const bool shift = modifiers & Qt::ShiftModifier;
    const int stride = shift ? ShiftStride : 1;
    int dx = 0;
    int dy = 0;
    switch (key) {
        case Qt::Key_Left:
            dx = -stride;
            break;
        case Qt::Key_Right:
            dx = stride;
            break;
        case Qt::Key_Up:
            dy = stride;  // lattice y grows upwards
            break;
        case Qt::Key_Down:
            dy = -stride;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (shift) {
                RightHeld = !RightHeld;
                return RightHeld ? PlaneKeyAction::RightPress : PlaneKeyAction::RightRelease;
            }
            return PlaneKeyAction::LeftClick;
        case Qt::Key_Space:
            return PlaneKeyAction::LeftClick;
        case Qt::Key_Escape:
            RightHeld = false;
            return PlaneKeyAction::Cancel;
        default:
            return PlaneKeyAction::None;
    }
    // At the grid's edge the cursor stays; the key is still the plane's, not the window's.
    Cursor = Clamped({Cursor.X + dx, Cursor.Y + dy}, grid);
    return PlaneKeyAction::Move;
}

void PlaneKeyboard::Follow(LatticePoint p, const LatticeRange& grid) {
    Cursor = Clamped(p, grid);
}
