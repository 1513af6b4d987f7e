// Typesetting onto a page painter.
#include "page_surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "display_options.h"

QFont PageSurface::PageFont(const QString& name, int points, bool italic) {
    QFont font(name);
    // The canvas's pixel size: the painter's transform makes it the page's size. Outlines
    // without hinting keep the advances the same at every scale.
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

const PageSurface::Metrics& PageSurface::CurrentMetrics() {
    const QString key = QStringLiteral("%1|%2|%3|")
                            .arg(state_.FontName)
                            .arg(state_.FontSize)
                            .arg(state_.FontItalic);
    if (key == fontKey_) {
        return current_;
    }
    fontKey_ = key;
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        Metrics m;
        m.font = PageFont(state_.FontName, state_.FontSize, state_.FontItalic);
        const QFontMetricsF metrics(m.font);
        m.ascent = metrics.ascent();
        m.height = metrics.height();
        found = fonts_.insert(key, m);
    }
    current_ = found.value();
    return current_;
}

void PageSurface::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    const Metrics& m = CurrentMetrics();
    auto known = advances_.find(fontKey_ + text);
    if (known == advances_.end()) {
        known = advances_.insert(fontKey_ + text, QFontMetricsF(m.font).horizontalAdvance(text));
    }
    const qreal advance = known.value();
    extent_ |= QRectF(x, y, advance, m.height);
    if (painter_ == nullptr) {
        return;
    }
    // The canvas places a text by the top of its line; a painter by its baseline.
    painter_->setFont(m.font);
    painter_->setPen(ColorFromBgr(state_.FontColor));
    painter_->drawText(QPointF(x, y + m.ascent), text);
}

void PageSurface::Line(QPoint from, QPoint to) {
    if (from == to) {
        return;
    }
    const int width = std::max(1, state_.PenWidth);
    QRectF covered;
    if (from.x() == to.x() || from.y() == to.y()) {
        // The pixels the canvas paints: from up to the one before to, width pixels across.
        const QPoint last = to - QPoint(to.x() > from.x()   ? 1
                                        : to.x() < from.x() ? -1
                                                            : 0,
                                        to.y() > from.y()   ? 1
                                        : to.y() < from.y() ? -1
                                                            : 0);
        const int across = -(width / 2);
        covered =
            QRectF(QPointF(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                   QPointF(std::max(from.x(), last.x()) + 1, std::max(from.y(), last.y()) + 1));
        covered = from.x() == to.x() ? covered.adjusted(across, 0, across + width - 1, 0)
                                     : covered.adjusted(0, across, 0, across + width - 1);
        extent_ |= covered;
        if (painter_ != nullptr) {
            painter_->fillRect(covered, ColorFromBgr(state_.PenColor));
        }
        return;
    }
    extent_ |= QRectF(from, to).normalized();
    if (painter_ != nullptr) {
        painter_->setPen(QPen(ColorFromBgr(state_.PenColor), width, Qt::SolidLine, Qt::FlatCap));
        painter_->drawLine(from, to);
    }
}
