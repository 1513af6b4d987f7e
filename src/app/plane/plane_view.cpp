// The plane widget: mouse, keys and a finger become lattice events.
#include "plane/plane_view.h"

#include "finger_tracker.h"
#include "plane_marks.h"

namespace {

GestureButton ToGestureButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return GestureButton::Left;
        case Qt::RightButton:
            return GestureButton::Right;
        default:
            return GestureButton::Middle;
    }
}

}  // namespace

PlaneView::PlaneView(bool keyboard, QWidget* parent) : ImageView(parent), keyboard_(keyboard) {
    setMouseTracking(true);
    connect(this, &ImageView::mousePressed, this, &PlaneView::Pressed);
    connect(this, &ImageView::mouseMoved, this, &PlaneView::Moved);
    connect(this, &ImageView::mouseReleased, this, &PlaneView::Released);
    if (keyboard_) {
        setFocusPolicy(Qt::StrongFocus);
        keyHandler = [this](int key, Qt::KeyboardModifiers modifiers) {
            return Key(key, modifiers);
        };
        finger_ = new FingerTracker(this);
        connect(finger_, &FingerTracker::landed, this, &PlaneView::FingerLanded);
        connect(finger_, &FingerTracker::dragStarted, this, &PlaneView::FingerDragStarted);
        connect(finger_, &FingerTracker::dragged, this, [this](QPoint at) {
            if (!fingerSpent_) {
                Moved(at + endOffset_);
            }
        });
        connect(finger_, &FingerTracker::tapped, this, [this](QPoint at) {
            Click(at);
            emit touchEnded();
        });
        connect(finger_, &FingerTracker::held, this, &PlaneView::FingerHeld);
        connect(finger_, &FingerTracker::lifted, this, &PlaneView::FingerLifted);
        connect(finger_, &FingerTracker::cancelled, this, &PlaneView::FingerCancelled);
    }
}

bool PlaneView::touching() const {
    return finger_ && finger_->Down();
}

bool PlaneView::event(QEvent* event) {
    if (finger_ && drawn_ && finger_->Read(event)) {
        return true;
    }
    return ImageView::event(event);
}

void PlaneView::planeDrawn() {
    drawn_ = true;
    resize(image().size());
    ShowKeyCursor();
}

void PlaneView::drawMarks(const DisplayOptions& options, const std::vector<PlaneMark>& marks) {
    if (!marks.empty()) {
        update(DrawPlaneMarks(canvas(), geometry_, options, marks));
    }
}

void PlaneView::setLatticeCursor(LatticePoint p) {
    keys_.Cursor = p;
    ShowKeyCursor();
}

LatticeRange PlaneView::GridRange() const {
    return {geometry_.xMin, geometry_.xMax, geometry_.yMin, geometry_.yMax};
}

void PlaneView::ShowKeyCursor() {
    if (keyboard_ && drawn_) {
        // The plane may have changed size since the cursor last moved.
        keys_.Follow(keys_.Cursor, GridRange());
        setKeyCursor(geometry_.LatticeToPixel(keys_.Cursor));
    }
}

void PlaneView::Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
    if (drawn_) {
        emit latticePressed(ToGestureButton(button), geometry_.PixelToLattice(pos),
                            geometry_.InGrid(pos), modifiers & Qt::ControlModifier);
    }
}

void PlaneView::Moved(QPoint pos) {
    if (!drawn_) {
        return;
    }
    const LatticePoint p = geometry_.PixelToLattice(pos);
    const bool inGrid = geometry_.InGrid(pos);
    if (inGrid && keyboard_) {
        // Keys and mouse share one position: the keys go on from the mouse's lattice point.
        keys_.Follow(p, GridRange());
        setKeyCursor(geometry_.LatticeToPixel(keys_.Cursor));
    }
    emit latticeMoved(p, inGrid);
}

void PlaneView::Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
    if (drawn_) {
        emit latticeReleased(ToGestureButton(button), geometry_.PixelToLattice(pos),
                             geometry_.InGrid(pos), modifiers & Qt::ControlModifier);
    }
}

bool PlaneView::Key(int key, Qt::KeyboardModifiers modifiers) {
    if (!drawn_) {
        return false;
    }
    const PlaneKeyAction action = keys_.Key(key, modifiers, GridRange());
    const LatticePoint at = keys_.Cursor;
    switch (action) {
        case PlaneKeyAction::None:
            return false;
        case PlaneKeyAction::Move:
            Moved(geometry_.LatticeToPixel(at));
            break;
        case PlaneKeyAction::LeftClick:
            emit latticePressed(GestureButton::Left, at, true, false);
            emit latticeReleased(GestureButton::Left, at, true, false);
            break;
        default:
            emit planeKey(action, at);
            break;
    }
    ShowKeyCursor();
    return true;
}

void PlaneView::FingerLanded(QPoint at) {
    fingerSpent_ = false;
    rightDownAt_.reset();
    const std::optional<LatticePoint> end =
        touchRules_.endNear ? touchRules_.endNear(at) : std::nullopt;
    grabsEnd_ = end.has_value();
    endOffset_ = end ? geometry_.LatticeToPixel(*end) - at : QPoint();
    Moved(at);  // where a tap would click
}

void PlaneView::FingerDragStarted(QPoint from) {
    if (fingerSpent_ || rightDownAt_) {
        return;  // a long press has done its press already
    }
    if (grabsEnd_) {
        RightPress(from + endOffset_);
    } else if (touchRules_.dragDrawsLine && touchRules_.dragDrawsLine()) {
        Click(from);
    }
}

void PlaneView::FingerHeld(QPoint at) {
    if (touchRules_.longPressIsRightButton) {
        RightPress(at + endOffset_);
    } else {
        fingerSpent_ = true;
    }
}

void PlaneView::FingerLifted(QPoint at, bool dragged) {
    if (fingerSpent_) {
        // A long press that means nothing here.
    } else if (rightDownAt_) {
        // Held still, the button goes up where it went down, wherever the finger is in its cell.
        Released(Qt::RightButton, {}, dragged ? at + endOffset_ : *rightDownAt_);
    } else {
        Click(at);
    }
    rightDownAt_.reset();
    emit touchEnded();
}

void PlaneView::FingerCancelled() {
    if (rightDownAt_ && drawn_) {
        // Let go off the grid: a held end goes back where it was.
        emit latticeReleased(GestureButton::Right, geometry_.PixelToLattice(*rightDownAt_), false,
                             false);
    }
    rightDownAt_.reset();
    emit touchEnded();
}

void PlaneView::Click(QPoint at) {
    Pressed(Qt::LeftButton, {}, at);
    Released(Qt::LeftButton, {}, at);
}

void PlaneView::RightPress(QPoint at) {
    rightDownAt_ = at;
    Pressed(Qt::RightButton, {}, at);
}
