// The records chart: for one unit, a bar a run with its total time and a line through the share
// of ○ in each run, so that a teacher or a student sees the progress at a glance. Painted with
// QPainter onto any device: the records window, a PNG or a PDF of the exporter.
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <span>
#include <vector>

#include "practice_run.h"

class QPainter;

struct RecordsChartSeries {
    QString unitTitle;  // empty: no unit is chosen
    std::vector<int> runNumbers;
    std::vector<int> totalSeconds;
    std::vector<double> rightShare;  // 0 … 1; a run without questions counts 0
};

RecordsChartSeries ChartSeriesOf(const QString& unitTitle, std::span<const PracticeRun> runs);

// The number of runs shown in a chart of this width: all of them while their bars stay wide
// enough to see, else the latest that fit.
int ChartShownRuns(qreal width, int runs);

// One text of the chart as DrawRecordsChart writes it.
struct RecordsChartLabel {
    QString text;
    QRectF box;  // from the start of its baseline, its advance wide, its ascent and descent high
    int pixelSize = 0;
    QColor colour;
};

// The chart's texts in the rectangle: the title and the legend, the labels of both axes, the run
// numbers and "回目"; or the one line said when there is nothing to chart. No two of them
// overlap.
std::vector<RecordsChartLabel> RecordsChartLabels(const QRectF& rect,
                                                  const RecordsChartSeries& series);

// Paints the chart into the rectangle in the painter's coordinates: a white ground, the unit's
// title, time on the left axis, the share of ○ on the right one, run numbers below.
void DrawRecordsChart(QPainter& painter, const QRectF& rect, const RecordsChartSeries& series);
