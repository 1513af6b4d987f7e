// The main plane's gesture steps and what they show.
#include "main/plane_controller.h"

#include <QCursor>
#include <QLineEdit>
#include <QLineF>
#include <QListWidget>
#include <QToolButton>

#include "dialogs.h"
#include "plane/plane_view.h"

PlaneController::PlaneController(Drawing& drawing, const EditingState& edit,
                                 const CursorSlots& cursors, Controls controls, WindowSide window,
                                 QObject* parent)
    : QObject(parent),
      drawing_(drawing),
      edit_(edit),
      cursors_(cursors),
      controls_(controls),
      window_(std::move(window)),
      gesture_(drawing, edit) {
    PlaneView* plane = controls_.plane;
    connect(plane, &PlaneView::latticePressed, this,
            [this](GestureButton button, LatticePoint at, bool inGrid, bool) {
                Press(button, at, inGrid);
            });
    connect(plane, &PlaneView::latticeMoved, this, [this](LatticePoint at, bool inGrid) {
        TakeStep([&] { return gesture_.Move(at); });
        if (controls_.plane->touching() && !gesture_.InProgress() &&
            edit_.LineMode == GraphKind::Point) {
            ShowPointPreview(inGrid ? std::optional(at) : std::nullopt);
        }
    });
    connect(plane, &PlaneView::latticeReleased, this,
            [this](GestureButton button, LatticePoint at, bool inGrid, bool ctrl) {
                TakeStep([&] { return gesture_.Release(button, ctrl, at, inGrid); });
            });
    connect(plane, &PlaneView::planeKey, this, &PlaneController::Key);
    connect(plane, &PlaneView::touchEnded, this, [this] { ShowPointPreview(std::nullopt); });
    plane->setTouchRules({
        .endNear = [this](QPoint pixel) { return EndNear(pixel); },
        .dragDrawsLine =
            [this] {
                return !gesture_.InProgress() && edit_.LineMode != GraphKind::Point &&
                       edit_.LineMode != GraphKind::Label;
            },
        .longPressIsRightButton = true,
    });
}

void PlaneController::Cancel() {
    TakeStep([&] { return gesture_.Cancel(); });
}

void PlaneController::PlaneShownAnew() {
    gesture_.Reset();
    pointPreview_.reset();
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
    ShowPointPreview(std::nullopt);
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
        Reset();
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

std::optional<LatticePoint> PlaneController::EndNear(QPoint pixel) const {
    if (gesture_.InProgress()) {
        return std::nullopt;
    }
    const GraphTable& table = drawing_.Table();
    std::optional<LatticePoint> nearest;
    qreal nearestDistance = PlaneView::EndReach;
    for (int i = 0; i < table.LineCount; ++i) {
        const TLineSpec& graph = table.LineTable[i];
        if (!table.Selected.test(i) || graph.Kind == GraphKind::Label) {
            continue;
        }
        for (const LatticePoint end : {graph.P1, graph.P2}) {
            if (!IsEndpointOf(graph, end)) {
                continue;  // a point's P2 is its circle's radius
            }
            const qreal distance = QLineF(controls_.plane->pixelOf(end), pixel).length();
            if (distance <= nearestDistance && (!nearest || distance < nearestDistance)) {
                nearest = end;
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

void PlaneController::ShowPointPreview(std::optional<LatticePoint> at) {
    std::vector<PlaneMark> marks;
    if (pointPreview_ && (!at || pointPreview_->at != *at)) {
        marks.push_back(*pointPreview_);  // erased
        pointPreview_.reset();
    }
    if (at && !pointPreview_) {
        TLineSpec point =
            NewLineSpec(edit_, drawing_.Table(), *at, {drawing_.EndCircleRadius(), 99});
        pointPreview_ = PlaneMark{PlaneMark::Shape::Graph, *at, point};
        marks.push_back(*pointPreview_);
    }
    controls_.plane->drawMarks(window_.displayOptions(), marks);
}
