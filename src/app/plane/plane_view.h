// The coordinate plane as a widget, one for the main plane, the practice plane and the unit
// preview: the picture, the geometry it was drawn with, pixels turned into lattice points, the
// gestures' marks, and on the planes a user draws on the keyboard's lattice cursor. It reports
// lattice presses, moves, releases and keys; each window decides what they mean.
#pragma once

#include <vector>

#include "display_options.h"
#include "plane/image_view.h"
#include "plane_geometry.h"
#include "plane_gesture.h"
#include "plane_keys.h"

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

  signals:
    void latticePressed(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    void latticeMoved(LatticePoint at, bool inGrid);
    void latticeReleased(GestureButton button, LatticePoint at, bool inGrid, bool ctrl);
    // Shift+Enter (right press or release) and Esc at the lattice cursor.
    void planeKey(PlaneKeyAction action, LatticePoint at);

  private:
    void Pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void Moved(QPoint pos);
    void Released(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    bool Key(int key, Qt::KeyboardModifiers modifiers);
    LatticeRange GridRange() const;
    void ShowKeyCursor();

    bool keyboard_;
    bool drawn_ = false;
    PlaneGeometry geometry_;
    PlaneKeyboard keys_;
};
