// The practice window: a plane, the question and the answer panels, the list of marks and times.
#include "practice_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "accessible_names.h"
#include "classic_pen.h"
#include "dialogs.h"
#include "fonts.h"
#include "plane.h"
#include "plane/plane_view.h"
#include "plane_marks.h"
#include "practice/practice_pictures.h"
#include "practice/records_window.h"
#include "practice/result_dialogs.h"
#include "practice_records.h"
#include "window_parts.h"

namespace {

constexpr int PlaneLeft = 328;
constexpr int PlaneTop = 26;

// The records file keeps a unit's runs under the header "[title]", which a bracket in the title
// would end early or split.
bool CanNameRecordsSection(const QString& unitTitle) {
    return !unitTitle.contains(u'[') && !unitTitle.contains(u']');
}

}  // namespace

TfrmRenshu::TfrmRenshu(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmRenshu"));
    setWindowTitle(QStringLiteral("練習"));
    QFont font(InstalledFamily(PlainFontName));
    font.setPixelSize(15);
    setFont(font);

    lblMess = MakePlainLabel(this, "lblMess", QString(), QRect(16, 12, 310, 22));
    imgShiki = new ImageView(this);
    imgShiki->setObjectName(QStringLiteral("imgShiki"));
    imgShiki->setGeometry(16, 38, 298, 65);
    Label2 = MakePlainLabel(this, "Label2", QStringLiteral("答案"), QRect(16, 110, 100, 20));
    imgAns = new ImageView(this);
    imgAns->setObjectName(QStringLiteral("imgAns"));
    imgAns->setGeometry(16, 132, 298, 65);
    Label1 = MakePlainLabel(this, "Label1", QStringLiteral("採点"), QRect(16, 206, 100, 20));
    lstRecord = new QListWidget(this);
    lstRecord->setObjectName(QStringLiteral("lstRecord"));
    lstRecord->setGeometry(16, 228, 298, 290);
    QFont listFont(InstalledFamily(FixedFontName));
    listFont.setPixelSize(15);
    lstRecord->setFont(listFont);
    edtCood = MakeLatticeReadout(this, "edtCood", QString(), {16, 528, 100, 24});
    btnTeisei =
        MakePlacedButton(this, "btnTeisei", QStringLiteral("やり直し"), QRect(16, 562, 94, 32));
    Button1 = MakePlacedButton(this, "Button1", QStringLiteral("ヒント"), QRect(118, 562, 94, 32));
    btnEnd = MakePlacedButton(this, "btnEnd", QStringLiteral("終了"), QRect(220, 562, 94, 32));

    imgCood = new PlaneView(true, this);
    imgCood->setObjectName(QStringLiteral("imgCood"));
    imgCood->setGeometry(PlaneLeft, PlaneTop, 320, 320);
    imgBatsu = BatsuPicture();
    imgArrow = HintArrowPicture();

    timSecond = new QTimer(this);
    timSecond->setObjectName(QStringLiteral("timSecond"));
    timSecond->setInterval(1000);
    connect(timSecond, &QTimer::timeout, this, &TfrmRenshu::timSecondTimer);
    connect(imgCood, &PlaneView::latticePressed, this,
            [this](GestureButton button, LatticePoint at) { imgCoodMouseDown(button, at); });
    connect(imgCood, &PlaneView::latticeMoved, this,
            [this](LatticePoint at) { imgCoodMouseMove(at); });
    connect(imgCood, &PlaneView::planeKey, this, &TfrmRenshu::imgCoodKeyPress);
    // A finger drags a line's answer from where it lands to where it lifts; a long press does
    // nothing here, where the right button only says it is the wrong one.
    imgCood->setTouchRules({.endNear = {},
                            .dragDrawsLine =
                                [this] {
                                    return !session_.Finished() && session_.AnswerState() == 0 &&
                                           session_.Current().Kind != GraphKind::Point;
                                },
                            .longPressIsRightButton = false});
    connect(btnTeisei, &QPushButton::clicked, this, &TfrmRenshu::btnTeiseiClick);
    connect(Button1, &QPushButton::clicked, this, &TfrmRenshu::Button1Click);
    connect(btnEnd, &QPushButton::clicked, this, &TfrmRenshu::btnEndClick);
    setMouseTracking(true);
    installEventFilter(this);
    NameForScreenReaders(this, {
                                   {imgCood, QStringLiteral("練習の座標平面")},
                                   {imgShiki, QStringLiteral("問題")},
                                   {imgAns, QStringLiteral("答案")},
                                   {lstRecord, QStringLiteral("採点")},
                                   {edtCood, QStringLiteral("マウスの座標")},
                               });
}

