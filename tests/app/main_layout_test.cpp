// The main window's screen-size arithmetic, for several screens.
#include <gtest/gtest.h>

#include "main/main_layout.h"

namespace {

struct LayoutRow {
    QSize screen;
    QSize window;
    int defaultPlaneSize;
    int tableCols;
    QRect lstShiki;
    int grpShikiTop, grpHenikiXTop, grpHenikiYTop;
    QRect grpSettei;
};

TEST(MainLayout, FollowsTheScreenSize) {
    const LayoutRow rows[] = {
        {{1024, 768},
         {1024, 740},
         544,
         28,
         {16, 116, 353, 273},
         396,
         492,
         588,
         {432, 588, 544, 89}},
        {{800, 600}, {800, 572}, 384, 21, {16, 116, 353, 105}, 228, 324, 420, {376, 420, 480, 89}},
        // 1366 x 768 at 125 % less a task bar: the boxes keep their room beside a smaller plane.
        {{1093, 566}, {1093, 538}, 352, 30, {16, 116, 353, 71}, 194, 290, 386, {499, 386, 480, 89}},
        {{1280, 1024},
         {1280, 996},
         800,
         35,
         {16, 116, 353, 529},
         652,
         748,
         844,
         {432, 844, 800, 89}},
        {{1920, 1080},
         {1920, 1052},
         864,
         53,
         {16, 116, 353, 585},
         708,
         804,
         900,
         {720, 900, 864, 89}},
    };
    for (const LayoutRow& r : rows) {
        SCOPED_TRACE(r.screen.width());
        const MainLayout m = ComputeMainLayout(r.screen);
        EXPECT_EQ(m.window, QRect(QPoint(0, 0), r.window));
        EXPECT_EQ(m.DefaultPlaneSize, r.defaultPlaneSize);
        EXPECT_EQ(m.DefaultPlaneSize % 32, 0);
        EXPECT_EQ(m.TableCols, r.tableCols);
        EXPECT_EQ(m.lstShiki, r.lstShiki);
        EXPECT_EQ(m.grpShiki, QRect(16, r.grpShikiTop, 353, 89));
        EXPECT_EQ(m.grpHenikiX, QRect(16, r.grpHenikiXTop, 233, 89));
        EXPECT_EQ(m.grpHenikiY, QRect(16, r.grpHenikiYTop, 233, 89));
        EXPECT_EQ(m.grpKatamuki, QRect(256, r.grpHenikiXTop, 113, 89));
        EXPECT_EQ(m.grpSeppen, QRect(256, r.grpHenikiYTop, 113, 89));
        EXPECT_EQ(m.grpSettei, r.grpSettei);
    }
}

TEST(MainLayout, SmallButtonsFollowThePanelsOnA1024Screen) {
    const MainLayout m = ComputeMainLayout({1024, 768});
    EXPECT_EQ(m.lblShiki, QPoint(376, 396));
    EXPECT_EQ(m.btnHyoujun, QPoint(388, 416));
    EXPECT_EQ(m.btnIppan, QPoint(388, 450));
    EXPECT_EQ(m.lblIdou, QPoint(388, 492));
    EXPECT_EQ(m.btnUp, QPoint(388, 507));
    EXPECT_EQ(m.btnDown, QPoint(388, 553));
    EXPECT_EQ(m.btnLeft, QPoint(374, 530));
    EXPECT_EQ(m.btnRight, QPoint(408, 530));
}

TEST(MainLayout, WholeWindowFitsTheDesktopsAvailableArea) {
    struct Row {
        const char* name;
        QSize screen;
        QRect available;
        QMargins frame;
        QPoint frameTopLeft;
        QSize client;
    } rows[] = {
        // A virtual screen without a window manager: the window at the origin, as laid out.
        {"bare", {1024, 768}, {0, 0, 1024, 768}, {}, {0, 0}, {1024, 740}},
        // A top panel of 27 and a frame with a 30-pixel caption: the frame fits the room left.
        {"panel", {1920, 1080}, {0, 27, 1920, 1053}, {2, 30, 3, 4}, {0, 27}, {1915, 1018}},
        // A task bar on the left and below, larger than the 28 the layout leaves free.
        {"taskbar", {1366, 768}, {48, 0, 1318, 720}, {1, 24, 1, 1}, {48, 0}, {1316, 695}},
        // The available area one pixel taller than the layout's window: the layout's size holds.
        {"roomy", {1280, 1024}, {0, 0, 1280, 997}, {1, 1, 1, 1}, {0, 0}, {1278, 994}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        const DesktopPlacement p = PlaceOnDesktop(r.screen, r.available, r.frame);
        EXPECT_EQ(p.frameTopLeft, r.frameTopLeft);
        EXPECT_EQ(p.client, r.client);
        EXPECT_EQ(p.whole, r.client.grownBy(r.frame));
        EXPECT_EQ(ComputeMainLayout(p.layoutScreen()).window.size(), p.whole);
    }
}

}  // namespace
