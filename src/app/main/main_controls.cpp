// The main window's controls: created at their design places, then moved to the places computed
// from the screen size.
#include "main/main_controls.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStyleOptionGroupBox>
#include <QToolButton>
#include <algorithm>

#include "accessible_names.h"
#include "clickable_label.h"
#include "fonts.h"
#include "main/main_layout.h"
#include "plane/image_view.h"
#include "plane/plane_view.h"
#include "shiki_list.h"
#include "window_parts.h"

namespace {

QFont PixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QFont UiFont(int pixels) {
    return PixelFont(InstalledFamily(PlainFontName), pixels);
}

QIcon Glyph(const char* name) {
    return QIcon(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(name)));
}

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* MakeButton(QWidget* parent, const char* name, QRect bounds, const QString& hint,
                        const char* glyph) {
    auto* button = Named(new QToolButton(parent), name);
    button->setGeometry(bounds);
    button->setToolTip(hint);
    if (glyph) {
        button->setIcon(Glyph(glyph));
        button->setIconSize(QSize(20, 20));
    }
    return button;
}

// A tool-bar speed button: 25x25, vertically centred in the 40-pixel bar.
QToolButton* SpeedButton(QWidget* parent, const char* name, int left, const QString& hint,
                         const char* glyph) {
    return MakeButton(parent, name, QRect(left, 7, 25, 25), hint, glyph);
}

ImageView* MakeImage(QWidget* parent, const char* name, QRect bounds) {
    auto* image = Named(new ImageView(parent), name);
    image->setGeometry(bounds);
    return image;
}

// A hidden picture that other controls take their glyphs from.
ImageView* GlyphSource(QWidget* parent, const char* name, QSize size, const char* glyph) {
    auto* image = MakeImage(parent, name, QRect(QPoint(0, 0), size));
    image->setImage(QImage(QStringLiteral(":/glyphs/%1.png").arg(QLatin1String(glyph))));
    image->hide();
    return image;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, QRect bounds, const QString& caption) {
    auto* group = Named(new QGroupBox(caption, parent), name);
    group->setGeometry(bounds);
    return group;
}

int CaptionBottom(const QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    return group->style()
               ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group)
               .bottom() +
           1;
}

// Moves a group's pictures and buttons down below its caption, which a font with tall ascenders
// and descenders makes taller. A caption too tall for the group's design height is given a
// smaller size instead, so that the panels keep theirs and stay inside the group.
void KeepBelowCaption(QGroupBox* group) {
    const QList<QWidget*> children = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int top = group->height();
    int bottom = 0;
    for (const QWidget* child : children) {
        top = std::min(top, child->y());
        bottom = std::max(bottom, child->geometry().bottom() + 1);
    }
    const int lowestTop = top + group->height() - 2 - bottom;  // the children's room to move down
    QFont font = group->font();
    while (CaptionBottom(group) > lowestTop && font.pixelSize() > 9) {
        font.setPixelSize(font.pixelSize() - 1);
        group->setFont(font);
    }
    const int down = std::max(0, CaptionBottom(group) - top);
    for (QWidget* child : children) {
        child->move(child->x(), child->y() + down);
    }
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint at, const QString& caption,
                  int fontPixels) {
    auto* label = Named(new QLabel(caption, parent), name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(UiFont(fontPixels));
    label->move(at);
    label->adjustSize();
    return label;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, QPoint at, const QString& caption,
                     int fontPixels = 13) {
    auto* check = Named(new QCheckBox(caption, parent), name);
    check->setFont(UiFont(fontPixels));
    check->setChecked(true);
    check->move(at);
    check->adjustSize();
    return check;
}

}  // namespace

