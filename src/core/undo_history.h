// The drawing's history for undo and redo: snapshots of the graph table (with its memo and
// selection), the plane settings and the colour cycle, taken whenever the drawing has changed.
#pragma once

#include <cstdint>
#include <deque>

#include "graph_model.h"
#include "plane_settings.h"

// The drawing as undo puts it back.
struct DrawingState {
    GraphTable Table;
    PlaneSettings Plane;
    int32_t ColorCycle = 0;
};

// Whether two states show the same drawing: the graphs, the memo and the plane. The selection
// and the colour cycle only go along with a change; alone they are not one.
bool SameDrawing(const DrawingState& a, const DrawingState& b);

class UndoHistory {
  public:
    static constexpr int Limit = 200;  // steps kept; older ones are dropped

    // Starts a new history at the drawing as it is; it counts as saved when saved is true.
    void Reset(const DrawingState& current, bool saved);
    // Notes the drawing as it is now. When it differs from the state last noted, that state
    // becomes an undo step and the redo steps are dropped; returns whether a step was taken.
    bool Note(const DrawingState& current);
    // The drawing as it is now is what the file holds. Small changes a save itself makes (the
    // memo's title line) are folded into the current state instead of making a step.
    void MarkSaved(const DrawingState& current);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    int UndoCount() const { return int(undo_.size()); }
    // Steps back or forward; only when CanUndo / CanRedo. Returns the state to put back.
    const DrawingState& Undo();
    const DrawingState& Redo();
    // Whether the current state is the one last saved, so closing needs no question.
    bool AtSaved() const { return current_.id == savedId_; }

  private:
    struct Step {
        DrawingState state;
        int64_t id = 0;
    };
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    Step current_;
    int64_t nextId_ = 1;
    int64_t savedId_ = 0;
};
