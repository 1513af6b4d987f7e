// Which handler each control calls.
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "clickable_label.h"
#include "main/main_window.h"
#include "plane/image_view.h"
#include "plane/plane_view.h"
#include "shiki_list.h"

void TfrmMain::ConnectHandlers() {
    connect(menus_.mnuEnd, &QAction::triggered, this, &TfrmMain::mnuExitClick);
    connect(menus_.mnuNewFile, &QAction::triggered, this, &TfrmMain::mnuNewFileClick);
    connect(menus_.mnuTangenOpen, &QAction::triggered, this, &TfrmMain::mnuTangenOpenClick);
    connect(menus_.mnuOpenFile, &QAction::triggered, this, &TfrmMain::mnuOpenFileClick);
    connect(menus_.mnuSaveFile, &QAction::triggered, this, &TfrmMain::spdOverWriteClick);
    connect(menus_.mnuSave, &QAction::triggered, this, &TfrmMain::mnuSaveClick);
    connect(menus_.mnuEditQues, &QAction::triggered, this, &TfrmMain::mnuEditQuesClick);
    connect(menus_.mnuPrint, &QAction::triggered, this, &TfrmMain::mnuPrintClick);
    connect(menus_.mnuClipBoard, &QAction::triggered, this, &TfrmMain::mnuClipBoardClick);
    connect(menus_.mnuClipBoardTo, &QAction::triggered, this, &TfrmMain::mnuClipBoardToClick);
    connect(menus_.mnuUndo, &QAction::triggered, this, &TfrmMain::mnuUndoClick);
    connect(menus_.keyCancelGesture, &QAction::triggered, this, &TfrmMain::CancelGesture);
    connect(menus_.mnuRedo, &QAction::triggered, this, &TfrmMain::mnuRedoClick);
    connect(menus_.mnuClearBitMap, &QAction::triggered, this, &TfrmMain::mnuClearBitMapClick);
    connect(menus_.mnuSetCoodSize, &QAction::triggered, this, &TfrmMain::mnuSetCoodSizeClick);
    connect(bar_.spdOpenFile, &QToolButton::clicked, this, &TfrmMain::mnuTangenOpenClick);
    const auto practise = [this] { practice_->Practise(); };
    const auto test = [this] { practice_->Test(Doc, shownPlane_); };
    const auto records = [this] { practice_->ShowRecords(); };
    connect(bar_.spdRenshu, &QToolButton::clicked, this, practise);
    connect(menus_.mnuRenshu, &QAction::triggered, this, practise);
    connect(bar_.spdTest, &QToolButton::clicked, this, test);
    connect(menus_.mnuTest, &QAction::triggered, this, test);
    connect(bar_.spdKiroku, &QToolButton::clicked, this, records);
    connect(menus_.mnuShowRecord, &QAction::triggered, this, records);
    connect(bar_.spdOverWrite, &QToolButton::clicked, this, &TfrmMain::spdOverWriteClick);
    connect(menus_.mnuTetsei, &QAction::triggered, this, &TfrmMain::spdTeiseiClick);
    connect(menus_.mnuShoukyo, &QAction::triggered, this, &TfrmMain::spdShoukyoClick);
    connect(menus_.mnuSelectAll, &QAction::triggered, this, &TfrmMain::mnuSelectAllClick);
    connect(menus_.mnuShowTangen, &QAction::triggered, this, &TfrmMain::mnuShowTangenClick);
    connect(menus_.mnuReDisplay, &QAction::triggered, this, &TfrmMain::mnuReDisplayClick);
    connect(menus_.pumDelete, &QAction::triggered, this, &TfrmMain::spdTeiseiClick);
    connect(menus_.W1, &QAction::triggered, this, [this] { WidthClick(1); });
    connect(menus_.W2, &QAction::triggered, this, [this] { WidthClick(2); });
    connect(menus_.W3, &QAction::triggered, this, [this] { WidthClick(3); });
    connect(menus_.pumCancel, &QAction::triggered, this, &TfrmMain::pumCancelClick);
    connect(menus_.mnuChangeColor, &QAction::triggered, this, &TfrmMain::mnuChangeColorClick);
    connect(menus_.mnuSetColor, &QAction::triggered, this, &TfrmMain::spdLineColorClick);
    connect(menus_.mnuUniColor, &QAction::triggered, this, &TfrmMain::spdLineColorClick);
    connect(menus_.mnuSetSenshu, &QAction::triggered, this, &TfrmMain::mnuSetSenshuClick);
    connect(menus_.mnuMove, &QAction::triggered, this, &TfrmMain::mnuMoveMojiClick);

    connect(bar_.spdTeisei, &QToolButton::clicked, this, &TfrmMain::spdTeiseiClick);
    connect(bar_.spdShoukyo, &QToolButton::clicked, this, &TfrmMain::spdShoukyoClick);
    connect(bar_.SpdChokusen, &QToolButton::clicked, this, &TfrmMain::SpdChokusenClick);
    connect(bar_.spdSenbun, &QToolButton::clicked, this, &TfrmMain::spdSenbunClick);
    connect(bar_.spdHanchokusen, &QToolButton::clicked, this, &TfrmMain::spdHanchokusenClick);
    connect(bar_.spdTen, &QToolButton::clicked, this, &TfrmMain::spdTenClick);
    connect(bar_.spdMoji, &QToolButton::clicked, this, &TfrmMain::spdMojiClick);
    connect(bar_.spdLineColor, &QToolButton::clicked, this, &TfrmMain::spdLineColorClick);
    connect(body_.btnUp, &QToolButton::clicked, this, [this] { MoveSelectedClick('U'); });
    connect(body_.btnDown, &QToolButton::clicked, this, [this] { MoveSelectedClick('D'); });
    connect(body_.btnLeft, &QToolButton::clicked, this, [this] { MoveSelectedClick('L'); });
    connect(body_.btnRight, &QToolButton::clicked, this, [this] { MoveSelectedClick('R'); });
    connect(body_.btnKatamukiUp, &QToolButton::clicked, this,
            [this] { ChangeSlopeInterceptClick(0); });
    connect(body_.btnKatamukiDw, &QToolButton::clicked, this,
            [this] { ChangeSlopeInterceptClick(1); });
    connect(body_.btnSeppenUp, &QToolButton::clicked, this,
            [this] { ChangeSlopeInterceptClick(2); });
    connect(body_.btnSeppenDw, &QToolButton::clicked, this,
            [this] { ChangeSlopeInterceptClick(3); });
    connect(bar_.spdHeniki, &QToolButton::clicked, this, &TfrmMain::spdHenikiClick);
    connect(bar_.lblHeniki, &ClickableLabel::clicked, this, &TfrmMain::lblHenikiClick);
    connect(bar_.imgSample, &ImageView::clicked, this, &TfrmMain::imgSampleClick);
    connect(body_.imgTable, &ImageView::clicked, this, &TfrmMain::imgTableClick);
    centralWidget()->setMouseTracking(true);
    centralWidget()->installEventFilter(this);
    connect(bar_.spnMaruRad, &QSpinBox::valueChanged, this, &TfrmMain::spnMaruRadChange);
    connect(bar_.btnLocked, &QToolButton::clicked, this, &TfrmMain::btnLockedClick);
    connect(bar_.btnKaijo, &QToolButton::clicked, this, &TfrmMain::btnKaijoClick);
    connect(bar_.BitBtn1, &QToolButton::clicked, this, &TfrmMain::BitBtn1Click);
    connect(body_.btnHyoujun, &QToolButton::clicked, this, &TfrmMain::btnHyoujunClick);
    connect(body_.btnIppan, &QToolButton::clicked, this, &TfrmMain::btnIppanClick);

    BindViewBox(body_.chkShiki, &ViewOptions::formulaPanels, &TfrmMain::chkShikiClick);
    BindViewBox(body_.chkHeniki, &ViewOptions::rangePanel, &TfrmMain::chkHenikiClick);
    BindViewBox(body_.chkKatamuki, &ViewOptions::slopePanels, &TfrmMain::chkKatamukiClick);
    BindViewBox(body_.chkDataTable, &ViewOptions::tableYRow, &TfrmMain::chkDataTableClick);
    BindViewBox(body_.chkJikuColor, &ViewOptions::axisColours, &TfrmMain::chkRedrawClick);
    BindViewBox(body_.chkHandle, &ViewOptions::handles, &TfrmMain::chkRedrawClick);
    BindViewBox(body_.chkTensen, &ViewOptions::dottedExtensions, &TfrmMain::chkTensenClick);
    BindViewBox(body_.chkRanColor, &ViewOptions::tealPanels, &TfrmMain::chkRanColorClick);
    connect(body_.chkMaru, &QCheckBox::toggled, this, &TfrmMain::chkMaruClick);

    connect(body_.lstShiki, &ShikiList::leftClicked, this, &TfrmMain::lstShikiClick);
    connect(body_.lstShiki, &ShikiList::rightPressed, this, &TfrmMain::lstShikiRightPress);
    connect(body_.lstShiki, &ShikiList::keyHandled, this, &TfrmMain::lstShikiKeySelect);
    body_.lstShiki->keyHandler = [this](int key, Qt::KeyboardModifiers modifiers) {
        return lstShikiKeyPress(key, modifiers);
    };
}

void TfrmMain::BindViewBox(QCheckBox* box, bool ViewOptions::*field, void (TfrmMain::*follow)()) {
    box->setChecked(View.*field);
    connect(box, &QCheckBox::toggled, this, [this, field, follow](bool on) {
        View.*field = on;
        (this->*follow)();
    });
}
