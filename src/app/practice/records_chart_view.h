// The records window's chart of the unit clicked: the drawing library paints it, so the window
// shows the same chart the exporter writes.
#pragma once

#include <QWidget>

#include "records_chart.h"

class RecordsChartView : public QWidget {
  public:
    explicit RecordsChartView(QWidget* parent = nullptr);

    const RecordsChartSeries& series() const { return series_; }
    void setSeries(RecordsChartSeries series);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    RecordsChartSeries series_;
};
