// The plane's side of the window: a gesture ends when the pointer leaves over the bare window or
// the cancel key is pressed; the gestures themselves are the plane controller's.
#include <QMouseEvent>

#include "main/main_window.h"

void TfrmMain::FormMouseMove() {
    if (plane_->InProgress()) {
        CancelGesture();
    }
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    QWidget* body = centralWidget();
    if (watched == body && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (body->childAt(move->position().toPoint()) == nullptr) {
            FormMouseMove();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::CancelGesture() {
    plane_->Cancel();
}
