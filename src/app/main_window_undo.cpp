// Undo and redo of the drawing: every redisplay notes whether the drawing changed, and a step
// back or forward puts a whole snapshot back and redraws everything.
#include <QAction>

#include "main_window.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"

DrawingState TfrmMain::CurrentDrawing() const {
    // While the settings window is open its boxes are only being tried out on the plane; the
    // drawing's plane is the one the window will go back to on Cancel.
    const bool tryingPlane = frmSetCood != nullptr && frmSetCood->isVisible();
    return {Table, tryingPlane ? frmSetCood->Snapshot() : SetCoodSettings, Edit.ColorCycle};
}

void TfrmMain::NoteDrawingChange() {
    if (History.Note(CurrentDrawing())) {
        CountChangeForRecovery();
    }
    UpdateUndoCommands();
}

void TfrmMain::StartHistory() {
    History.Reset(CurrentDrawing(), Edit.DataSaved);
    UpdateUndoCommands();
    RemoveRecoveryCopy();  // the drawing was replaced
}

void TfrmMain::NoteSaved() {
    Edit.DataSaved = true;
    History.MarkSaved(CurrentDrawing());
    RemoveRecoveryCopy();
}

void TfrmMain::UpdateUndoCommands() {
    mnuUndo->setEnabled(!LockState && History.CanUndo());
    mnuRedo->setEnabled(!LockState && History.CanRedo());
}

void TfrmMain::mnuUndoClick() {
    StepHistory(true);
}

void TfrmMain::mnuRedoClick() {
    StepHistory(false);
}

void TfrmMain::StepHistory(bool back) {
    if (Edit.DrawState > DrawIdle) {
        // As 訂正: the press only takes back the gesture in progress.
        CancelGesture();
        return;
    }
    if (!LockState && (back ? History.CanUndo() : History.CanRedo())) {
        RestoreDrawing(back ? History.Undo() : History.Redo());
    }
}

void TfrmMain::RestoreDrawing(const DrawingState& state) {
    Table = state.Table;
    const bool keep = SetCoodSettings.KeepInRegistry;
    SetCoodSettings = state.Plane;
    SetCoodSettings.KeepInRegistry = keep;
    Edit.ColorCycle = state.ColorCycle;
    if (frmSetCood != nullptr) {
        frmSetCood->ShowSettings();
        frmSetCood->SaveSnapshot();
    }
    RefillShikiList();
    ShowLineCount();
    DispAllLine();  // with a selection, its panels too
    if (Table.Selected.none()) {
        ClearAllPanels();
    }
    Edit.DataSaved = History.AtSaved();
    if (Edit.DataSaved) {
        RemoveRecoveryCopy();  // back to what the file holds
    } else {
        CountChangeForRecovery();  // a step back or forward is a change the copy must follow
    }
    UpdateUndoCommands();
}
