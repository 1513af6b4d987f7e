// Drawing and choosing graphs with the keyboard alone: the plane's keys that are not the mouse's,
// and the formula list's keys. Every key ends in the same handlers as the mouse.
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "main/main_window.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

void TfrmMain::imgCoodKeyPress(PlaneKeyAction action, LatticePoint at) {
    switch (action) {
        case PlaneKeyAction::RightPress:
            imgCoodMouseDown(GestureButton::Right, at, true, false);
            if (!Gesture.InProgress()) {
                // Nothing was grabbed: the button goes up at once, so the next Shift+Enter is a
                // press again rather than the release of nothing.
                imgCoodMouseUp(GestureButton::Right, at, true, false);
                body_.imgCood->releaseKeyRightButton();
            }
            break;
        case PlaneKeyAction::RightRelease:
            imgCoodMouseUp(GestureButton::Right, at, true, false);
            break;
        case PlaneKeyAction::Cancel:
            if (Gesture.InProgress()) {
                CancelGesture();
            }
            break;
        default:
            break;
    }
}

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
