// The typesetter's surface on a painter of a printed page (a PDF writer, a printer): texts are
// drawn as text in the canvas's fonts, so that a reader can search and copy them, and strokes as
// the pixels they would cover. Coordinates are canvas pixels; the painter's transform maps them
// onto the page. Without a painter the surface only measures what would be drawn.
#pragma once

#include <QFont>
#include <QHash>
#include <QRectF>

#include "classic_pen.h"

class QPainter;

class PageSurface final : public TextSurface {
  public:
    explicit PageSurface(QPainter* painter) : painter_(painter) {}

    CanvasState& state() override { return state_; }
    void TextOut(int x, int y, const QString& text) override;
    void Line(QPoint from, QPoint to) override;

    // The bounding box of everything written or drawn so far; empty when nothing was.
    QRectF extent() const { return extent_; }

    // The font a canvas font name, size and slant stand for on a page.
    static QFont PageFont(const QString& name, int points, bool italic);

  private:
    struct Metrics {
        QFont font;
        qreal ascent = 0;
        qreal height = 0;
    };
    const Metrics& CurrentMetrics();

    QPainter* painter_;
    CanvasState state_;
    QRectF extent_;
    QHash<QString, Metrics> fonts_;
    Metrics current_;
    QString fontKey_;                 // of current_; empty before the first text
    QHash<QString, qreal> advances_;  // by font key and text: the same signs and digits recur
};
