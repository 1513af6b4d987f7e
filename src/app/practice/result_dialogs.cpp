// The practice's result dialogs.
#include "result_dialogs.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "dialogs.h"
#include "display_options.h"
#include "fonts.h"
#include "practice_pictures.h"

namespace {

constexpr int32_t PaleYellow = 0xC0FFFF;  // 0x00BBGGRR
const QString WrongText = QStringLiteral("誤りです。訂正してください");
const QString AnswerShownText = QStringLiteral("正解を表示しています");

// Children read these dialogs: the buttons are a little larger than in the other windows.
constexpr int ButtonPixels = 14;
constexpr int MessagePixels = 16;
constexpr int BigPixels = 27;

QFont DialogFont(int pixels) {
    QFont font(PlainFontName);
    font.setPixelSize(pixels);
    return font;
}

void MakeResultWindow(QDialog* dialog, const char* name, const QString& caption, QSize size) {
    dialog->setObjectName(QLatin1String(name));
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    dialog->setFont(DialogFont(ButtonPixels));
    dialog->setFixedSize(size);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(bounds);
    return button;
}

QLabel* MakePicture(QWidget* parent, const char* name, const QString& path, QPoint at) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    const QPixmap picture(path);
    label->setPixmap(picture);
    label->setGeometry(QRect(at, picture.size()));
    return label;
}

// A one-line message the student reads but does not edit; it takes no focus, so Enter goes to
// the buttons.
QLineEdit* MakeMessage(QWidget* parent, const char* name, const QString& text, QRect bounds,
                       int pixels) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(bounds);
    edit->setFont(DialogFont(pixels));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

}  // namespace

ResultDialog::ResultDialog(QWidget* parent, Escape escape) : QDialog(parent), escape_(escape) {}

void ResultDialog::keyPressEvent(QKeyEvent* event) {
    // Escape is the key a student presses to be rid of a box; after one answer that must not stop
    // a run half done, which nothing would record.
    if (escape_ == Escape::DoesNothing && event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ResultDialog::PlaceNear(const QRect& mainWindowFrame, int mainPlaneHeight,
                             int practicePlaneLeft) {
    QRect frame(
        mainWindowFrame.topLeft() + OffsetFromMainWindow(mainPlaneHeight, practicePlaneLeft),
        frameGeometry().size());
    const QScreen* desktop = QGuiApplication::screenAt(mainWindowFrame.center());
    if (!desktop) {
        desktop = QGuiApplication::primaryScreen();
    }
    // A tall plane on a short screen would put the buttons out of reach; covering part of the
    // plane is the lesser harm.
    if (desktop) {
        const QRect free = desktop->availableGeometry();
        frame.moveRight(std::min(frame.right(), free.right()));
        frame.moveBottom(std::min(frame.bottom(), free.bottom()));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
    }
    move(frame.topLeft());
}

void ResultDialog::done(int result) {
    QDialog::done(result == QDialog::Rejected ? int(ModalCancel) : result);
}

void ResultDialog::SetBackgroundColour(int32_t bgr) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ColorFromBgr(bgr));
    setPalette(colours);
    setAutoFillBackground(true);
}

TfrmSeikai::TfrmSeikai(QWidget* parent) : ResultDialog(parent, Escape::DoesNothing) {
    MakeResultWindow(this, "frmSeikai", QStringLiteral("正解"), QSize(400, 136));
    SetBackgroundColour(PaleYellow);
    Image1 = MakePicture(this, "Image1", SeikaiPicturePath, QPoint(12, 12));
    Edit1 = MakeMessage(this, "Edit1", QStringLiteral("★★正解です★★"), QRect(68, 14, 264, 44),
                        BigPixels);
    Edit1->setAlignment(Qt::AlignCenter);
    Image2 = MakePicture(this, "Image2", SeikaiPicturePath, QPoint(340, 12));
    btnNext = MakeButton(this, "btnNext", QStringLiteral("次の問題"), QRect(104, 84, 92, 32));
    btnCancel = MakeButton(this, "btnCancel", QStringLiteral("中止"), QRect(204, 84, 92, 32));
    btnNext->setDefault(true);
    connect(btnNext, &QPushButton::clicked, this, &TfrmSeikai::btnNextClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSeikai::btnCancelClick);
}

void TfrmSeikai::FormShow() {
    btnNext->setFocus();
}

void TfrmSeikai::showEvent(QShowEvent* event) {
    FormShow();
    ResultDialog::showEvent(event);
}

void TfrmSeikai::btnNextClick() {
    done(ModalOk);
}

void TfrmSeikai::btnCancelClick() {
    done(ModalCancel);
}

QPoint TfrmSeikai::OffsetFromMainWindow(int mainPlaneHeight, int) const {
    return {320, mainPlaneHeight + 20};
}

TfrmAyamari::TfrmAyamari(std::function<void()> drawCorrection, std::function<void()> showAnswer,
                         QWidget* parent)
    : ResultDialog(parent, Escape::DoesNothing),
      drawCorrection_(std::move(drawCorrection)),
      showAnswer_(std::move(showAnswer)) {
    MakeResultWindow(this, "frmAyamari", QStringLiteral("誤答"), QSize(400, 124));
    Image1 = MakePicture(this, "Image1", AyamariPicturePath, QPoint(12, 12));
    edtMess = MakeMessage(this, "edtMess", WrongText, QRect(72, 22, 316, 30), MessagePixels);
    btnTeisei = MakeButton(this, "btnTeisei", QStringLiteral("訂正する"), QRect(72, 78, 100, 32));
    btnGiveup =
        MakeButton(this, "btnGiveup", QStringLiteral("正解を表示する"), QRect(180, 78, 124, 32));
    btnCancel = MakeButton(this, "btnCancel", QStringLiteral("中止"), QRect(312, 78, 76, 32));
    btnTeisei->setDefault(true);
    connect(btnTeisei, &QPushButton::clicked, this, &TfrmAyamari::btnTeiseiClick);
    connect(btnGiveup, &QPushButton::clicked, this, &TfrmAyamari::btnGiveupClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmAyamari::btnCancelClick);
}