TfrmRenshu::~TfrmRenshu() = default;

void TfrmRenshu::SetUp(PracticeSetup setup) {
    setup_ = std::move(setup);
    session_.SetQuestions(setup_.questions);
    recorder_ = RunRecorder(setup_.recordsFile, setup_.recordsLockWait);
    recordsRuns_ = !setup_.testMode && !setup_.onCdRom;
    if (recordsRuns_ && !CanNameRecordsSection(setup_.unitTitle)) {
        recordsRuns_ = false;
        ShowMessage(QStringLiteral("この単元の記録は残せません（単元名に「[」や「]」があります）"));
    }
}

void TfrmRenshu::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TfrmRenshu::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) {
        QDialog::keyPressEvent(event);
        return;
    }
    // A dialog would close on Escape and the run would be lost without a record.
    if (btnTeisei->isEnabled()) {
        btnTeiseiClick();
    }
    event->accept();
}

void TfrmRenshu::FormShow() {
    setWindowTitle(QStringLiteral("練習　") + setup_.unitTitle + QStringLiteral("／") +
                   setup_.unitFile);
    // The window covers the main window, its plane where the main plane is.
    setGeometry(setup_.mainGeometry);
    PlaceForHeight();
    closing_ = false;
    Init(false);  // every question, outside review and without a rubber band
    btnTeisei->setEnabled(false);
}

void TfrmRenshu::PlaceForHeight() {
    // Made for a window at least DesignHeight tall; on a shorter one (a small screen at a large
    // scale) the score list gives up height, so the read-out and the buttons stay on the window.
    constexpr int DesignHeight = 600;
    constexpr int ListHeight = 290;
    constexpr int ListLeast = 120;
    const int shortBy = std::clamp(DesignHeight - height(), 0, ListHeight - ListLeast);
    lstRecord->resize(lstRecord->width(), ListHeight - shortBy);
    edtCood->move(edtCood->x(), 528 - shortBy);
    for (QPushButton* button : {btnTeisei, Button1, btnEnd}) {
        button->move(button->x(), 562 - shortBy);
    }
}

DisplayOptions TfrmRenshu::Options() const {
    DisplayOptions o = setup_.options;
    o.bitmapPasted = false;
    return o;
}

void TfrmRenshu::Init(bool review) {
    session_.Init(review, QDateTime::currentDateTime(), setup_.form);
    timSecond->start();
    const QString error =
        DrawPlane(imgCood->canvas(), setup_.plane, setup_.defaultPlaneSize, PlaneVariant::Main,
                  Options(), typeset_, imgCood->planeGeometry());
    if (error.isEmpty()) {
        imgCood->planeDrawn();
        imgCood->setFocus();  // a student may answer with the keys at once
    } else {
        ShowMessage(error);
    }
    imgCood->update();
    lstRecord->clear();
    lstRecord->addItems(session_.RecordLines());
    ShowQuestion();
}

void TfrmRenshu::ShowQuestion() {
    const DisplayOptions& o = setup_.options;
    ClearPanel(imgShiki->canvas(), o.PanelBackColour, o.PanelTextColour);
    ClearPanel(imgAns->canvas(), o.PanelBackColour, o.PanelTextColour);
    if (!session_.Finished()) {
        WriteFormulaPanel(imgShiki->canvas(), session_.Current(), o.PanelBackColour,
                          o.PanelTextColour, typeset_);
        // A long unit's list would otherwise stay on its first rows.
        lstRecord->scrollToItem(lstRecord->item(session_.RunIndex() + 1));
    }
    imgShiki->update();
    imgAns->update();
    lblMess->setText(session_.Prompt());
}

