// Drawing graph records on the plane.
#include "graph.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "fraction.h"

namespace {

void Report(GraphContext& ctx, const QString& message) {
    if (ctx.messages != nullptr) {
        ctx.messages->append(message);
    }
}

// The pixel of a full-line end: rounded after adding the origin, unlike RealToPixel.
QPoint EndPixel(const PlaneGeometry& g, QPointF e) {
    return QPoint(RoundHalfEven(g.unitX * e.x() + g.originX),
                  RoundHalfEven(g.originY - g.unitY * e.y()));
}

// The graph's point at a domain end's x: a vertical graph keeps the end's own y.
QPointF OnGraph(const TLineSpec& graph, LatticePoint end) {
    if (IsVertical(graph)) {
        return QPointF(end.X, end.Y);
    }
    return QPointF(end.X, LineYReal(graph, end.X));
}

QPoint ToPixel(const PlaneGeometry& g, QPointF p) {
    return g.RealToPixel(p.x(), p.y());
}

void DottedStroke(GraphContext& ctx, TLineSpec& graph, QPoint from, QPoint to) {
    graph.Attr = 1;
    DrawStroke(ctx, graph, from, to);
    graph.Attr = 0;
}

void DrawSegment(GraphContext& ctx, TLineSpec& graph, QPoint q, QPoint r) {
    const QPoint s1 = ToPixel(ctx.geometry, OnGraph(graph, graph.D1));
    const QPoint s2 = ToPixel(ctx.geometry, OnGraph(graph, graph.D2));
    DrawStroke(ctx, graph, s1, s2);
    DrawEndCircles(ctx, graph);
    if (ctx.options.DottedExtensions) {
        DottedStroke(ctx, graph, q, s1);
        DottedStroke(ctx, graph, s2, r);
    }
}

void DrawRay(GraphContext& ctx, TLineSpec& graph, QPointF e1, QPointF e2, QPoint q, QPoint r) {
    const QPoint s = ToPixel(ctx.geometry, OnGraph(graph, graph.D1));
    QPoint solidFrom, solidTo, dottedFrom, dottedTo;
    if (IsVertical(graph)) {
        const bool firstIsUpper = e1.y() > e2.y();
        const QPoint upper = firstIsUpper ? q : r;
        const QPoint lower = firstIsUpper ? r : q;
        if (RayRunsUp(graph)) {
            solidFrom = s, solidTo = upper, dottedFrom = lower, dottedTo = s;
        } else {
            solidFrom = lower, solidTo = s, dottedFrom = s, dottedTo = upper;
        }
    } else if (!RayRunsRight(graph)) {
        solidFrom = q, solidTo = s, dottedFrom = s, dottedTo = r;
    } else {
        solidFrom = s, solidTo = r, dottedFrom = q, dottedTo = s;
    }
    DrawStroke(ctx, graph, solidFrom, solidTo);
    DrawEndCircles(ctx, graph);
    if (ctx.options.DottedExtensions) {
        DottedStroke(ctx, graph, dottedFrom, dottedTo);
    }
}

void Circle(ClassicCanvas& canvas, QPoint c, int radius, int32_t color, bool filled) {
    CanvasState& s = canvas.state();
    s.PenColor = color;
    s.Style = PenStyle::Solid;
    s.BrushColor = color;
    s.BrushSolid = filled;
    canvas.Ellipse(c.x() - radius, c.y() - radius, c.x() + radius, c.y() + radius);
}

}  // namespace

