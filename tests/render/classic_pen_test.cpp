// The classic canvas rules: stroke ends, shape boxes, wide strokes, inverting pen, dots, copies.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "classic_pen.h"
#include "pixel_probe.h"

namespace {

CanvasImage WhiteCanvas(int w = 40, int h = 40) {
    return MakeCanvasImage(w, h);
}

struct StrokeRow {
    const char* name;
    QPoint from, to;
    QPoint lastPainted, endPoint;
};

TEST(ClassicPen, StrokeLeavesItsEndPixelUnpainted) {
    const StrokeRow rows[] = {
        {"right", {2, 2}, {8, 2}, {7, 2}, {8, 2}},
        {"left", {8, 4}, {2, 4}, {3, 4}, {2, 4}},
        {"down", {10, 2}, {10, 9}, {10, 8}, {10, 9}},
        {"up", {12, 9}, {12, 2}, {12, 3}, {12, 2}},
        {"diagonal", {2, 10}, {7, 15}, {6, 14}, {7, 15}},
    };
    for (const StrokeRow& row : rows) {
        SCOPED_TRACE(row.name);
        CanvasImage c = WhiteCanvas();
        {
            ClassicCanvas canvas(c);
            canvas.Line(row.from, row.to);
        }
        EXPECT_EQ(Bgr(c.image, row.from.x(), row.from.y()), Black);
        EXPECT_EQ(Bgr(c.image, row.lastPainted.x(), row.lastPainted.y()), Black);
        EXPECT_EQ(Bgr(c.image, row.endPoint.x(), row.endPoint.y()), White);
    }
}

TEST(ClassicPen, EllipseLeavesOutTheRightAndBottomEdgeOfItsBox) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().BrushSolid = false;
        canvas.Ellipse(5, 5, 15, 15);
    }
    EXPECT_EQ(InkIn(c.image, QRect(5, 5, 10, 10), White), InkIn(c.image, c.image.rect(), White));
    EXPECT_GT(InkIn(c.image, QRect(5, 5, 1, 10), White), 0);   // column 5
    EXPECT_GT(InkIn(c.image, QRect(14, 5, 1, 10), White), 0);  // column 14
    EXPECT_GT(InkIn(c.image, QRect(5, 5, 10, 1), White), 0);   // row 5
    EXPECT_GT(InkIn(c.image, QRect(5, 14, 10, 1), White), 0);  // row 14
}

TEST(ClassicPen, FilledEllipseTakesTheBrushColour) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().PenColor = Red;
        canvas.state().BrushColor = Blue;
        canvas.Ellipse(5, 5, 16, 16);
    }
    EXPECT_EQ(Bgr(c.image, 10, 10), Blue);
    EXPECT_EQ(Bgr(c.image, 5, 10), Red);
}

TEST(ClassicPen, RectangleCoversItsBoxWithoutRightAndBottomEdge) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().BrushSolid = false;
        canvas.Rectangle(5, 5, 13, 13);
    }
    EXPECT_EQ(Bgr(c.image, 5, 5), Black);
    EXPECT_EQ(Bgr(c.image, 12, 12), Black);
    EXPECT_EQ(Bgr(c.image, 12, 5), Black);
    EXPECT_EQ(Bgr(c.image, 13, 8), White);
    EXPECT_EQ(Bgr(c.image, 8, 13), White);
    EXPECT_EQ(Bgr(c.image, 8, 8), White);  // clear brush
}

TEST(ClassicPen, WidthTwoStrokesCoverTheColumnBeforeAndTheColumnOfTheirX) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().PenWidth = 2;
        canvas.Line(QPoint(10, 4), QPoint(10, 12));
        canvas.Line(QPoint(20, 30), QPoint(30, 30));
    }
    for (int y = 4; y <= 11; ++y) {
        EXPECT_EQ(Bgr(c.image, 9, y), Black) << y;
        EXPECT_EQ(Bgr(c.image, 10, y), Black) << y;
        EXPECT_EQ(Bgr(c.image, 8, y), White) << y;
        EXPECT_EQ(Bgr(c.image, 11, y), White) << y;
    }
    EXPECT_EQ(Bgr(c.image, 10, 3), White);
    EXPECT_EQ(Bgr(c.image, 10, 12), White);
    EXPECT_EQ(Bgr(c.image, 25, 29), Black);
    EXPECT_EQ(Bgr(c.image, 25, 30), Black);
    EXPECT_EQ(Bgr(c.image, 25, 31), White);
    EXPECT_EQ(Bgr(c.image, 30, 30), White);
}

TEST(ClassicPen, InvertingPenPaintsTheComplementOfPenXorPixel) {
    struct Row {
        int32_t pixel, pen, result;
    };
    const Row rows[] = {
        {White, Grey, Grey},      {Grey, Grey, White}, {Silver, Silver, White},
        {Grey, Silver, 0xBFBFBF}, {White, Red, Red},
    };
    for (const Row& row : rows) {
        CanvasImage c = WhiteCanvas();
        {
            ClassicCanvas canvas(c);
            canvas.Fill(row.pixel);
            canvas.state().PenColor = row.pen;
            canvas.state().Mode = PenMode::NotXor;
            canvas.Line(QPoint(0, 5), QPoint(20, 5));
        }
        EXPECT_EQ(Bgr(c.image, 10, 5), row.result) << std::hex << row.pixel << " " << row.pen;
    }
}

