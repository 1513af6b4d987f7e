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

CanvasImage MakeCanvasImage(int width, int height, double ratio) {
    CanvasImage c;
    c.ratio = ratio;
    c.image = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    FillCanvas(c, 0xFFFFFF);
    return c;
}

bool DeviceInStep(const CanvasImage& canvas) {
    return canvas.ratio != 1 && !canvas.device.isNull() &&
           canvas.deviceOf == canvas.image.cacheKey() &&
           canvas.device.size() == DeviceGrid(canvas.ratio).Size(canvas.image.size());
}

void FillCanvas(CanvasImage& canvas, int32_t color) {
    FillImage(canvas.image, color);
    if (canvas.ratio == 1) {
        canvas.device = QImage();
        return;
    }
    const QSize size = DeviceGrid(canvas.ratio).Size(canvas.image.size());
    if (canvas.device.size() != size || canvas.device.format() != QImage::Format_RGB32) {
        canvas.device = QImage(size, QImage::Format_RGB32);
    }
    FillImage(canvas.device, color);
    canvas.deviceOf = canvas.image.cacheKey();
}

ClassicCanvas::ClassicCanvas(CanvasImage& target) : target_(target) {
    if (target.ratio != 1 && !target.image.isNull()) {
        grid_.emplace(target.ratio);
        if (!DeviceInStep(target)) {
            // What was laid on the picture by other means (a pasted picture, a raster copy) is
            // taken over as the screen showed it before: enlarged.
            target.device = target.image.scaled(grid_->Size(target.image.size()),
                                                Qt::IgnoreAspectRatio, Qt::FastTransformation);
        }
        devicePainter_.emplace(&target.device);
        devicePainter_->setRenderHint(QPainter::Antialiasing, false);
        devicePainter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    painter_.begin(&target.image);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

ClassicCanvas::~ClassicCanvas() {
    painter_.end();
    if (devicePainter_) {
        devicePainter_.reset();
        target_.deviceOf = target_.image.cacheKey();
    }
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
    if (grid_) {
        DeviceStroke(from, to, width, s.Style == PenStyle::Dotted);
    }
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
    PaintPixels(target_.image, area, PixelFromBgr(target_.state.PenColor),
                target_.state.Mode == PenMode::NotXor);
}

void PaintPixels(QImage& image, QRect area, uint32_t pen, bool invert) {
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            row[x] = invert ? (~(pen ^ row[x]) | 0xFF000000u) : pen;
        }
    }
}

