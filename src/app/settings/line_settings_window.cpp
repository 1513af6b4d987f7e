// The line settings window.
#include "line_settings_window.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "accessible_names.h"
#include "dialogs.h"
#include "fonts.h"
#include "graph_model.h"

namespace {

const QString KindPrefix = QStringLiteral("rbtLMode");
const QString WidthPrefix = QStringLiteral("rbtLWidth");
const QString SegmentPrefix = QStringLiteral("rbtSenHeniki");
const QString RayPrefix = QStringLiteral("rbtHanHeniki");
const QString SegmentCaption = QStringLiteral("線分の変域");
const QString RayCaption = QStringLiteral("半直線の変域");

QGroupBox* MakeGroup(QWidget* parent, const char* name, int left, const QString& caption) {
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QLatin1String(name));
    group->setGeometry(left, 8, 110, 204);
    return group;
}

// The index-th button of a group, named by the value it stands for so that it can be found again.
QRadioButton* MakeRadio(QGroupBox* group, const QString& prefix, int value, int index,
                        const QString& caption) {
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(prefix + QString::number(value));
    button->setGeometry(14, 32 + 40 * index, 90, 24);
    return button;
}

}  // namespace

TfrmSettei::TfrmSettei(EditingState& edit, QWidget* parent) : QDialog(parent), edit_(edit) {
    setObjectName(QStringLiteral("frmSettei"));
    setWindowTitle(QStringLiteral("線の種類"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont font(PlainFontName);
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(474, 273);

    gbxKind = MakeGroup(this, "gbxKind", 8, QStringLiteral("種類"));
    // A kind's button is named by the kind's number, which pendingMode_ holds while it is checked.
    const auto kindButton = [&](GraphKind kind, int index) {
        return MakeRadio(gbxKind, KindPrefix, KindNumber(kind), index, KindName(kind));
    };
    rbtLMode0 = kindButton(GraphKind::Line, 0);
    rbtLMode1 = kindButton(GraphKind::Segment, 1);
    rbtLMode2 = kindButton(GraphKind::Ray, 2);
    rbtLMode3 = kindButton(GraphKind::Point, 3);

    gbxWidth = MakeGroup(this, "gbxWidth", 124, QStringLiteral("太さ"));
    rbtLWidth1 = MakeRadio(gbxWidth, WidthPrefix, 1, 0, QStringLiteral("1ﾄﾞｯﾄ"));
    rbtLWidth2 = MakeRadio(gbxWidth, WidthPrefix, 2, 1, QStringLiteral("2ﾄﾞｯﾄ"));
    rbtLWidth3 = MakeRadio(gbxWidth, WidthPrefix, 3, 2, QStringLiteral("3ﾄﾞｯﾄ"));

    gbxHeniki1 = MakeGroup(this, "gbxHeniki1", 240, SegmentCaption);
    rbtSenHeniki0 = MakeRadio(gbxHeniki1, SegmentPrefix, 0, 0, QStringLiteral("≦　≦"));
    rbtSenHeniki1 = MakeRadio(gbxHeniki1, SegmentPrefix, 1, 1, QStringLiteral("≦　＜"));
    rbtSenHeniki2 = MakeRadio(gbxHeniki1, SegmentPrefix, 2, 2, QStringLiteral("＜　≦"));
    rbtSenHeniki3 = MakeRadio(gbxHeniki1, SegmentPrefix, 3, 3, QStringLiteral("＜　＜"));

    gbxHeniki2 = MakeGroup(this, "gbxHeniki2", 356, RayCaption);
    rbtHanHeniki0 = MakeRadio(gbxHeniki2, RayPrefix, 0, 0, QStringLiteral("≦"));
    rbtHanHeniki1 = MakeRadio(gbxHeniki2, RayPrefix, 1, 1, QStringLiteral("＜"));

    PickOnCheck(gbxKind, KindPrefix, &TfrmSettei::pendingMode_);
    PickOnCheck(gbxWidth, WidthPrefix, &TfrmSettei::pendingWidth_);
    PickOnCheck(gbxHeniki1, SegmentPrefix, &TfrmSettei::pendingSegmentEndKind_);
    PickOnCheck(gbxHeniki2, RayPrefix, &TfrmSettei::pendingRayEndKind_);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(280, 228, 88, 32);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &TfrmSettei::btnOKClick);

    btnCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(376, 228, 88, 32);
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmSettei::btnCancelClick);
    // The signs alone say little when read out: the names say which ends are included.
    NameForScreenReaders(this,
                         {
                             {rbtSenHeniki0, QStringLiteral("≦　≦ 始点も終点も含む")},
                             {rbtSenHeniki1, QStringLiteral("≦　＜ 始点を含み終点を含まない")},
                             {rbtSenHeniki2, QStringLiteral("＜　≦ 始点を含まず終点を含む")},
                             {rbtSenHeniki3, QStringLiteral("＜　＜ 始点も終点も含まない")},
                             {rbtHanHeniki0, QStringLiteral("≦ 始点を含む")},
                             {rbtHanHeniki1, QStringLiteral("＜ 始点を含まない")},
                         });
}