void TfrmAyamari::FormShow() {
    btnGiveup->setEnabled(!HintUsed);
    edtMess->setText(HintUsed ? AnswerShownText : WrongText);
    btnTeisei->setFocus();
}

void TfrmAyamari::btnTeiseiClick() {
    if (drawCorrection_) {
        drawCorrection_();
    }
    done(ModalOk);
}

void TfrmAyamari::btnGiveupClick() {
    if (showAnswer_) {
        showAnswer_();
    }
    HintUsed = true;
    done(ModalOk);
}

void TfrmAyamari::btnCancelClick() {
    done(ModalCancel);
}

QPoint TfrmAyamari::OffsetFromMainWindow(int mainPlaneHeight, int practicePlaneLeft) const {
    return {practicePlaneLeft, mainPlaneHeight + 20};
}

void TfrmAyamari::showEvent(QShowEvent* event) {
    FormShow();
    ResultDialog::showEvent(event);
}

TfrmOwari::TfrmOwari(std::function<void()> showRecords, QWidget* parent)
    : ResultDialog(parent, Escape::Stops), showRecords_(std::move(showRecords)) {
    MakeResultWindow(this, "frmOwari", QStringLiteral("練習終わり"), QSize(464, 100));
    edtMess = MakeMessage(this, "edtMess", QStringLiteral("　　　　練習を終わります"),
                          QRect(12, 12, 440, 30), MessagePixels);
    btnFukushu =
        MakeButton(this, "btnFukushu", QStringLiteral("間違った所を復習"), QRect(12, 56, 132, 32));
    btnRetry =
        MakeButton(this, "btnRetry", QStringLiteral("もう一度やる"), QRect(152, 56, 108, 32));
    btnEnd = MakeButton(this, "btnEnd", QStringLiteral("終了"), QRect(268, 56, 76, 32));
    btnShowRecord =
        MakeButton(this, "btnShowRecord", QStringLiteral("記録を見る"), QRect(352, 56, 100, 32));
    tabOrder_ = {btnFukushu, btnRetry, btnEnd, btnShowRecord};
    connect(btnFukushu, &QPushButton::clicked, this, &TfrmOwari::btnFukushuClick);
    connect(btnRetry, &QPushButton::clicked, this, &TfrmOwari::btnRetryClick);
    connect(btnEnd, &QPushButton::clicked, this, &TfrmOwari::btnEndClick);
    connect(btnShowRecord, &QPushButton::clicked, this, &TfrmOwari::btnShowRecordClick);
}

void TfrmOwari::SetBackground(int32_t bgr) {
    SetBackgroundColour(bgr);
}

void TfrmOwari::SetTabFirst(Button button) {
    QPushButton* const buttons[] = {btnFukushu, btnRetry, btnEnd, btnShowRecord};
    const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), buttons[int(button)]);
    if (at == tabOrder_.end()) {
        return;
    }
    std::rotate(tabOrder_.begin(), at, at + 1);
    for (size_t i = 1; i < tabOrder_.size(); ++i) {
        setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    }
}

void TfrmOwari::SetReviewOffered(bool offered) {
    btnFukushu->setEnabled(offered);
}

void TfrmOwari::SetMessage(const QString& text) {
    edtMess->setText(text);
}

void TfrmOwari::FormShow() {
    const auto first = std::find_if(tabOrder_.begin(), tabOrder_.end(),
                                    [](const QPushButton* b) { return b->isEnabled(); });
    // Enter takes the button that has the focus, also before the window manager activates us.
    if (first != tabOrder_.end()) {
        (*first)->setDefault(true);
        (*first)->setFocus();
    }
}

void TfrmOwari::btnFukushuClick() {
    done(ModalReview);
}

void TfrmOwari::btnRetryClick() {
    done(ModalOk);
}

void TfrmOwari::btnEndClick() {
    done(ModalCancel);
}

void TfrmOwari::btnShowRecordClick() {
    if (showRecords_) {
        showRecords_();
    }
}

QPoint TfrmOwari::OffsetFromMainWindow(int mainPlaneHeight, int) const {
    return {320, mainPlaneHeight + 20};
}

void TfrmOwari::showEvent(QShowEvent* event) {
    FormShow();
    ResultDialog::showEvent(event);
}

TfrmHappy::TfrmHappy(QWidget* parent) : ResultDialog(parent, Escape::Stops) {
    MakeResultWindow(this, "frmHappy", QStringLiteral("全問正解"), QSize(320, 168));
    SetBackgroundColour(PaleYellow);
    Label1 = new QLabel(QStringLiteral("全問正解です"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(40, 14, 240, 44);
    Label1->setFont(DialogFont(BigPixels));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette white = Label1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Label1->setPalette(white);
    Label1->setAutoFillBackground(true);
    Image1 = MakePicture(this, "Image1", HappyRowPicturePath, QPoint(64, 70));
    btnEnd = MakeButton(this, "btnEnd", QStringLiteral("OK"), QRect(116, 120, 88, 32));
    btnEnd->setDefault(true);
    connect(btnEnd, &QPushButton::clicked, this, &TfrmHappy::btnEndClick);
}

void TfrmHappy::btnEndClick() {
    done(ModalCancel);
}

QPoint TfrmHappy::OffsetFromMainWindow(int mainPlaneHeight, int) const {
    return {240, mainPlaneHeight};
}
