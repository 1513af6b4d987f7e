// Painting the records chart.
#include "records_chart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "fonts.h"

namespace {

constexpr qreal LeftRoom = 52;    // time labels
constexpr qreal RightRoom = 44;   // percentages, and "回目" after the last run's number
constexpr qreal TopRoom = 30;     // title and legend
constexpr qreal BottomRoom = 22;  // run numbers
constexpr qreal MinSlot = 7;      // pixels a run at least
constexpr qreal LabelGap = 2;     // between the axes' labels and the run numbers below them

constexpr int LabelPixels = 11;
constexpr int TitlePixels = 14;

const QColor BarColour(0, 128, 128);  // the panels' teal
const QColor ShareColour(214, 64, 24);
const QColor GridColour(220, 220, 220);
const QColor AxisColour(96, 96, 96);

QFont ChartFont(int pixels) {
    QFont font(PlainFontName);
    font.setPixelSize(pixels);
    return font;
}

QString MinutesSeconds(int seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QChar(u'0'));
}

// A step of the time axis that gives at most five lines up to the longest run.
int TimeStep(int longest) {
    static const int steps[] = {10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 18000};
    for (const int step : steps) {
        if (longest <= step * 5) {
            return step;
        }
    }
    return (longest / 5 / 3600 + 1) * 3600;
}

// Texts of one font placed by their left end, centre or right end and by their top or middle.
class LabelMaker {
  public:
    explicit LabelMaker(int pixels) : pixels_(pixels), metrics_(ChartFont(pixels)) {}

    qreal Width(const QString& text) const { return metrics_.horizontalAdvance(text); }
    qreal Height() const { return metrics_.ascent() + metrics_.descent(); }
    qreal Ascent() const { return metrics_.ascent(); }
    const QFontMetricsF& Metrics() const { return metrics_; }

    // left is the text's left end; its baseline lies ascent below top.
    RecordsChartLabel AtTop(qreal left, qreal top, const QString& text,
                            const QColor& colour) const {
        return {text, QRectF(left, top, Width(text), Height()), pixels_, colour};
    }
    RecordsChartLabel OnBaseline(qreal left, qreal baseline, const QString& text,
                                 const QColor& colour) const {
        return AtTop(left, baseline - Ascent(), text, colour);
    }
    // Centred on the height y, as the labels of a grid line.
    RecordsChartLabel LeftOf(qreal right, qreal y, const QString& text,
                             const QColor& colour) const {
        return AtTop(right - Width(text), y - Height() / 2, text, colour);
    }
    RecordsChartLabel RightOf(qreal left, qreal y, const QString& text,
                              const QColor& colour) const {
        return AtTop(left, y - Height() / 2, text, colour);
    }

  private:
    int pixels_;
    QFontMetricsF metrics_;
};

// Where everything of the chart goes.
struct ChartLayout {
    bool empty = true;  // nothing to chart: only the label saying so
    QRectF plot;
    int first = 0;  // the first run shown
    int shown = 0;
    int step = 1;  // seconds between the time axis's grid lines
    int top = 1;   // seconds at the top of the plot
    qreal slot = 0;
    qreal legendLeft = 0;
    std::vector<RecordsChartLabel> labels;

    qreal TimeY(int seconds) const { return plot.bottom() - plot.height() * seconds / top; }
    qreal ShareY(double share) const { return plot.bottom() - plot.height() * share; }
    qreal Centre(int i) const { return plot.left() + slot * (i + 0.5); }
};

ChartLayout LayOut(const QRectF& rect, const RecordsChartSeries& series) {
    ChartLayout layout;
    const LabelMaker labels(LabelPixels);
    const LabelMaker titles(TitlePixels);
    const int runs = int(series.runNumbers.size());
    if (series.unitTitle.isEmpty() || runs == 0) {
        const QString text = series.unitTitle.isEmpty()
                                 ? QStringLiteral("単元を選ぶと、練習の記録がグラフになります")
                                 : QStringLiteral("練習の記録はありません");
        layout.labels.push_back(titles.AtTop(rect.center().x() - titles.Width(text) / 2,
                                             rect.center().y() - titles.Height() / 2, text,
                                             AxisColour));
        return layout;
    }
    layout.empty = false;
    layout.shown = ChartShownRuns(rect.width(), runs);
    layout.first = runs - layout.shown;

    // Title and legend.
    QString title = QStringLiteral("「%1」の記録").arg(series.unitTitle);
    if (layout.shown < runs) {
        title += QStringLiteral("（最近の%1回）").arg(layout.shown);
    }
    const qreal legendWidth = 230;
    title = titles.Metrics().elidedText(title, Qt::ElideMiddle, rect.width() - legendWidth - 16);
    const qreal legendBaseline = rect.top() + 20;
    layout.labels.push_back(titles.OnBaseline(rect.left() + 8, legendBaseline, title, Qt::black));
    layout.legendLeft = rect.right() - legendWidth;
    layout.labels.push_back(labels.OnBaseline(layout.legendLeft + 18, legendBaseline,
                                              QStringLiteral("かかった時間（左）"), Qt::black));
    layout.labels.push_back(labels.OnBaseline(layout.legendLeft + 148, legendBaseline,
                                              QStringLiteral("○の割合（右）"), Qt::black));

    layout.plot = QRectF(rect.left() + LeftRoom, rect.top() + TopRoom,
                         rect.width() - LeftRoom - RightRoom, rect.height() - TopRoom - BottomRoom);
    const QRectF& plot = layout.plot;
    const int longest = std::max(1, *std::max_element(series.totalSeconds.begin() + layout.first,
                                                      series.totalSeconds.end()));
    const int step = TimeStep(longest);
    layout.step = step;
    layout.top = (longest + step - 1) / step * step;

    // The axes' labels, each centred on its grid line.
    for (int seconds = 0; seconds <= layout.top; seconds += step) {
        layout.labels.push_back(labels.LeftOf(plot.left() - 5, layout.TimeY(seconds),
                                              MinutesSeconds(seconds), AxisColour));
    }
    for (int percent = 0; percent <= 100; percent += 25) {
        layout.labels.push_back(labels.RightOf(plot.right() + 5, layout.ShareY(percent / 100.0),
                                               QStringLiteral("%1%").arg(percent), ShareColour));
    }

    // Run numbers below the labels of the bottom grid line, every so many runs so that they
    // keep apart, always the latest; "回目" follows the latest.
    layout.slot = plot.width() / layout.shown;
    const qreal numbersTop = plot.bottom() + labels.Height() / 2 + LabelGap;
    qreal widestNumber = 0;
    for (int i = 0; i < layout.shown; ++i) {
        widestNumber = std::max(widestNumber,
                                labels.Width(QString::number(series.runNumbers[layout.first + i])));
    }
    const int labelEvery = std::max(1, int(std::ceil((widestNumber + 6) / layout.slot)));
    qreal numbersRight = plot.right();
    for (int i = layout.shown - 1; i >= 0; i -= labelEvery) {
        const QString number = QString::number(series.runNumbers[layout.first + i]);
        const RecordsChartLabel label = labels.AtTop(layout.Centre(i) - labels.Width(number) / 2,
                                                     numbersTop, number, AxisColour);
        numbersRight = std::max(numbersRight, label.box.right());
        layout.labels.push_back(label);
    }
    layout.labels.push_back(labels.AtTop(std::max(plot.right() + 5, numbersRight + 3), numbersTop,
                                         QStringLiteral("回目"), AxisColour));
    return layout;
}

}  // namespace

