// Choosing and changing graphs with the keyboard alone: the formula list's keys, which end in the
// same handlers as the mouse. The plane's own keys are the plane controller's.
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "main/main_window.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

bool TfrmMain::lstShikiKeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_Delete) {
        if (!Doc.Table().Selected.none()) {
            spdTeiseiClick();
        }
        return true;
    }
    if (!(modifiers & Qt::ControlModifier)) {
        return false;
    }
    // The arrow buttons' moves of the selected graphs.
    switch (key) {
        case Qt::Key_Up:
            MoveSelectedClick('U');
            return true;
        case Qt::Key_Down:
            MoveSelectedClick('D');
            return true;
        case Qt::Key_Left:
            MoveSelectedClick('L');
            return true;
        case Qt::Key_Right:
            MoveSelectedClick('R');
            return true;
        default:
            return false;
    }
}

void TfrmMain::lstShikiKeySelect() {
    if (Doc.Table().LineCount > 0) {
        RedrawAll();
    }
}
