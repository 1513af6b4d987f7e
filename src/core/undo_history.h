// The drawing's history for undo and redo: snapshots of the graph table (with its memo,
// selection and colour cycle) and the plane settings, taken whenever the drawing has changed.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

#include "drawing.h"
#include "equation_text.h"

// Whether two states show the same drawing: the graphs, the memo and the plane. The selection
// and the colour cycle only go along with a change; alone they are not one.
bool SameDrawing(const DrawingState& a, const DrawingState& b);

// A press of a form button that rewrote graphs' texts: the form setting before and after it. The
// setting is the tool's, not the drawing's, so only such a step takes it back and forth.
struct FormPress {
    EquationForm before;
    EquationForm after;
};

class UndoHistory {
  public:
    static constexpr int Limit = 200;  // steps kept; older ones are dropped

    // Starts a new history at the drawing as it is; it counts as saved when saved is true.
    void Reset(const DrawingState& current, bool saved);
    // Notes the drawing as it is now. When it differs from the state last noted, that state
    // becomes an undo step and the redo steps are dropped; returns whether a step was taken.
    // press is the form button's press that made the change, if one did.
    bool Note(const DrawingState& current, std::optional<FormPress> press = std::nullopt);
    // The drawing as it is now is what the file holds. Small changes a save itself makes (the
    // memo's title line) are folded into the current state instead of making a step.
    void MarkSaved(const DrawingState& current);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    int UndoCount() const { return int(undo_.size()); }
    // Steps back or forward; only when CanUndo / CanRedo. Returns the state to put back.
    const DrawingState& Undo();
    const DrawingState& Redo();
    // The form button's press that the next Undo or Redo takes back or makes again, if it is one.
    const std::optional<FormPress>& PressToUndo() const { return current_.press; }
    const std::optional<FormPress>& PressToRedo() const { return redo_.back().press; }
    // Whether the current state is the one last saved, so closing needs no question.
    bool AtSaved() const { return current_.id == savedId_; }

  private:
    struct Step {
        DrawingState state;
        int64_t id = 0;
        std::optional<FormPress> press;  // the press that led from the step before to this one
    };
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    Step current_;
    int64_t nextId_ = 1;
    int64_t savedId_ = 0;
};

// The undo history of one drawing, kept by following its announcements: a change of the graphs,
// the memo, the plane or the colour cycle is a step when the drawing differs from the last one;
// a new drawing starts a new history; a save moves the saved mark.
class DrawingUndo {
  public:
    explicit DrawingUndo(Drawing& drawing);

    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    int UndoCount() const { return history_.UndoCount(); }
    // One step back or forward into the drawing; false when there is none. form is the form
    // setting: it goes back or forward only with a step that was a press of a form button.
    bool Undo(EquationForm& form);
    bool Redo(EquationForm& form);

    // A press of a form button that changed the form setting: rewrite() writes the selected
    // graphs' texts in the new form through the drawing. When that is a step, undoing it brings
    // the setting before back and redoing it the setting after. Returns what rewrite returns.
    template <class Rewrite>
    auto PressForm(FormPress press, Rewrite&& rewrite) {
        pressing_ = press;
        auto result = rewrite();
        pressing_.reset();
        return result;
    }

    // Called when a change became an undo step.
    std::function<void()> StepTaken;

  private:
    void Follow(DrawingChanges changes);

    Drawing& drawing_;
    UndoHistory history_;
    std::optional<FormPress> pressing_;  // while PressForm runs
};
