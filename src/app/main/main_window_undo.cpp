// Undo and redo of the drawing: the history follows the drawing's own announcements; a step back
// or forward puts a whole state back and the window redraws everything.
#include <QAction>
#include <QCheckBox>
#include <QSignalBlocker>

#include "main/main_window.h"
#include "shiki_list.h"

void TfrmMain::UpdateUndoCommands() {
    // Ctrl+Z takes back a gesture in progress whatever the history holds, also under the lock,
    // where the edit menu and its keys are shut.
    const bool drawing = plane_->State() > DrawIdle;
    menus_.mnuUndo->setEnabled(!LockState && (drawing || Undo.CanUndo()));
    menus_.keyCancelGesture->setEnabled(LockState && drawing);
    menus_.mnuRedo->setEnabled(!LockState && Undo.CanRedo());
}

void TfrmMain::mnuUndoClick() {
    StepHistory(true);
}

void TfrmMain::mnuRedoClick() {
    StepHistory(false);
}

void TfrmMain::StepHistory(bool back) {
    if (plane_->State() > DrawIdle) {
        // As 訂正: the press only takes back the gesture in progress.
        CancelGesture();
        return;
    }
    if (!LockState && (back ? Undo.Undo(Edit.Form) : Undo.Redo(Edit.Form))) {
        ShowRestoredDrawing();
    }
}

void TfrmMain::ShowRestoredDrawing() {
    // The form setting changes only over a press of a form button; the buttons show it as it is,
    // without writing any text again.
    ShowForm();
}
