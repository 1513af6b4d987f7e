// The plane's mouse handlers: mouse events become lattice points for the gesture states, and what
// a gesture step calls for is drawn on the plane, said in message boxes and shown in the list.
#include <QCursor>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSpinBox>
#include <QToolButton>

#include "dialogs.h"
#include "image_view.h"
#include "main/main_window.h"
#include "plane_marks.h"
#include "shiki_list.h"

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

void TfrmMain::imgCoodMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos) {
    if (!GeometryValid) {
        return;
    }
    if (lstMojiM->isVisible()) {
        // The user may have chosen another waiting label to place next.
        MojiQueue.current = lstMojiM->currentRow();
    }
    ApplyGesture(Gesture.Press(ToGestureButton(button), Geometry.PixelToLattice(pos),
                               Geometry.InGrid(pos), Doc.EndCircleRadius(), MojiQueue));
}

void TfrmMain::imgCoodMouseMove(QPoint pos) {
    if (!GeometryValid) {
        return;
    }
    const LatticePoint p = Geometry.PixelToLattice(pos);
    if (Geometry.InGrid(pos)) {
        // Keys and mouse share one position: the keys go on from the mouse's lattice point.
        PlaneKeys.Follow(p, GridRange());
        imgCood->setKeyCursor(Geometry.LatticeToPixel(PlaneKeys.Cursor));
    }
    ApplyGesture(Gesture.Move(p));
}

void TfrmMain::imgCoodMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
    if (!GeometryValid) {
        return;
    }
    ApplyGesture(Gesture.Release(ToGestureButton(button), modifiers & Qt::ControlModifier,
                                 Geometry.PixelToLattice(pos), Geometry.InGrid(pos)));
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
    ApplyGesture(Gesture.Cancel());
}

void TfrmMain::ApplyGesture(const GestureEffects& e) {
    if (!e.marks.empty()) {
        const QRegion changed =
            DrawPlaneMarks(imgCood->canvas(), Geometry, CurrentDisplayOptions(), e.marks);
        imgCood->update(changed);
    }
    for (const QString& message : e.messages) {
        ShowMessage(message);
    }
    if (e.cursor != CursorUnchanged) {
        imgCood->setCursor(Cursors[e.cursor]);
    }
    if (!e.readout.isEmpty()) {
        edtCood->setText(e.readout);
    }
    if (e.clearPanels) {
        ClearAllPanels();
    }
    if (e.stored) {
        ShowStoredGraph(e.storedResult, e.storedIndex);
    }
    if (e.selectionChanged) {
        PushSelectionToList();
        RedrawAll();
    } else if (e.redisplay) {
        DispAllLine();
    }
    if (e.keepPointer) {
        // The pointer stays on the lattice point where the end was released.
        QCursor::setPos(imgCood->mapToGlobal(Geometry.LatticeToPixel(e.pointerAt)));
    }
    if (e.labelsDone) {
        lstMojiM->hide();
        spdMoji->setChecked(false);
        RestoreTool();
    } else if (e.labelPlaced) {
        lstMojiM->setCurrentRow(MojiQueue.current);
    }
}
