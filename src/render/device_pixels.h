// Where a canvas's logical pixels lie on a scaled screen, whose device pixels are finer (125 %,
// 150 %, 200 %): a stroke of logical width w is the same whole number of device pixels wide
// wherever it lies, and centred within half a device pixel of where its logical pixels lie, so
// that the lattice lines keep one width and their places at every scale.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QImage;
class QPainter;
struct CanvasImage;

struct DeviceGrid {
    explicit DeviceGrid(double ratio);

    double ratio;  // device pixels per logical pixel
    int thin;      // device width of a stroke of logical width 1

    // Device pixels across a stroke of the logical width.
    int Width(int logicalWidth) const;
    // The first device pixel across a stroke of logical width w whose first logical pixel is
    // `first` (the classic pen puts a stroke of width w at centre - w / 2).
    int Start(int first, int logicalWidth) const;
    // Where the logical pixel's thin stroke starts: the logical pixel x runs from At(x) up to
    // At(x + 1) - 1 along a stroke.
    int At(int x) const { return Start(x, 1); }
    QPoint At(QPoint p) const { return QPoint(At(p.x()), At(p.y())); }
    // The device pixels of the logical rectangle's pixels.
    QRect Area(const QRect& logical) const;
    // The device image of a logical picture: every device pixel of the logical area.
    QSize Size(QSize logical) const;
};

// Shows the canvas on a widget's painter with its top-left at the logical point: its device
// picture pixel for pixel, starting on the device pixel nearest to that point, while it is in
// step with the picture and made for the painter's ratio; else the logical picture, enlarged by
// the painter. Only the logical areas given are painted; what lies outside the picture is white.
void ShowCanvas(QPainter& painter, QPoint at, const CanvasImage& canvas, const QRect& area);
