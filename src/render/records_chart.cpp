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
constexpr qreal RightRoom = 44;   // percentages
constexpr qreal TopRoom = 30;     // title and legend
constexpr qreal BottomRoom = 22;  // run numbers
constexpr qreal MinSlot = 7;      // pixels a run at least

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

void DrawTextLeft(QPainter& painter, QPointF at, const QString& text, const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(at, text);
}

void DrawTextRightAligned(QPainter& painter, qreal right, qreal baseline, const QString& text,
                          const QColor& colour) {
    const qreal width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    DrawTextLeft(painter, QPointF(right - width, baseline), text, colour);
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

void DrawRecordsChart(QPainter& painter, const QRectF& rect, const RecordsChartSeries& series) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, Qt::white);
    painter.setPen(QPen(AxisColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));

    const QFont labelFont = ChartFont(11);
    const QFont titleFont = ChartFont(14);
    const int runs = int(series.runNumbers.size());
    if (series.unitTitle.isEmpty() || runs == 0) {
        painter.setFont(titleFont);
        painter.setPen(AxisColour);
        painter.drawText(rect, Qt::AlignCenter,
                         series.unitTitle.isEmpty()
                             ? QStringLiteral("単元を選ぶと、練習の記録がグラフになります")
                             : QStringLiteral("練習の記録はありません"));
        painter.restore();
        return;
    }
    const int shown = ChartShownRuns(rect.width(), runs);
    const int first = runs - shown;

    // Title and legend.
    painter.setFont(titleFont);
    QString title = QStringLiteral("「%1」の記録").arg(series.unitTitle);
    if (shown < runs) {
        title += QStringLiteral("（最近の%1回）").arg(shown);
    }
    const qreal legendWidth = 230;
    title = QFontMetricsF(titleFont).elidedText(title, Qt::ElideMiddle,
                                                rect.width() - legendWidth - 16);
    DrawTextLeft(painter, rect.topLeft() + QPointF(8, 20), title, Qt::black);
    painter.setFont(labelFont);
    const qreal legendLeft = rect.right() - legendWidth;
    painter.fillRect(QRectF(legendLeft, rect.top() + 10, 14, 10), BarColour);
    DrawTextLeft(painter, QPointF(legendLeft + 18, rect.top() + 20),
                 QStringLiteral("かかった時間（左）"), Qt::black);
    const qreal lineLeft = legendLeft + 128;
    painter.setPen(QPen(ShareColour, 2));
    painter.drawLine(QPointF(lineLeft, rect.top() + 15), QPointF(lineLeft + 16, rect.top() + 15));
    painter.setBrush(ShareColour);
    painter.drawEllipse(QPointF(lineLeft + 8, rect.top() + 15), 3, 3);
    DrawTextLeft(painter, QPointF(lineLeft + 20, rect.top() + 20), QStringLiteral("○の割合（右）"),
                 Qt::black);

    const QRectF plot(rect.left() + LeftRoom, rect.top() + TopRoom,
                      rect.width() - LeftRoom - RightRoom, rect.height() - TopRoom - BottomRoom);
    const int longest = std::max(
        1, *std::max_element(series.totalSeconds.begin() + first, series.totalSeconds.end()));
    const int step = TimeStep(longest);
    const int top = (longest + step - 1) / step * step;
    const auto timeY = [&](int seconds) { return plot.bottom() - plot.height() * seconds / top; };
    const auto shareY = [&](double share) { return plot.bottom() - plot.height() * share; };

    // Grid and the two axes' labels.
    const qreal baselineShift = QFontMetricsF(labelFont).ascent() / 2 - 1;
    for (int seconds = 0; seconds <= top; seconds += step) {
        const qreal y = timeY(seconds);
        painter.setPen(QPen(GridColour, 1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        DrawTextRightAligned(painter, plot.left() - 5, y + baselineShift, MinutesSeconds(seconds),
                             AxisColour);
    }
    for (int percent = 0; percent <= 100; percent += 25) {
        DrawTextLeft(painter, QPointF(plot.right() + 5, shareY(percent / 100.0) + baselineShift),
                     QStringLiteral("%1%").arg(percent), ShareColour);
    }
    painter.setPen(QPen(AxisColour, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.topRight(), plot.bottomRight());

    // Bars, run numbers and the line of shares.
    const qreal slot = plot.width() / shown;
    const qreal barWidth = std::max<qreal>(2, std::min<qreal>(slot * 0.6, 36));
    const QFontMetricsF labels(labelFont);
    const qreal widestNumber = labels.horizontalAdvance(QString::number(series.runNumbers.back()));
    const int labelEvery = std::max(1, int(std::ceil((widestNumber + 6) / slot)));
    QPainterPath shares;
    for (int i = 0; i < shown; ++i) {
        const int run = first + i;
        const qreal centre = plot.left() + slot * (i + 0.5);
        const qreal barTop = timeY(series.totalSeconds[run]);
        painter.fillRect(QRectF(centre - barWidth / 2, barTop, barWidth, plot.bottom() - barTop),
                         BarColour);
        if ((shown - 1 - i) % labelEvery == 0) {
            const QString number = QString::number(series.runNumbers[run]);
            DrawTextLeft(painter,
                         QPointF(centre - labels.horizontalAdvance(number) / 2,
                                 plot.bottom() + 4 + labels.ascent()),
                         number, AxisColour);
        }
        const QPointF point(centre, shareY(series.rightShare[run]));
        if (i == 0) {
            shares.moveTo(point);
        } else {
            shares.lineTo(point);
        }
    }
    // What the numbers under the bars count.
    DrawTextLeft(painter, QPointF(plot.right() + 5, plot.bottom() + 4 + labels.ascent()),
                 QStringLiteral("回目"), AxisColour);
    painter.setPen(QPen(ShareColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shares);
    if (slot >= 5) {
        painter.setBrush(ShareColour);
        for (int i = 0; i < shown; ++i) {
            painter.drawEllipse(
                QPointF(plot.left() + slot * (i + 0.5), shareY(series.rightShare[first + i])), 2.5,
                2.5);
        }
    }
    painter.restore();
}
