// Finds a window's controls by the object names the windows give them, and works them as a user
// would: a button clicked, a menu command chosen, a picture clicked or touched. Controls of the
// windows it owns (dialogs, the practice window) are not the window's own and are not found through
// it.
#pragma once

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QEvent>
#include <QPoint>
#include <QTest>
#include <QTimer>

#include "plane/image_view.h"
#include "plane/plane_view.h"

template <class T = QWidget>
T* Control(const QWidget& root, const char* name) {
    for (T* found : root.findChildren<T*>(QString::fromLatin1(name))) {
        if constexpr (std::is_base_of_v<QWidget, T>) {
            // A popup menu is a window of its own but still the root's.
            if (found->window() != &root && !found->inherits("QMenu")) {
                continue;
            }
        }
        return found;
    }
    ADD_FAILURE() << "no control " << name;
    return nullptr;
}

// A list's rows as the user reads them.
inline QStringList ListTexts(const QAbstractItemView* list) {
    QStringList texts;
    for (int i = 0; i < list->model()->rowCount(); ++i) {
        texts.append(list->model()->index(i, 0).data().toString());
    }
    return texts;
}

// The rows of a window's list, one line of text.
inline QString Rows(const QWidget& root, const char* name, QChar between = u' ') {
    return ListTexts(Control<QAbstractItemView>(root, name)).join(between);
}

// Clicks a button or a picture, or chooses a menu command, as the user does; a disabled one
// does nothing, as for the user.
inline void Press(const QWidget& root, const char* name) {
    QObject* found = Control<QObject>(root, name);
    if (auto* action = qobject_cast<QAction*>(found)) {
        action->trigger();
    } else if (auto* button = qobject_cast<QAbstractButton*>(found)) {
        button->click();
    } else if (auto* image = qobject_cast<ImageView*>(found)) {
        emit image->clicked();
    } else {
        ADD_FAILURE() << name << " cannot be pressed";
    }
}

// Shows the window and returns where it stood when it was shown, before its own show handler
// ran: a window manager maps a window where it stands then, whatever it does afterwards.
inline QPoint PlaceWhenShown(QWidget& window) {
    struct Watch : QObject {
        QPoint at{-1, -1};
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show) {
                at = static_cast<QWidget*>(watched)->pos();
            }
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    window.show();
    window.removeEventFilter(&watch);
    return watch.at;
}

// One finger on a touch screen, on a widget (a list's viewport for a list).
struct Finger {
    QWidget* on;
    static QPointingDevice* Screen() {
        static QPointingDevice* screen = QTest::createTouchDevice();
        return screen;
    }
    void Down(QPoint at) { QTest::touchEvent(on, Screen()).press(0, at, on); }
    void To(QPoint at) { QTest::touchEvent(on, Screen()).move(0, at, on); }
    void Up(QPoint at) { QTest::touchEvent(on, Screen()).release(0, at, on); }
    void Tap(QPoint at) { Down(at), Up(at); }
    void Drag(QPoint from, QPoint to) { Down(from), To((from + to) / 2), To(to), Up(to); }
    // Held still until the long press, whose timer is made short so the test need not wait.
    void Hold() {
        auto* timer = on->findChild<QTimer*>(QStringLiteral("longPress"));
        const int interval = timer->interval();
        timer->start(1);
        EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }));
        timer->setInterval(interval);
    }
};
