// Taps, drags and long presses of one finger.
#include "finger_tracker.h"

#include <QLineF>
#include <QTimer>
#include <QTouchEvent>
#include <QWidget>

FingerTracker::FingerTracker(QWidget* touched) : QObject(touched), longPress_(new QTimer(this)) {
    touched->setAttribute(Qt::WA_AcceptTouchEvents);
    longPress_->setObjectName(QStringLiteral("longPress"));
    longPress_->setSingleShot(true);
    longPress_->setInterval(LongPressMs);
    connect(longPress_, &QTimer::timeout, this, [this] {
        if (state_ == State::Landed) {
            state_ = State::Held;
            emit held(start_);
        }
    });
}

bool FingerTracker::Read(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
        type != QEvent::TouchCancel) {
        return false;
    }
    event->accept();
    // A new touch, or the system's taking back of this one, ends whatever the last one was doing.
    if (type == QEvent::TouchCancel || (type == QEvent::TouchBegin && state_ != State::Up)) {
        longPress_->stop();
        if (state_ != State::Up) {
            state_ = State::Up;
            emit cancelled();
        }
        if (type == QEvent::TouchCancel) {
            return true;
        }
    }
    for (const QEventPoint& point : static_cast<QTouchEvent*>(event)->points()) {
        const QPoint at = point.position().toPoint();
        if (state_ == State::Up) {
            if (point.state() != QEventPoint::Pressed) {
                continue;
            }
            id_ = point.id();
            start_ = last_ = at;
            state_ = State::Landed;
            longPress_->start();
            emit landed(at);
            continue;
        }
        if (point.id() != id_) {
            continue;
        }
        MovedTo(at);
        if (point.state() == QEventPoint::Released) {
            longPress_->stop();
            const State was = state_;
            state_ = State::Up;
            if (was == State::Landed) {
                emit tapped(start_);
            } else {
                emit lifted(at, was != State::Held);
            }
        }
    }
    return true;
}

void FingerTracker::MovedTo(QPoint at) {
    if (at == last_) {
        return;
    }
    last_ = at;
    if ((state_ == State::Landed || state_ == State::Held) &&
        QLineF(start_, at).length() >= TapSlop) {
        longPress_->stop();
        state_ = state_ == State::Landed ? State::Dragging : State::HeldDragging;
        emit dragStarted(start_);
    }
    if (state_ == State::Dragging || state_ == State::HeldDragging) {
        emit dragged(at);
    }
}
