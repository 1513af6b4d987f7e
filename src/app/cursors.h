// The program's own mouse cursors, in the numbered slots every cursor change refers to.
#pragma once

#include <QCursor>
#include <array>

#include "cursor_slot.h"

// Slots 1..6 (slot 0 is the ordinary arrow).
using CursorSlots = std::array<QCursor, 7>;
CursorSlots LoadCursorSlots();