RecordsChartSeries ChartSeriesOf(const QString& unitTitle, std::span<const PracticeRun> runs) {
    RecordsChartSeries series;
    series.unitTitle = unitTitle;
    for (const PracticeRun& run : runs) {
        series.runNumbers.push_back(run.number);
        series.totalSeconds.push_back(run.totalSeconds);
        const int questions = run.right + run.wrong;
        series.rightShare.push_back(questions > 0 ? double(run.right) / questions : 0.0);
    }
    return series;
}

int ChartShownRuns(qreal width, int runs) {
    const int fit = std::max(1, int((width - LeftRoom - RightRoom) / MinSlot));
    return std::min(runs, fit);
}

std::vector<RecordsChartLabel> RecordsChartLabels(const QRectF& rect,
                                                  const RecordsChartSeries& series) {
    return LayOut(rect, series).labels;
}

void DrawRecordsChart(QPainter& painter, const QRectF& rect, const RecordsChartSeries& series) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(AxisColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    const ChartLayout layout = LayOut(rect, series);
    const QRectF& plot = layout.plot;
    if (!layout.empty) {
        // The legend's marks.
        painter.fillRect(QRectF(layout.legendLeft, rect.top() + 10, 14, 10), BarColour);
        const qreal lineLeft = layout.legendLeft + 128;
        painter.setPen(QPen(ShareColour, 2));
        painter.drawLine(QPointF(lineLeft, rect.top() + 15),
                         QPointF(lineLeft + 16, rect.top() + 15));
        painter.setBrush(ShareColour);
        painter.drawEllipse(QPointF(lineLeft + 8, rect.top() + 15), 3, 3);

        // Grid and axes.
        painter.setPen(QPen(GridColour, 1));
        for (int seconds = 0; seconds <= layout.top; seconds += layout.step) {
            const qreal y = layout.TimeY(seconds);
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        }
        painter.setPen(QPen(AxisColour, 1));
        painter.drawLine(plot.bottomLeft(), plot.bottomRight());
        painter.drawLine(plot.topLeft(), plot.bottomLeft());
        painter.drawLine(plot.topRight(), plot.bottomRight());

        // Bars and the line of shares.
        const qreal barWidth = std::max<qreal>(2, std::min<qreal>(layout.slot * 0.6, 36));
        QPainterPath shares;
        for (int i = 0; i < layout.shown; ++i) {
            const int run = layout.first + i;
            const qreal barTop = layout.TimeY(series.totalSeconds[run]);
            painter.fillRect(
                QRectF(layout.Centre(i) - barWidth / 2, barTop, barWidth, plot.bottom() - barTop),
                BarColour);
            const QPointF point(layout.Centre(i), layout.ShareY(series.rightShare[run]));
            if (i == 0) {
                shares.moveTo(point);
            } else {
                shares.lineTo(point);
            }
        }
        painter.setPen(QPen(ShareColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shares);
        if (layout.slot >= 5) {
            painter.setBrush(ShareColour);
            for (int i = 0; i < layout.shown; ++i) {
                painter.drawEllipse(
                    QPointF(layout.Centre(i), layout.ShareY(series.rightShare[layout.first + i])),
                    2.5, 2.5);
            }
        }
    }

    for (const RecordsChartLabel& label : layout.labels) {
        const QFont font = ChartFont(label.pixelSize);
        painter.setFont(font);
        painter.setPen(label.colour);
        painter.drawText(QPointF(label.box.left(), label.box.top() + QFontMetricsF(font).ascent()),
                         label.text);
    }
    painter.restore();
}
