// The program's help as its windows ask for it: the help window, made on its first use, on its
// contents or a topic by context number, and F1 in any window of the program.
#pragma once

#include <QObject>

class QWidget;
class THelpWindow;

class HelpDesk : public QObject {
    Q_OBJECT
  public:
    // The help window is owned by owner (the main window). F1 is watched on the whole
    // application: a shortcut of one window would be blocked while a modal window is open.
    explicit HelpDesk(QWidget* owner);

    // MainHelpContext shows the contents.
    void ShowTopic(int context);
    // The topic of what F1 was pressed on: an open menu's highlighted item first, then the widget
    // the key went to (without it, the one in focus), then the active window.
    void ShowTopicOf(const QObject* pressedOn);
    // Null until help was first shown.
    THelpWindow* Window() const { return window_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* owner_;
    THelpWindow* window_ = nullptr;
};
