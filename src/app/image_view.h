// A widget that shows one persistent picture (the plane, a side panel, the tool sample): the
// picture is drawn into image() and shown as it is at every repaint.
#pragma once

#include <QImage>
#include <QWidget>

#include "classic_pen.h"

class ImageView : public QWidget {
    Q_OBJECT
  public:
    explicit ImageView(QWidget* parent = nullptr);

    const QImage& image() const { return canvas_.image; }
    // The picture with its pen, brush and font, for the drawing library; call update() after
    // drawing.
    // A widget not yet shown has had no resize event: its first picture takes the widget's size.
    CanvasImage& canvas() {
        if (canvas_.image.isNull()) {
            clearTo(Qt::white);
        }
        return canvas_;
    }
    void setImage(const QImage& image);
    // A new picture of the widget's size, filled with one colour (the panels' ClearPanel).
    void clearTo(const QColor& colour);
    // Gives widget and picture a new size; the picture is cleared to white.
    void setImageSize(QSize size);

  signals:
    void clicked();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    CanvasImage canvas_;
};