void MainToolBar::Create(QWidget* body, int width) {
    pnlMain = Named(new QFrame(body), "pnlMain");
    pnlMain->setFrameStyle(QFrame::Box | QFrame::Plain);
    pnlMain->setGeometry(0, 0, width, design::PnlMainHeight);
    QWidget* bar = pnlMain;

    spdOpenFile = SpeedButton(bar, "spdOpenFile", 6, QStringLiteral("単元名で開く"), "open");
    spdOverWrite = SpeedButton(bar, "spdOverWrite", 32, QStringLiteral("上書き保存"), "save");
    spdTest = SpeedButton(bar, "spdTest", 64, QStringLiteral("テスト"), "test");
    spdRenshu = SpeedButton(bar, "spdRenshu", 90, QStringLiteral("練習"), "practice");
    spdKiroku = SpeedButton(bar, "spdKiroku", 122, QStringLiteral("記録の表示"), "records");
    spdTeisei = SpeedButton(bar, "spdTeisei", 154, QStringLiteral("訂正"), "correct");
    spdShoukyo = SpeedButton(bar, "spdShoukyo", 180, QStringLiteral("全部消去"), "erase");
    SpdChokusen = SpeedButton(bar, "SpdChokusen", 212, QStringLiteral("直線"), "line");
    spdSenbun = SpeedButton(bar, "spdSenbun", 238, QStringLiteral("線分"), "segment");
    spdHanchokusen = SpeedButton(bar, "spdHanchokusen", 264, QStringLiteral("半直線"), "ray");
    spdTen = SpeedButton(bar, "spdTen", 290, QStringLiteral("点"), "point");
    spdMoji = SpeedButton(bar, "spdMoji", 316, QStringLiteral("文字"), "text");
    for (QToolButton* tool : {SpdChokusen, spdSenbun, spdHanchokusen, spdTen, spdMoji}) {
        tool->setCheckable(true);  // one group; the window keeps one down or all up
    }
    spdLineColor = SpeedButton(bar, "spdLineColor", 342, QStringLiteral("ｶﾗｰの設定"), "colour");

    edtLineMode = Named(new QLineEdit(QStringLiteral("直線"), bar), "edtLineMode");
    edtLineMode->setGeometry(372, 8, 57, 24);
    edtLineMode->setFont(UiFont(16));
    edtLineMode->setReadOnly(true);
    edtCood = MakeLatticeReadout(bar, "edtCood", QStringLiteral("  ( x, y )"), {426, 8, 73, 24});

    imgSample = MakeImage(bar, "imgSample", QRect(502, 9, 41, 22));
    spdHeniki =
        MakeButton(bar, "spdHeniki", QRect(546, 7, 36, 25), QStringLiteral("変域の設定"), nullptr);
    spdHeniki->setText(QStringLiteral("変域"));
    spdHeniki->setFont(UiFont(13));
    lblHeniki = Named(new ClickableLabel(bar), "lblHeniki");
    lblHeniki->setGeometry(586, 9, 41, 21);
    lblHeniki->setFont(UiFont(16));
    lblHeniki->setTextFormat(Qt::PlainText);
    lblHeniki->setAutoFillBackground(true);
    QPalette white = lblHeniki->palette();
    white.setColor(QPalette::Window, Qt::white);
    lblHeniki->setPalette(white);

    spnMaruRad = Named(new QSpinBox(bar), "spnMaruRad");
    spnMaruRad->setGeometry(632, 7, 33, 26);
    spnMaruRad->setRange(0, 8);
    spnMaruRad->setValue(5);
    btnLocked = MakeButton(bar, "btnLocked", QRect(670, 7, 26, 26),
                           QStringLiteral("使える機能の制限"), nullptr);
    btnLocked->setIconSize(QSize(16, 16));
    btnKaijo =
        MakeButton(bar, "btnKaijo", QRect(706, 7, 63, 25), QStringLiteral("座標面の設定"), nullptr);
    btnKaijo->setText(QStringLiteral("選択解除"));
    btnKaijo->setFont(UiFont(13));
    BitBtn1 = MakeButton(bar, "BitBtn1", QRect(776, 7, 63, 25), QString(), nullptr);
    BitBtn1->setText(QStringLiteral("全部選択"));
    BitBtn1->setFont(UiFont(13));
    NameForScreenReaders(bar, {
                                  {edtLineMode, QStringLiteral("線の種類")},
                                  {edtCood, QStringLiteral("マウスの座標")},
                                  {imgSample, QStringLiteral("線の見本")},
                                  {lblHeniki, QStringLiteral("変域の端")},
                                  {spnMaruRad, QStringLiteral("端の丸の大きさ")},
                              });
}

