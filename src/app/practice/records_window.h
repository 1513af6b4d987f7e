// The records window frmKiroku ("実行記録"): lists the units of the "DATA" folder with the number
// of their practice runs, shows the runs of the unit clicked with a chart of their times and
// shares of ○, and erases the records of units.
#pragma once

#include <QDialog>
#include <QStringList>

#include "practice_records.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class RecordsChartView;

class TfrmKiroku : public QDialog {
    Q_OBJECT
  public:
    // startDir ends with a separator and holds "Record.ini" and the folder "DATA".
    explicit TfrmKiroku(const QString& startDir, QWidget* parent = nullptr);

    // The titles behind lstTitle, line for line (lstReserve).
    const QStringList& Titles() const { return titles_; }

    void FormShow();
    void lstTitleClick();
    void btnEraseClick();
    void btnReturnClick();

  protected:
    void showEvent(QShowEvent* event) override;
    // Closing by the window's close button or Escape is the stop result, as for every window.
    void reject() override;

  private:
    void PlaceForScreen();
    QLabel* Label1;
    QListWidget* lstTitle;  // "n回 title", one line a unit file
    QPlainTextEdit* memDetail;
    RecordsChartView* imgChart;  // the runs of the unit clicked, below the list and the memo
    QPushButton* btnErase;
    QPushButton* btnReturn;

    // Lists the unit files by title with their number of runs; the records' message when the
    // file could not be read whole.
    QString ListUnits();

    QString startDir_;
    QString recordsPath_;
    QStringList titles_;
    // The records as the list shows them, so that a click shows the runs the list counted.
    PracticeRecords records_;
};
