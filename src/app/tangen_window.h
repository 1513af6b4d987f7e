// The unit contents window frmTangen ("単元の内容"): the unit title, file name and graph count,
// and the unit contents memo, which the user may edit; what is typed there is saved with the unit.
#pragma once

#include <QDialog>
#include <QStringList>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
struct GraphTable;

class TfrmTangen : public QDialog {
    Q_OBJECT
  public:
    TfrmTangen(const GraphTable& table, QWidget* parent = nullptr);

    // The drawing's title, its file name as the system writes it, and its number of graphs.
    void ShowFileInfo(const QString& title, const QString& fileName, int lineCount);
    void ShowLineCount(int lineCount);

    // Loads the memo of the graph table into memFile.
    void FormShow();
    // What the user typed, once, when it differs from the memo shown; the drawing decides
    // whether to take it.
    std::optional<QStringList> TakeEditedMemo();
    void btnReturnClick();
    void done(int result) override;
    // Centres the window over the main window before it is mapped, at every showing.
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Label4;
    QLabel* lblTangen;
    QLabel* Label5;
    QLabel* lblFileName;
    QLabel* Label2;
    QLabel* lblNline;
    QLabel* Label1;
    QPlainTextEdit* memFile;
    QPushButton* btnReturn;

    // Keeps what the user typed into memFile for TakeEditedMemo.
    void StoreMemo();

    const GraphTable& table_;
    QString shownText_;  // the memo as loaded, to tell whether the user changed it
    std::optional<QStringList> edited_;
};
