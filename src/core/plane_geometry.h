// Where the lattice sits in a plane image, computed from the plane settings at every plane
// drawing, and the only conversions between lattice points and pixels.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>

#include "line_spec.h"
#include "plane_settings.h"

struct PlaneGeometry {
    int32_t sizeX = 0, sizeY = 0;    // the plane image in pixels
    int32_t unitX = 16, unitY = 16;  // pixels per lattice unit
    int32_t margin = 1;
    int32_t cellsX = 0, cellsY = 0;  // even; negative when the image is too small for the margin
    int32_t xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    int32_t gridLeft = 0, gridTop = 0, gridRight = 0, gridBottom = 0;
    int32_t colOffset = 0, rowOffset = 0;
    int32_t originX = 0, originY = 0;

    QPoint LatticeToPixel(LatticePoint p) const;
    QPoint RealToPixel(double x, double y) const;
    LatticePoint PixelToLattice(QPoint px) const;
    bool InGrid(QPoint px) const;  // inside the grid rectangle, bounds included
};

constexpr int32_t MaxPlaneSidePixels = 4096;

struct PlaneGeometryResult {
    PlaneGeometry geometry;
    QString error;  // non-empty: the settings cannot be drawn; show it and keep the old plane
    bool ok() const { return error.isEmpty(); }
};

// Computes the geometry for the given settings; defaultPlaneSize stands in for sizes below 1.
PlaneGeometryResult ComputePlaneGeometry(const PlaneSettings& settings, int32_t defaultPlaneSize);

// Rounds to the nearest integer, halves to the even neighbour, as every real-to-pixel step does.
int32_t RoundHalfEven(double v);
