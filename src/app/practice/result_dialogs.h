// The four small modal dialogs that answer the practice window: after a right answer (frmSeikai),
// after a wrong one (frmAyamari), at the end of a run with misses (frmOwari) and when every
// question was right at the first try (frmHappy). Each is shown through ShowModal and closes with
// a ModalResult.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

// What the four dialogs share: the close box gives ModalCancel, and a place on the screen reckoned
// from the main window. Escape gives ModalCancel too, except in the dialogs that answer a single
// question, where it does nothing.
class ResultDialog : public QDialog {
    Q_OBJECT
  public:
    // Moves the dialog to its place below the main window's plane. mainWindowFrame is the main
    // window with its frame on the screen, mainPlaneHeight the height of its plane in pixels,
    // practicePlaneLeft the left edge of the practice window's plane in that window. A dialog
    // that would stick out of the screen's free area is pulled back inside it.
    void PlaceNear(const QRect& mainWindowFrame, int mainPlaneHeight, int practicePlaneLeft);

    // QDialog closes with 0 when its close box or Escape rejects it; the practice reads that as
    // "stop", so it becomes ModalCancel here, whoever shows the dialog.
    void done(int result) override;

  protected:
    enum class Escape { Stops, DoesNothing };
    ResultDialog(QWidget* parent, Escape escape);
    void keyPressEvent(QKeyEvent* event) override;
    // Where the dialog's frame goes, relative to the main window's frame.
    virtual QPoint OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const = 0;
    // Fills the dialog with a colour given as 0x00BBGGRR.
    void SetBackgroundColour(int32_t bgr);

  private:
    Escape escape_;
};

// frmSeikai ("正解"): praise after a right answer; go on to the next question or stop.
class TfrmSeikai : public ResultDialog {
    Q_OBJECT
  public:
    explicit TfrmSeikai(QWidget* parent = nullptr);

    // Runs at every showing: the focus goes back to 次の問題 wherever it was left, so that Enter
    // never takes 中止 by surprise.
    void FormShow();
    void btnNextClick();
    void btnCancelClick();

  protected:
    QPoint OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const override;
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Image1;
    QLineEdit* Edit1;
    QLabel* Image2;
    QPushButton* btnNext;
    QPushButton* btnCancel;
};

// frmAyamari ("誤答"): after a wrong answer the student corrects it, has the right answer shown,
// or stops.
class TfrmAyamari : public ResultDialog {
    Q_OBJECT
  public:
    // drawCorrection draws the wrong answer again with its handles, so it can be corrected;
    // showAnswer draws the question's graph on the practice plane.
    TfrmAyamari(std::function<void()> drawCorrection, std::function<void()> showAnswer,
                QWidget* parent = nullptr);

    // The hint or the shown answer was used on the current question; the practice window sets it
    // before each showing, and "正解を表示する" sets it too.
    bool HintUsed = false;

    // Runs at every showing: the answer can be shown once a question.
    void FormShow();
    void btnTeiseiClick();
    void btnGiveupClick();
    void btnCancelClick();

  protected:
    QPoint OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const override;
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* Image1;
    QLineEdit* edtMess;
    QPushButton* btnTeisei;
    QPushButton* btnGiveup;
    QPushButton* btnCancel;

    std::function<void()> drawCorrection_;
    std::function<void()> showAnswer_;
};

// frmOwari ("練習終わり"): the end of a run with misses; review them, run again, stop, or look at
// the records first.
class TfrmOwari : public ResultDialog {
    Q_OBJECT
  public:
    // showRecords shows the records window; this dialog waits behind it.
    explicit TfrmOwari(std::function<void()> showRecords, QWidget* parent = nullptr);

    // The four buttons, in the tab order they start with.
    enum class Button { Fukushu, Retry, End, ShowRecord };

    // The background, 0x00BBGGRR; it stays for later showings.
    void SetBackground(int32_t bgr);
    // Puts one of the four buttons first in the tab order, so that it has the focus when the
    // dialog is shown (a disabled one passes it on to the next).
    void SetTabFirst(Button button);
    // "間違った所を復習" can be chosen only after a run with misses.
    void SetReviewOffered(bool offered);
    // The line above the buttons: how the run ended.
    void SetMessage(const QString& text);

    void FormShow();
    void btnFukushuClick();
    void btnRetryClick();
    void btnEndClick();
    void btnShowRecordClick();

  protected:
    QPoint OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const override;
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* edtMess;
    QPushButton* btnFukushu;
    QPushButton* btnRetry;
    QPushButton* btnEnd;
    QPushButton* btnShowRecord;

    std::function<void()> showRecords_;
    std::vector<QPushButton*> tabOrder_;
};

// frmHappy ("全問正解"): the celebration when every question was right at the first try.
class TfrmHappy : public ResultDialog {
    Q_OBJECT
  public:
    explicit TfrmHappy(QWidget* parent = nullptr);

    void btnEndClick();

  protected:
    QPoint OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const override;

  private:
    QLabel* Label1;
    QLabel* Image1;  // the row of small pictures
    QPushButton* btnEnd;
};
