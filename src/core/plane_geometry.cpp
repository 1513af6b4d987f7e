// Plane geometry from the plane settings, and the lattice/pixel conversions every drawing and
// every click goes through.
#include "plane_geometry.h"

#include <climits>
#include <cmath>
#include <cstdlib>

QPoint PlaneGeometry::LatticeToPixel(LatticePoint p) const {
    return QPoint(p.X * unitX + originX, originY - p.Y * unitY);
}

QPoint PlaneGeometry::RealToPixel(double x, double y) const {
    return QPoint(RoundHalfEven(unitX * x) + originX, originY - RoundHalfEven(unitY * y));
}

LatticePoint PlaneGeometry::PixelToLattice(QPoint px) const {
    // C++ integer division truncates towards zero, as the snapping rule requires.
    return LatticePoint{(px.x() + unitX / 2) / unitX - colOffset,
                        rowOffset - (px.y() + unitY / 2) / unitY};
}

bool PlaneGeometry::InGrid(QPoint px) const {
    return px.x() >= gridLeft && px.x() <= gridRight && px.y() >= gridTop && px.y() <= gridBottom;
}

int32_t RoundHalfEven(double v) {
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double r = std::nearbyint(v);
    if (!(r > double(INT_MIN))) {
        return INT_MIN;
    }
    if (!(r < double(INT_MAX))) {
        return INT_MAX;
    }
    return int32_t(r);
}

namespace {

const QString SpacingMessage =
    QStringLiteral("格子の間隔は1以上%1以下の整数にしてください").arg(MaxPlaneSidePixels);
const QString SizeMessage =
    QStringLiteral("座標面の大きさは1以上%1以下にしてください").arg(MaxPlaneSidePixels);
const QString MarginMessage =
    QStringLiteral("余白は0以上%1以下にしてください").arg(MaxPlaneSidePixels);

// Reads one side: a text below 1 stands for the default size.
bool ReadSide(const SettingText& text, int32_t defaultPlaneSize, int32_t* side, QString* error) {
    if (!text.isInt()) {
        *error = NotIntegerMessage(text);
        return false;
    }
    *side = PlaneSidePixels(text, defaultPlaneSize);
    if (*side < 1 || *side > MaxPlaneSidePixels) {
        *error = SizeMessage;
        return false;
    }
    return true;
}

// Lattice value of the left or bottom grid edge: a start of 60 or more either way centres it.
bool ReadStart(const SettingText& text, int32_t cells, int32_t* start, QString* error) {
    if (!text.isInt()) {
        *error = NotIntegerMessage(text);
        return false;
    }
    const int value = text.value();
    *start = (value > -60 && value < 60) ? value : -(cells / 2);
    return true;
}

}  // namespace

PlaneGeometryResult ComputePlaneGeometry(const PlaneSettings& settings, int32_t defaultPlaneSize) {
    PlaneGeometryResult result;
    PlaneGeometry& g = result.geometry;
    if (!ReadSide(settings.SizeX, defaultPlaneSize, &g.sizeX, &result.error) ||
        !ReadSide(settings.SizeY, defaultPlaneSize, &g.sizeY, &result.error)) {
        return result;
    }
    if (settings.trackedScaleX < 1 || settings.trackedScaleX > MaxPlaneSidePixels ||
        settings.trackedScaleY < 1 || settings.trackedScaleY > MaxPlaneSidePixels) {
        result.error = SpacingMessage;
        return result;
    }
    if (settings.Margin < 0 || settings.Margin > MaxPlaneSidePixels) {
        result.error = MarginMessage;
        return result;
    }
    g.margin = settings.Margin;
    g.unitX = settings.trackedScaleX;
    g.unitY = settings.trackedScaleY;
    g.cellsX = ((g.sizeX - 2 * g.margin * g.unitX) / g.unitX) / 2 * 2;
    g.cellsY = ((g.sizeY - 2 * g.margin * g.unitY) / g.unitY) / 2 * 2;
    if (!ReadStart(settings.StartX, g.cellsX, &g.xMin, &result.error) ||
        !ReadStart(settings.StartY, g.cellsY, &g.yMin, &result.error)) {
        return result;
    }
    g.xMax = g.xMin + g.cellsX;
    g.yMax = g.yMin + g.cellsY;
    g.gridLeft = (g.sizeX - g.cellsX * g.unitX) / 2;
    g.gridTop = (g.sizeY - g.cellsY * g.unitY) / 2;
    g.gridRight = g.sizeX - g.gridLeft;
    g.gridBottom = g.sizeY - g.gridTop;
    g.colOffset = g.margin - g.xMin;
    g.rowOffset = g.yMax + g.margin;
    g.originX = g.unitX * g.colOffset;
    g.originY = g.unitY * g.rowOffset;
    return result;
}
