// The tool's end-kind label and sample strokes.
#include "tool_sample.h"

#include "display_options.h"
#include "graph.h"
#include "panel_text.h"

EndKindLabel UpdateEndKindLabel(GraphKind lineMode, int32_t segmentEndKind, int32_t rayEndKind,
                                const EndKindLabel& current) {
    switch (lineMode) {
        case GraphKind::Line:
        case GraphKind::Point:
        case GraphKind::Label:
            return {QString(), true, true};
        case GraphKind::Segment:
            switch (segmentEndKind) {
                case 0:
                    return {QStringLiteral(" ≦ ≦"), true, true};
                case 1:
                    return {QStringLiteral(" ≦ ＜"), true, false};
                case 2:
                    return {QStringLiteral(" ＜ ≦"), false, true};
                case 3:
                    return {QStringLiteral(" ＜ ＜"), false, false};
                default:
                    return current;
            }
        case GraphKind::Ray:
            switch (rayEndKind) {
                case 0:
                    return {QStringLiteral("  ≦ "), true, true};
                case 1:
                    return {QStringLiteral("  ＜ "), false, false};
                default:
                    return current;
            }
        case GraphKind::None:
            break;
    }
    return current;
}

namespace {

// Kind 12, which a file's four bits can hold, is the marker of the editing code: its sample is a
// bar.
constexpr GraphKind MarkerKind = KindOfNumber(12);

void SampleCircle(ClassicCanvas& canvas, int x, int y, int radius, int32_t color, bool filled) {
    CanvasState& s = canvas.state();
    s.PenColor = color;
    s.BrushColor = color;
    s.Style = PenStyle::Solid;
    s.BrushSolid = filled;
    canvas.Ellipse(x - radius, y - radius, x + radius, y + radius);
}

}  // namespace

void DrawSampleStroke(ClassicCanvas& canvas, const TLineSpec& g, int top, int32_t maruRad,
                      QStringList* messages) {
    CanvasState& s = canvas.state();
    s.PenColor = g.Color;
    s.PenWidth = g.Width;
    // The flags are those of a graph whose first end is its left one.
    TLineSpec leftToRight = g;
    leftToRight.P2.X = leftToRight.P1.X + 1;
    const EndFlags fill = EndFill(leftToRight, messages);
    const int y = top + 10;
    const int length = g.Attr == 0 ? 40 : 20;
    switch (g.Kind) {
        case GraphKind::Line:
            canvas.Line(QPoint(0, y), QPoint(length, y));
            SampleCircle(canvas, 10, y, maruRad, g.Color, fill.first);
            SampleCircle(canvas, 30, y, maruRad, g.Color, fill.second);
            break;
        case GraphKind::Segment:
            canvas.Line(QPoint(10, y), QPoint(30, y));
            SampleCircle(canvas, 10, y, maruRad, g.Color, fill.first);
            SampleCircle(canvas, 30, y, maruRad, g.Color, fill.second);
            break;
        case GraphKind::Ray:
            canvas.Line(QPoint(10, y), QPoint(30, y));
            SampleCircle(canvas, 10, y, maruRad, g.Color, fill.first);
            break;
        case GraphKind::Point:
            SampleCircle(canvas, 20, y, maruRad, g.Color, fill.first);
            break;
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    if (g.Kind == MarkerKind) {
        canvas.Line(QPoint(10, 10), QPoint(40, 10));
    }
    s.Style = PenStyle::Solid;
}

void RedrawToolSample(CanvasImage& sample, const ToolSample& tool, int32_t maruRad,
                      int32_t panelTextColour) {
    if (sample.image.isNull()) {
        sample.image = QImage(ToolSampleWidth, ToolSampleHeight, QImage::Format_RGB32);
    }
    ClearPanel(sample, White, panelTextColour);
    TLineSpec next;
    next.Kind = tool.LineMode;
    next.Width = tool.LineWidth;
    next.EndKind = tool.EndKind;
    next.Color = tool.Color;
    ClassicCanvas canvas(sample);
    DrawSampleStroke(canvas, next, 0, maruRad);
}
