// The full redisplay of a plane: the plane, then every graph of a list in order, selected ones
// with their handles. The main window, the practice and preview planes and the exporter use it.
#pragma once

#include <QStringList>
#include <bitset>
#include <span>

#include "classic_pen.h"
#include "display_options.h"
#include "graph_model.h"
#include "line_spec.h"
#include "panel_text.h"
#include "plane.h"
#include "plane_geometry.h"
#include "plane_settings.h"

struct PlaneScene {
    const PlaneSettings& settings;
    int32_t defaultPlaneSize = 544;
    PlaneVariant variant = PlaneVariant::Main;
    // A picture pasted as the plane's background: while options.bitmapPasted is set, every
    // redisplay draws it in place of the grid and then the graphs over it.
    const QImage* background = nullptr;
};

struct DispAllLineResult {
    bool planeDrawn = false;  // false: the settings were refused, messages holds why
    int lastSelected = -1;    // the last selected graph, -1 when none
    QStringList messages;     // to show one by one, in order
};

// Draws the plane and the finished graphs (the caller ends its gesture) and leaves the pen in
// not-XOR mode for rubber bands.
DispAllLineResult DispAllLine(CanvasImage& plane, const PlaneScene& scene,
                              const DisplayOptions& options, TypesetState& typeset,
                              PlaneGeometry& geometry, std::span<const TLineSpec> graphs,
                              const std::bitset<MaxGraphs>& selected = {});

DispAllLineResult DispAllLine(CanvasImage& plane, const PlaneScene& scene,
                              const DisplayOptions& options, TypesetState& typeset,
                              PlaneGeometry& geometry, const GraphTable& table);
