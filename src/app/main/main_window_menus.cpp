// The main menu, the formula list's popup menu, and which handler each control calls.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "main/main_window.h"
#include "plane/image_view.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

namespace {

QAction* Item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QMenu* TopMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void TfrmMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = TopMenu(bar, "mnuFile", QStringLiteral("ﾌｧｲﾙ(&F)"));
    mnuNewFile = Item(mnuFile, "mnuNewFile", QStringLiteral("新規作成(&N)"));
    mnuTangenOpen = Item(mnuFile, "mnuTangenOpen", QStringLiteral("単元名で開く(&T)"));
    mnuOpenFile = Item(mnuFile, "mnuOpenFile", QStringLiteral("開く(&O)"));
    mnuFile->addSeparator();
    mnuSaveFile = Item(mnuFile, "mnuSaveFile", QStringLiteral("上書き保存(&S)"));
    mnuSave = Item(mnuFile, "mnuSave", QStringLiteral("名前を付けて保存(&A)"));
    mnuFile->addSeparator();
    mnuEditQues = Item(mnuFile, "mnuEditQues", QStringLiteral("練習問題の編集(&Q)"));
    mnuFile->addSeparator();
    mnuPrint = Item(mnuFile, "mnuPrint", QStringLiteral("印刷(&P)"));
    mnuClipBoard = Item(mnuFile, "mnuClipBoard", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ(&C)"));
    mnuClipBoardTo = Item(mnuFile, "mnuClipBoardTo", QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞから貼り付け(&H)"));
    mnuFile->addSeparator();
    mnuEnd = Item(mnuFile, "mnuEnd", QStringLiteral("終了(&X)"));

    mnuEdit = TopMenu(bar, "mnuEdit", QStringLiteral("編集(&E)"));
    mnuUndo = Item(mnuEdit, "mnuUndo", QStringLiteral("元に戻す(&Z)"));
    mnuUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuRedo = Item(mnuEdit, "mnuRedo", QStringLiteral("やり直し(&Y)"));
    mnuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuEdit->addSeparator();
    mnuTetsei = Item(mnuEdit, "mnuTetsei", QStringLiteral("訂正(&C)"));
    mnuShoukyo = Item(mnuEdit, "mnuShoukyo", QStringLiteral("全部消去(&A)"));
    mnuClearBitMap = Item(mnuEdit, "mnuClearBitMap", QStringLiteral("ﾋﾞｯﾄﾏｯﾌﾟのクリア(&B)"));
    mnuMove = Item(mnuEdit, "mnuMove", QStringLiteral("移動(&M)"));
    mnuEdit->addSeparator();
    mnuSelectAll = Item(mnuEdit, "mnuSelectAll", QStringLiteral("すべて選択(&S)"));

    mnuSettings = TopMenu(bar, "mnuSettings", QStringLiteral("設定(&S)"));
    mnuSetSenshu = Item(mnuSettings, "mnuSetSenshu", QStringLiteral("線の種類(&K)"));
    mnuSetColor = Item(mnuSettings, "mnuSetColor", QStringLiteral("線の色(&C)"));
    mnuSetCoodSize = Item(mnuSettings, "mnuSetCoodSize", QStringLiteral("座標面(&S)"));

    mnuRun = TopMenu(bar, "mnuRun", QStringLiteral("実行(&R)"));
    mnuTest = Item(mnuRun, "mnuTest", QStringLiteral("ﾃｽﾄ(&T)"));
    mnuRenshu = Item(mnuRun, "mnuRenshu", QStringLiteral("練習(&E)"));

    mnuView = TopMenu(bar, "mnuView", QStringLiteral("表示(&V)"));
    mnuShowTangen = Item(mnuView, "mnuShowTangen", QStringLiteral("単元の内容(&U)"));
    mnuShowRecord = Item(mnuView, "mnuShowRecord", QStringLiteral("練習の記録(&R)"));
    mnuReDisplay = Item(mnuView, "mnuReDisplay", QStringLiteral("再表示(&D)"));
    mnuUniColor = Item(mnuView, "mnuUniColor", QStringLiteral("同じ色にする(&C)"));

    mnuHelp = TopMenu(bar, "mnuHelp", QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    ShowHelp = Item(mnuHelp, "ShowHelp", QStringLiteral("使い方(&U)"));
    OnePoint = Item(mnuHelp, "OnePoint", QStringLiteral("指導例(&Ｔ)"));
    mnuHelp->addSeparator();
    ShowAbout = Item(mnuHelp, "ShowAbout", QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    pumShiki = new QMenu(this);
    pumShiki->setObjectName(QStringLiteral("pumShiki"));
    pumDelete = Item(pumShiki, "pumDelete", QStringLiteral("削除"));
    mnuChangeColor = Item(pumShiki, "mnuChangeColor", QStringLiteral("色を変える"));
    mnuWidth = pumShiki->addMenu(QStringLiteral("線の太さを変える"));
    mnuWidth->setObjectName(QStringLiteral("mnuWidth"));
    W1 = Item(mnuWidth, "W1", QStringLiteral("1"));
    W2 = Item(mnuWidth, "W2", QStringLiteral("2"));
    W3 = Item(mnuWidth, "W3", QStringLiteral("3"));
    pumShiki->addSeparator();
    pumCancel = Item(pumShiki, "pumCancel", QStringLiteral("選択解除"));
}

void TfrmMain::ConnectHandlers() {
    // Tool-bar commands whose windows come later.
    unbuiltControls_ = {};
    for (QWidget* control : unbuiltControls_) {
        control->setEnabled(false);
    }

    connect(mnuEnd, &QAction::triggered, this, &TfrmMain::mnuExitClick);
    connect(mnuNewFile, &QAction::triggered, this, &TfrmMain::mnuNewFileClick);
    connect(mnuTangenOpen, &QAction::triggered, this, &TfrmMain::mnuTangenOpenClick);
    connect(mnuOpenFile, &QAction::triggered, this, &TfrmMain::mnuOpenFileClick);
    connect(mnuSaveFile, &QAction::triggered, this, &TfrmMain::spdOverWriteClick);
    connect(mnuSave, &QAction::triggered, this, &TfrmMain::mnuSaveClick);
    connect(mnuEditQues, &QAction::triggered, this, &TfrmMain::mnuEditQuesClick);
    connect(mnuPrint, &QAction::triggered, this, &TfrmMain::mnuPrintClick);
    connect(mnuClipBoard, &QAction::triggered, this, &TfrmMain::mnuClipBoardClick);
    connect(mnuClipBoardTo, &QAction::triggered, this, &TfrmMain::mnuClipBoardToClick);
    connect(mnuUndo, &QAction::triggered, this, &TfrmMain::mnuUndoClick);
    connect(mnuRedo, &QAction::triggered, this, &TfrmMain::mnuRedoClick);
    connect(mnuClearBitMap, &QAction::triggered, this, &TfrmMain::mnuClearBitMapClick);
    connect(mnuSetCoodSize, &QAction::triggered, this, &TfrmMain::mnuSetCoodSizeClick);
    connect(spdOpenFile, &QToolButton::clicked, this, &TfrmMain::mnuTangenOpenClick);
    connect(spdRenshu, &QToolButton::clicked, this, &TfrmMain::spdRenshuClick);
    connect(mnuRenshu, &QAction::triggered, this, &TfrmMain::spdRenshuClick);
    connect(spdTest, &QToolButton::clicked, this, &TfrmMain::spdTestClick);
    connect(mnuTest, &QAction::triggered, this, &TfrmMain::spdTestClick);
    connect(spdKiroku, &QToolButton::clicked, this, &TfrmMain::ShowRecords);
    connect(mnuShowRecord, &QAction::triggered, this, &TfrmMain::ShowRecords);
    connect(spdOverWrite, &QToolButton::clicked, this, &TfrmMain::spdOverWriteClick);
    connect(mnuTetsei, &QAction::triggered, this, &TfrmMain::spdTeiseiClick);
    connect(mnuShoukyo, &QAction::triggered, this, &TfrmMain::spdShoukyoClick);
    connect(mnuSelectAll, &QAction::triggered, this, &TfrmMain::mnuSelectAllClick);
    connect(mnuShowTangen, &QAction::triggered, this, &TfrmMain::mnuShowTangenClick);
    connect(mnuReDisplay, &QAction::triggered, this, &TfrmMain::mnuReDisplayClick);
    connect(pumDelete, &QAction::triggered, this, &TfrmMain::spdTeiseiClick);
    connect(W1, &QAction::triggered, this, [this] { WidthClick(1); });
    connect(W2, &QAction::triggered, this, [this] { WidthClick(2); });
    connect(W3, &QAction::triggered, this, [this] { WidthClick(3); });
    connect(pumCancel, &QAction::triggered, this, &TfrmMain::pumCancelClick);
    connect(mnuChangeColor, &QAction::triggered, this, &TfrmMain::mnuChangeColorClick);
    connect(mnuSetColor, &QAction::triggered, this, &TfrmMain::spdLineColorClick);
    connect(mnuUniColor, &QAction::triggered, this, &TfrmMain::spdLineColorClick);
    connect(mnuSetSenshu, &QAction::triggered, this, &TfrmMain::mnuSetSenshuClick);
    connect(mnuMove, &QAction::triggered, this, &TfrmMain::mnuMoveMojiClick);

    connect(spdTeisei, &QToolButton::clicked, this, &TfrmMain::spdTeiseiClick);
    connect(spdShoukyo, &QToolButton::clicked, this, &TfrmMain::spdShoukyoClick);
    connect(SpdChokusen, &QToolButton::clicked, this, &TfrmMain::SpdChokusenClick);
    connect(spdSenbun, &QToolButton::clicked, this, &TfrmMain::spdSenbunClick);
    connect(spdHanchokusen, &QToolButton::clicked, this, &TfrmMain::spdHanchokusenClick);
    connect(spdTen, &QToolButton::clicked, this, &TfrmMain::spdTenClick);
    connect(spdMoji, &QToolButton::clicked, this, &TfrmMain::spdMojiClick);
    connect(spdLineColor, &QToolButton::clicked, this, &TfrmMain::spdLineColorClick);
    connect(btnUp, &QToolButton::clicked, this, [this] { MoveSelectedClick('U'); });
    connect(btnDown, &QToolButton::clicked, this, [this] { MoveSelectedClick('D'); });
    connect(btnLeft, &QToolButton::clicked, this, [this] { MoveSelectedClick('L'); });
    connect(btnRight, &QToolButton::clicked, this, [this] { MoveSelectedClick('R'); });
    connect(btnKatamukiUp, &QToolButton::clicked, this, [this] { ChangeSlopeInterceptClick(0); });
    connect(btnKatamukiDw, &QToolButton::clicked, this, [this] { ChangeSlopeInterceptClick(1); });
    connect(btnSeppenUp, &QToolButton::clicked, this, [this] { ChangeSlopeInterceptClick(2); });
    connect(btnSeppenDw, &QToolButton::clicked, this, [this] { ChangeSlopeInterceptClick(3); });
    connect(spdHeniki, &QToolButton::clicked, this, &TfrmMain::spdHenikiClick);
    connect(lblHeniki, &ClickableLabel::clicked, this, &TfrmMain::lblHenikiClick);
    connect(imgSample, &ImageView::clicked, this, &TfrmMain::imgSampleClick);
    connect(imgTable, &ImageView::clicked, this, &TfrmMain::imgTableClick);
    connect(imgCood, &PlaneView::latticePressed, this, &TfrmMain::imgCoodMouseDown);
    connect(imgCood, &PlaneView::latticeMoved, this, &TfrmMain::imgCoodMouseMove);
    connect(imgCood, &PlaneView::latticeReleased, this, &TfrmMain::imgCoodMouseUp);
    connect(imgCood, &PlaneView::planeKey, this, &TfrmMain::imgCoodKeyPress);
    centralWidget()->setMouseTracking(true);
    centralWidget()->installEventFilter(this);
    connect(spnMaruRad, &QSpinBox::valueChanged, this, &TfrmMain::spnMaruRadChange);
    connect(btnLocked, &QToolButton::clicked, this, &TfrmMain::btnLockedClick);
    connect(btnKaijo, &QToolButton::clicked, this, &TfrmMain::btnKaijoClick);
    connect(BitBtn1, &QToolButton::clicked, this, &TfrmMain::BitBtn1Click);
    connect(btnHyoujun, &QToolButton::clicked, this, &TfrmMain::btnHyoujunClick);
    connect(btnIppan, &QToolButton::clicked, this, &TfrmMain::btnIppanClick);

    connect(chkKeishiki, &QCheckBox::toggled, this, &TfrmMain::chkKeishikiClick);
    connect(chkShiki, &QCheckBox::toggled, this, &TfrmMain::chkShikiClick);
    connect(chkHeniki, &QCheckBox::toggled, this, &TfrmMain::chkHenikiClick);
    connect(chkKatamuki, &QCheckBox::toggled, this, &TfrmMain::chkKatamukiClick);
    connect(chkDataTable, &QCheckBox::toggled, this, &TfrmMain::chkDataTableClick);
    connect(chkJikuColor, &QCheckBox::toggled, this, &TfrmMain::chkRedrawClick);
    connect(chkMaru, &QCheckBox::toggled, this, &TfrmMain::chkMaruClick);
    connect(chkHandle, &QCheckBox::toggled, this, &TfrmMain::chkRedrawClick);
    connect(chkTensen, &QCheckBox::toggled, this, &TfrmMain::chkTensenClick);
    connect(chkRanColor, &QCheckBox::toggled, this, &TfrmMain::chkRanColorClick);

    connect(lstShiki, &QListWidget::itemSelectionChanged, this, &TfrmMain::PullSelectionFromList);
    connect(lstShiki, &QListWidget::clicked, this,
            [this] { lstShikiClick(QGuiApplication::keyboardModifiers()); });
    connect(lstShiki, &ShikiList::rightPressed, this, &TfrmMain::lstShikiRightPress);
    connect(lstShiki, &ShikiList::keyHandled, this, &TfrmMain::lstShikiKeySelect);
    lstShiki->keyHandler = [this](int key, Qt::KeyboardModifiers modifiers) {
        return lstShikiKeyPress(key, modifiers);
    };
}
