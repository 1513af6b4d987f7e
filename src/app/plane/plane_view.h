// The coordinate plane as a widget, one for the main plane, the practice plane and the unit
// preview: the picture, the geometry it was drawn with, pixels turned into lattice points, the
// gestures' marks, and on the planes a user draws on the keyboard's lattice cursor and a finger.
// It reports lattice presses, moves, releases and keys; each window decides what they mean.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "display_options.h"
#include "plane/image_view.h"
#include "plane_geometry.h"
#include "plane_gesture.h"
#include "plane_keys.h"

class FingerTracker;

class PlaneView : public ImageView {
    Q_OBJECT
  public:
    // keyboard: the plane takes the focus and shows the lattice cursor (not the preview).
    explicit PlaneView(bool keyboard, QWidget* parent = nullptr);

    // The geometry the drawing library fills when it draws the plane into canvas().
    PlaneGeometry& planeGeometry() { return geometry_; }
    const PlaneGeometry& planeGeometry() const { return geometry_; }
    // A plane was drawn: the widget takes its size, events are read from now on and the lattice
    // cursor stays inside the new grid.
    void planeDrawn();
    QPoint pixelOf(LatticePoint p) const { return geometry_.LatticeToPixel(p); }
    // Draws the marks in the inverting pen and repaints only what they changed.
    void drawMarks(const DisplayOptions& options, const std::vector<PlaneMark>& marks);
    // The lattice cursor, which keys move and the mouse takes along inside the grid.
    LatticePoint latticeCursor() const { return keys_.Cursor; }
    void setLatticeCursor(LatticePoint p);
    // The right button that Shift+Enter held down is up again.
    void releaseKeyRightButton() { keys_.RightHeld = false; }

    // How a finger is read. What it does comes as the mouse's presses, moves and releases, so
    // the windows' gestures cannot tell it from the mouse: a tap is a left click where the
    // finger landed; a drag is a left click where it lifts, or a right drag of an end it landed
    // near.
    struct TouchRules {
        // The end that a finger landing at pixel drags, if any (EndReach). The end keeps its
        // distance from the finger, so it stays in sight.
        std::function<std::optional<LatticePoint>(QPoint pixel)> endNear;
        // A drag starting now clicks where the finger landed too: a line from there.
        std::function<bool()> dragDrawsLine;
        // A long press is a right press, released where the finger lifts; otherwise the touch
        // does nothing more.
        bool longPressIsRightButton = false;
    };
    static constexpr int EndReach = 24;  // logical pixels
    void setTouchRules(TouchRules rules) { touchRules_ = std::move(rules); }
    bool touching() const;  // a finger is on the plane

  signals:
    void latticePressed(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    void latticeMoved(LatticePoint at, bool inGrid);
    void latticeReleased(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    // Shift+Enter (right press or release) and Esc at the lattice cursor.
    void planeKey(PlaneKeyAction action, LatticePoint at);
    // The finger has lifted or was taken back, after what it did was sent.
    void touchEnded();

  protected:
    bool event(QEvent* event) override;

  private:
    void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void Moved(QPoint pos);
    void Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    LatticeRange GridRange() const;
    void ShowKeyCursor();
    void FingerLanded(QPoint at);
    void FingerDragStarted(QPoint from);
    void FingerHeld(QPoint at);
    void FingerLifted(QPoint at, bool dragged);
    void FingerCancelled();
    void Click(QPoint at);
    void RightPress(QPoint at);

    bool keyboard_;
    bool drawn_ = false;
    PlaneGeometry geometry_;
    PlaneKeyboard keys_;
    FingerTracker* finger_ = nullptr;  // planes a user draws on
    TouchRules touchRules_;
    bool grabsEnd_ = false;              // the finger landed near an end it drags
    QPoint endOffset_;                   // from the finger to that end's pixel
    bool fingerSpent_ = false;           // a long press that does nothing
    std::optional<QPoint> rightDownAt_;  // the finger holds the right button down there
};
