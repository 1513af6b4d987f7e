// The gestures' markers on the plane (first-point square, rubber band, domain cross), drawn in the
// inverting pen so that drawing the same marker again removes it.
#pragma once

#include <QRegion>
#include <vector>

#include "classic_pen.h"
#include "display_options.h"
#include "plane_geometry.h"
#include "plane_gesture.h"

// Draws the marks in order and returns the part of the plane that changed.
QRegion DrawPlaneMarks(CanvasImage& plane, const PlaneGeometry& geometry,
                       const DisplayOptions& options, const std::vector<PlaneMark>& marks);
