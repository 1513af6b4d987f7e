// The end-kind label of the tool and its sample strokes.
#include <gtest/gtest.h>

#include "pixel_probe.h"
#include "tool_sample.h"

namespace {

TEST(UpdateEndKindLabel, CaptionAndFlagsForEachToolAndEndKind) {
    struct Row {
        GraphKind mode;
        int segmentEnd, rayEnd;
        QString caption;
        bool first, second;
    };
    const Row rows[] = {
        {GraphKind::Line, 2, 1, QString(), true, true},
        {GraphKind::Point, 0, 0, QString(), true, true},
        {GraphKind::Label, 3, 1, QString(), true, true},
        {GraphKind::Segment, 0, 1, QStringLiteral(" ≦ ≦"), true, true},
        {GraphKind::Segment, 1, 0, QStringLiteral(" ≦ ＜"), true, false},
        {GraphKind::Segment, 2, 0, QStringLiteral(" ＜ ≦"), false, true},
        {GraphKind::Segment, 3, 0, QStringLiteral(" ＜ ＜"), false, false},
        {GraphKind::Ray, 3, 0, QStringLiteral("  ≦ "), true, true},
        {GraphKind::Ray, 0, 1, QStringLiteral("  ＜ "), false, false},
    };
    for (const Row& row : rows) {
        const EndKindLabel label =
            UpdateEndKindLabel(row.mode, row.segmentEnd, row.rayEnd, EndKindLabel{});
        EXPECT_EQ(label.caption, row.caption)
            << KindNumber(row.mode) << row.segmentEnd << row.rayEnd;
        EXPECT_EQ(label.firstIncluded, row.first);
        EXPECT_EQ(label.secondIncluded, row.second);
    }
}

TEST(UpdateEndKindLabel, UnknownCombinationKeepsTheLabel) {
    const EndKindLabel current{QStringLiteral(" ≦ ＜"), true, false};
    const std::tuple<GraphKind, int, int> rows[] = {
        {GraphKind::Segment, 4, 0}, {GraphKind::Ray, 0, 2}, {KindOfNumber(7), 0, 0}};
    for (const auto& [mode, seg, ray] : rows) {
        const EndKindLabel label = UpdateEndKindLabel(mode, seg, ray, current);
        EXPECT_EQ(label.caption, current.caption);
        EXPECT_EQ(label.secondIncluded, false);
    }
}

CanvasImage Sample(GraphKind mode, int endKind, int width = 1) {
    CanvasImage sample = MakeCanvasImage(ToolSampleWidth, ToolSampleHeight);
    RedrawToolSample(sample, ToolSample{mode, width, endKind, Red}, 5, White);
    return sample;
}

TEST(RedrawToolSample, SegmentWithFirstEndIncluded) {
    const CanvasImage s = Sample(GraphKind::Segment, 1);
    EXPECT_EQ(s.image.size(), QSize(41, 22));
    EXPECT_EQ(Bgr(s.image, 20, 10), Red);   // the stroke
    EXPECT_EQ(Bgr(s.image, 8, 7), Red);     // filled circle at 10
    EXPECT_EQ(Bgr(s.image, 28, 7), White);  // open circle at 30
    EXPECT_EQ(Bgr(s.image, 25, 10), Red);   // its ring
    EXPECT_EQ(Bgr(s.image, 36, 10), White);
}

TEST(RedrawToolSample, EachToolHasItsShape) {
    struct Row {
        const char* name;
        GraphKind mode;
        int endKind;
        int32_t at2, at36, leftCircle, rightCircle, centre;
    };
    const Row rows[] = {
        {"line", GraphKind::Line, 0, Red, Red, Red, Red, Red},
        {"ray included", GraphKind::Ray, 0, White, White, Red, White, Red},
        {"ray excluded", GraphKind::Ray, 1, White, White, White, White, Red},
        {"point", GraphKind::Point, 0, White, White, White, White, Red},
        {"label", GraphKind::Label, 0, White, White, White, White, White},
        {"marker (a file's kind 12)", KindOfNumber(12), 0, White, Red, White, White, Red},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const CanvasImage s = Sample(row.mode, row.endKind);
        EXPECT_EQ(Bgr(s.image, 2, 10), row.at2);
        EXPECT_EQ(Bgr(s.image, 36, 10), row.at36);
        EXPECT_EQ(Bgr(s.image, 8, 7), row.leftCircle);
        EXPECT_EQ(Bgr(s.image, 28, 7), row.rightCircle);
        EXPECT_EQ(Bgr(s.image, 20, 10), row.centre);
    }
}

TEST(DrawSampleStroke, ListRowSampleUsesTheRecordAndTheRowTop) {
    // A hand-edited file may leave a graph's text empty: its row still shows its own sample.
    for (const char* text : {"y=x (0≦x≦1)", ""}) {
        SCOPED_TRACE(text);
        CanvasImage row = MakeCanvasImage(45, 40);
        TLineSpec g;
        g.Kind = GraphKind::Segment;
        g.Color = Blue;
        g.Width = 2;
        g.EndKind = 2;
        g.Text = QString::fromUtf8(text);
        {
            ClassicCanvas canvas(row);
            DrawSampleStroke(canvas, g, 19, 4);
        }
        EXPECT_EQ(Bgr(row.image, 20, 29), Blue);
        EXPECT_EQ(Bgr(row.image, 20, 28), Blue);  // width 2
        EXPECT_EQ(Bgr(row.image, 20, 27), White);
        EXPECT_EQ(Bgr(row.image, 8, 27), White);  // open circle at 10
        EXPECT_EQ(Bgr(row.image, 28, 27), Blue);  // filled circle at 30
        EXPECT_EQ(InkIn(row.image, QRect(0, 0, 45, 19), White), 0);
    }
}

TEST(DrawSampleStroke, RadiusZeroDrawsNoCircles) {
    CanvasImage row = MakeCanvasImage(45, 19);
    TLineSpec point;
    point.Kind = GraphKind::Point;
    point.Color = Blue;
    TLineSpec segment = point;
    segment.Kind = GraphKind::Segment;
    {
        ClassicCanvas canvas(row);
        DrawSampleStroke(canvas, point, 0, 0);
    }
    EXPECT_EQ(InkIn(row.image, row.image.rect(), White), 0);
    {
        ClassicCanvas canvas(row);
        DrawSampleStroke(canvas, segment, 0, 0);
    }
    EXPECT_EQ(InkIn(row.image, row.image.rect(), White), 20);  // the stroke 10..29 alone
}

}  // namespace
