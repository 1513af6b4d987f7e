// A label that reports a click (lblHeniki steps the domain ends when clicked).
#pragma once

#include <QLabel>

class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
