// The main plane's gesture steps and what they show.
#include "main/plane_controller.h"

#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include "dialogs.h"
#include "plane/plane_view.h"

PlaneController::PlaneController(Drawing& drawing, const EditingState& edit,
                                 const CursorSlots& cursors, Controls controls, WindowSide window,
                                 QObject* parent)
    : QObject(parent),
      drawing_(drawing),
      cursors_(cursors),
      controls_(controls),
      window_(std::move(window)),
      gesture_(drawing, edit) {
    PlaneView* plane = controls_.plane;
    connect(plane, &PlaneView::latticePressed, this,
            [this](GestureButton button, LatticePoint at, bool inGrid, bool) {
                Press(button, at, inGrid);
            });
    connect(plane, &PlaneView::latticeMoved, this,
            [this](LatticePoint at, bool) { TakeStep([&] { return gesture_.Move(at); }); });
    connect(plane, &PlaneView::latticeReleased, this,
            [this](GestureButton button, LatticePoint at, bool inGrid, bool ctrl) {
                TakeStep([&] { return gesture_.Release(button, ctrl, at, inGrid); });
            });
    connect(plane, &PlaneView::planeKey, this, &PlaneController::Key);
}

void PlaneController::Cancel() {
    TakeStep([&] { return gesture_.Cancel(); });
}

void PlaneController::PlaneShownAnew() {
    gesture_.Reset();
    ++shownAnew_;
}

void PlaneController::QueueLabels(const LabelQueue& labels) {
    labels_ = labels;
    controls_.labels->clear();
    controls_.labels->addItems(labels_.texts);
    controls_.labels->setCurrentRow(0);
    controls_.labels->show();
    controls_.labels->raise();
}

void PlaneController::DropLabels() {
    controls_.labels->hide();
    labels_.clear();
}

void PlaneController::Press(GestureButton button, LatticePoint at, bool inGrid) {
    if (controls_.labels->isVisible()) {
        // The user may have chosen another waiting label to place next.
        labels_.current = controls_.labels->currentRow();
    }
    TakeStep(
        [&] { return gesture_.Press(button, at, inGrid, drawing_.EndCircleRadius(), labels_); });
}

void PlaneController::Key(PlaneKeyAction action, LatticePoint at) {
    switch (action) {
        case PlaneKeyAction::RightPress:
            Press(GestureButton::Right, at, true);
            if (!gesture_.InProgress()) {
                // Nothing was grabbed: the button goes up at once, so the next Shift+Enter is a
                // press again rather than the release of nothing.
                TakeStep([&] { return gesture_.Release(GestureButton::Right, false, at, true); });
                controls_.plane->releaseKeyRightButton();
            }
            break;
        case PlaneKeyAction::RightRelease:
            TakeStep([&] { return gesture_.Release(GestureButton::Right, false, at, true); });
            break;
        case PlaneKeyAction::Cancel:
            if (gesture_.InProgress()) {
                Cancel();
            }
            break;
        default:
            break;
    }
}

void PlaneController::TakeStep(const std::function<GestureEffects()>& step) {
    const int shownBefore = shownAnew_;
    const bool drawingBefore = gesture_.State() > DrawIdle;
    const GestureEffects e = step();
    // A step that stored a graph or chose the selection changed the drawing, and the plane was
    // shown anew with it: the marks of the step are not on that picture.
    const bool shownAnew = shownAnew_ != shownBefore;
    if (!shownAnew) {
        controls_.plane->drawMarks(window_.displayOptions(), e.marks);
    }
    for (const QString& message : e.messages) {
        ShowMessage(message);
    }
    if (e.cursor != CursorUnchanged) {
        controls_.plane->setCursor(cursors_[e.cursor]);
    }
    if (!e.readout.isEmpty()) {
        controls_.readout->setText(e.readout);
    }
    if (shownAnew) {
        // The undo commands followed the drawing.
    } else if (e.redisplay) {
        gesture_.Reset();
        window_.redisplay();  // the band and marks go; the selection's panels come back
    } else {
        if (e.clearPanels) {
            window_.clearPanels();
        }
        if ((gesture_.State() > DrawIdle) != drawingBefore) {
            window_.gestureStartedOrEnded();
        }
    }
    if (e.keepPointer) {
        // The pointer stays on the lattice point where the end was released.
        QCursor::setPos(controls_.plane->mapToGlobal(controls_.plane->pixelOf(e.pointerAt)));
    }
    if (e.labelsDone) {
        DropLabels();
        controls_.labelTool->setChecked(false);
        window_.restoreTool();
    } else if (e.labelPlaced) {
        controls_.labels->setCurrentRow(labels_.current);
    }
}