void TfrmSettei::FormShow() {
    CheckFromGlobals();
}

void TfrmSettei::btnOKClick() {
    edit_.LineMode = KindOfNumber(pendingMode_);
    edit_.LineWidth = pendingWidth_;
    edit_.SegmentEndKind = pendingSegmentEndKind_;
    edit_.RayEndKind = pendingRayEndKind_;
    done(ModalOk);
}

void TfrmSettei::btnCancelClick() {
    CheckFromGlobals();
    done(ModalCancel);
}

void TfrmSettei::showEvent(QShowEvent* event) {
    FormShow();
    if (const QScreen* desktop = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void TfrmSettei::PickOnCheck(QGroupBox* group, const QString& prefix,
                             int32_t TfrmSettei::*pending) {
    for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
        const int value = button->objectName().mid(prefix.size()).toInt();
        // Checking a button, by the user or by FormShow, picks its value; unchecking picks nothing.
        connect(button, &QRadioButton::toggled, this, [this, value, pending](bool checked) {
            if (checked) {
                this->*pending = value;
                UpdateDomainGroups();
            }
        });
    }
}

void TfrmSettei::UpdateDomainGroups() {
    const bool segment = KindOfNumber(pendingMode_) == GraphKind::Segment;
    const bool ray = KindOfNumber(pendingMode_) == GraphKind::Ray;
    gbxHeniki1->setEnabled(segment);
    gbxHeniki1->setTitle(segment ? SegmentCaption : QString());
    gbxHeniki2->setEnabled(ray);
    gbxHeniki2->setTitle(ray ? RayCaption : QString());
}

void TfrmSettei::CheckFromGlobals() {
    // Set first: a button that is already checked sends no signal.
    pendingMode_ = KindNumber(edit_.LineMode);
    pendingWidth_ = edit_.LineWidth;
    pendingSegmentEndKind_ = edit_.SegmentEndKind;
    pendingRayEndKind_ = edit_.RayEndKind;
    CheckButton(gbxKind, KindPrefix, pendingMode_);
    CheckButton(gbxWidth, WidthPrefix, edit_.LineWidth);
    CheckButton(gbxHeniki1, SegmentPrefix, edit_.SegmentEndKind);
    CheckButton(gbxHeniki2, RayPrefix, edit_.RayEndKind);
    UpdateDomainGroups();
}

void TfrmSettei::CheckButton(QGroupBox* group, const QString& prefix, int value) {
    if (auto* button = group->findChild<QRadioButton*>(prefix + QString::number(value))) {
        button->setChecked(true);
        return;
    }
    // The label tool has no kind button: checking none keeps OK from putting another tool in
    // its place unless the user picks one.
    for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}
