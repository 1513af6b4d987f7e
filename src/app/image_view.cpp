// A widget showing one persistent picture.
#include "image_view.h"

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
    canvas_.image = QImage(size(), QImage::Format_RGB32);
    canvas_.image.fill(colour);
    update();
}

void ImageView::setImageSize(QSize size) {
    resize(size);
    clearTo(Qt::white);
}

void ImageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the parts asked for: a rubber band repaints a chain of small rectangles.
    const QRect picture = canvas_.image.rect();
    for (const QRect& area : event->region()) {
        const QRect shown = area & picture;
        if (shown != area) {
            painter.fillRect(area, Qt::white);
        }
        if (!shown.isEmpty()) {
            painter.drawImage(shown.topLeft(), canvas_.image, shown);
        }
    }
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
