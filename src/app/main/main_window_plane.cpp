// The plane's mouse handlers: mouse events become lattice points for the gesture states, and what
// a gesture step calls for is drawn on the plane, said in message boxes and shown in the list.
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>
#include <QToolButton>

#include "dialogs.h"
#include "main/main_window.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

void TfrmMain::imgCoodMouseDown(GestureButton button, LatticePoint at, bool inGrid, bool) {
    if (body_.lstMojiM->isVisible()) {
        // The user may have chosen another waiting label to place next.
        MojiQueue.current = body_.lstMojiM->currentRow();
    }
    TakeGestureStep(
        [&] { return Gesture.Press(button, at, inGrid, Doc.EndCircleRadius(), MojiQueue); });
}

void TfrmMain::imgCoodMouseMove(LatticePoint at, bool) {
    TakeGestureStep([&] { return Gesture.Move(at); });
}

void TfrmMain::imgCoodMouseUp(GestureButton button, LatticePoint at, bool inGrid, bool ctrl) {
    TakeGestureStep([&] { return Gesture.Release(button, ctrl, at, inGrid); });
}

void TfrmMain::FormMouseMove() {
    if (Gesture.InProgress()) {
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
    TakeGestureStep([&] { return Gesture.Cancel(); });
}

void TfrmMain::TakeGestureStep(const std::function<GestureEffects()>& step) {
    const int redrawsBefore = planeRedraws_;
    const bool drawingBefore = Gesture.State() > DrawIdle;
    const GestureEffects e = step();
    // A step that stored a graph or chose the selection changed the drawing, and the plane was
    // shown anew with it: the marks of the step are not on that picture.
    const bool shownAnew = planeRedraws_ != redrawsBefore;
    if (!shownAnew) {
        body_.imgCood->drawMarks(CurrentDisplayOptions(), e.marks);
    }
    for (const QString& message : e.messages) {
        ShowMessage(message);
    }
    if (e.cursor != CursorUnchanged) {
        body_.imgCood->setCursor(Cursors[e.cursor]);
    }
    if (!e.readout.isEmpty()) {
        bar_.edtCood->setText(e.readout);
    }
    if (shownAnew) {
        // The undo commands followed the drawing.
    } else if (e.redisplay) {
        RedrawPlane();  // the band and marks go; the selection's panels come back
    } else {
        if (e.clearPanels) {
            ClearAllPanels();  // a new graph is started
        }
        if ((Gesture.State() > DrawIdle) != drawingBefore) {
            UpdateUndoCommands();  // a gesture in progress can be taken back
        }
    }
    if (e.keepPointer) {
        // The pointer stays on the lattice point where the end was released.
        QCursor::setPos(body_.imgCood->mapToGlobal(body_.imgCood->pixelOf(e.pointerAt)));
    }
    if (e.labelsDone) {
        body_.lstMojiM->hide();
        bar_.spdMoji->setChecked(false);
        RestoreTool();
    } else if (e.labelPlaced) {
        body_.lstMojiM->setCurrentRow(MojiQueue.current);
    }
}