void MainBody::Create(QWidget* body, Drawing& drawing) {
    imgCood = Named(new PlaneView(true, body), "imgCood");
    imgCood->setGeometry(408, 52, 577, 384);

    pnlTable = Named(new QFrame(body), "pnlTable");
    pnlTable->setGeometry(design::PnlTable);
    imgTable = MakeImage(pnlTable, "imgTable", QRect(0, 3, 353, 57));

    lstShiki = Named(new ShikiList(drawing, body), "lstShiki");
    lstShiki->setGeometry(16, 112, 353, 81);
    lstShiki->setFont(PixelFont(InstalledFamily(FixedFontName), 19));
    lstShiki->setToolTip(QStringLiteral("右クリックが使えます"));

    lstMojiM = Named(new QListWidget(body), "lstMojiM");
    lstMojiM->setGeometry(424, 104, 89, 177);
    lstMojiM->setFont(PixelFont(InstalledFamily(FixedFontName), 21));
    lstMojiM->hide();

    grpShiki = MakeGroup(body, "grpShiki", QRect(16, 200, 353, 89), QStringLiteral("グラフの式"));
    imgShiki = MakeImage(grpShiki, "imgShiki", QRect(8, 16, 337, 65));
    grpHenikiX = MakeGroup(body, "grpHenikiX", QRect(16, 296, 233, 89), QStringLiteral("Ｘの変域"));
    imgHenikiX = MakeImage(grpHenikiX, "imgHenikiX", QRect(8, 16, 217, 65));
    grpHenikiY = MakeGroup(body, "grpHenikiY", QRect(16, 392, 233, 89), QStringLiteral("ｙの変域"));
    imgHenikiY = MakeImage(grpHenikiY, "imgHenikiY", QRect(8, 16, 217, 65));

    grpKatamuki = MakeGroup(body, "grpKatamuki", QRect(256, 296, 113, 89), QStringLiteral("傾き"));
    imgkatamuki = MakeImage(grpKatamuki, "imgkatamuki", QRect(44, 16, 61, 65));
    btnKatamukiUp = MakeButton(grpKatamuki, "btnKatamukiUp", QRect(9, 22, 25, 25), QString(), "up");
    btnKatamukiDw =
        MakeButton(grpKatamuki, "btnKatamukiDw", QRect(9, 54, 25, 25), QString(), "down");
    grpSeppen = MakeGroup(body, "grpSeppen", QRect(256, 392, 113, 89), QStringLiteral("切片"));
    imgSeppen = MakeImage(grpSeppen, "imgSeppen", QRect(44, 16, 61, 65));
    btnSeppenUp = MakeButton(grpSeppen, "btnSeppenUp", QRect(9, 22, 25, 25), QString(), "up");
    btnSeppenDw = MakeButton(grpSeppen, "btnSeppenDw", QRect(9, 54, 25, 25), QString(), "down");

    grpSettei = MakeGroup(body, "grpSettei", QRect(408, 336, 529, 89), QStringLiteral("設定"));
    chkDataTable = MakeCheck(grpSettei, "chkDataTable", {16, 24}, QStringLiteral("関数の表"));
    chkHeniki = MakeCheck(grpSettei, "chkHeniki", {104, 24}, QStringLiteral("ｙの変域"));
    chkJikuColor = MakeCheck(grpSettei, "chkJikuColor", {192, 24}, QStringLiteral("軸の色"));
    chkMaru = MakeCheck(grpSettei, "chkMaru", {288, 26}, QStringLiteral("端点の丸"), 15);
    chkHandle = MakeCheck(grpSettei, "chkHandle", {392, 26}, QStringLiteral("ﾊﾝﾄﾞﾙ"), 15);
    chkShiki = MakeCheck(grpSettei, "chkShiki", {16, 52}, QStringLiteral("ｸﾞﾗﾌの式"));
    chkKatamuki = MakeCheck(grpSettei, "chkKatamuki", {104, 48}, QStringLiteral("傾きと切片"));
    chkKeishiki = MakeCheck(grpSettei, "chkKeishiki", {192, 40}, QStringLiteral("式の形式"));
    chkKeishiki->hide();
    chkTensen = MakeCheck(grpSettei, "chkTensen", {192, 52}, QStringLiteral("点線"));
    chkRanColor = MakeCheck(grpSettei, "chkRanColor", {288, 52}, QStringLiteral("定数欄の色"));
    for (QGroupBox* group : {grpShiki, grpHenikiX, grpHenikiY, grpKatamuki, grpSeppen, grpSettei}) {
        KeepBelowCaption(group);
    }

    lblShiki = MakeLabel(body, "lblShiki", {376, 216}, QStringLiteral("表示形式"), 13);
    btnHyoujun = MakeButton(body, "btnHyoujun", QRect(388, 236, 25, 29),
                            QStringLiteral("y=ax+bの形"), nullptr);
    btnIppan = MakeButton(body, "btnIppan", QRect(388, 270, 25, 29), QStringLiteral("ax+by=cの形"),
                          nullptr);
    lblIdou = MakeLabel(body, "lblIdou", {392, 96}, QStringLiteral("移動"), 13);
    btnUp = MakeButton(body, "btnUp", QRect(384, 120, 25, 20), QString(), "arrow_up");
    btnLeft = MakeButton(body, "btnLeft", QRect(374, 144, 20, 20), QString(), "arrow_left");
    btnRight = MakeButton(body, "btnRight", QRect(408, 144, 20, 20), QString(), "arrow_right");
    btnDown = MakeButton(body, "btnDown", QRect(384, 168, 25, 20), QString(), "arrow_down");
    for (QToolButton* arrow : {btnUp, btnLeft, btnRight, btnDown}) {
        arrow->setIconSize(QSize(16, 16));
    }
    for (QToolButton* formButton : {btnHyoujun, btnIppan}) {
        formButton->setIconSize(QSize(25, 25));
    }

    imgLocked = GlyphSource(body, "imgLocked", QSize(32, 16), "locked");
    imgUnLocked = GlyphSource(body, "imgUnLocked", QSize(32, 16), "unlocked");
    imgOk1 = GlyphSource(body, "imgOk1", QSize(25, 25), "ok1");
    imgNotOk1 = GlyphSource(body, "imgNotOk1", QSize(25, 25), "notok1");
    imgOk2 = GlyphSource(body, "imgOk2", QSize(25, 25), "ok2");
    imgNotOk2 = GlyphSource(body, "imgNotOk2", QSize(25, 25), "notok2");
    NameForScreenReaders(body, {
                                   {imgCood, QStringLiteral("座標平面")},
                                   {lstShiki, QStringLiteral("グラフの式の一覧")},
                                   {lstMojiM, QStringLiteral("入力待ちの文字")},
                                   {imgTable, QStringLiteral("値の表")},
                                   // the check box that shows it has the group's title
                                   {imgHenikiY, QStringLiteral("ｙの変域の欄")},
                                   {btnUp, QStringLiteral("選んだグラフを上へ移動")},
                                   {btnDown, QStringLiteral("選んだグラフを下へ移動")},
                                   {btnLeft, QStringLiteral("選んだグラフを左へ移動")},
                                   {btnRight, QStringLiteral("選んだグラフを右へ移動")},
                                   {btnKatamukiUp, QStringLiteral("傾きを大きくする")},
                                   {btnKatamukiDw, QStringLiteral("傾きを小さくする")},
                                   {btnSeppenUp, QStringLiteral("切片を大きくする")},
                                   {btnSeppenDw, QStringLiteral("切片を小さくする")},
                               });
}

void MainBody::Place(const MainLayout& layout) {
    grpSettei->setGeometry(layout.grpSettei);
    lstShiki->setGeometry(layout.lstShiki);
    grpShiki->setGeometry(layout.grpShiki);
    grpHenikiX->setGeometry(layout.grpHenikiX);
    grpHenikiY->setGeometry(layout.grpHenikiY);
    grpKatamuki->setGeometry(layout.grpKatamuki);
    grpSeppen->setGeometry(layout.grpSeppen);
    lblShiki->move(layout.lblShiki);
    btnHyoujun->move(layout.btnHyoujun);
    btnIppan->move(layout.btnIppan);
    lblIdou->move(layout.lblIdou);
    btnUp->move(layout.btnUp);
    btnDown->move(layout.btnDown);
    btnLeft->move(layout.btnLeft);
    btnRight->move(layout.btnRight);
}
