// Plane geometry from the settings and the three lattice/pixel conversions.
#include <gtest/gtest.h>

#include "plane_geometry.h"

namespace {

PlaneSettings Settings(int size, int spacing, const char* startX = "-99") {
    PlaneSettings s;
    s.setSizeX(QString::number(size));
    s.setSizeY(QString::number(size));
    s.setDX(QString::number(spacing));
    s.setDY(QString::number(spacing));
    s.StartX = QString::fromLatin1(startX);
    return s;
}

TEST(PlaneGeometry, CentredPlaneOf320PixelsWithSpacing16) {
    const PlaneGeometryResult r = ComputePlaneGeometry(Settings(320, 16), 544);
    ASSERT_TRUE(r.ok());
    const PlaneGeometry& g = r.geometry;
    EXPECT_EQ(g.cellsX, 18);
    EXPECT_EQ(g.cellsY, 18);
    EXPECT_EQ(g.xMin, -9);
    EXPECT_EQ(g.xMax, 9);
    EXPECT_EQ(g.yMin, -9);
    EXPECT_EQ(g.yMax, 9);
    EXPECT_EQ(g.gridLeft, 16);
    EXPECT_EQ(g.gridTop, 16);
    EXPECT_EQ(g.gridRight, 304);
    EXPECT_EQ(g.gridBottom, 304);
    EXPECT_EQ(g.originX, 160);
    EXPECT_EQ(g.originY, 160);
    EXPECT_EQ(g.LatticeToPixel({2, 3}), QPoint(192, 112));
    EXPECT_EQ(g.PixelToLattice(QPoint(199, 105)), (LatticePoint{2, 3}));
    EXPECT_EQ(g.PixelToLattice(QPoint(200, 105)), (LatticePoint{3, 3}));
}

TEST(PlaneGeometry, SizeThatIsNotAMultipleKeepsTheGridCentredButNotTheLattice) {
    const PlaneGeometry g = ComputePlaneGeometry(Settings(300, 16), 544).geometry;
    EXPECT_EQ(g.cellsX, 16);
    EXPECT_EQ(g.gridLeft, 22);
    EXPECT_EQ(g.originX, 144);
}

TEST(PlaneGeometry, StartValuesBelowSixtyAreUsedAsGiven) {
    struct Row {
        const char* start;
        int xMin, xMax, originX;
    };
    const Row rows[] = {
        {"-2", -2, 16, 48},  {"59", 59, 77, -928}, {"60", -9, 9, 160},
        {"-60", -9, 9, 160}, {"", 0, 18, 16},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.start);
        const PlaneGeometry g = ComputePlaneGeometry(Settings(320, 16, row.start), 544).geometry;
        EXPECT_EQ(g.xMin, row.xMin);
        EXPECT_EQ(g.xMax, row.xMax);
        EXPECT_EQ(g.originX, row.originX);
    }
}

TEST(PlaneGeometry, OddCellCountIsMadeEven) {
    // 17 cells of 16 fit beside the margins of a 308-pixel plane.
    EXPECT_EQ(ComputePlaneGeometry(Settings(308, 16), 544).geometry.cellsX, 16);
}

TEST(PlaneGeometry, SizeBelowOneTakesTheDefaultSize) {
    PlaneSettings s;  // "-99" both ways
    const PlaneGeometry g = ComputePlaneGeometry(s, 544).geometry;
    EXPECT_EQ(g.sizeX, 544);
    EXPECT_EQ(g.sizeY, 544);
    EXPECT_EQ(g.cellsX, 32);
    EXPECT_EQ(g.originX, 272);
}

TEST(PlaneGeometry, RealToPixelRoundsHalvesToEven) {
    const PlaneGeometry g = ComputePlaneGeometry(Settings(320, 4), 544).geometry;
    // 4 x 0.625 = 2.5 goes to 2; 4 x 0.875 = 3.5 goes to 4.
    EXPECT_EQ(g.RealToPixel(0.625, 0.875), QPoint(g.originX + 2, g.originY - 4));
    EXPECT_EQ(g.RealToPixel(-0.625, -0.875), QPoint(g.originX - 2, g.originY + 4));
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.6), 3);
}

TEST(PlaneGeometry, SmallImageGivesNegativeCellsAndStillMaps) {
    PlaneSettings s = Settings(20, 16);
    s.setYohaku(3);
    const PlaneGeometryResult r = ComputePlaneGeometry(s, 544);
    ASSERT_TRUE(r.ok());
    EXPECT_LT(r.geometry.cellsX, 0);
    EXPECT_EQ(r.geometry.LatticeToPixel({0, 0}), QPoint(r.geometry.originX, r.geometry.originY));
}

TEST(PlaneGeometry, RefusesSettingsThatCannotBeDrawn) {
    struct Row {
        const char* name;
        PlaneSettings settings;
        QString message;
    };
    PlaneSettings notInteger = Settings(320, 16);
    notInteger.SizeX = QStringLiteral("3a0");
    PlaneSettings badStart = Settings(320, 16);
    badStart.StartY = QStringLiteral("x");
    PlaneSettings zeroSpacing = Settings(320, 16);
    zeroSpacing.setDX(QStringLiteral("0"));
    PlaneSettings hugeSide = Settings(320, 16);
    hugeSide.setSizeY(QStringLiteral("5000"));
    PlaneSettings hugeSpacing = Settings(320, 16);
    hugeSpacing.setDY(QStringLiteral("100000"));
    const Row rows[] = {
        {"not an integer", notInteger, QStringLiteral("'3a0' は整数ではありません")},
        {"start not an integer", badStart, QStringLiteral("'x' は整数ではありません")},
        {"spacing 0", zeroSpacing, QStringLiteral("格子の間隔は1以上4096以下の整数にしてください")},
        {"spacing too large", hugeSpacing,
         QStringLiteral("格子の間隔は1以上4096以下の整数にしてください")},
        {"side too large", hugeSide, QStringLiteral("座標面の大きさは1以上4096以下にしてください")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const PlaneGeometryResult r = ComputePlaneGeometry(row.settings, 544);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, row.message);
    }
}

TEST(PlaneGeometry, DefaultSizeThatCannotBeDrawnIsRefused) {
    PlaneSettings s;
    EXPECT_FALSE(ComputePlaneGeometry(s, 0).ok());
}

TEST(PlaneGeometry, InGridIncludesTheBounds) {
    const PlaneGeometry g = ComputePlaneGeometry(Settings(320, 16), 544).geometry;
    EXPECT_TRUE(g.InGrid(QPoint(16, 16)));
    EXPECT_TRUE(g.InGrid(QPoint(304, 304)));
    EXPECT_FALSE(g.InGrid(QPoint(15, 100)));
    EXPECT_FALSE(g.InGrid(QPoint(100, 305)));
}

}  // namespace
