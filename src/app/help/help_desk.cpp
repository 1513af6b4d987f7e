// The help desk.
#include "help/help_desk.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "help/help_context.h"
#include "help/help_window.h"
#include "window_parts.h"

HelpDesk::HelpDesk(QWidget* owner) : QObject(owner), owner_(owner) {
    QApplication::instance()->installEventFilter(this);
}

void HelpDesk::ShowTopic(int context) {
    if (window_ == nullptr) {
        window_ = new THelpWindow(owner_);
        KeepInFreeArea(*window_);
    }
    // Over a modal window the help must be modal too, or it could be seen but not used; otherwise
    // it stays beside the program's windows. Modality changes only when the window is shown.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != window_ ? Qt::ApplicationModal : Qt::NonModal;
    if (window_->windowModality() != wanted) {
        window_->hide();
        window_->setWindowModality(wanted);
    }
    if (context == MainHelpContext) {
        window_->ShowContents();
    } else {
        window_->ShowTopic(context);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void HelpDesk::ShowTopicOf(const QObject* pressedOn) {
    if (const QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const QAction* item = menu->activeAction()) {
            ShowTopic(HelpContextOf(item));
            return;
        }
    }
    const QObject* focus = pressedOn != nullptr ? pressedOn : QApplication::focusWidget();
    ShowTopic(HelpContextOf(focus != nullptr ? focus : QApplication::activeWindow()));
}

bool HelpDesk::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        ShowTopicOf(watched);
        return true;
    }
    return false;
}
