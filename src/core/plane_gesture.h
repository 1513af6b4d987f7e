// The drawing gestures on the coordinate plane: what a press, a move or a release of the mouse at a
// lattice point does to the drawing and the editing state, and what the window must then draw,
// say and show. The plane widget only turns mouse events into lattice points and forwards them.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "cursor_slot.h"
#include "drawing.h"
#include "graph_model.h"
#include "label_queue.h"

enum class GestureButton { Left, Middle, Right };

// The states of a gesture on the plane.
enum DrawStateValue : int32_t {
    DrawIdle = 0,            // no gesture
    DrawRubberBand = 1,      // first point fixed, rubber band follows (also: endpoint dragged)
    DrawAwaitFirstEnd = 2,   // line of a segment or ray fixed, first domain end awaited
    DrawAwaitSecondEnd = 3,  // first domain end fixed, second end or direction awaited
};

// A marker drawn on the plane in the inverting pen; drawing the same marker again removes it.
struct PlaneMark {
    enum class Shape {
        FirstPoint,   // the small square at the first point of a new line
        RubberBand,   // graph drawn as a dotted full line with its handles
        DomainCross,  // the cross at a chosen domain end, on graph at x = at.X
        Graph,        // graph drawn as it is, with its handles when handles is set
    };
    Shape shape = Shape::FirstPoint;
    LatticePoint at;
    TLineSpec graph;
    bool handles = false;
};

// What the window has to do after one mouse event, in this order: draw the marks, show the
// messages, then bring list, plane and panels up to date.
struct GestureEffects {
    std::vector<PlaneMark> marks;
    QStringList messages;
    int cursor = CursorUnchanged;  // a CursorSlot for the plane
    QString readout;               // the new text of the coordinate read-out, when not empty
    bool clearPanels = false;      // a new graph was started
    bool redisplay = false;        // the gesture was cancelled: redraw plane and panels
    bool keepPointer = false;      // put the mouse pointer back on pointerAt
    LatticePoint pointerAt;
    bool labelPlaced = false;  // the label queue moved on
    bool labelsDone = false;   // the last queued label was placed: bring back the earlier tool
};

// Messages of the gestures.
inline const QString SamePointMessage = QStringLiteral("座標が同じなので線が引けません");
inline const QString BadDomainMessage = QStringLiteral("変域が不適当です");
inline const QString BadDirectionMessage = QStringLiteral("領域が不適当です");

class PlaneGesture {
  public:
    // The gesture stores its graphs in the drawing with the tool that edit holds.
    PlaneGesture(Drawing& drawing, const EditingState& edit) : drawing_(drawing), edit_(edit) {}

    // A press at lattice point p. insideGrid: the press lies in the grid rectangle (the label
    // tool accepts presses anywhere on the plane image). maruRad is the end-circle radius a new
    // point stores; labels come from the queue.
    GestureEffects Press(GestureButton button, LatticePoint p, bool insideGrid, int maruRad,
                         LabelQueue& labels);
    // The mouse moved over the plane to lattice point p.
    GestureEffects Move(LatticePoint p);
    // A release at p; only a grabbed endpoint reacts to it. ctrl: the Ctrl key was held.
    GestureEffects Release(GestureButton button, bool ctrl, LatticePoint p, bool insideGrid);
    // Ends whatever gesture is in progress without storing anything (訂正, the point tool, the
    // mouse leaving over the bare window).
    GestureEffects Cancel();

    DrawStateValue State() const { return DrawState; }
    bool InProgress() const { return DrawState > DrawIdle || EditIndex >= 0; }
    // InitLoop, a full redisplay: back to idle, no graph being dragged.
    void Reset();
    // A new drawing: as Reset, and the points the last gesture passed are forgotten too.
    void Forget();

    LatticePoint MouseLattice;    // under the mouse, shown in the read-out
    LatticePoint DownPos;         // where the right button went down
    bool FirstMarkShown = false;  // the first-point square is on the plane

  private:
    GestureEffects PressIdle(GestureButton button, LatticePoint p, int maruRad, LabelQueue& labels);
    void PressSecondPoint(LatticePoint p, GestureEffects& out);
    void PressFirstEnd(LatticePoint p, GestureEffects& out);
    void PressSecondEnd(LatticePoint p, GestureEffects& out);
    void PlaceLabel(LatticePoint p, LabelQueue& labels, GestureEffects& out);
    // Stores WorkSpec with a fresh text as graph EditIndex (or a new graph) and ends the gesture.
    // (Kakutei below does the same for a line ended at LastPos.)
    void Commit(GestureEffects& out);
    // A line ends at p: a new line from the first point, or the dragged end moved to p.
    void CommitLine(LatticePoint p, GestureEffects& out);
    bool Store(const TLineSpec& spec, int index, GestureEffects& out);  // false: table full
    // Fixes a line at LastPos: a new graph from WorkSpec.P1 (EditIndex < 0), or graph EditIndex
    // with its grabbed end moved there.
    void Kakutei(GestureEffects& out);
    void ResetInto(GestureEffects& out);
    // The end of WorkSpec that the mouse moves, and the one that stays.
    LatticePoint& MovingEnd();
    LatticePoint FixedEnd() const;
    // A domain end on WorkSpec's line: on a vertical line the clicked y on the line itself.
    LatticePoint OnLine(LatticePoint p) const;

    Drawing& drawing_;
    const EditingState& edit_;

    DrawStateValue DrawState = DrawIdle;
    int32_t EditIndex = -1;  // graph whose endpoint is dragged
    int32_t GrabEnd = 0;     // 0 none, 1 P1, 2 P2
    TLineSpec WorkSpec;      // the graph being drawn or dragged
    LatticePoint LastPos;    // where the mouse was last
};

// The lattice points a right press can grab a graph by: both defining points of a line, segment
// or ray, the position of a point or label.
bool IsEndpointOf(const TLineSpec& graph, LatticePoint p);
