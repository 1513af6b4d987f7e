// The unit contents window frmTangen ("単元の内容"): the unit title, file name and graph count,
// and the unit contents memo, which the user may edit; what is typed there is saved with the unit.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct GraphTable;

class TfrmTangen : public QDialog {
    Q_OBJECT
  public:
    TfrmTangen(GraphTable& table, QWidget* parent = nullptr);

    QLabel* Label4;
    QLabel* lblTangen;
    QLabel* Label5;
    QLabel* lblFileName;
    QLabel* Label2;
    QLabel* lblNline;
    QLabel* Label1;
    QPlainTextEdit* memFile;
    QPushButton* btnReturn;

    // Loads the memo of the graph table into memFile.
    void FormShow();
    void btnReturnClick();
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Puts what the user typed into memFile back into the graph table's memo.
    void StoreMemo();

    GraphTable& table_;
    QString shownText_;  // the memo as loaded, to tell whether the user changed it
};
