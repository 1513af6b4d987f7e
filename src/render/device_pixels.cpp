// Logical pixels on a scaled screen's device pixels.
#include "device_pixels.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "classic_pen.h"

DeviceGrid::DeviceGrid(double ratio) : ratio(ratio), thin(Width(1)) {}

int DeviceGrid::Width(int logicalWidth) const {
    return std::max(1, int(std::floor(logicalWidth * ratio + 0.5)));
}

int DeviceGrid::Start(int first, int logicalWidth) const {
    const double centre = (first + logicalWidth / 2.0) * ratio;
    return int(std::floor(centre - Width(logicalWidth) / 2.0 + 0.5));
}

QRect DeviceGrid::Area(const QRect& logical) const {
    return QRect(QPoint(At(logical.left()), At(logical.top())),
                 QPoint(At(logical.right() + 1) - 1, At(logical.bottom() + 1) - 1));
}

QSize DeviceGrid::Size(QSize logical) const {
    // Every device pixel that the logical area touches, so the picture covers its widget.
    const auto cover = [this](int n) { return std::max(1, int(std::ceil(n * ratio - 1e-9))); };
    return QSize(cover(logical.width()), cover(logical.height()));
}

namespace {

void ShowLogical(QPainter& painter, QPoint at, const QImage& image, const QRect& area) {
    const QRect picture = image.rect().translated(at);
    const QRect shown = area & picture;
    if (shown != area) {
        painter.fillRect(area, Qt::white);
    }
    if (!shown.isEmpty()) {
        painter.drawImage(shown.topLeft(), image, shown.translated(-at));
    }
}

}  // namespace

void ShowCanvas(QPainter& painter, QPoint at, const CanvasImage& canvas, const QRect& area) {
    const double ratio = painter.device()->devicePixelRatio();
    if (ratio == 1 || canvas.ratio != ratio || !DeviceInStep(canvas)) {
        ShowLogical(painter, at, canvas.image, area);
        return;
    }
    // The painter is made to count in device pixels from the device pixel nearest to `at`, so
    // that the device picture is copied without being resampled: a resampled picture would
    // double or drop a column here and there and break the strokes' one width.
    const QTransform toDevice = painter.deviceTransform();
    const QPointF origin = toDevice.map(QPointF(at));
    const QPoint o(int(std::floor(origin.x() + 0.5)), int(std::floor(origin.y() + 0.5)));
    const QTransform base = painter.worldTransform().inverted() * toDevice;
    // Nudged a little into the pixel, so that rounding in the painter cannot land a pixel short.
    const QTransform inDevice = QTransform::fromTranslate(o.x() + 1e-6, o.y() + 1e-6);
    const QRectF logical = QRectF(area.translated(-at));
    // The device pixels the logical area touches, and one more each side for Qt's own rounding
    // of the area it repaints.
    const QRect wanted(QPoint(int(std::floor(logical.left() * ratio)) - 1,
                              int(std::floor(logical.top() * ratio)) - 1),
                       QPoint(int(std::ceil(logical.right() * ratio)) + 1,
                              int(std::ceil(logical.bottom() * ratio)) + 1));
    painter.save();
    painter.setWorldTransform(inDevice * base.inverted());
    const QRect shown = wanted & canvas.device.rect();
    if (shown != wanted) {
        painter.fillRect(wanted, Qt::white);
    }
    if (!shown.isEmpty()) {
        painter.drawImage(shown.topLeft(), canvas.device, shown);
    }
    painter.restore();
}