void TfrmRenshu::imgCoodMouseDown(GestureButton button, LatticePoint at) {
    Apply(session_.Press(button, at));
}

void TfrmRenshu::imgCoodMouseMove(LatticePoint at) {
    Apply(session_.Move(at));
}

const PlaneGeometry& TfrmRenshu::Geometry() const {
    return imgCood->planeGeometry();
}

void TfrmRenshu::imgCoodKeyPress(PlaneKeyAction action, LatticePoint at) {
    if (action == PlaneKeyAction::RightPress) {
        imgCoodMouseDown(GestureButton::Right, at);
        imgCood->releaseKeyRightButton();  // the practice plane has no drags
    } else if (action == PlaneKeyAction::Cancel && btnTeisei->isEnabled()) {
        btnTeiseiClick();
    }
}

void TfrmRenshu::FormMouseMove() {
    Apply(session_.Leave());
}

bool TfrmRenshu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        if (childAt(move->position().toPoint()) != imgCood) {
            FormMouseMove();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmRenshu::btnTeiseiClick() {
    Apply(session_.Redo());
}

void TfrmRenshu::Button1Click() {
    Apply(session_.Hint());
}

void TfrmRenshu::btnEndClick() {
    done(ModalOk);
}

void TfrmRenshu::timSecondTimer() {
    session_.Tick();
}

void TfrmRenshu::done(int result) {
    // The clock stops with the window, so no second is counted for a practice that has ended.
    timSecond->stop();
    closing_ = true;
    WriteKeptRuns();
    QDialog::done(result);
}

void TfrmRenshu::WriteKeptRuns() {
    if (!recorder_.HasKept()) {
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const RunRecorder::Result result = recorder_.WriteKept();
    QApplication::restoreOverrideCursor();
    if (!result.notice.isEmpty()) {
        ShowMessage(result.notice);
    }
    if (result.outcome != RunRecorder::Outcome::Written) {
        recorder_.DropKept();
        ShowMessage(QStringLiteral("この練習の記録は書き込めませんでした"));
    }
}

void TfrmRenshu::Apply(const PracticeEffects& e) {
    imgCood->drawMarks(Options(), e.marks);
    for (const QString& message : e.messages) {
        ShowMessage(message);
    }
    if (!e.readout.isEmpty()) {
        edtCood->setText(e.readout);
    }
    if (e.clearReadout) {
        edtCood->clear();
    }
    if (e.redoEnabled >= 0) {
        btnTeisei->setEnabled(e.redoEnabled == 1);
    }
    if (e.arrow) {
        // Copied with XOR, so a second hint at the same place takes the arrow away.
        CopyXor(imgCood->canvas(), imgCood->pixelOf(e.arrowAt), imgArrow);
        imgCood->update();
    }
    if (e.grade != PracticeEffects::Grade::None) {
        Graded(e);
    }
}

void TfrmRenshu::Graded(const PracticeEffects& e) {
    WriteFormulaPanel(imgAns->canvas(), e.shownAnswer, setup_.options.PanelBackColour,
                      setup_.options.PanelTextColour, typeset_);
    MakeDialogs();
    PlaceDialogs();
    if (e.grade == PracticeEffects::Grade::Wrong) {
        CopyOr(imgAns->canvas(), QPoint(100, 0), imgBatsu.copy(0, 0, 100, 100));
        imgAns->update();
        frmAyamari->HintUsed = session_.HintUsed();
        const int result = ShowModal(*frmAyamari);
        session_.AfterWrong(result);
        if (result == ModalCancel) {
            done(ModalCancel);
        }
        return;
    }
    MarkRight();
    lstRecord->item(session_.RunIndex() + 1)
        ->setText(session_.RecordLines()[session_.RunIndex() + 1]);
    const int result = ShowModal(*frmSeikai);
    if (result == ModalCancel) {
        done(ModalCancel);
        return;
    }
    if (session_.NextQuestion()) {
        EndOfRun();
        return;
    }
    ShowQuestion();
}

void TfrmRenshu::MarkRight() {
    // The ○: two rings in the inverting pen over the left half of the answer panel.
    CanvasImage& panel = imgAns->canvas();
    {
        ClassicCanvas canvas(panel);
        CanvasState& s = canvas.state();
        s.PenWidth = 3;
        s.PenColor = 0xFFFF00;
        s.BrushColor = 0xFFFFFE;
        s.BrushSolid = true;
        s.Mode = PenMode::NotXor;
        const int w = panel.image.width() / 2;
        const int h = panel.image.height();
        canvas.Ellipse(0, 0, w, h);
        canvas.Ellipse(w / 4, h / 4, 3 * w / 4, 3 * h / 4);
        s.Mode = PenMode::Copy;
        s.PenWidth = 1;
    }
    imgAns->update();
}

void TfrmRenshu::EndOfRun() {
    const PracticeSession::RunEnd end = session_.EndRun(QDateTime::currentDateTime());
    lstRecord->addItems(end.lines);
    // The total is the last line; the student reads it without scrolling.
    lstRecord->scrollToBottom();
    if (recordsRuns_ && !session_.ReviewMode()) {
        // Other programs may hold the file for up to the lock's wait.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const RunRecorder::Result recorded = recorder_.Record(setup_.unitTitle, end.recordValue);
        QApplication::restoreOverrideCursor();
        // The run's end goes on in every case; a run that is not written is said every time.
        if (!recorded.notice.isEmpty()) {
            ShowMessage(recorded.notice);
        }
        if (recorded.outcome == RunRecorder::Outcome::Failed ||
            recorded.outcome == RunRecorder::Outcome::Denied) {
            ShowMessage(recorded.message);
        }
    }
    frmOwari->SetReviewOffered(end.canReview);
    if (!session_.ReviewMode() && end.allRightFirstTime) {
        frmOwari->SetTabFirst(TfrmOwari::Button::End);
        frmOwari->SetBackground(0x008000);
        ShowModal(*frmHappy);
        done(ModalOk);
        return;
    }
    if (session_.ReviewMode()) {
        frmOwari->SetMessage(QStringLiteral("　復習を終わりました"));
    } else {
        frmOwari->SetMessage(QStringLiteral("　　終了しました"));
        frmOwari->SetTabFirst(TfrmOwari::Button::Fukushu);
    }
    switch (ShowModal(*frmOwari)) {
        case ModalOk:
            Init(false);
            break;
        case ModalReview:
            Init(true);
            break;
        default:
            done(ModalCancel);
            break;
    }
}

void TfrmRenshu::MakeDialogs() {
    if (frmSeikai != nullptr) {
        return;
    }
    frmSeikai = new TfrmSeikai(this);
    frmAyamari = new TfrmAyamari([this] { Apply(session_.ShowCorrection()); },
                                 [this] {
                                     // The answer is shown with its dotted extensions.
                                     setup_.options.DottedExtensions = true;
                                     if (setup_.dottedExtensionsOn) {
                                         setup_.dottedExtensionsOn();
                                     }
                                     Apply(session_.ShowAnswer());
                                 },
                                 this);
    frmOwari = new TfrmOwari(
        [this] {
            if (setup_.showRecords) {
                setup_.showRecords();
            }
        },
        this);
    frmHappy = new TfrmHappy(this);
}

void TfrmRenshu::PlaceDialogs() {
    const int planeHeight = PlaneSidePixels(setup_.plane.SizeY, setup_.defaultPlaneSize);
    for (ResultDialog* dialog :
         std::initializer_list<ResultDialog*>{frmSeikai, frmAyamari, frmOwari, frmHappy}) {
        dialog->PlaceNear(setup_.mainFrame, planeHeight, imgCood->x());
    }
}
