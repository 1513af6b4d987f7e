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

TEST(RecordsChart, NoTwoLabelsOverlapWhateverTheNumberOfRuns) {
    // The records window's chart and the exporter's.
    const QRectF sizes[] = {QRectF(0, 0, 608, 236), QRectF(0, 0, 800, 360)};
    // 1, every count from 10 to 100 (the window holds about 72 runs), 1,000 and 10,000.
    for (int count = 1; count <= 10000;
         count = count >= 10 && count < 100 ? count + 1 : count * 10) {
        std::vector<PracticeRun> runs;
        for (int number = 1; number <= count; ++number) {
            runs.push_back(
                MakeRun(number, number % 3 == 0 ? "OXO" : "OOO", 40 + number * 37 % 900));
        }
        const RecordsChartSeries series = ChartSeriesOf(QStringLiteral("一次関数のグラフ"), runs);
        for (const QRectF& rect : sizes) {
            SCOPED_TRACE(
                QStringLiteral("%1 runs, %2 wide").arg(count).arg(rect.width()).toStdString());
            const std::vector<RecordsChartLabel> labels = RecordsChartLabels(rect, series);
            QStringList texts;
            for (size_t i = 0; i < labels.size(); ++i) {
                texts.append(labels[i].text);
                EXPECT_TRUE(rect.contains(labels[i].box)) << labels[i].text.toStdString();
                for (size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(labels[i].box.intersects(labels[j].box))
                        << labels[i].text.toStdString() << " " << labels[j].text.toStdString();
                }
            }
            // The latest run is always numbered, and the unit of the numbers follows it.
            EXPECT_TRUE(texts.contains(QString::number(count)));
            EXPECT_TRUE(texts.contains(QStringLiteral("回目")));
            EXPECT_TRUE(texts.contains(QStringLiteral("100%")));

            // Each label is painted in its box.
            QImage image(rect.size().toSize(), QImage::Format_RGB32);
            QPainter painter(&image);
            DrawRecordsChart(painter, rect, series);
            painter.end();
            for (const RecordsChartLabel& label : labels) {
                const QRect box = label.box.toAlignedRect() & image.rect();
                bool inked = false;
                for (int y = box.top(); y <= box.bottom() && !inked; ++y) {
                    for (int x = box.left(); x <= box.right() && !inked; ++x) {
                        inked = qGray(image.pixel(x, y)) < 160;
                    }
                }
                EXPECT_TRUE(inked) << label.text.toStdString();
            }
        }
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
