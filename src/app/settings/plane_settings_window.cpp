// The plane settings window.
#include "plane_settings_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QSpinBox>
#include <tuple>
#include <utility>

#include "dialogs.h"
#include "fonts.h"
#include "window_parts.h"

namespace {

// Captions of the columns and rows.
const QString HeadingX = QStringLiteral("X座標");
const QString HeadingY = QStringLiteral("Ｙ座標");
const QString SizeCaption = QStringLiteral("ｻｲｽﾞ");
const QString IntervalCaption = QStringLiteral("目盛間隔");
const QString StartCaption = QStringLiteral("目盛開始");
const QString EndCaption = QStringLiteral("目盛終了");
const QString NoneCaption = QStringLiteral("無");

constexpr int MinPlaneSide = 160;
constexpr int MinSpacing = 4;
constexpr int MaxSpacing = 32;

// Left edges of the row captions and of the x and y columns; the side of a preset button.
constexpr int LabelLeft = 8;
constexpr int ColumnX = 76;
constexpr int ColumnY = 208;
constexpr int PresetSide = 25;

QLabel* MakeLabel(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(bounds);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int left, int top) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(left, top, 100, 22);
    return edit;
}

// The index-th preset button of a column.
QPushButton* MakePreset(QWidget* parent, const char* name, int column, int top, int index,
                        const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(column + index * PresetSide, top, PresetSide, PresetSide);
    // Return in a box means OK, never the preset that happens to have been pressed last.
    button->setAutoDefault(false);
    return button;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, QRect bounds, int minimum, int maximum) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setGeometry(bounds);
    spin->setRange(minimum, maximum);
    return spin;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(bounds);
    return check;
}

QPushButton* MakeButton(QWidget* parent, const char* name, int left, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 452, 100, 30);
    button->setAutoDefault(false);
    return button;
}

// The conversion message for the first of the boxes whose text is not an integer, in the order
// the test reads them; empty when all are.
QString FirstNotInteger(std::initializer_list<const SettingText*> boxes) {
    for (const SettingText* box : boxes) {
        if (!box->isInt()) {
            return NotIntegerMessage(*box);
        }
    }
    return QString();
}

}  // namespace

