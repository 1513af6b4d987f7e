// The practice window frmRenshu ("練習"): asks a unit's questions one by one on a plane of its
// own, grades each answer at once, and at the end of a run records it and offers a review. The
// answer states live in PracticeSession; this window shows what they call for.
#pragma once

#include <QDialog>
#include <QImage>
#include <chrono>
#include <functional>
#include <vector>

#include "display_options.h"
#include "panel_text.h"
#include "plane_geometry.h"
#include "plane_gesture.h"
#include "plane_keys.h"
#include "plane_settings.h"
#include "practice_records.h"
#include "practice_session.h"

class ImageView;
class PlaneView;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class TfrmAyamari;
class TfrmHappy;
class TfrmOwari;
class TfrmSeikai;

// Everything a practice reads from the rest of the program, given whole when it starts, so the
// practice keeps no reference to the main window and leaves the drawing as it was.
struct PracticeSetup {
    std::vector<TLineSpec> questions;
    PlaneSettings plane;  // the unit's plane; a test's is the drawing's
    int defaultPlaneSize = 544;
    DisplayOptions options;  // the main window's display choices and panel colours
    EquationForm form = EquationForm::Standard;  // the display form answers are graded in
    QRect mainGeometry;                          // the practice window covers the main window
    QRect mainFrame;  // with its frame: the result dialogs are placed in it
    QString recordsFile;
    std::chrono::milliseconds recordsLockWait = FileLock::DefaultWait;
    bool onCdRom = false;   // nothing can be recorded
    bool testMode = false;  // a test of the drawing: nothing is recorded
    QString unitTitle;
    QString unitFile;
    std::function<void()> showRecords;  // 成績 in the end-of-run dialog
    // 答え shows the answer with its dotted extensions: the main window's 点線 goes on too.
    std::function<void()> dottedExtensionsOn;
};

class TfrmRenshu : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmRenshu(QWidget* parent = nullptr);
    ~TfrmRenshu() override;

    // The next showing practises these questions. A unit whose runs cannot be recorded is said
    // here, before the student answers, instead of at the end of every run.
    void SetUp(PracticeSetup setup);
    // The answer states of the run being practised.
    const PracticeSession& Session() const { return session_; }

    void FormShow();
    void Init(bool review);
    void imgCoodMouseDown(GestureButton button, LatticePoint at);
    void imgCoodMouseMove(LatticePoint at);
    // Shift+Enter places as a right click does (the practice plane has no drags), Esc takes the
    // answer back as 訂正 does; arrows, Enter and Space come as the mouse's moves and clicks.
    void imgCoodKeyPress(PlaneKeyAction action, LatticePoint at);
    void FormMouseMove();
    void btnTeiseiClick();
    void Button1Click();
    void btnEndClick();
    void timSecondTimer();

    void done(int result) override;
    const PlaneGeometry& Geometry() const;

  protected:
    void showEvent(QShowEvent* event) override;
    // Escape is やり直し wherever the focus is; the window closes only by its own commands.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PlaneView* imgCood;
    ImageView* imgShiki;
    ImageView* imgAns;
    QLabel* lblMess;
    QLabel* Label2;
    QLabel* Label1;
    QListWidget* lstRecord;
    QLineEdit* edtCood;
    QPushButton* btnTeisei;
    QPushButton* Button1;
    QPushButton* btnEnd;
    QImage imgBatsu;
    QImage imgArrow;
    QTimer* timSecond;

    PracticeSession session_;
    TfrmSeikai* frmSeikai = nullptr;
    TfrmAyamari* frmAyamari = nullptr;
    TfrmOwari* frmOwari = nullptr;
    TfrmHappy* frmHappy = nullptr;

    void Apply(const PracticeEffects& effects);
    void Graded(const PracticeEffects& effects);
    void ShowQuestion();
    void EndOfRun();
    void MarkRight();
    void MakeDialogs();
    void PlaceDialogs();
    DisplayOptions Options() const;
    void PlaceForHeight();

    // Runs kept while other programs held the records file are written before the window goes.
    void WriteKeptRuns();

    PracticeSetup setup_;
    TypesetState typeset_;
    bool closing_ = false;  // a dialog chose to stop the practice
    RunRecorder recorder_;
    bool recordsRuns_ = false;  // a run that is not a review goes into the records file
};
