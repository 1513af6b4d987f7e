// The plane widget: mouse and keys become lattice events.
#include "plane/plane_view.h"

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
    }
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
