// The chart widget of the records window.
#include "practice/records_chart_view.h"

#include <QPainter>

RecordsChartView::RecordsChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RecordsChartView::setSeries(RecordsChartSeries series) {
    series_ = std::move(series);
    update();
}

void RecordsChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawRecordsChart(painter, QRectF(rect()), series_);
}
