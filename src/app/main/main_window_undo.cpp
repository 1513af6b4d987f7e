// Undo and redo of the drawing, and the lock: the history follows the drawing's own
// announcements; a step back or forward puts a whole state back, which the drawing announces.
#include <QAction>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

#include "main/main_window.h"
#include "plane/image_view.h"

namespace {

// A two-glyph picture: the left half is the face, the right half the greyed face.
QIcon TwoGlyphIcon(const QImage& picture) {
    const int half = picture.width() / 2;
    QIcon icon(QPixmap::fromImage(picture.copy(0, 0, half, picture.height())));
    icon.addPixmap(QPixmap::fromImage(picture.copy(half, 0, half, picture.height())),
                   QIcon::Disabled);
    return icon;
}

}  // namespace

void TfrmMain::UpdateUndoCommands() {
    // Ctrl+Z takes back a gesture in progress whatever the history holds, also under the lock,
    // where the edit menu and its keys are shut.
    const bool drawing = plane_->State() > DrawIdle;
    menus_.mnuUndo->setEnabled(!LockState && (drawing || Undo.CanUndo()));
    menus_.keyCancelGesture->setEnabled(LockState && drawing);
    menus_.mnuRedo->setEnabled(!LockState && Undo.CanRedo());
}

void TfrmMain::StepHistory(bool back) {
    if (plane_->State() > DrawIdle) {
        // As 訂正: the press only takes back the gesture in progress.
        plane_->Cancel();
        return;
    }
    // The form setting changes only over a press of a form button; the buttons show it as it
    // is, without writing any text again.
    if (!LockState && (back ? Undo.Undo(Edit.Form) : Undo.Redo(Edit.Form))) {
        screen_->ShowForm();
    }
}

void TfrmMain::ToggleLock() {
    const bool wasLocked = LockState;
    LockState = !LockState;
    bar_.btnLocked->setIcon(
        TwoGlyphIcon((wasLocked ? body_.imgUnLocked : body_.imgLocked)->image()));
    // Drawing, deleting, the colour button, opening a unit and the formula list stay usable.
    for (QMenu* menu : {menus_.mnuFile, menus_.mnuEdit, menus_.mnuSettings, menus_.mnuRun,
                        menus_.mnuView, menus_.mnuHelp}) {
        menu->menuAction()->setEnabled(wasLocked);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{bar_.spdOverWrite, bar_.spdTest, bar_.spdRenshu,
                                         bar_.spdKiroku, bar_.spdMoji, bar_.spnMaruRad}) {
        control->setEnabled(wasLocked);
    }
    UpdateUndoCommands();
}
