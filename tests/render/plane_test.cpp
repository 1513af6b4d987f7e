// The coordinate plane: lattice colours, axes, pen modes, scale numbers, letters and layout.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "pixel_probe.h"
#include "plane.h"

namespace {

// 320 x 320, spacing 16, margin 1: lattice -9..9 both ways, origin at pixel (160, 160).
PlaneSettings Plane320() {
    PlaneSettings s;
    s.setSizeX(QStringLiteral("320"));
    s.setSizeY(QStringLiteral("320"));
    return s;
}

struct Drawn {
    CanvasImage plane;
    PlaneGeometry geometry;
    TypesetState typeset;
    QString error;
};

Drawn Draw(const PlaneSettings& s, PlaneVariant variant = PlaneVariant::Main,
           DisplayOptions options = {}) {
    Drawn d;
    d.plane = MakeCanvasImage(10, 10);
    d.error = DrawPlane(d.plane, s, 544, variant, options, d.typeset, d.geometry);
    return d;
}

int Px(int v) {
    return 160 + 16 * v;
}  // pixel of lattice x (and of -y)

TEST(DrawPlane, ImageTakesThePlaneSize) {
    const Drawn d = Draw(Plane320());
    EXPECT_EQ(d.plane.image.size(), QSize(320, 320));
    EXPECT_EQ(d.plane.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(d.geometry.originX, 160);
}

TEST(DrawPlane, LatticeLineColoursInTheMainVariant) {
    struct Row {
        const char* name;
        bool jikuColor;
        int v;
        int32_t colour;
    };
    const Row rows[] = {
        {"ordinary", true, 1, Silver},
        {"ordinary negative", true, -3, Silver},
        {"fifth", true, 5, Grey},
        {"fifth negative", true, -5, Grey},
        {"axis", true, 0, Grey},
        {"fifth unchecked", false, 5, Navy},
        {"axis unchecked", false, 0, Navy},
        {"edge", true, -9, Silver},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DisplayOptions o;
        o.AxisColours = row.jikuColor;
        const Drawn d = Draw(Plane320(), PlaneVariant::Main, o);
        // A vertical line, half a cell below the x axis where no horizontal line runs.
        EXPECT_EQ(Bgr(d.plane.image, Px(row.v), 168), row.colour);
        // A horizontal line (lattice y = -v), between two vertical lines.
        EXPECT_EQ(Bgr(d.plane.image, 184, Px(row.v)), row.colour);
    }
}

TEST(DrawPlane, LatticeLineColoursInThePreviewVariant) {
    struct Row {
        bool jikuColor;
        int v;
        int32_t colour;
    };
    const Row rows[] = {{true, 5, Navy}, {true, 0, Red}, {false, 5, Grey}, {false, 0, Grey}};
    for (const Row& row : rows) {
        DisplayOptions o;
        o.AxisColours = row.jikuColor;
        const Drawn d = Draw(Plane320(), PlaneVariant::Preview, o);
        EXPECT_EQ(Bgr(d.plane.image, Px(row.v), 168), row.colour) << row.v;
    }
}

TEST(DrawPlane, AxesAreTwoPixelsWideInTheMainVariantAndOneInThePreview) {
    const Drawn main = Draw(Plane320());
    EXPECT_EQ(Bgr(main.plane.image, 158, 168), White);
    EXPECT_EQ(Bgr(main.plane.image, 159, 168), Grey);
    EXPECT_EQ(Bgr(main.plane.image, 160, 168), Grey);
    EXPECT_EQ(Bgr(main.plane.image, 161, 168), White);
    EXPECT_EQ(Bgr(main.plane.image, 168, 158), White);
    EXPECT_EQ(Bgr(main.plane.image, 168, 159), Grey);
    EXPECT_EQ(Bgr(main.plane.image, 168, 160), Grey);
    EXPECT_EQ(Bgr(main.plane.image, 168, 161), White);
    const Drawn preview = Draw(Plane320(), PlaneVariant::Preview);
    EXPECT_EQ(Bgr(preview.plane.image, 159, 168), White);
    EXPECT_EQ(Bgr(preview.plane.image, 160, 168), Red);
}

TEST(DrawPlane, LatticeLinesKeepOneWidthAndTheirPlacesOnScaledScreens) {
    for (const double ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        Drawn d;
        d.plane = MakeCanvasImage(10, 10, ratio);
        DrawPlane(d.plane, Plane320(), 544, PlaneVariant::Main, {}, d.typeset, d.geometry);
        ASSERT_TRUE(DeviceInStep(d.plane));
        const DeviceGrid grid(ratio);
        // The run of ink through the device pixel along one axis: as wide as the line should
        // be, its middle within half a device pixel of the exact place.
        const auto expectLine = [&](QPoint at, QPoint step, double exact, int width) {
            while (Bgr(d.plane.device, at.x(), at.y()) != White) {
                at -= step;
            }
            int length = 0;
            for (at += step; Bgr(d.plane.device, at.x(), at.y()) != White; at += step) {
                ++length;
            }
            const QPoint first = at - length * step;
            EXPECT_EQ(length, width);
            EXPECT_LE(std::abs(QPoint::dotProduct(first, step) + length / 2.0 - exact), 0.5);
        };
        // Half a cell above the x axis and right of the y axis, away from the x axis's numbers.
        const int above = int(152.5 * ratio);
        const int right = int(168.5 * ratio);
        for (int v = -8; v <= 8; ++v) {
            SCOPED_TRACE(v);
            const double exact = (v == 0 ? Px(0) : Px(v) + 0.5) * ratio;
            const int width = grid.Width(v == 0 ? 2 : 1);  // the axes: Px(0) - 1 and Px(0)
            if (v != -1) {  // x = -1 runs through the numbers of the y axis
                expectLine(QPoint(int(exact), above), QPoint(1, 0), exact, width);
            }
            expectLine(QPoint(right, int(exact)), QPoint(0, 1), exact, width);
        }
        // Shown at an odd place, in two parts: pixel for pixel from the nearest device pixel.
        QImage screen(grid.Size(QSize(330, 330)), QImage::Format_RGB32);
        screen.setDevicePixelRatio(ratio);
        {
            QPainter painter(&screen);
            for (const QRect& part : {QRect(3, 3, 101, 320), QRect(104, 3, 219, 320)}) {
                ShowCanvas(painter, QPoint(3, 3), d.plane, part);
            }
        }
        screen.setDevicePixelRatio(1);
        const int shift = int(std::floor(3 * ratio + 0.5));
        EXPECT_EQ(screen.copy(QRect(QPoint(shift, shift), d.plane.device.size())), d.plane.device);
        if (ratio == 2) {
            // The scale numbers: "  5" right of x = 5 under the axis.
            EXPECT_TRUE(FinerThanLogical(d.plane, QRect(Px(4), Px(0), 32, 16)));
        }
    }
}

TEST(DrawPlane, AxesCrossingLeaveAWhiteSpot) {
    const Drawn main = Draw(Plane320());
    for (const QPoint p :
         {QPoint(159, 159), QPoint(160, 159), QPoint(159, 160), QPoint(160, 160)}) {
        EXPECT_EQ(Bgr(main.plane.image, p.x(), p.y()), White) << p.x() << "," << p.y();
    }
    EXPECT_EQ(Bgr(main.plane.image, 159, 161), Grey);
    // The preview draws its y axis in the mode it found, so only the x axis inverts.
    const Drawn preview = Draw(Plane320(), PlaneVariant::Preview);
    EXPECT_EQ(Bgr(preview.plane.image, 160, 160), White);
}

TEST(DrawPlane, LinesAfterTheAxisKeepItsInvertingMode) {
    const Drawn d = Draw(Plane320());
    // y = 1..4 follow the x axis in not-XOR mode: white where they cross silver lines, and
    // the complement of silver xor grey where they cross every fifth line.
    EXPECT_EQ(Bgr(d.plane.image, Px(1), Px(-1)), White);
    EXPECT_EQ(Bgr(d.plane.image, Px(-2), Px(-4)), White);
    EXPECT_EQ(Bgr(d.plane.image, Px(5), Px(-2)), 0xBFBFBF);
    // y = -1 and y = 6 are drawn in copy mode.
    EXPECT_EQ(Bgr(d.plane.image, Px(1), Px(1)), Silver);
    EXPECT_EQ(Bgr(d.plane.image, Px(1), Px(-6)), Silver);
}

TEST(DrawPlane, VerticalLinesStartInTheModeTheCanvasHad) {
    CanvasImage plane = MakeCanvasImage(10, 10);
    plane.state.Mode = PenMode::NotXor;
    PlaneGeometry g;
    TypesetState t;
    DrawPlane(plane, Plane320(), 544, PlaneVariant::Preview, DisplayOptions{}, t, g);
    // The preview's x axis, red not-XOR, over its red y axis drawn not-XOR too: white.
    EXPECT_EQ(Bgr(plane.image, 160, 160), White);
    // Horizontal line y = -9 is drawn in the mode the vertical loop left (not-XOR): white
    // where it crosses the silver line x = 1.
    EXPECT_EQ(Bgr(plane.image, Px(1), Px(9)), White);
}

TEST(DrawPlane, StrokesEndOnePixelShortAtTheGridCorner) {
    const Drawn d = Draw(Plane320());
    EXPECT_EQ(Bgr(d.plane.image, 304, 16), White);
    EXPECT_EQ(Bgr(d.plane.image, 16, 304), Silver);
    EXPECT_EQ(Bgr(d.plane.image, 303, 16), Silver);
    EXPECT_EQ(Bgr(d.plane.image, 304, 17), Silver);
}

TEST(DrawPlane, PenModeAfterTheDrawing) {
    EXPECT_EQ(Draw(Plane320()).plane.state.Mode, PenMode::NotXor);
    EXPECT_EQ(Draw(Plane320(), PlaneVariant::Preview).plane.state.Mode, PenMode::Copy);
}

// Black pixels of the number written for lattice value v on the y axis or the x axis.
int YNumberInk(const QImage& image, int v) {
    return CountColour(image, QRect(136, Px(-v), 24, 16), Black);
}
int XNumberInk(const QImage& image, int v) {
    return CountColour(image, QRect(Px(v) - 24, 160, 24, 16), Black);
}

// The cell of an x number overlaps those of its neighbours, so absence is checked only two or
// more steps away from a written number.
bool FarFrom(int v, std::initializer_list<int> written) {
    for (const int w : written) {
        if (std::abs(v - w) < 2) {
            return false;
        }
    }
    return true;
}

TEST(DrawPlane, YNumbersSkipTheEdgesZeroAndValuesOffTheStep) {
    PlaneSettings s = Plane320();
    s.AxisLetters = false;
    s.setScaleNumberX(0);
    const Drawn d = Draw(s);
    for (int v = -9; v <= 9; ++v) {
        EXPECT_EQ(YNumberInk(d.plane.image, v) > 0, v == -5 || v == 5) << v;
    }
}

TEST(DrawPlane, XNumbersSkipTheEdgesAndValuesOffTheStepButNotZero) {
    PlaneSettings s = Plane320();
    s.AxisLetters = false;
    s.setScaleNumberY(0);
    const Drawn d = Draw(s);
    for (const int v : {-5, 0, 5}) {
        EXPECT_GT(XNumberInk(d.plane.image, v), 0) << v;
    }
    for (int v = -9; v <= 9; ++v) {
        if (FarFrom(v, {-5, 0, 5})) {
            EXPECT_EQ(XNumberInk(d.plane.image, v), 0) << v;
        }
    }
}

TEST(DrawPlane, EndXLimitsTheXNumbersAndStepZeroHidesThem) {
    PlaneSettings s = Plane320();
    s.AxisLetters = false;
    s.setScaleNumberX(1);
    s.setScaleNumberY(0);
    s.EndX = QStringLiteral("3");
    const Drawn d = Draw(s);
    for (int v = -8; v <= 3; ++v) {
        EXPECT_GT(XNumberInk(d.plane.image, v), 0) << v;
    }
    for (int v = 5; v <= 9; ++v) {
        EXPECT_EQ(XNumberInk(d.plane.image, v), 0) << v;
    }
    s.setScaleNumberX(0);
    s.setScaleNumberY(5);
    const Drawn none = Draw(s);
    for (int v = -9; v <= 9; ++v) {
        EXPECT_EQ(XNumberInk(none.plane.image, v), 0) << v;
    }
    EXPECT_GT(YNumberInk(none.plane.image, 5), 0);
}

TEST(DrawPlane, ScaleNumbersOnlyWhenAsked) {
    PlaneSettings s = Plane320();
    s.ScaleNumbers = false;
    s.AxisLetters = false;
    const Drawn d = Draw(s);
    EXPECT_EQ(CountColour(d.plane.image, d.plane.image.rect(), Black), 0);
}

TEST(DrawPlane, AxisLettersBesideTheAxes) {
    PlaneSettings s = Plane320();
    s.ScaleNumbers = false;
    const Drawn d = Draw(s);
    // "x" at (xMax + 0.2, 0.5) = pixel (307, 152); "y" at (-0.4, yMax + 1.2) = pixel (154, -3).
    EXPECT_GT(CountColour(d.plane.image, QRect(307, 152, 13, 24), Black), 0);
    EXPECT_GT(CountColour(d.plane.image, QRect(150, 0, 20, 24), Black), 0);
    EXPECT_EQ(CountColour(d.plane.image, QRect(0, 30, 300, 290), Black), 0);
    EXPECT_EQ(d.typeset.PanelLineHeight, 15);
}

TEST(DrawPlane, PreviewWritesItsXRightOfTheGrid) {
    PlaneSettings s = Plane320();
    s.ScaleNumbers = false;
    const Drawn d = Draw(s, PlaneVariant::Preview);
    // Top-left at (gridRight + 2, gridTop + 144 - 8) = (306, 152).
    EXPECT_GT(CountColour(d.plane.image, QRect(306, 152, 14, 26), Black), 0);
    EXPECT_EQ(CountColour(d.plane.image, QRect(300, 100, 20, 50), Black), 0);
}

TEST(DrawPlane, NothingButWhiteWithoutCoordinates) {
    PlaneSettings s = Plane320();
    s.Lattice = false;
    const Drawn d = Draw(s);
    EXPECT_EQ(CountColour(d.plane.image, d.plane.image.rect(), White), 320 * 320);
}

TEST(DrawPlane, PastedPictureIsLeftAloneButTheGeometryFollows) {
    CanvasImage plane = MakeCanvasImage(50, 50);
    {
        ClassicCanvas c(plane);
        c.Fill(Red);
    }
    DisplayOptions o;
    o.bitmapPasted = true;
    PlaneGeometry g;
    TypesetState t;
    EXPECT_EQ(DrawPlane(plane, Plane320(), 544, PlaneVariant::Main, o, t, g), QString());
    EXPECT_EQ(plane.image.size(), QSize(50, 50));
    EXPECT_EQ(Bgr(plane.image, 10, 10), Red);
    EXPECT_EQ(g.originX, 160);
}

TEST(DrawPlane, SettingsThatAreNotIntegersStopTheDrawing) {
    struct Row {
        const char* field;
        SettingText PlaneSettings::*member;
    };
    const Row rows[] = {{"EndX", &PlaneSettings::EndX},
                        {"EndY", &PlaneSettings::EndY},
                        {"SizeX", &PlaneSettings::SizeX},
                        {"StartX", &PlaneSettings::StartX}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        PlaneSettings s = Plane320();
        s.*row.member = QStringLiteral("1.5");
        CanvasImage plane = MakeCanvasImage(30, 30);
        PlaneGeometry g;
        g.originX = 77;
        TypesetState t;
        EXPECT_EQ(DrawPlane(plane, s, 544, PlaneVariant::Main, {}, t, g),
                  QStringLiteral("'1.5' は整数ではありません"));
        EXPECT_EQ(plane.image.size(), QSize(30, 30));
        EXPECT_EQ(g.originX, 77);
        // The next valid settings draw again.
        EXPECT_EQ(DrawPlane(plane, Plane320(), 544, PlaneVariant::Main, {}, t, g), QString());
        EXPECT_EQ(plane.image.size(), QSize(320, 320));
    }
}

TEST(DrawPlane, ScaleNumberSizeFollowsTheSpacing) {
    struct Row {
        int spacing, fontSize, expected;
    };
    const Row rows[] = {{4, 16, 8}, {8, 16, 10}, {16, 9, 12}, {12, 16, 16}};
    for (const Row& row : rows) {
        EXPECT_EQ(ScaleNumberFontSize(row.spacing, row.fontSize), row.expected) << row.spacing;
    }
}

TEST(DrawPlane, TextAtLatticePutsTheTopLeftCornerOnThePoint) {
    CanvasImage c = MakeCanvasImage(320, 320);
    const PlaneGeometry g = ComputePlaneGeometry(Plane320(), 544).geometry;
    {
        ClassicCanvas canvas(c);
        canvas.state().BrushColor = Red;
        TextAtLattice(canvas, g, QStringLiteral(" "), 2.5, 1);
    }
    EXPECT_EQ(Bgr(c.image, 200, 144), Red);
    EXPECT_EQ(Bgr(c.image, 199, 144), White);
    EXPECT_EQ(Bgr(c.image, 200, 143), White);
}

TEST(PlaneLayout, MainPlaneIsCentredRightOfTheFormulaList) {
    const MainWindowMetrics w;  // 1024 x 740, tool bar 40, settings group 89, list 16 + 353
    EXPECT_EQ(MainPlaneTopLeft(w, QSize(544, 544)), QPoint(432, 45));
    EXPECT_EQ(MainPlaneTopLeft(w, QSize(320, 384)), QPoint(544, 125));
    EXPECT_EQ(PreviewPlaneTop(w, 544), 45);
    EXPECT_EQ(PreviewPlaneTop(w, 320), 157);
}

}  // namespace
