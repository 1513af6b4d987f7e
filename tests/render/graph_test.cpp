// Graphs on the plane: full-line ends, one-pixel shifts, end circles, dotted extensions, points,
// labels, handles, markers and the messages of refused records.
#include <gtest/gtest.h>

#include "graph.h"
#include "pixel_probe.h"
#include "plane.h"

namespace {

PlaneSettings Plane(int size, const char* start = "-99") {
    PlaneSettings s;
    s.setSizeX(QString::number(size));
    s.setSizeY(QString::number(size));
    s.StartX = QString::fromLatin1(start);
    s.StartY = QString::fromLatin1(start);
    s.ScaleNumbers = false;
    s.AxisLetters = false;
    return s;
}

TLineSpec Graph(GraphKind kind, LatticePoint p1, LatticePoint p2, int32_t colour = Red) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.Color = colour;
    return g;
}

// A drawn 320-pixel plane (lattice -9..9, origin (160, 160)) to draw graphs on.
struct Scene {
    explicit Scene(DisplayOptions o = {}, PlaneSettings s = Plane(320)) : options(o) {
        plane = MakeCanvasImage(1, 1);
        TypesetState t;
        DrawPlane(plane, s, 544, PlaneVariant::Main, options, t, geometry);
        plane.state.Mode = PenMode::Copy;
    }
    bool Draw(const TLineSpec& g, bool selected = false) {
        ClassicCanvas canvas(plane);
        GraphContext ctx{canvas, geometry, options, &messages};
        return DrawGraph(ctx, g, selected);
    }
    int32_t At(int x, int y) const { return Bgr(plane.image, x, y); }
    CanvasImage plane;
    PlaneGeometry geometry;
    DisplayOptions options;
    QStringList messages;
};

int Px(int v) {
    return 160 + 16 * v;
}

