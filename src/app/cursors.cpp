// Loads the six cursor pictures with their hotspots.
#include "cursors.h"

#include <QPixmap>

CursorSlots LoadCursorSlots() {
    struct Entry {
        const char* file;
        int hotX, hotY;
    };
    // The hotspots match the pictures drawn by resources/cursors/draw_cursors.sh.
    static const Entry entries[7] = {
        {nullptr, 0, 0},
        {":/cursors/arrow.png", 1, 1},
        {":/cursors/finger.png", 11, 1},
        {":/cursors/point.png", 15, 15},
        {":/cursors/cross.png", 15, 15},
        {":/cursors/pencil.png", 1, 30},
        {":/cursors/scissors.png", 15, 2},
    };
    CursorSlots cursors;
    cursors[0] = QCursor(Qt::ArrowCursor);
    for (int i = 1; i < 7; ++i) {
        cursors[i] = QCursor(QPixmap(QString::fromLatin1(entries[i].file)), entries[i].hotX,
                             entries[i].hotY);
    }
    return cursors;
}
