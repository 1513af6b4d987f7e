// The undo history.
#include "undo_history.h"

#include <algorithm>
#include <utility>

namespace {

// Whether to keep the settings in the registry is a choice of one showing of the settings
// window, not part of the drawing.
bool SamePlane(PlaneSettings a, const PlaneSettings& b) {
    a.KeepInRegistry = b.KeepInRegistry;
    return a == b;
}

}  // namespace

bool SameDrawing(const DrawingState& a, const DrawingState& b) {
    const GraphTable& x = a.Table;
    const GraphTable& y = b.Table;
    return x.LineCount == y.LineCount &&
           std::equal(x.LineTable.begin(), x.LineTable.begin() + x.LineCount,
                      y.LineTable.begin()) &&
           x.Memo == y.Memo && SamePlane(a.Plane, b.Plane);
}

void UndoHistory::Reset(const DrawingState& current, bool saved) {
    undo_.clear();
    redo_.clear();
    current_ = {current, nextId_++, std::nullopt};
    savedId_ = saved ? current_.id : 0;
}

bool UndoHistory::Note(const DrawingState& current, std::optional<FormPress> press) {
    if (SameDrawing(current_.state, current)) {
        // Keeps the selection that goes with this state, so an undo back to it selects the
        // graphs that were selected when the next change was made.
        current_.state.Table.Selected = current.Table.Selected;
        return false;
    }
    undo_.push_back(std::move(current_));
    if (int(undo_.size()) > Limit) {
        undo_.pop_front();
    }
    redo_.clear();
    current_ = {current, nextId_++, press};
    return true;
}

void UndoHistory::MarkSaved(const DrawingState& current) {
    current_.state = current;
    savedId_ = current_.id;
}

const DrawingState& UndoHistory::Undo() {
    redo_.push_back(std::move(current_));
    current_ = std::move(undo_.back());
    undo_.pop_back();
    return current_.state;
}

const DrawingState& UndoHistory::Redo() {
    undo_.push_back(std::move(current_));
    current_ = std::move(redo_.back());
    redo_.pop_back();
    return current_.state;
}

DrawingUndo::DrawingUndo(Drawing& drawing) : drawing_(drawing) {
    history_.Reset(drawing_.State(), drawing_.Saved());
    drawing_.Listen([this](DrawingChanges changes) { Follow(changes); });
}

void DrawingUndo::Follow(DrawingChanges changes) {
    if ((changes & DrawingStepped) != 0) {
        return;  // the step itself moved the history
    }
    if ((changes & DrawingReplaced) != 0) {
        history_.Reset(drawing_.State(), drawing_.Saved());
        return;
    }
    if ((changes & DrawingWritten) != 0) {
        history_.MarkSaved(drawing_.State());
        return;
    }
    constexpr DrawingChanges noted =
        ChangedGraphs | ChangedMemo | ChangedPlane | ChangedColorCycle | ChangedSelection;
    if ((changes & noted) != 0 && history_.Note(drawing_.State(), pressing_) && StepTaken) {
        StepTaken();
    }
}

bool DrawingUndo::Undo(EquationForm& form) {
    if (!history_.CanUndo()) {
        return false;
    }
    if (const std::optional<FormPress>& press = history_.PressToUndo()) {
        form = press->before;
    }
    const DrawingState& state = history_.Undo();
    drawing_.Restore(state, history_.AtSaved());
    return true;
}

bool DrawingUndo::Redo(EquationForm& form) {
    if (!history_.CanRedo()) {
        return false;
    }
    if (const std::optional<FormPress>& press = history_.PressToRedo()) {
        form = press->after;
    }
    const DrawingState& state = history_.Redo();
    drawing_.Restore(state, history_.AtSaved());
    return true;
}
