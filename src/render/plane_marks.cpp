// Drawing the gestures' markers in the not-XOR pen.
#include "plane_marks.h"

#include "graph.h"

QRegion DrawPlaneMarks(CanvasImage& plane, const PlaneGeometry& geometry,
                       const DisplayOptions& options, const std::vector<PlaneMark>& marks) {
    if (marks.empty()) {
        return {};
    }
    ClassicCanvas canvas(plane);
    canvas.TrackPainted();
    canvas.state().Mode = PenMode::NotXor;
    for (const PlaneMark& mark : marks) {
        switch (mark.shape) {
            case PlaneMark::Shape::FirstPoint:
                MarkSquare(canvas, geometry.LatticeToPixel(mark.at));
                break;
            case PlaneMark::Shape::RubberBand: {
                // The band is the dotted full line of a graph whose first point is fixed.
                GraphContext ctx{canvas, geometry, options, nullptr, true};
                DrawGraphSelected(ctx, mark.graph);
                break;
            }
            case PlaneMark::Shape::Graph: {
                GraphContext ctx{canvas, geometry, options, nullptr};
                if (mark.handles) {
                    DrawGraphSelected(ctx, mark.graph);
                } else {
                    DrawGraph(ctx, mark.graph, false);
                }
                break;
            }
            case PlaneMark::Shape::DomainCross: {
                GraphContext ctx{canvas, geometry, options, nullptr};
                MarkPointOnGraph(ctx, mark.at, mark.graph);
                break;
            }
        }
    }
    return canvas.painted();
}
