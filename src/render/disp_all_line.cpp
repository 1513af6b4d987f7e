// The full redisplay of a plane.
#include "disp_all_line.h"

#include <QPainter>
#include <algorithm>

#include "graph.h"

DispAllLineResult DispAllLine(CanvasImage& plane, const PlaneScene& scene,
                              const DisplayOptions& options, TypesetState& typeset,
                              PlaneGeometry& geometry, std::span<const TLineSpec> graphs,
                              const std::bitset<MaxGraphs>& selected) {
    DispAllLineResult result;
    const QString error = DrawPlane(plane, scene.settings, scene.defaultPlaneSize, scene.variant,
                                    options, typeset, geometry);
    if (!error.isEmpty()) {
        result.messages.append(error);
        return result;
    }
    result.planeDrawn = true;
    if (options.bitmapPasted && scene.background != nullptr) {
        // The picture is laid again at every redisplay, so a graph moved or deleted leaves no
        // trace on it.
        if (plane.image.size() != QSize(geometry.sizeX, geometry.sizeY)) {
            plane.image = QImage(geometry.sizeX, geometry.sizeY, QImage::Format_RGB32);
        }
        FillImage(plane.image, White);
        QPainter painter(&plane.image);
        painter.drawImage(0, 0, *scene.background);
    }
    ClassicCanvas canvas(plane);
    canvas.state().Mode = PenMode::Copy;
    GraphContext ctx{canvas, geometry, options, &result.messages};
    for (size_t i = 0; i < graphs.size(); ++i) {
        const bool isSelected = i < selected.size() && selected.test(i);
        DrawGraph(ctx, graphs[i], isSelected);
        if (isSelected) {
            result.lastSelected = int(i);
        }
    }
    canvas.state().Mode = PenMode::NotXor;
    return result;
}

DispAllLineResult DispAllLine(CanvasImage& plane, const PlaneScene& scene,
                              const DisplayOptions& options, TypesetState& typeset,
                              PlaneGeometry& geometry, const GraphTable& table) {
    const int count = std::clamp(table.LineCount, 0, MaxGraphs);
    return DispAllLine(plane, scene, options, typeset, geometry,
                       std::span<const TLineSpec>(table.LineTable.data(), size_t(count)),
                       table.Selected);
}
