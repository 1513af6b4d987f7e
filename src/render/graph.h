// One graph record on a drawn plane: line, segment, ray, point or label, with end circles,
// dotted extensions, handles and the rubber-band look; and the small markers of the editing code.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QStringList>
#include <utility>

#include "classic_pen.h"
#include "display_options.h"
#include "line_spec.h"
#include "plane_geometry.h"

// What a graph is drawn with. Messages (refused records) are appended to messages when given.
struct GraphContext {
    ClassicCanvas& canvas;
    const PlaneGeometry& geometry;
    const DisplayOptions& options;
    QStringList* messages = nullptr;
    bool rubberBand = false;  // draw the graph as a rubber band: its dotted full line
};

inline const QString SamePointsMessage = QStringLiteral("座標が同じなので線が引けません");
inline const QString OutOfRangeMessage = QStringLiteral("範囲が不正なため線が引けません");
inline const QString GraphModeErrorMessage = QStringLiteral("GraphMode error");

// Draws the graph; true when it was drawn as a finished graph.
bool DrawGraph(GraphContext& ctx, const TLineSpec& graph, bool selected);
// DrawGraph with its handles, unless both defining points are the same.
void DrawGraphSelected(GraphContext& ctx, const TLineSpec& graph);

// The two real lattice points where the line through P1 and P2 (P1.X <= P2.X) leaves the plane:
// first beyond P1, second beyond P2.
std::pair<QPointF, QPointF> FullLineEnds(const TLineSpec& graph, const PlaneGeometry& geometry);

// One stroke in the graph's colour, width and style (Attr 1 dotted); vertical graphs move one
// pixel right and horizontal ones one pixel down so they do not hide a lattice line.
void DrawStroke(GraphContext& ctx, const TLineSpec& graph, QPoint from, QPoint to);

struct EndFlags {
    bool first = false;
    bool second = false;
};
// Which end circles are filled, by Kind and EndKind.
EndFlags EndFill(const TLineSpec& graph, QStringList* messages);

void DrawEndCircles(GraphContext& ctx, const TLineSpec& graph);
void DrawPoint(GraphContext& ctx, const TLineSpec& graph, int32_t color);
void DrawLabel(GraphContext& ctx, const TLineSpec& graph, int32_t color, bool selected);
// which 1: the handle at P1, otherwise at P2.
void DrawHandle(GraphContext& ctx, const TLineSpec& graph, int which);

// Black 8 x 8 square outline round the pixel.
void MarkSquare(ClassicCanvas& canvas, QPoint at);
// A cross on the graph at the point's x.
void MarkPointOnGraph(GraphContext& ctx, LatticePoint point, const TLineSpec& graph);
// Pen and brush for the editing markers of the current tool.
void PrepareMarkerPen(ClassicCanvas& canvas, const DisplayOptions& options, int32_t color);