bool DrawGraph(GraphContext& ctx, const TLineSpec& graph, bool selected) {
    TLineSpec g = graph;
    if (selected) {
        DrawHandle(ctx, g, 1);
        DrawHandle(ctx, g, 2);
    }
    if (g.Kind == GraphKind::None) {
        return false;
    }
    if (g.Kind == GraphKind::Point) {
        DrawPoint(ctx, g, g.Color);
        return true;
    }
    if (g.P1 == g.P2) {
        Report(ctx, g.Text + SamePointsMessage);
        return false;
    }
    if (g.Kind == GraphKind::Label) {
        DrawLabel(ctx, g, g.Color, selected);
        return true;
    }
    if (g.P2.X < g.P1.X) {
        std::swap(g.P1, g.P2);
    }
    if (std::abs(g.P1.X) > 100 || std::abs(g.P2.X) > 100) {
        Report(ctx, OutOfRangeMessage);
        return false;
    }
    const auto [e1, e2] = FullLineEnds(g, ctx.geometry);
    const QPoint q = EndPixel(ctx.geometry, e1);
    const QPoint r = EndPixel(ctx.geometry, e2);
    if (ctx.rubberBand) {
        g.Attr = 1;
        DrawStroke(ctx, g, q, r);
        return false;
    }
    switch (g.Kind) {
        case GraphKind::Line:
            DrawStroke(ctx, g, q, r);
            break;
        case GraphKind::Segment:
            DrawSegment(ctx, g, q, r);
            break;
        case GraphKind::Ray:
            DrawRay(ctx, g, e1, e2, q, r);
            break;
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    // A number that names no kind draws nothing here, yet counts as drawn.
    return true;
}

void DrawGraphSelected(GraphContext& ctx, const TLineSpec& graph) {
    if (graph.P1 == graph.P2) {
        return;
    }
    DrawGraph(ctx, graph, true);
}

std::pair<QPointF, QPointF> FullLineEnds(const TLineSpec& graph, const PlaneGeometry& geometry) {
    const double x1 = graph.P1.X;
    const double y1 = graph.P1.Y;
    const double dx = double(graph.P2.X) - x1;
    const double dy = double(graph.P2.Y) - y1;
    const double left = std::abs(double(geometry.xMin));
    const double right = std::abs(double(geometry.xMax));
    const double bottom = std::abs(double(geometry.yMin));
    const double top = std::abs(double(geometry.yMax));
    // 30 bounds a direction that does not move along the axis.
    double fwdX = 30, backX = 30, fwdY = 30, backY = 30;
    if (dx != 0) {
        fwdX = std::abs((right - x1) / dx);
        backX = std::abs((x1 + left) / dx);
    }
    if (dy > 0) {
        fwdY = std::abs((top - y1) / dy);
        backY = std::abs((y1 + bottom) / dy);
    } else if (dy < 0) {
        fwdY = std::abs((y1 + bottom) / dy);
        backY = std::abs((top - y1) / dy);
    }
    const double fwd = std::min(fwdX, fwdY);
    const double back = std::min(backX, backY);
    return {QPointF(x1 - back * dx, y1 - back * dy), QPointF(x1 + fwd * dx, y1 + fwd * dy)};
}

void DrawStroke(GraphContext& ctx, const TLineSpec& graph, QPoint from, QPoint to) {
    CanvasState& s = ctx.canvas.state();
    s.PenColor = graph.Color;
    s.PenWidth = graph.Width;
    s.BrushSolid = false;
    if (graph.Attr == 0) {
        s.Style = PenStyle::Solid;
    } else if (graph.Attr == 1) {
        s.Style = PenStyle::Dotted;
    }
    const QPoint shift(IsVertical(graph) ? 1 : 0, IsHorizontal(graph) ? 1 : 0);
    ctx.canvas.Line(from + shift, to + shift);
    s.Style = PenStyle::Solid;
}

EndFlags EndFill(const TLineSpec& graph, QStringList* messages) {
    const bool downwards = IsVertical(graph) && graph.D1.Y >= graph.D2.Y;
    switch (graph.Kind) {
        case GraphKind::Line:
        case GraphKind::Point:
            return {true, true};
        case GraphKind::Segment:
            switch (graph.EndKind) {
                case 0:
                    return {true, true};
                case 1:
                    return downwards ? EndFlags{false, true} : EndFlags{true, false};
                case 2:
                    return downwards ? EndFlags{true, false} : EndFlags{false, true};
                default:
                    return {false, false};
            }
        case GraphKind::Ray:
            return graph.EndKind == 0 ? EndFlags{true, true} : EndFlags{false, false};
        case GraphKind::Label:
        case GraphKind::None:
            return {false, false};
    }
    // A number that names no kind.
    if (messages != nullptr) {
        messages->append(GraphModeErrorMessage);
    }
    return {false, false};
}

void DrawEndCircles(GraphContext& ctx, const TLineSpec& graph) {
    if (!ctx.options.EndCircles) {
        return;
    }
    const int radius = ctx.options.EndCircleRadius;
    const PlaneGeometry& geo = ctx.geometry;
    switch (graph.Kind) {
        case GraphKind::Line:
            Circle(ctx.canvas, ToPixel(geo, OnGraph(graph, graph.P1)), radius, graph.Color, true);
            Circle(ctx.canvas, ToPixel(geo, OnGraph(graph, graph.P2)), radius, graph.Color, true);
            break;
        case GraphKind::Segment: {
            const EndFlags fill = EndFill(graph, ctx.messages);
            Circle(ctx.canvas, ToPixel(geo, OnGraph(graph, graph.D1)), radius, graph.Color,
                   fill.first);
            Circle(ctx.canvas, ToPixel(geo, OnGraph(graph, graph.D2)), radius, graph.Color,
                   fill.second);
            break;
        }
        case GraphKind::Ray: {
            const EndFlags fill = EndFill(graph, ctx.messages);
            Circle(ctx.canvas, ToPixel(geo, OnGraph(graph, graph.D1)), radius, graph.Color,
                   fill.first);
            break;
        }
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
}

void DrawPoint(GraphContext& ctx, const TLineSpec& graph, int32_t color) {
    CanvasState& s = ctx.canvas.state();
    s.PenColor = color;
    s.PenWidth = ctx.options.LineWidth;
    s.Style = PenStyle::Solid;
    s.BrushColor = color;
    s.BrushSolid = true;
    const QPoint c = ctx.geometry.LatticeToPixel(graph.P1);
    ctx.canvas.Ellipse(c.x() - 5, c.y() - 5, c.x() + 5, c.y() + 5);
}

void DrawLabel(GraphContext& ctx, const TLineSpec& graph, int32_t color, bool selected) {
    CanvasState& s = ctx.canvas.state();
    s.FontColor = color;
    if (selected) {
        s.FontColor = White;
        s.BrushColor = color;
        s.BrushSolid = true;
    } else {
        s.BrushSolid = false;
    }
    s.FontSize = graph.D2.X;
    const QPoint at = ctx.geometry.LatticeToPixel(graph.P1);
    ctx.canvas.TextOut(at.x(), at.y(), graph.Text);
}

void DrawHandle(GraphContext& ctx, const TLineSpec& graph, int which) {
    if (!ctx.options.Handles) {
        return;
    }
    CanvasState& s = ctx.canvas.state();
    s.PenWidth = ctx.options.LineWidth;
    s.PenColor = Black;
    s.BrushSolid = false;
    const QPoint c = ctx.geometry.LatticeToPixel(which == 1 ? graph.P1 : graph.P2);
    ctx.canvas.Rectangle(c.x() - 4, c.y() - 4, c.x() + 4, c.y() + 4);
}

void MarkSquare(ClassicCanvas& canvas, QPoint at) {
    CanvasState& s = canvas.state();
    s.PenColor = Black;
    s.BrushSolid = false;
    canvas.Rectangle(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 4);
}

void MarkPointOnGraph(GraphContext& ctx, LatticePoint point, const TLineSpec& graph) {
    const PlaneGeometry& g = ctx.geometry;
    QPoint c;
    if (IsVertical(graph)) {
        c = g.LatticeToPixel(point);
    } else {
        c = QPoint(g.unitX * point.X + g.originX,
                   g.originY - RoundHalfEven(g.unitY * LineYReal(graph, point.X)));
    }
    CanvasState& s = ctx.canvas.state();
    s.PenWidth = 2;
    s.PenColor = graph.Color;
    ctx.canvas.Line(c + QPoint(-4, -4), c + QPoint(4, 4));
    ctx.canvas.Line(c + QPoint(4, -4), c + QPoint(-4, 4));
    s.PenWidth = 1;
    s.PenWidth = graph.Width;
}

void PrepareMarkerPen(ClassicCanvas& canvas, const DisplayOptions& options, int32_t color) {
    CanvasState& s = canvas.state();
    s.BrushColor = options.FirstEndIncluded ? color : White;
    s.PenWidth = options.LineWidth;
    s.PenColor = color;
}
