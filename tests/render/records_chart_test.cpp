// The records chart: its series hold the runs' values, the runs shown when they do not all fit,
// and bars that stand for the times.
#include <gtest/gtest.h>

#include <QPainter>

#include "pixel_probe.h"
#include "records_chart.h"

namespace {

PracticeRun MakeRun(int number, const char* marks, int seconds) {
    PracticeRun run =
        *ParsePracticeRun(number, QStringLiteral("2024年11月05日 10:05 ") +
                                      QString::fromLatin1(marks) + QStringLiteral(" 00:00"));
    run.totalSeconds = seconds;
    return run;
}

TEST(RecordsChart, SeriesHoldTheRunsValues) {
    const PracticeRun runs[] = {MakeRun(1, "OXXX", 250), MakeRun(3, "OOOX", 130),
                                MakeRun(4, "", 95), MakeRun(5, "OOOOO", 61)};
    const RecordsChartSeries series = ChartSeriesOf(QStringLiteral("比例"), runs);
    EXPECT_EQ(series.unitTitle, QStringLiteral("比例"));
    EXPECT_EQ(series.runNumbers, std::vector<int>({1, 3, 4, 5}));
    EXPECT_EQ(series.totalSeconds, std::vector<int>({250, 130, 95, 61}));
    EXPECT_EQ(series.rightShare, std::vector<double>({0.25, 0.75, 0.0, 1.0}));
}

TEST(RecordsChart, ShowsTheLatestRunsThatFit) {
    // 96 pixels of the width hold the axes' labels, and a run needs 7.
    const std::tuple<qreal, int, int> rows[] = {
        {600, 10, 10}, {600, 72, 72}, {600, 73, 72}, {200, 20, 14}, {50, 3, 1},
    };
    for (const auto& [width, runs, shown] : rows) {
        EXPECT_EQ(ChartShownRuns(width, runs), shown) << width << " " << runs;
    }
}

// The bars' colour in a row of the image: the lengths of its runs, left to right.
std::vector<int> BarsAlong(const QImage& image, int y) {
    std::vector<int> bars;
    int length = 0;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixel(x, y) == qRgb(0, 128, 128)) {
            ++length;
        } else if (length > 0) {
            bars.push_back(length);
            length = 0;
        }
    }
    return bars;
}

TEST(RecordsChart, ABarARunAsHighAsItsTime) {
    const PracticeRun runs[] = {MakeRun(1, "OO", 300), MakeRun(2, "OO", 100), MakeRun(3, "O", 200)};
    QImage image(600, 240, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawRecordsChart(painter, QRectF(0, 0, 600, 240), ChartSeriesOf(QStringLiteral("t"), runs));
    painter.end();
    // The plot runs from y 30 to 218; the time axis ends at 5:00, so 300 s fills it. Every
    // answer was right, so the line of shares runs along the top, clear of the rows probed.
    const int bottom = 218;
    EXPECT_EQ(BarsAlong(image, bottom - 8), std::vector<int>({36, 36, 36}));
    EXPECT_EQ(BarsAlong(image, bottom - 188 / 3 + 4).size(), 3u);  // just below 100 s
    EXPECT_EQ(BarsAlong(image, bottom - 188 / 3 - 4).size(), 2u);
    EXPECT_EQ(BarsAlong(image, bottom - 2 * 188 / 3 - 4).size(), 1u);
}

}  // namespace
