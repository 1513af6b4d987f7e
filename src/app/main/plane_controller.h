// The main plane's gestures: presses, moves and releases on imgCood (and the keys and the finger
// that stand for them) become lattice points for the gesture states, and each step's marks,
// messages, cursor, read-out and label queue are shown. A step that changes the drawing is shown by
// the window's refresh, which tells the controller so; everything else a step calls for is done
// here.
#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "cursors.h"
#include "display_options.h"
#include "drawing.h"
#include "label_queue.h"
#include "plane_gesture.h"
#include "plane_keys.h"

class PlaneView;
class QLineEdit;
class QListWidget;
class QToolButton;

class PlaneController : public QObject {
  public:
    // The controls a step shows itself in.
    struct Controls {
        PlaneView* plane;        // imgCood
        QLineEdit* readout;      // edtCood
        QListWidget* labels;     // lstMojiM, the labels waiting to be placed
        QToolButton* labelTool;  // spdMoji
    };
    // What the window does for a step.
    struct WindowSide {
        std::function<DisplayOptions()> displayOptions;
        std::function<void()> redisplay;              // the plane without band or marks, and panels
        std::function<void()> clearPanels;            // a new graph is started
        std::function<void()> gestureStartedOrEnded;  // the undo commands follow
        std::function<void()> restoreTool;            // the last queued label was placed
    };

    PlaneController(Drawing& drawing, const EditingState& edit, const CursorSlots& cursors,
                    Controls controls, WindowSide window, QObject* parent = nullptr);

    DrawStateValue State() const { return gesture_.State(); }
    bool InProgress() const { return gesture_.InProgress(); }
    // Ends the gesture in progress without storing anything and shows the plane without it.
    void Cancel();
    // The plane was painted anew (its marks are gone): the gesture starts over.
    void PlaneShownAnew();
    // Back to idle without a repaint; Forget also drops the points the last gesture passed.
    void Reset() {
        gesture_.Reset();
        pointPreview_.reset();
    }
    void Forget() {
        gesture_.Forget();
        pointPreview_.reset();
    }

    // Labels from the label window, placed by the next clicks.
    void QueueLabels(const LabelQueue& labels);
    void DropLabels();

  private:
    void Press(GestureButton button, LatticePoint at, bool inGrid);
    void Key(PlaneKeyAction action, LatticePoint at);
    void TakeStep(const std::function<GestureEffects()>& step);
    // The end of a selected graph (labels have none to drag) nearest to a finger landing at
    // pixel, within the plane's reach, while no gesture is in progress.
    std::optional<LatticePoint> EndNear(QPoint pixel) const;
    // The point a finger places with the point tool, shown where it would go while it slides.
    void ShowPointPreview(std::optional<LatticePoint> at);

    Drawing& drawing_;
    const EditingState& edit_;
    const CursorSlots& cursors_;
    Controls controls_;
    WindowSide window_;
    PlaneGesture gesture_;
    LabelQueue labels_;
    int shownAnew_ = 0;  // plane repaints for the drawing, so a step knows of one
    std::optional<PlaneMark> pointPreview_;  // drawn in the inverting pen
};
