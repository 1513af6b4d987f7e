// One graph on the plane (straight line, segment, ray, point or text label) as the program
// stores, lists, saves and draws it. Coordinates are lattice units with y growing upwards.
#pragma once

#include <QString>
#include <cstdint>

struct LatticePoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const LatticePoint&, const LatticePoint&) = default;
};

// The kind of a graph, by the number files, the memo and the exporter's JSON keep for it.
enum class GraphKind : int32_t {
    None = -1,    // an empty record, drawn as nothing
    Line = 0,     // 直線
    Segment = 1,  // 線分
    Ray = 2,      // 半直線
    Point = 3,    // 点
    Label = 4,    // 文字
};

// A file keeps the kind in four bits, which can hold 5..15 as well. Such a number names no kind:
// the record keeps it as it stands, so that saving writes it back, and a switch over kinds, which
// has a case for each kind above, says after its last case what such a number does. These two are
// the only ways between a kind and its number.
constexpr int32_t KindNumber(GraphKind kind) {
    return static_cast<int32_t>(kind);
}
constexpr GraphKind KindOfNumber(int32_t number) {
    return static_cast<GraphKind>(number);
}

struct TLineSpec {
    GraphKind Kind = GraphKind::Line;
    int32_t Width = 1;    // pen width in pixels, 1..3
    int32_t EndKind = 0;  // which domain ends are included (segments 0..3, rays 0..1)
    int32_t Color = 0;    // 0x00BBGGRR
    LatticePoint P1;      // first defining point
    LatticePoint P2;  // second defining point; point: (circle radius, 99); label: (font size, -99)
    LatticePoint D1;  // segment: one domain end; ray: its start
    LatticePoint
        D2;  // segment: the other end; ray: a point giving the direction; label: (font size, 0)
    QString Text;      // the equation as listed, or the label's text
    int32_t Attr = 0;  // 0 solid, 1 dotted

    friend bool operator==(const TLineSpec&, const TLineSpec&) = default;
};

// The word for a kind of graph, as the tool bar and worksheets show it; empty for no kind.
inline QString KindName(GraphKind kind) {
    switch (kind) {
        case GraphKind::Line:
            return QStringLiteral("直線");
        case GraphKind::Segment:
            return QStringLiteral("線分");
        case GraphKind::Ray:
            return QStringLiteral("半直線");
        case GraphKind::Point:
            return QStringLiteral("点");
        case GraphKind::Label:
            return QStringLiteral("文字");
        case GraphKind::None:
            break;
    }
    return QString();
}

// Lines, segments and rays run through P1 and P2. A point's P2 holds its circle radius and a
// label's its font size, so neither is ever vertical or horizontal.
inline bool HasDirection(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Line:
        case GraphKind::Segment:
        case GraphKind::Ray:
            return true;
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}
// Segments and rays keep their domain in D1 and D2 (a label keeps its font size in D2).
inline bool HasDomainEnds(const TLineSpec& g) {
    switch (g.Kind) {
        case GraphKind::Segment:
        case GraphKind::Ray:
            return true;
        case GraphKind::Line:
        case GraphKind::Point:
        case GraphKind::Label:
        case GraphKind::None:
            break;
    }
    return false;
}
inline bool IsVertical(const TLineSpec& g) {
    return HasDirection(g) && g.P1.X == g.P2.X;
}
inline bool IsHorizontal(const TLineSpec& g) {
    return HasDirection(g) && g.P1.Y == g.P2.Y;
}
// A ray runs right exactly when its direction point lies right of its start; a vertical ray
// runs up exactly when the direction point lies above.
inline bool RayRunsRight(const TLineSpec& g) {
    return g.D1.X < g.D2.X;
}
inline bool RayRunsUp(const TLineSpec& g) {
    return g.D1.Y < g.D2.Y;
}

// Colours of the automatic colour cycle, 0x00BBGGRR.
constexpr int32_t ColorCycleTable[16] = {
    0xFF0000, 0x0000FF, 0xFF00FF, 0x00FF00, 0x008000, 0x02869F, 0x000080, 0x808080,
    0x0080FF, 0xC08000, 0xC000C0, 0x198DCF, 0x0000C0, 0xFFFF00, 0x838860, 0x000000,
};
constexpr int32_t AutomaticColor = 0xFFFFFF;  // FixedColor value meaning "use the colour cycle"