TEST(FullLineEnds, WhereTheLineLeavesThePlane) {
    struct Row {
        const char* name;
        PlaneSettings settings;
        LatticePoint p1, p2;
        QPointF e1, e2;
    };
    const Row rows[] = {
        {"diagonal", Plane(320), {0, 0}, {1, 1}, {-9, -9}, {9, 9}},
        {"falling", Plane(320), {0, 3}, {1, 1}, {-3, 9}, {6, -9}},
        {"shifted plane, back end on the top edge",
         Plane(320, "-2"),
         {10, 4},
         {11, 1},
         {6, 16},
         {12, -2}},
        {"horizontal on a wide plane stops at 30", Plane(1280), {0, 2}, {1, 2}, {-30, 2}, {30, 2}},
        {"vertical", Plane(320), {3, 1}, {3, 2}, {3, -9}, {3, 9}},
        {"vertical clicked downwards", Plane(320), {3, 2}, {3, 1}, {3, 9}, {3, -9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PlaneGeometry g = ComputePlaneGeometry(row.settings, 544).geometry;
        const auto [e1, e2] = FullLineEnds(Graph(GraphKind::Line, row.p1, row.p2), g);
        EXPECT_DOUBLE_EQ(e1.x(), row.e1.x());
        EXPECT_DOUBLE_EQ(e1.y(), row.e1.y());
        EXPECT_DOUBLE_EQ(e2.x(), row.e2.x());
        EXPECT_DOUBLE_EQ(e2.y(), row.e2.y());
    }
}

TEST(DrawGraph, FullLineRunsFromEdgeToEdgeWithoutItsLastPixel) {
    Scene s;
    EXPECT_TRUE(s.Draw(Graph(GraphKind::Line, {1, 1}, {0, 0})));
    EXPECT_EQ(s.At(16, 304), Red);  // (-9, -9)
    EXPECT_EQ(s.At(100, 220), Red);
    EXPECT_EQ(s.At(303, 17), Red);
    EXPECT_EQ(s.At(304, 16), White);  // (9, 9), the end
}

TEST(DrawGraph, VerticalGraphsMoveOnePixelRightAndHorizontalOnesOneDown) {
    Scene s;
    s.Draw(Graph(GraphKind::Line, {3, 0}, {3, 5}));
    s.Draw(Graph(GraphKind::Line, {0, 2}, {4, 2}, Blue));
    EXPECT_EQ(s.At(Px(3) + 1, 100), Red);
    EXPECT_EQ(s.At(Px(3), 100), Silver);
    EXPECT_EQ(s.At(100, Px(-2) + 1), Blue);
    EXPECT_EQ(s.At(100, Px(-2)), Silver);
}

TEST(DrawGraph, SegmentWithOpenEndsAndDottedExtensions) {
    Scene s;
    TLineSpec g = Graph(GraphKind::Segment, {0, 0}, {1, 1});
    g.D1 = {1, 1};
    g.D2 = {3, 3};
    g.EndKind = 3;
    EXPECT_TRUE(s.Draw(g));
    // Open circles: the ring has the colour, the inside off the stroke stays white.
    EXPECT_EQ(s.At(Px(1) - 2, Px(-1) - 2), White);
    EXPECT_EQ(s.At(Px(3) - 2, Px(-3) - 2), White);
    EXPECT_EQ(s.At(Px(1) - 5, Px(-1)), Red);
    // Solid between the ends.
    for (int i = 6; i < 26; ++i) {
        EXPECT_EQ(s.At(Px(1) + i, Px(-1) - i), Red) << i;
    }
    // Dotted from the lower-left corner: three on, three off along the stroke.
    for (int i = 0; i < 60; ++i) {
        EXPECT_EQ(s.At(16 + i, 304 - i) == Red, i % 6 < 3) << i;
    }
    // Dotted from the upper end on to the edge.
    EXPECT_GT(CountColour(s.plane.image, QRect(Px(3) + 6, 16, 304 - Px(3) - 6, Px(-3) - 22), Red),
              20);
}

TEST(DrawGraph, FilledEndsFollowTheEndKind) {
    struct Row {
        int endKind;
        LatticePoint d1, d2;
        bool firstFilled, secondFilled;
    };
    const Row rows[] = {
        {0, {1, 1}, {3, 3}, true, true},
        {1, {1, 1}, {3, 3}, true, false},
        {2, {1, 1}, {3, 3}, false, true},
        {3, {1, 1}, {3, 3}, false, false},
    };
    for (const Row& row : rows) {
        Scene s;
        TLineSpec g = Graph(GraphKind::Segment, {0, 0}, {1, 1});
        g.D1 = row.d1;
        g.D2 = row.d2;
        g.EndKind = row.endKind;
        s.Draw(g);
        EXPECT_EQ(s.At(Px(1) - 2, Px(-1) - 2) == Red, row.firstFilled) << row.endKind;
        EXPECT_EQ(s.At(Px(3) - 2, Px(-3) - 2) == Red, row.secondFilled) << row.endKind;
    }
}

TEST(DrawGraph, NoCirclesOrDotsWhenSwitchedOff) {
    DisplayOptions o;
    o.EndCircles = false;
    o.DottedExtensions = false;
    Scene s(o);
    TLineSpec g = Graph(GraphKind::Segment, {0, 0}, {1, 1});
    g.D1 = {1, 1};
    g.D2 = {3, 3};
    s.Draw(g);
    EXPECT_EQ(s.At(Px(1) - 2, Px(-1) - 2), White);
    EXPECT_NE(s.At(Px(1) - 5, Px(-1)), Red);
    EXPECT_EQ(CountColour(s.plane.image, QRect(0, Px(-1) + 1, Px(1), 320), Red), 0);
}

TEST(DrawGraph, RayFromItsStartToTheEdgeDottedBehind) {
    Scene s;
    TLineSpec g = Graph(GraphKind::Ray, {2, 1}, {4, 2});
    g.D1 = {2, 1};
    g.D2 = {4, 2};
    EXPECT_TRUE(s.Draw(g));
    EXPECT_EQ(s.At(Px(2) - 2, Px(-1) - 3), Red);  // filled start circle, off the stroke
    // Solid to the right edge: every column from x = 9 px right of the start has the colour.
    for (int x = Px(2) + 8; x < 304; x += 7) {
        EXPECT_GT(CountColour(s.plane.image, QRect(x, 16, 1, 288), Red), 0) << x;
    }
    // Dotted to the left: some columns have it, some do not.
    int dotted = 0;
    for (int x = 16; x < Px(2) - 8; ++x) {
        dotted += CountColour(s.plane.image, QRect(x, 16, 1, 288), Red) > 0 ? 1 : 0;
    }
    EXPECT_GT(dotted, 30);
    EXPECT_LT(dotted, Px(2) - 8 - 16);
}

TEST(DrawGraph, RayRunningLeftIsSolidOnTheLeft) {
    // A direction point at the start's own x runs left too, as the ray's texts and table say.
    for (const LatticePoint direction : {LatticePoint{0, 0}, LatticePoint{2, 5}}) {
        SCOPED_TRACE(direction.Y);
        Scene s;
        s.options.DottedExtensions = false;
        TLineSpec g = Graph(GraphKind::Ray, {2, 1}, {4, 2});
        g.D1 = {2, 1};
        g.D2 = direction;
        g.EndKind = 1;
        s.Draw(g);
        EXPECT_EQ(s.At(Px(2) - 2, Px(-1) - 3), White);  // open start circle, off the stroke
        for (int x = 20; x < Px(2) - 8; x += 7) {
            EXPECT_GT(CountColour(s.plane.image, QRect(x, 16, 1, 288), Red), 0) << x;
        }
        EXPECT_EQ(CountColour(s.plane.image, QRect(Px(2) + 8, 16, 288 - Px(2), 288), Red), 0);
    }
}

TEST(DrawGraph, VerticalRayRunsUpOrDown) {
    for (const bool up : {true, false}) {
        Scene s;
        s.options.DottedExtensions = false;
        TLineSpec g = Graph(GraphKind::Ray, {3, 0}, {3, 1});
        g.D1 = {3, 1};
        g.D2 = up ? LatticePoint{3, 4} : LatticePoint{3, -4};
        s.Draw(g);
        EXPECT_EQ(s.At(Px(3) + 1, Px(-6)) == Red, up) << up;
        EXPECT_EQ(s.At(Px(3) + 1, Px(4)) == Red, !up) << up;
    }
}

TEST(DrawGraph, RubberBandIsADottedFullLine) {
    Scene s;
    TLineSpec g = Graph(GraphKind::Segment, {0, 0}, {1, 1});
    g.D1 = {1, 1};
    g.D2 = {3, 3};
    ClassicCanvas canvas(s.plane);
    GraphContext band{canvas, s.geometry, s.options, &s.messages, true};
    EXPECT_FALSE(DrawGraph(band, g, false));
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(s.At(16 + i, 304 - i) == Red, i % 6 < 3) << i;
    }
}

TEST(DrawGraph, PointIsADiscOfRadiusFive) {
    Scene s;
    s.options.LineWidth = 1;
    EXPECT_TRUE(s.Draw(Graph(GraphKind::Point, {2, 3}, {5, 99})));
    const QPoint c(Px(2), Px(-3));
    EXPECT_EQ(s.At(c.x(), c.y()), Red);
    EXPECT_EQ(s.At(c.x() - 5, c.y()), Red);
    EXPECT_EQ(s.At(c.x() + 4, c.y()), Red);
    EXPECT_EQ(s.At(c.x() + 5, c.y()), Silver);  // the box leaves out its right edge
    EXPECT_EQ(s.At(c.x() + 1, c.y() + 5), White);
}

TEST(DrawGraph, SelectedGraphsGetHandles) {
    Scene s;
    s.Draw(Graph(GraphKind::Line, {-2, -3}, {2, 3}), true);
    for (const LatticePoint p : {LatticePoint{-2, -3}, LatticePoint{2, 3}}) {
        const QPoint c(Px(p.X), Px(-p.Y));
        // Corners of the handle away from the rising line, which is drawn over it.
        EXPECT_EQ(s.At(c.x() - 4, c.y() - 4), Black);
        EXPECT_EQ(s.At(c.x() + 3, c.y() + 3), Black);
        EXPECT_EQ(s.At(c.x() - 4, c.y() + 3), Black);
        EXPECT_NE(s.At(c.x() + 4, c.y() - 2), Black);
    }
    Scene off;
    off.options.Handles = false;
    off.Draw(Graph(GraphKind::Line, {-2, -3}, {2, 3}), true);
    EXPECT_EQ(CountColour(off.plane.image, off.plane.image.rect(), Black), 0);
}

TEST(DrawGraph, SelectedLabelIsWhiteOnItsColour) {
    Scene s;
    TLineSpec g = Graph(GraphKind::Label, {1, 1}, {12, -99});
    g.D2 = {12, 0};
    g.Text = QStringLiteral("  ");
    EXPECT_TRUE(s.Draw(g, true));
    EXPECT_EQ(s.At(Px(1) + 2, Px(-1) + 3), Red);
    Scene plain;
    plain.Draw(g, false);
    EXPECT_EQ(plain.At(Px(1) + 2, Px(-1) + 3), White);
}

TEST(DrawGraph, RefusedRecordsReportAndDrawNothing) {
    struct Row {
        const char* name;
        TLineSpec graph;
        QString message;
    };
    TLineSpec same = Graph(GraphKind::Line, {1, 2}, {1, 2});
    same.Text = QStringLiteral("y=2x+1");
    TLineSpec sameLabel = Graph(GraphKind::Label, {1, 2}, {1, 2});
    sameLabel.Text = QStringLiteral("A");
    const Row rows[] = {
        {"same points", same, QStringLiteral("y=2x+1座標が同じなので線が引けません")},
        {"same points of a label", sameLabel, QStringLiteral("A座標が同じなので線が引けません")},
        {"x beyond 100", Graph(GraphKind::Line, {0, 0}, {101, 1}),
         QStringLiteral("範囲が不正なため線が引けません")},
        {"x beyond -100", Graph(GraphKind::Segment, {-101, 0}, {1, 1}),
         QStringLiteral("範囲が不正なため線が引けません")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Scene s;
        const QImage before = s.plane.image.copy();
        EXPECT_FALSE(s.Draw(row.graph));
        EXPECT_EQ(s.messages, QStringList{row.message});
        EXPECT_EQ(s.plane.image, before);
    }
    Scene none;
    EXPECT_FALSE(none.Draw(Graph(GraphKind::None, {0, 0}, {1, 1})));
    EXPECT_TRUE(none.messages.isEmpty());
}

TEST(DrawGraph, SelectedDrawingSkipsCoincidentPoints) {
    Scene s;
    const QImage before = s.plane.image.copy();
    ClassicCanvas canvas(s.plane);
    GraphContext ctx{canvas, s.geometry, s.options, &s.messages};
    DrawGraphSelected(ctx, Graph(GraphKind::Line, {1, 1}, {1, 1}));
    EXPECT_TRUE(s.messages.isEmpty());
}

TEST(EndFill, FlagsByKindAndEndKind) {
    struct Row {
        const char* name;
        GraphKind kind;
        int endKind;
        LatticePoint d1, d2;  // vertical segments below
        bool vertical;
        bool first, second;
    };
    const Row rows[] = {
        {"line", GraphKind::Line, 0, {}, {}, false, true, true},
        {"point", GraphKind::Point, 2, {}, {}, false, true, true},
        {"segment 0", GraphKind::Segment, 0, {}, {}, false, true, true},
        {"segment 1", GraphKind::Segment, 1, {0, 0}, {2, 2}, false, true, false},
        {"segment 1 vertical down", GraphKind::Segment, 1, {0, 3}, {0, 1}, true, false, true},
        {"segment 1 vertical up", GraphKind::Segment, 1, {0, 1}, {0, 3}, true, true, false},
        {"segment 2", GraphKind::Segment, 2, {0, 0}, {2, 2}, false, false, true},
        {"segment 2 vertical down", GraphKind::Segment, 2, {0, 3}, {0, 1}, true, true, false},
        {"segment 3", GraphKind::Segment, 3, {}, {}, false, false, false},
        {"segment 7", GraphKind::Segment, 7, {}, {}, false, false, false},
        {"ray 0", GraphKind::Ray, 0, {}, {}, false, true, true},
        {"ray 1", GraphKind::Ray, 1, {}, {}, false, false, false},
        {"label", GraphKind::Label, 0, {}, {}, false, false, false},
        {"none", GraphKind::None, 0, {}, {}, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TLineSpec g =
            Graph(row.kind, {0, 0}, row.vertical ? LatticePoint{0, 1} : LatticePoint{1, 1});
        g.EndKind = row.endKind;
        g.D1 = row.d1;
        g.D2 = row.d2;
        QStringList messages;
        const EndFlags f = EndFill(g, &messages);
        EXPECT_EQ(f.first, row.first);
        EXPECT_EQ(f.second, row.second);
        EXPECT_TRUE(messages.isEmpty());
    }
}

TEST(EndFill, UnknownKindReportsGraphModeError) {
    QStringList messages;
    const EndFlags f = EndFill(Graph(KindOfNumber(9), {0, 0}, {1, 1}), &messages);
    EXPECT_FALSE(f.first);
    EXPECT_FALSE(f.second);
    EXPECT_EQ(messages, QStringList{QStringLiteral("GraphMode error")});
}

TEST(Markers, SquareAndCross) {
    Scene s;
    TLineSpec g = Graph(GraphKind::Line, {0, 0}, {2, 1}, Blue);
    g.Width = 3;
    {
        ClassicCanvas canvas(s.plane);
        GraphContext ctx{canvas, s.geometry, s.options, &s.messages};
        MarkSquare(canvas, QPoint(100, 100));
        MarkPointOnGraph(ctx, {3, 0}, g);
        EXPECT_EQ(canvas.state().PenWidth, 3);  // the graph's width is left on the pen
    }
    EXPECT_EQ(s.At(96, 96), Black);
    EXPECT_EQ(s.At(103, 103), Black);
    EXPECT_EQ(s.At(104, 100), White);
    // The cross at x = 3 on y = x/2: y = 1.5, pixel (208, 136).
    EXPECT_EQ(s.At(204, 132), Blue);
    EXPECT_EQ(s.At(206, 134), Blue);
    EXPECT_EQ(s.At(210, 134), Blue);
}

TEST(Markers, MarkerPenFillsOnlyWhenTheFirstEndIsIncluded) {
    CanvasImage c = MakeCanvasImage(10, 10);
    ClassicCanvas canvas(c);
    DisplayOptions o;
    o.LineWidth = 2;
    o.FirstEndIncluded = false;
    PrepareMarkerPen(canvas, o, Red);
    EXPECT_EQ(canvas.state().BrushColor, White);
    EXPECT_EQ(canvas.state().PenColor, Red);
    EXPECT_EQ(canvas.state().PenWidth, 2);
    o.FirstEndIncluded = true;
    PrepareMarkerPen(canvas, o, Red);
    EXPECT_EQ(canvas.state().BrushColor, Red);
}

}  // namespace
