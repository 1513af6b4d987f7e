// QPainter made to paint as the classic canvas does.
#include "classic_pen.h"

#include <QFontMetrics>
#include <QHash>
#include <QPen>
#include <QStaticText>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "display_options.h"

CanvasImage MakeCanvasImage(int width, int height) {
    CanvasImage c;
    c.image = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    FillImage(c.image, 0xFFFFFF);
    return c;
}

ClassicCanvas::ClassicCanvas(CanvasImage& target) : target_(target), painter_(&target.image) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

void ClassicCanvas::ApplyMode(PenMode mode) {
    painter_.setCompositionMode(mode == PenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

void ClassicCanvas::ApplyPen(int width) {
    const CanvasState& s = target_.state;
    // Square caps make QPainter paint both ends of a thin stroke; Line chooses the ends itself.
    QPen pen(ColorFromBgr(s.PenColor), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_.setPen(pen);
    ApplyMode(s.Mode);
}

void ClassicCanvas::ApplyBrush() {
    const CanvasState& s = target_.state;
    if (s.BrushSolid) {
        painter_.setBrush(ColorFromBgr(s.BrushColor));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void ClassicCanvas::Line(QPoint from, QPoint to) {
    if (from == to) {
        return;
    }
    const CanvasState& s = target_.state;
    const int width = std::max(1, s.PenWidth);
    TouchStroke(from, to, width);
    if (s.Style == PenStyle::Dotted) {
        PixelStroke(from, to, width, true);
        return;
    }
    if (from.x() == to.x() || from.y() == to.y()) {
        AxisAlignedLine(from, to, width);
        return;
    }
    // A wide slanted stroke is laid from strokes of width 1 side by side across its minor axis,
    // the same columns (or rows) a wide axis-aligned stroke covers.
    PixelStroke(from, to, width, false);
}

void ClassicCanvas::TouchStroke(QPoint from, QPoint to, int width) {
    if (!tracking_) {
        return;
    }
    constexpr int Piece = 24;  // pixels along the major axis per rectangle
    const QPoint d = to - from;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    const int pieces = std::max(1, (steps + Piece - 1) / Piece);
    const int pad = width + 1;
    QPoint start = from;
    for (int k = 1; k <= pieces; ++k) {
        const QPoint end(from.x() + int(std::lround(double(d.x()) * k / pieces)),
                         from.y() + int(std::lround(double(d.y()) * k / pieces)));
        Touch(QRect(start, end).normalized().adjusted(-pad, -pad, pad, pad));
        start = end;
    }
}

void ClassicCanvas::AxisAlignedLine(QPoint from, QPoint to, int width) {
    // Drawn straight into the pixels: the plane is mostly such strokes, and QPainter hands
    // long ones to a thread pool, which costs more than the stroke.
    QRect area;
    const int first = -(width / 2);
    if (from.x() == to.x()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        const int bottom = from.y() < to.y() ? to.y() - 1 : from.y();
        area = QRect(QPoint(from.x() + first, top), QPoint(from.x() + first + width - 1, bottom));
    } else {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        const int right = from.x() < to.x() ? to.x() - 1 : from.x();
        area = QRect(QPoint(left, from.y() + first), QPoint(right, from.y() + first + width - 1));
    }
    QImage& image = target_.image;
    area = area.intersected(image.rect());
    const uint32_t pen = PixelFromBgr(target_.state.PenColor);
    const bool invert = target_.state.Mode == PenMode::NotXor;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            row[x] = invert ? (~(pen ^ row[x]) | 0xFF000000u) : pen;
        }
    }
}

void ClassicCanvas::PixelStroke(QPoint from, QPoint to, int width, bool dotted) {
    // The stroke is walked pixel by pixel, every pixel but the one at its end: the dotted rhythm
    // counts pixels along it, and the plane's many strokes cost less written straight into the
    // pixels than painted. A wide pen paints each pixel across the minor axis, so a dotted wide
    // stroke keeps the gaps it has at width 1.
    const int adx = std::abs(to.x() - from.x());
    const int ady = -std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    const bool alongX = adx >= -ady;
    int err = adx + ady;
    int x = from.x();
    int y = from.y();
    QImage& image = target_.image;
    const QRect bounds = image.rect();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const uint32_t pen = PixelFromBgr(target_.state.PenColor);
    const bool invert = target_.state.Mode == PenMode::NotXor;
    for (int step = 0; !(x == to.x() && y == to.y()); ++step) {
        if (!dotted || step % (DotOn + DotOff) < DotOn) {
            for (int i = 0; i < width; ++i) {
                const int offset = i - width / 2;
                const QPoint p = alongX ? QPoint(x, y + offset) : QPoint(x + offset, y);
                if (bounds.contains(p)) {
                    auto* pixel = reinterpret_cast<uint32_t*>(bits + p.y() * stride) + p.x();
                    *pixel = invert ? (~(pen ^ *pixel) | 0xFF000000u) : pen;
                }
            }
        }
        const int e2 = 2 * err;
        if (e2 >= ady) {
            err += ady;
            x += sx;
        }
        if (e2 <= adx) {
            err += adx;
            y += sy;
        }
    }
}

void ClassicCanvas::Ellipse(int l, int t, int r, int b) {
    if (r <= l || b <= t) {
        return;  // an empty box: a circle of radius 0 draws nothing
    }
    const int w = std::max(1, target_.state.PenWidth);
    Touch(QRect(QPoint(l, t), QPoint(r, b)).adjusted(-w, -w, w, w));
    ApplyPen(std::max(1, target_.state.PenWidth));
    ApplyBrush();
    painter_.drawEllipse(QRect(l, t, r - l - 1, b - t - 1));
}

void ClassicCanvas::Rectangle(int l, int t, int r, int b) {
    if (r <= l || b <= t) {
        return;
    }
    const int w = std::max(1, target_.state.PenWidth);
    Touch(QRect(QPoint(l, t), QPoint(r, b)).adjusted(-w, -w, w, w));
    ApplyPen(std::max(1, target_.state.PenWidth));
    ApplyBrush();
    painter_.drawRect(QRect(l, t, r - l - 1, b - t - 1));
}

const QFont& ClassicCanvas::CurrentFont() {
    const CanvasState& s = target_.state;
    if (s.FontName != fontName_ || s.FontSize != fontSize_ || s.FontItalic != fontItalic_) {
        fontName_ = s.FontName;
        fontSize_ = s.FontSize;
        fontItalic_ = s.FontItalic;
        font_ = CanvasFont(fontName_, fontSize_, fontItalic_);
        painter_.setFont(font_);
        const QFontMetrics metrics(font_);
        fontHeight_ = metrics.height();
        fontKey_ = QStringLiteral("%1|%2|%3|").arg(fontName_).arg(fontSize_).arg(fontItalic_);
    }
    return font_;
}

namespace {

// Laid-out texts by font and text. The panels and tables write the same few numbers and signs
// again and again, and laying text out costs more than painting it.
struct LaidOutText {
    QStaticText text;
    int advance = 0;
};

LaidOutText& LaidOut(const QString& key, const QString& text, const QFont& font) {
    static QHash<QString, LaidOutText> cache;
    auto it = cache.find(key);
    if (it != cache.end()) {
        return *it;
    }
    if (cache.size() > 4096) {
        cache.clear();
    }
    LaidOutText laid;
    laid.text = QStaticText(text);
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.setPerformanceHint(QStaticText::AggressiveCaching);
    laid.text.prepare(QTransform(), font);
    laid.advance = QFontMetrics(font).horizontalAdvance(text);
    return *cache.insert(key, laid);
}

}  // namespace

int ClassicCanvas::TextWidth(const QString& text) {
    const QFont& font = CurrentFont();
    return LaidOut(fontKey_ + text, text, font).advance;
}

void ClassicCanvas::TextOut(int x, int y, const QString& text) {
    if (text.isEmpty()) {
        return;
    }
    const QFont& font = CurrentFont();
    const LaidOutText& laid = LaidOut(fontKey_ + text, text, font);
    const CanvasState& s = target_.state;
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Touch(QRect(x, y, laid.advance + 1, fontHeight_ + 1));
    if (s.BrushSolid) {
        painter_.fillRect(QRect(x, y, laid.advance, fontHeight_), ColorFromBgr(s.BrushColor));
    }
    painter_.setPen(ColorFromBgr(s.FontColor));
    // A static text is placed by the top of its line, which is where the cell's top goes.
    painter_.drawStaticText(QPoint(x, y), laid.text);
}

void ClassicCanvas::Fill(int32_t color) {
    Touch(target_.image.rect());
    FillImage(target_.image, color);
}

void FillImage(QImage& image, int32_t color) {
    // Written row by row: QPainter hands large fills to a thread pool, which costs more than
    // the fill itself on the plane's sizes.
    const uint32_t pixel = PixelFromBgr(color);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        std::fill_n(row, image.width(), pixel);
    }
}

namespace {

void CopyWith(QImage& destination, QPoint at, const QImage& source,
              QPainter::CompositionMode mode) {
    QPainter painter(&destination);
    painter.setCompositionMode(mode);
    painter.drawImage(at, source);
}

}  // namespace

void CopyOr(QImage& destination, QPoint at, const QImage& source) {
    CopyWith(destination, at, source, QPainter::RasterOp_SourceOrDestination);
}

void CopyXor(QImage& destination, QPoint at, const QImage& source) {
    CopyWith(destination, at, source, QPainter::RasterOp_SourceXorDestination);
}