TfrmSetCood::TfrmSetCood(PlaneSettings& settings, int defaultPlaneSize,
                         std::function<void()> redrawMain, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      defaultPlaneSize_(defaultPlaneSize),
      redrawMain_(std::move(redrawMain)) {
    setObjectName(QStringLiteral("frmSetCood"));
    setWindowTitle(QStringLiteral("座標面の設定"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont font(PlainFontName);
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(339, 495);

    lblX = MakeLabel(this, "lblX", QRect(ColumnX, 8, 100, 16), HeadingX);
    lblY = MakeLabel(this, "lblY", QRect(ColumnY, 8, 100, 16), HeadingY);

    lblSize = MakeLabel(this, "lblSize", QRect(LabelLeft, 31, 64, 16), SizeCaption);
    edtSizeX = MakeEdit(this, "edtSizeX", ColumnX, 28);
    edtSizeY = MakeEdit(this, "edtSizeY", ColumnY, 28);
    BitBtn1 = MakePreset(this, "BitBtn1", ColumnX, 54, 0, NoneCaption);
    btnMaxX = MakePreset(this, "btnMaxX", ColumnX, 54, 1, QStringLiteral("384"));
    btnDaiX = MakePreset(this, "btnDaiX", ColumnX, 54, 2, QStringLiteral("320"));
    btnChuX = MakePreset(this, "btnChuX", ColumnX, 54, 3, QStringLiteral("256"));
    btnShouX = MakePreset(this, "btnShouX", ColumnX, 54, 4, QStringLiteral("160"));
    btnScaleYN = MakePreset(this, "btnScaleYN", ColumnY, 54, 0, NoneCaption);
    btnMaxY = MakePreset(this, "btnMaxY", ColumnY, 54, 1, QStringLiteral("384"));
    btnDaiY = MakePreset(this, "btnDaiY", ColumnY, 54, 2, QStringLiteral("320"));
    btnChuY = MakePreset(this, "btnChuY", ColumnY, 54, 3, QStringLiteral("256"));
    btnShouY = MakePreset(this, "btnShouY", ColumnY, 54, 4, QStringLiteral("160"));

    lblInterval = MakeLabel(this, "lblInterval", QRect(LabelLeft, 93, 64, 16), IntervalCaption);
    edtDX = MakeEdit(this, "edtDX", ColumnX, 90);
    edtDY = MakeEdit(this, "edtDY", ColumnY, 90);
    btnSCL = MakePreset(this, "btnSCL", ColumnX, 116, 0, QStringLiteral("16"));
    btnSCM = MakePreset(this, "btnSCM", ColumnX, 116, 1, QStringLiteral("8"));
    btnSCS = MakePreset(this, "btnSCS", ColumnX, 116, 2, QStringLiteral("4"));
    btnSYL = MakePreset(this, "btnSYL", ColumnY, 116, 0, QStringLiteral("16"));
    btnSYM = MakePreset(this, "btnSYM", ColumnY, 116, 1, QStringLiteral("8"));
    btnSYS = MakePreset(this, "btnSYS", ColumnY, 116, 2, QStringLiteral("4"));

    lblStart = MakeLabel(this, "lblStart", QRect(LabelLeft, 155, 64, 16), StartCaption);
    edtStartX = MakeEdit(this, "edtStartX", ColumnX, 152);
    edtStartY = MakeEdit(this, "edtStartY", ColumnY, 152);
    btnStartXn = MakePreset(this, "btnStartXn", ColumnX, 178, 0, NoneCaption);
    btnStartXm2 = MakePreset(this, "btnStartXm2", ColumnX, 178, 1, QStringLiteral("-2"));
    btnStartYn = MakePreset(this, "btnStartYn", ColumnY, 178, 0, NoneCaption);
    btnStartYm2 = MakePreset(this, "btnStartYm2", ColumnY, 178, 1, QStringLiteral("-2"));

    lblEnd = MakeLabel(this, "lblEnd", QRect(LabelLeft, 217, 64, 16), EndCaption);
    edtEndX = MakeEdit(this, "edtEndX", ColumnX, 214);
    edtEndY = MakeEdit(this, "edtEndY", ColumnY, 214);
    btnEndXNo = MakePreset(this, "btnEndXNo", ColumnX, 240, 0, NoneCaption);
    btnEndYno = MakePreset(this, "btnEndYno", ColumnY, 240, 0, NoneCaption);

    lblMemori = MakeLabel(this, "lblMemori", QRect(LabelLeft, 279, 64, 16), QStringLiteral("目盛"));
    spnScaleNumberX = MakeSpin(this, "spnScaleNumberX", QRect(ColumnX, 276, 100, 22), 0, 20);
    spnScaleNumberY = MakeSpin(this, "spnScaleNumberY", QRect(ColumnY, 276, 100, 22), 0, 20);
    lblFontSize = MakeLabel(this, "lblFontSize", QRect(LabelLeft, 311, 90, 16),
                            QStringLiteral("フォントサイズ"));
    spnFontSize = MakeSpin(this, "spnFontSize", QRect(ColumnX + 24, 308, 76, 22), 8, 20);
    lblYohaku = MakeLabel(this, "lblYohaku", QRect(ColumnY, 311, 36, 16), QStringLiteral("余白"));
    spnYohaku = MakeSpin(this, "spnYohaku", QRect(ColumnY + 40, 308, 60, 22), 0, 5);

    chkXY = MakeCheck(this, "chkXY", QRect(LabelLeft, 344, 150, 20), QStringLiteral("X,Yを付ける"));
    chkMemori =
        MakeCheck(this, "chkMemori", QRect(170, 344, 160, 20), QStringLiteral("目盛を付ける"));
    chkZahyou = MakeCheck(this, "chkZahyou", QRect(LabelLeft, 372, 150, 20),
                          QStringLiteral("座標を表示する"));
    chkKeep =
        MakeCheck(this, "chkKeep", QRect(170, 372, 160, 20), QStringLiteral("この設定を保存する"));

    btnTest = MakeButton(this, "btnTest", LabelLeft, QStringLiteral("テスト(&T)"));
    btnOk = MakeButton(this, "btnOk", 120, QStringLiteral("OK"));
    btnOk->setDefault(true);
    btnCancel = MakeButton(this, "btnCancel", 229, QStringLiteral("ｷｬﾝｾﾙ"));
    NameBoxesForScreenReaders();

    // Every box writes the store at once, since the main plane may be redrawn at any moment.
    const auto follow = [this](QLineEdit* box, auto write) {
        connect(box, &QLineEdit::textChanged, this, [this, write](const QString& text) {
            if (!showingSettings_) {
                write(text);
                settingsChanged = true;
            }
        });
    };
    follow(edtSizeX, [this](const QString& t) { settings_.setSizeX(t); });
    follow(edtSizeY, [this](const QString& t) { settings_.setSizeY(t); });
    follow(edtDX, [this](const QString& t) { settings_.setDX(t); });
    follow(edtDY, [this](const QString& t) { settings_.setDY(t); });
    // Starts and ends count as changes too, so that OK tests them before they can be kept.
    follow(edtStartX, [this](const QString& t) { settings_.StartX = t; });
    follow(edtStartY, [this](const QString& t) { settings_.StartY = t; });
    follow(edtEndX, [this](const QString& t) { settings_.EndX = t; });
    follow(edtEndY, [this](const QString& t) { settings_.EndY = t; });

    const auto followSpin = [this](QSpinBox* spin, auto write) {
        connect(spin, &QSpinBox::valueChanged, this, [this, write](int value) {
            if (!showingSettings_) {
                write(value);
                settingsChanged = true;
            }
        });
    };
    followSpin(spnScaleNumberX, [this](int v) { settings_.setScaleNumberX(v); });
    followSpin(spnScaleNumberY, [this](int v) { settings_.setScaleNumberY(v); });
    followSpin(spnFontSize, [this](int v) { settings_.setFontSize(v); });
    followSpin(spnYohaku, [this](int v) { settings_.setYohaku(v); });

    const auto followCheck = [this](QCheckBox* check, bool PlaneSettings::*field, bool test) {
        connect(check, &QCheckBox::toggled, this, [this, field](bool on) {
            if (!showingSettings_) {
                settings_.*field = on;
            }
        });
        if (test) {
            connect(check, &QCheckBox::clicked, this, [this] { btnTestClick(); });
        }
    };
    followCheck(chkXY, &PlaneSettings::AxisLetters, true);
    followCheck(chkMemori, &PlaneSettings::ScaleNumbers, true);
    followCheck(chkZahyou, &PlaneSettings::Lattice, true);
    followCheck(chkKeep, &PlaneSettings::KeepInRegistry, false);

    // The size buttons of an axis copy their caption, "無" standing for no size of its own.
    const std::pair<QPushButton*, QLineEdit*> sizeButtons[] = {
        {BitBtn1, edtSizeX},  {btnMaxX, edtSizeX},    {btnDaiX, edtSizeX}, {btnChuX, edtSizeX},
        {btnShouX, edtSizeX}, {btnScaleYN, edtSizeY}, {btnMaxY, edtSizeY}, {btnDaiY, edtSizeY},
        {btnChuY, edtSizeY},  {btnShouY, edtSizeY},
    };
    for (const auto& [button, box] : sizeButtons) {
        connect(button, &QPushButton::clicked, this, [this, button = button, box = box] {
            const QString caption = button->text();
            Preset(box, caption == NoneCaption ? QStringLiteral("-99") : caption, true);
        });
    }
    const std::tuple<QPushButton*, QLineEdit*, QString, bool> presets[] = {
        {btnSCL, edtDX, QStringLiteral("16"), true},
        {btnSCM, edtDX, QStringLiteral("8"), true},
        {btnSCS, edtDX, QStringLiteral("4"), true},
        {btnSYL, edtDY, QStringLiteral("16"), true},
        {btnSYM, edtDY, QStringLiteral("8"), true},
        {btnSYS, edtDY, QStringLiteral("4"), true},
        {btnStartXn, edtStartX, QStringLiteral("-99"), true},
        {btnStartXm2, edtStartX, QStringLiteral("-2"), true},
        {btnStartYn, edtStartY, QStringLiteral("-99"), true},
        {btnStartYm2, edtStartY, QStringLiteral("-2"), true},
        {btnEndXNo, edtEndX, QStringLiteral("99"), false},
        {btnEndYno, edtEndY, QStringLiteral("99"), false},
    };
    for (const auto& [button, box, text, test] : presets) {
        connect(button, &QPushButton::clicked, this,
                [this, box = box, text = text, test = test] { Preset(box, text, test); });
    }

    connect(btnTest, &QPushButton::clicked, this, [this] { btnTestClick(); });
    connect(btnOk, &QPushButton::clicked, this, &TfrmSetCood::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSetCood::btnCancelClick);

    ShowSettings();
}

void TfrmSetCood::SaveSnapshot() {
    snapshot_ = settings_;
}

void TfrmSetCood::RestoreSnapshot() {
    // Whether to keep the settings is the user's choice of this showing, not part of them.
    const bool keep = settings_.KeepInRegistry;
    settings_ = snapshot_;
    settings_.KeepInRegistry = keep;
    ShowSettings();
    settingsChanged = true;
}

bool TfrmSetCood::btnTestClick() {
    const PlaneSettings& s = settings_;
    if (const QString e = FirstNotInteger({&s.SizeX, &s.SizeY}); !e.isEmpty()) {
        ShowMessage(e);
        return false;
    }
    const int w = PlaneSidePixels(s.SizeX, defaultPlaneSize_);
    const int h = PlaneSidePixels(s.SizeY, defaultPlaneSize_);
    if (w < MinPlaneSide || w > defaultPlaneSize_ || h < MinPlaneSide || h > defaultPlaneSize_) {
        ShowMessage(
            QStringLiteral("値の範囲は%1以上%2以下です").arg(MinPlaneSide).arg(defaultPlaneSize_));
        edtSizeX->setText(snapshot_.SizeX);
        edtSizeY->setText(snapshot_.SizeY);
        return false;
    }
    if (const QString e = FirstNotInteger({&s.SpacingX, &s.SpacingY}); !e.isEmpty()) {
        ShowMessage(e);
        return false;
    }
    // The signed values: a spacing of -8 is refused although the plane would draw it as 8.
    const int dx = s.SpacingX.value();
    const int dy = s.SpacingY.value();
    if (dx < MinSpacing || dx > MaxSpacing || dy < MinSpacing || dy > MaxSpacing) {
        ShowMessage(QStringLiteral("値の範囲は%1以上%2以下です").arg(MinSpacing).arg(MaxSpacing));
        return false;
    }
    if (const QString e = FirstNotInteger({&s.StartX, &s.StartY, &s.EndX, &s.EndY}); !e.isEmpty()) {
        ShowMessage(e);
        return false;
    }
    if (redrawMain_) {
        redrawMain_();
    }
    settingsChanged = false;
    return true;
}

void TfrmSetCood::btnOkClick() {
    // A failed test leaves settingsChanged set, so the next OK tests again instead of saving.
    if (settingsChanged && !btnTestClick()) {
        return;
    }
    if (chkKeep->isChecked()) {
        QSettings registry(QStringLiteral("Kelvane"), QStringLiteral("Morin1"));
        if (const QString problem = StorePlaneSettings(registry, settings_); !problem.isEmpty()) {
            ShowMessage(problem);
        }
    }
    closing_ = true;
    done(ModalOk);
    closing_ = false;
}

void TfrmSetCood::btnCancelClick() {
    RestoreSnapshot();
    btnTestClick();
    closing_ = true;
    done(ModalCancel);
    closing_ = false;
}

void TfrmSetCood::ShowSettings() {
    showingSettings_ = true;
    edtSizeX->setText(settings_.SizeX);
    edtSizeY->setText(settings_.SizeY);
    edtDX->setText(settings_.SpacingX);
    edtDY->setText(settings_.SpacingY);
    edtStartX->setText(settings_.StartX);
    edtStartY->setText(settings_.StartY);
    edtEndX->setText(settings_.EndX);
    edtEndY->setText(settings_.EndY);
    spnScaleNumberX->setValue(settings_.ScaleNumberX);
    spnScaleNumberY->setValue(settings_.ScaleNumberY);
    spnFontSize->setValue(settings_.FontSize);
    spnYohaku->setValue(settings_.Margin);
    chkXY->setChecked(settings_.AxisLetters);
    chkMemori->setChecked(settings_.ScaleNumbers);
    chkZahyou->setChecked(settings_.Lattice);
    chkKeep->setChecked(settings_.KeepInRegistry);
    showingSettings_ = false;
}

void TfrmSetCood::SetDefaultPlaneSize(int defaultPlaneSize) {
    defaultPlaneSize_ = defaultPlaneSize;
}

void TfrmSetCood::showEvent(QShowEvent* event) {
    // A window the system shows again (after being minimised) is not a new showing.
    if (!event->spontaneous()) {
        FormShow();
    }
    QDialog::showEvent(event);
}

void TfrmSetCood::reject() {
    if (!closing_) {
        btnCancelClick();
    }
}

void TfrmSetCood::NameBoxesForScreenReaders() {
    // A screen reader says which row and column a box or a button belongs to, where a sighted
    // user reads them off the window's headings, and what a button puts into its box; a number
    // or "無" alone says nothing.
    struct Row {
        QString caption;
        std::initializer_list<QWidget*> x, y;
    };
    const Row rows[] = {
        {SizeCaption,
         {edtSizeX, BitBtn1, btnMaxX, btnDaiX, btnChuX, btnShouX},
         {edtSizeY, btnScaleYN, btnMaxY, btnDaiY, btnChuY, btnShouY}},
        {IntervalCaption, {edtDX, btnSCL, btnSCM, btnSCS}, {edtDY, btnSYL, btnSYM, btnSYS}},
        {StartCaption, {edtStartX, btnStartXn, btnStartXm2}, {edtStartY, btnStartYn, btnStartYm2}},
        {EndCaption, {edtEndX, btnEndXNo}, {edtEndY, btnEndYno}},
        {QStringLiteral("目盛"), {spnScaleNumberX}, {spnScaleNumberY}},
    };
    for (const Row& row : rows) {
        for (const auto& [column, controls] : {std::pair{HeadingX, row.x}, {HeadingY, row.y}}) {
            for (QWidget* control : controls) {
                const QString box = row.caption + u'（' + column + u'）';
                const auto* button = qobject_cast<QAbstractButton*>(control);
                control->setAccessibleName(!button ? box
                                           : button->text() == NoneCaption
                                               ? box + QStringLiteral("の指定を消す")
                                               : box + u'を' + button->text() +
                                                     QStringLiteral("にする"));
            }
        }
    }
    spnFontSize->setAccessibleName(QStringLiteral("フォントサイズ"));
    spnYohaku->setAccessibleName(QStringLiteral("余白"));
}

void TfrmSetCood::setVisible(bool visible) {
    if (visible && !isVisible()) {
        MoveToFreeTopLeft(*this, parentWidget() ? *parentWidget() : *this);
    }
    QDialog::setVisible(visible);
}

void TfrmSetCood::FormShow() {
    ShowSettings();
    settingsChanged = false;
    SaveSnapshot();
}

void TfrmSetCood::Preset(QLineEdit* box, const QString& text, bool test) {
    box->setText(text);
    if (test) {
        btnTestClick();
    }
}
