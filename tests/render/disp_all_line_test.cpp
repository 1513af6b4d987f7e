// The full redisplay and the side panels filled from the current graph.
#include <gtest/gtest.h>

#include "disp_all_line.h"
#include "pixel_probe.h"
#include "side_panels.h"

namespace {

PlaneSettings Plane320() {
    PlaneSettings s;
    s.setSizeX(QStringLiteral("320"));
    s.setSizeY(QStringLiteral("320"));
    s.ScaleNumbers = false;
    s.AxisLetters = false;
    return s;
}

TLineSpec Line(LatticePoint p1, LatticePoint p2, int32_t colour, GraphKind kind = GraphKind::Line) {
    TLineSpec g;
    g.Kind = kind;
    g.P1 = p1;
    g.P2 = p2;
    g.Color = colour;
    return g;
}

TEST(DispAllLine, DrawsEveryGraphAndReportsRefusedOnes) {
    GraphTable table;
    table.LineTable[0] = Line({3, 0}, {3, 5}, Red);
    table.LineTable[1] = Line({1, 1}, {1, 1}, Blue);
    table.LineTable[1].Text = QStringLiteral("y=1");
    table.LineTable[2] = Line({0, 2}, {4, 2}, Blue);
    table.LineCount = 3;
    table.Selected.set(0);
    table.Selected.set(2);
    const PlaneSettings settings = Plane320();
    CanvasImage plane = MakeCanvasImage(1, 1);
    PlaneGeometry geometry;
    TypesetState typeset;
    DisplayOptions options;
    const DispAllLineResult r = DispAllLine(plane, PlaneScene{settings, 544, PlaneVariant::Main},
                                            options, typeset, geometry, table);
    EXPECT_TRUE(r.planeDrawn);
    EXPECT_EQ(r.lastSelected, 2);
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("y=1座標が同じなので線が引けません")});
    EXPECT_EQ(Bgr(plane.image, 209, 100), Red);
    EXPECT_EQ(Bgr(plane.image, 100, 129), Blue);
    EXPECT_EQ(Bgr(plane.image, 204, 156), Black);  // handle round (3, 0)
    EXPECT_EQ(plane.state.Mode, PenMode::NotXor);
}

TEST(DispAllLine, RefusedSettingsStopBeforeDrawing) {
    PlaneSettings settings = Plane320();
    settings.StartX = QStringLiteral("abc");
    CanvasImage plane = MakeCanvasImage(20, 20);
    PlaneGeometry geometry;
    TypesetState typeset;
    const TLineSpec graphs[] = {Line({0, 0}, {1, 1}, Red)};
    const DispAllLineResult r = DispAllLine(plane, PlaneScene{settings, 544, PlaneVariant::Main},
                                            DisplayOptions{}, typeset, geometry, graphs);
    EXPECT_FALSE(r.planeDrawn);
    EXPECT_EQ(r.messages, QStringList{QStringLiteral("'abc' は整数ではありません")});
    EXPECT_EQ(CountColour(plane.image, plane.image.rect(), White), 400);
}

TEST(SidePanels, RefreshFillsEachPanelWhoseBoxIsChecked) {
    SidePanels panels = MakeSidePanels();
    TypesetState typeset;
    DisplayOptions options;
    TLineSpec g = Line({0, 1}, {2, 2}, Red);
    g.Text = QStringLiteral("y=1/2･x+1");
    RefreshPanels(panels, &g, options, typeset);
    for (const CanvasImage* panel :
         {&panels.formula, &panels.xDomain, &panels.yRange, &panels.slope, &panels.intercept}) {
        EXPECT_EQ(Bgr(panel->image, 0, 0), Teal);
        EXPECT_GT(CountColour(panel->image, panel->image.rect(), White), 0);
    }
    EXPECT_GT(CountColour(panels.valueTable.image, QRect(36, 0, 317, 19), Blue), 0);

    ClearAllPanels(panels, options);
    options.SlopePanels = false;
    options.RangePanel = false;
    RefreshPanels(panels, &g, options, typeset);
    EXPECT_EQ(CountColour(panels.slope.image, panels.slope.image.rect(), Teal), 61 * 65);
    EXPECT_EQ(CountColour(panels.yRange.image, panels.yRange.image.rect(), Teal), 217 * 65);
}

TEST(SidePanels, PointHasNoRangeSlopeOrIntercept) {
    SidePanels panels = MakeSidePanels();
    TypesetState typeset;
    DisplayOptions options;
    options.PanelBackColour = White;
    options.PanelTextColour = Black;
    const TLineSpec point = Line({2, -3}, {5, 99}, Red, GraphKind::Point);
    RefreshPanels(panels, &point, options, typeset);
    for (const CanvasImage* panel : {&panels.yRange, &panels.slope, &panels.intercept}) {
        EXPECT_EQ(CountColour(panel->image, panel->image.rect(), White),
                  panel->image.width() * panel->image.height());
    }
}

TEST(SidePanels, NoCurrentGraphClearsEverything) {
    SidePanels panels = MakeSidePanels();
    TypesetState typeset;
    DisplayOptions options;
    TLineSpec g = Line({0, 1}, {2, 2}, Red);
    g.Text = QStringLiteral("y=1/2･x+1");
    RefreshPanels(panels, &g, options, typeset);
    RefreshPanels(panels, nullptr, options, typeset);
    EXPECT_EQ(CountColour(panels.formula.image, panels.formula.image.rect(), Teal), 337 * 65);
    EXPECT_EQ(CountColour(panels.valueTable.image, QRect(36, 0, 317, 19), Blue), 0);
}

}  // namespace
