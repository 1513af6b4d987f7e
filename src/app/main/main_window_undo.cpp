// Undo and redo of the drawing: the history follows the drawing's own announcements; a step back
// or forward puts a whole state back and the window redraws everything.
#include <QAction>

#include "main/main_window.h"
#include "shiki_list.h"

void TfrmMain::UpdateUndoCommands() {
    menus_.mnuUndo->setEnabled(!LockState && Undo.CanUndo());
    menus_.mnuRedo->setEnabled(!LockState && Undo.CanRedo());
}

void TfrmMain::mnuUndoClick() {
    StepHistory(true);
}

void TfrmMain::mnuRedoClick() {
    StepHistory(false);
}

void TfrmMain::StepHistory(bool back) {
    if (Gesture.State() > DrawIdle) {
        // As 訂正: the press only takes back the gesture in progress.
        CancelGesture();
        return;
    }
    if (!LockState && (back ? Undo.Undo() : Undo.Redo())) {
        ShowRestoredDrawing();
    }
}

void TfrmMain::ShowRestoredDrawing() {
    body_.lstShiki->ShowRows();
    ShowLineCount();
    DispAllLine();  // with a selection, its panels too
    if (Doc.Table().Selected.none()) {
        ClearAllPanels();
    }
    // Back at what the file holds, the copy went with the announcement; otherwise a step back or
    // forward is a change the copy must follow.
    if (!Doc.Saved()) {
        Recovery.CountChange();
    }
}
