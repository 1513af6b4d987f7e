// One finger on a widget, told apart as tablet users expect: a tap moves less than TapSlop
// logical pixels before it lifts, a drag moves further, a long press stays LongPressMs without
// moving. A widget that takes touch hands its touch events here and reads what comes back; since
// it accepts them, Qt makes no mouse events of them, and the mouse keeps its own meaning.
#pragma once

#include <QObject>
#include <QPoint>

class QEvent;
class QTimer;
class QWidget;

class FingerTracker : public QObject {
    Q_OBJECT
  public:
    static constexpr int TapSlop = 8;        // logical pixels a tap may move
    static constexpr int LongPressMs = 500;  // the timer "longPress", which tests may shorten

    // Touch events of the widget given to Read come as the signals below (positions are the
    // widget's).
    explicit FingerTracker(QWidget* touched);
    // Reads a touch event (and accepts it); false for any other event.
    bool Read(QEvent* event);
    bool Down() const { return state_ != State::Up; }

  signals:
    void landed(QPoint at);
    void dragStarted(QPoint from);  // the finger has gone TapSlop or more from where it landed
    void dragged(QPoint at);        // each move once it drags
    void tapped(QPoint at);         // lifted before it dragged or was held; at: where it landed
    void held(QPoint at);           // the long press
    void lifted(QPoint at, bool dragged);  // after a long press or a drag
    void cancelled();                      // the system took the touch back

  private:
    enum class State { Up, Landed, Dragging, Held, HeldDragging };
    void MovedTo(QPoint at);

    QTimer* longPress_;
    State state_ = State::Up;
    int id_ = -1;  // the finger followed; other fingers are let be
    QPoint start_;
    QPoint last_;
};