namespace {

// The pixels a stroke paints across its minor axis, from `first` relative to the line, and its
// dots: dotOn pixels painted of every dotPeriod along it, or all when not dotted.
struct StrokeShape {
    int first;
    int across;
    bool dotted;
    int dotOn;
    int dotPeriod;
};

void WalkStroke(QImage& image, QPoint from, QPoint to, const StrokeShape& shape, uint32_t pen,
                bool invert) {
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
    const QRect bounds = image.rect();
    uchar* const bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int step = 0; !(x == to.x() && y == to.y()); ++step) {
        if (!shape.dotted || step % shape.dotPeriod < shape.dotOn) {
            for (int i = 0; i < shape.across; ++i) {
                const int offset = shape.first + i;
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

}  // namespace

void ClassicCanvas::PixelStroke(QPoint from, QPoint to, int width, bool dotted) {
    WalkStroke(target_.image, from, to, {-(width / 2), width, dotted, DotOn, DotOn + DotOff},
               PixelFromBgr(target_.state.PenColor), target_.state.Mode == PenMode::NotXor);
}

void ClassicCanvas::DeviceStroke(QPoint from, QPoint to, int width, bool dotted) {
    const DeviceGrid& g = *grid_;
    const uint32_t pen = PixelFromBgr(target_.state.PenColor);
    const bool invert = target_.state.Mode == PenMode::NotXor;
    const int across = g.Width(width);
    if (!dotted && (from.x() == to.x() || from.y() == to.y())) {
        // The logical pixels AxisAlignedLine paints, each the device pixels it covers.
        QRect area;
        if (from.x() == to.x()) {
            const int top = from.y() < to.y() ? from.y() : to.y() + 1;
            const int bottom = from.y() < to.y() ? to.y() - 1 : from.y();
            const int left = g.Start(from.x() - width / 2, width);
            area = QRect(QPoint(left, g.At(top)), QPoint(left + across - 1, g.At(bottom + 1) - 1));
        } else {
            const int left = from.x() < to.x() ? from.x() : to.x() + 1;
            const int right = from.x() < to.x() ? to.x() - 1 : from.x();
            const int top = g.Start(from.y() - width / 2, width);
            area = QRect(QPoint(g.At(left), top), QPoint(g.At(right + 1) - 1, top + across - 1));
        }
        PaintPixels(target_.device, area, pen, invert);
        return;
    }
    const QPoint a = g.At(from);
    const QPoint b = g.At(to);
    const bool alongX = std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y());
    const int minor = alongX ? from.y() : from.x();
    const int first = g.Start(minor - width / 2, width) - g.At(minor);
    const int dotOn = g.Width(DotOn);
    WalkStroke(target_.device, a, b, {first, across, dotted, dotOn, dotOn + g.Width(DotOff)}, pen,
               invert);
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
    if (grid_) {
        DeviceEllipse(l, t, r, b, w);
    }
}

void ClassicCanvas::DeviceEllipse(int l, int t, int r, int b, int width) {
    const CanvasState& s = target_.state;
    const DeviceGrid& g = *grid_;
    QPainter& painter = *devicePainter_;
    painter.setPen(QPen(ColorFromBgr(s.PenColor), g.Width(width), Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(s.BrushSolid ? QBrush(ColorFromBgr(s.BrushColor)) : QBrush(Qt::NoBrush));
    painter.setCompositionMode(s.Mode == PenMode::NotXor
                                   ? QPainter::RasterOp_NotSourceXorDestination
                                   : QPainter::CompositionMode_SourceOver);
    // The device pixels of the logical box's pixels l .. r - 1 and t .. b - 1.
    const QPoint topLeft = g.At(QPoint(l, t));
    const QPoint past = g.At(QPoint(r, b));
    painter.drawEllipse(
        QRect(topLeft.x(), topLeft.y(), past.x() - topLeft.x() - 1, past.y() - topLeft.y() - 1));
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
    if (grid_) {
        DeviceRectangle(l, t, r, b, w);
    }
}

void ClassicCanvas::DeviceRectangle(int l, int t, int r, int b, int width) {
    // The outline as strokes of the pen's device width along columns l and r - 1 and rows t and
    // b - 1, each pixel painted once, so that the not-XOR pen takes it away again.
    const CanvasState& s = target_.state;
    const DeviceGrid& g = *grid_;
    const int across = g.Width(width);
    const int left = g.Start(l - width / 2, width);
    const int right = g.Start(r - 1 - width / 2, width) + across - 1;
    const int top = g.Start(t - width / 2, width);
    const int bottom = g.Start(b - 1 - width / 2, width) + across - 1;
    QRegion outline(QRect(QPoint(left, top), QPoint(right, bottom)));
    const QRect inside(QPoint(left + across, top + across),
                       QPoint(right - across, bottom - across));
    const bool invert = s.Mode == PenMode::NotXor;
    if (!inside.isEmpty()) {
        outline -= inside;
        if (s.BrushSolid) {
            PaintPixels(target_.device, inside, PixelFromBgr(s.BrushColor), invert);
        }
    }
    for (const QRect& part : outline) {
        PaintPixels(target_.device, part, PixelFromBgr(s.PenColor), invert);
    }
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
        if (grid_) {
            // The same face at the device's size, hinted for its pixels.
            deviceFont_ = font_;
            deviceFont_.setPixelSize(
                std::max(1, int(std::lround(font_.pixelSize() * grid_->ratio))));
            devicePainter_->setFont(deviceFont_);
        }
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
    if (grid_) {
        DeviceText(x, y, text, laid.advance);
    }
}

void ClassicCanvas::DeviceText(int x, int y, const QString& text, int advance) {
    const CanvasState& s = target_.state;
    const DeviceGrid& g = *grid_;
    if (s.BrushSolid) {
        PaintPixels(target_.device, g.Area(QRect(x, y, advance, fontHeight_)),
                    PixelFromBgr(s.BrushColor), false);
    }
    QPainter& painter = *devicePainter_;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(ColorFromBgr(s.FontColor));
    const QString key = QStringLiteral("%1|").arg(g.ratio) + fontKey_ + text;
    painter.drawStaticText(g.At(QPoint(x, y)), LaidOut(key, text, deviceFont_).text);
}

void ClassicCanvas::Fill(int32_t color) {
    Touch(target_.image.rect());
    FillImage(target_.image, color);
    if (grid_) {
        FillImage(target_.device, color);
    }
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

namespace {

void CopyWith(CanvasImage& destination, QPoint at, const QImage& source,
              QPainter::CompositionMode mode) {
    const bool inStep = DeviceInStep(destination);
    CopyWith(destination.image, at, source, mode);
    if (inStep) {
        const DeviceGrid grid(destination.ratio);
        CopyWith(
            destination.device, grid.At(at),
            source.scaled(grid.Size(source.size()), Qt::IgnoreAspectRatio, Qt::FastTransformation),
            mode);
        destination.deviceOf = destination.image.cacheKey();
    }
}

}  // namespace

void CopyOr(CanvasImage& destination, QPoint at, const QImage& source) {
    CopyWith(destination, at, source, QPainter::RasterOp_SourceOrDestination);
}

void CopyXor(CanvasImage& destination, QPoint at, const QImage& source) {
    CopyWith(destination, at, source, QPainter::RasterOp_SourceXorDestination);
}