TEST(ClassicPen, InvertingPenDrawnTwiceLeavesNoTrace) {
    // On scaled screens too: the marks of a gesture are taken away by drawing them again.
    for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        CanvasImage c = MakeCanvasImage(40, 40, ratio);
        const QImage before = c.image.copy();
        const QImage deviceBefore = c.device.copy();
        {
            ClassicCanvas canvas(c);
            canvas.state().Mode = PenMode::NotXor;
            canvas.state().PenColor = 0x123456;
            canvas.state().BrushSolid = false;
            for (int twice = 0; twice < 2; ++twice) {
                canvas.state().Style = PenStyle::Dotted;
                canvas.state().PenWidth = 1;
                canvas.Line(QPoint(1, 1), QPoint(30, 20));
                canvas.state().Style = PenStyle::Solid;
                canvas.state().PenWidth = 2;
                canvas.Line(QPoint(3, 30), QPoint(3, 10));
                canvas.Rectangle(20, 20, 28, 28);
                canvas.Ellipse(5, 5, 15, 15);
            }
        }
        EXPECT_EQ(c.image, before);
        EXPECT_EQ(c.device, deviceBefore);
    }
}

TEST(ClassicPen, DottedPenPaintsThreeAndSkipsThree) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().Style = PenStyle::Dotted;
        canvas.Line(QPoint(2, 5), QPoint(20, 5));
    }
    const int32_t expected[] = {Black, Black, Black, White, White, White};
    for (int x = 2; x < 20; ++x) {
        EXPECT_EQ(Bgr(c.image, x, 5), expected[(x - 2) % 6]) << x;
    }
}

TEST(ClassicPen, DottedPenStaysDottedAtEveryWidth) {
    // Each dot covers the pen's width across the stroke, as a solid wide stroke does; the
    // gaps along it stay three pixels long.
    struct Row {
        int width;
        QPoint from, to;
        int firstAcross, lastAcross;  // offsets across the stroke that carry ink
    } rows[] = {
        {2, {2, 9}, {22, 9}, -1, 0},  {3, {2, 9}, {22, 9}, -1, 1},   {3, {4, 2}, {4, 24}, -1, 1},
        {3, {2, 4}, {22, 14}, -1, 1}, {2, {20, 26}, {10, 2}, -1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        CanvasImage c = WhiteCanvas();
        {
            ClassicCanvas canvas(c);
            canvas.state().Style = PenStyle::Dotted;
            canvas.state().PenWidth = row.width;
            canvas.Line(row.from, row.to);
        }
        const QPoint d = row.to - row.from;
        const bool alongX = std::abs(d.x()) >= std::abs(d.y());
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        for (int step = 0; step < steps; ++step) {
            const int x = row.from.x() + (alongX ? (d.x() > 0 ? step : -step)
                                                 : int(std::lround(double(d.x()) * step / steps)));
            const int y = row.from.y() + (alongX ? int(std::lround(double(d.y()) * step / steps))
                                                 : (d.y() > 0 ? step : -step));
            const bool on = step % 6 < 3;
            for (int across = -2; across <= 2; ++across) {
                const QPoint p = alongX ? QPoint(x, y + across) : QPoint(x + across, y);
                const bool inked = on && across >= row.firstAcross && across <= row.lastAcross;
                EXPECT_EQ(Bgr(c.image, p.x(), p.y()) == Black, inked)
                    << "step " << step << " across " << across;
            }
        }
    }
}

TEST(ClassicPen, EmptyBoxesDrawNothing) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().PenWidth = 2;
        canvas.Ellipse(10, 12, 10, 12);  // a circle of radius 0
        canvas.Ellipse(20, 12, 20, 30);
        canvas.Rectangle(5, 5, 5, 5);
        canvas.state().PenWidth = 1;
        canvas.Ellipse(30, 30, 32, 31);  // the smallest box that is not empty
    }
    EXPECT_EQ(InkIn(c.image, QRect(0, 0, 29, 40), White), 0);
    EXPECT_GT(InkIn(c.image, QRect(29, 29, 4, 3), White), 0);
}

TEST(ClassicPen, OrAndXorCopiesCombinePixels) {
    CanvasImage c = WhiteCanvas(4, 4);
    {
        ClassicCanvas canvas(c);
        canvas.Fill(0x0F0F0F);
    }
    QImage source(2, 2, QImage::Format_RGB32);
    source.fill(QColor(0xF0, 0x00, 0x0F));
    QImage orImage = c.image.copy();
    CopyOr(orImage, QPoint(1, 1), source);
    EXPECT_EQ(Bgr(orImage, 1, 1), 0x0F0FFF);
    EXPECT_EQ(Bgr(orImage, 0, 0), 0x0F0F0F);
    QImage xorImage = c.image.copy();
    CopyXor(xorImage, QPoint(1, 1), source);
    EXPECT_EQ(Bgr(xorImage, 2, 2), 0x000FFF);
}

TEST(ClassicPen, TextIsWrittenOnTheBrushUnlessTheBrushIsClear) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.state().BrushColor = Teal;
        canvas.TextOut(2, 2, QStringLiteral(" "));
        canvas.state().BrushSolid = false;
        canvas.TextOut(2, 22, QStringLiteral(" "));
    }
    EXPECT_EQ(Bgr(c.image, 3, 3), Teal);
    EXPECT_EQ(Bgr(c.image, 3, 23), White);
}

TEST(ClassicPen, TextIgnoresTheInvertingPenMode) {
    CanvasImage c = WhiteCanvas();
    {
        ClassicCanvas canvas(c);
        canvas.Fill(Grey);
        canvas.state().Mode = PenMode::NotXor;
        canvas.state().BrushColor = Red;
        canvas.TextOut(2, 2, QStringLiteral(" "));
    }
    EXPECT_EQ(Bgr(c.image, 3, 3), Red);
}

}  // namespace
