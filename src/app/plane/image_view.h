// A widget that shows one persistent picture (the plane, a side panel, the tool sample): the
// picture is drawn into image() and shown as it is at every repaint. On a scaled screen the
// drawing library draws it at the screen's resolution too, and that is what is shown.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

#include "classic_pen.h"

class QPainter;

class ImageView : public QWidget {
    Q_OBJECT
  public:
    explicit ImageView(QWidget* parent = nullptr);

    const QImage& image() const { return canvas_.image; }
    // The picture with its pen, brush and font, for the drawing library; call update() after
    // drawing.
    // A widget not yet shown has had no resize event: its first picture takes the widget's size.
    // The canvas takes the device pixel ratio of the screen the widget is on.
    CanvasImage& canvas() {
        canvas_.ratio = devicePixelRatioF();
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

    // The keyboard's lattice cursor: a cross of short arms over the picture, shown while the
    // widget has the focus and drawn inverting what lies below. It is never part of the picture,
    // so it cannot cancel a mark drawn there in the inverting pen.
    void setKeyCursor(QPoint centre);
    std::optional<QPoint> keyCursor() const { return keyCursor_; }
    static constexpr int KeyCursorArm = 6;  // pixels from the centre to an arm's end
    // Keys pressed while the widget has the focus; returns false for keys it leaves alone.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> keyHandler;

  signals:
    void clicked();
    // The widget went to a screen of another device pixel ratio: until the picture is drawn
    // again it is shown enlarged from its logical pixels.
    void pixelRatioChanged();
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QRect keyCursorArea() const;
    void paintKeyCursor(QPainter& painter, QPoint centre) const;

    CanvasImage canvas_;
    std::optional<QPoint> keyCursor_;
};
