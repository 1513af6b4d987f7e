// A widget showing one persistent picture.
#include "plane/image_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    // The picture covers the whole widget, so nothing below needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageView::setImage(const QImage& image) {
    canvas_.image = image;
    update();
}

void ImageView::clearTo(const QColor& colour) {
    canvas_.ratio = devicePixelRatioF();
    canvas_.image = QImage(size(), QImage::Format_RGB32);
    FillCanvas(canvas_, colour.red() | (colour.green() << 8) | (colour.blue() << 16));
    update();
}

void ImageView::setImageSize(QSize size) {
    resize(size);
    clearTo(Qt::white);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the parts asked for: a rubber band repaints a chain of small rectangles.
    for (const QRect& area : event->region()) {
        ShowCanvas(painter, QPoint(0, 0), canvas_, area);
    }
    // The widget that keys go to: without a window manager the window may never be "active".
    if (keyCursor_ && window()->focusWidget() == this) {
        paintKeyCursor(painter, *keyCursor_);
    }
}

void ImageView::paintKeyCursor(QPainter& painter, QPoint centre) const {
    // Each channel is pushed to the far end from the plane's pixel under it, so the cross shows
    // by at least 128 on the grey axes too, where an inversion would change 128 into 127. The
    // arms leave the centre and its neighbours alone: a point or a first-point square there stays
    // visible.
    constexpr int gap = 2;
    const auto away = [](int channel) { return channel < 128 ? 255 : 0; };
    for (const QPoint arm : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        for (int k = gap; k <= KeyCursorArm; ++k) {
            const QPoint at = centre + k * arm;
            const QRgb under =
                canvas_.image.rect().contains(at) ? canvas_.image.pixel(at) : qRgb(255, 255, 255);
            painter.setPen(QColor(away(qRed(under)), away(qGreen(under)), away(qBlue(under))));
            painter.drawPoint(at);
        }
    }
}

void ImageView::setKeyCursor(QPoint centre) {
    if (keyCursor_ == centre) {
        return;
    }
    if (keyCursor_) {
        update(keyCursorArea());
    }
    keyCursor_ = centre;
    update(keyCursorArea());
}

QRect ImageView::keyCursorArea() const {
    return keyCursor_ ? QRect(*keyCursor_ - QPoint(KeyCursorArm, KeyCursorArm),
                              QSize(2 * KeyCursorArm + 1, 2 * KeyCursorArm + 1))
                      : QRect();
}

void ImageView::keyPressEvent(QKeyEvent* event) {
    if (keyHandler && keyHandler(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ImageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update(keyCursorArea());
}

void ImageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(keyCursorArea());
}

bool ImageView::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal && devicePixelRatioF() != canvas_.ratio) {
        canvas_.ratio = devicePixelRatioF();
        update();
        emit pixelRatioChanged();
    }
    return QWidget::event(event);
}

void ImageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (canvas_.image.size() != size()) {
        clearTo(Qt::white);
    }
}

void ImageView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
}

void ImageView::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved(event->position().toPoint());
}

void ImageView::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button(), event->modifiers(), event->position().toPoint());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}
