// Which handler each control and menu command calls.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QSpinBox>
#include <QToolButton>

#include "help/help_context.h"
#include "main/main_window.h"
#include "plane/image_view.h"
#include "plane/plane_view.h"
#include "print/print_window.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"
#include "units/edit_ques_window.h"

void TfrmMain::ConnectHandlers() {
    const auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, handler);
    };
    const auto command = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, handler);
    };
    const auto button = [this](QToolButton* button, auto handler) {
        connect(button, &QToolButton::clicked, this, handler);
    };
    // ファイル
    command(menus_.mnuNewFile, &TfrmMain::NewDrawing);
    command(menus_.mnuTangenOpen, &TfrmMain::OpenUnit);
    button(bar_.spdOpenFile, &TfrmMain::OpenUnit);
    command(menus_.mnuOpenFile, &TfrmMain::ChooseFileToOpen);
    command(menus_.mnuSaveFile, [this] { saver_.OverWrite(); });
    button(bar_.spdOverWrite, [this] { saver_.OverWrite(); });
    command(menus_.mnuSave, [this] { saver_.SaveAs(); });
    command(menus_.mnuEditQues, [this] { ShowModal(windows_->CatalogEditor()); });
    command(menus_.mnuPrint, [this] { ShowModal(windows_->Printing()); });
    command(menus_.mnuClipBoard,
            [this] { QGuiApplication::clipboard()->setImage(screen_->PlaneImage()); });
    command(menus_.mnuClipBoardTo, &TfrmMain::PastePicture);
    command(menus_.mnuEnd, &TfrmMain::close);
    // 編集
    command(menus_.mnuUndo, [this] { StepHistory(true); });
    command(menus_.mnuRedo, [this] { StepHistory(false); });
    command(menus_.keyCancelGesture, [this] { plane_->Cancel(); });
    command(menus_.mnuTetsei, &TfrmMain::DeleteSelected);
    button(bar_.spdTeisei, &TfrmMain::DeleteSelected);
    command(menus_.mnuShoukyo, &TfrmMain::EraseAll);
    button(bar_.spdShoukyo, &TfrmMain::EraseAll);
    command(menus_.mnuClearBitMap, &TfrmMain::ClearPicture);
    command(menus_.mnuMove, &TfrmMain::ShowMover);
    command(menus_.mnuSelectAll, &TfrmMain::SelectAll);
    button(bar_.BitBtn1, &TfrmMain::SelectAll);
    button(bar_.btnKaijo, [this] { Doc.SetSelection({}); });
    // 設定, 実行, 表示
    command(menus_.mnuSetSenshu, [this] { tools_->ShowLineSettings(); });
    command(menus_.mnuSetColor, [this] { Recolour(false); });
    command(menus_.mnuUniColor, [this] { Recolour(false); });
    button(bar_.spdLineColor, [this] { Recolour(false); });
    command(menus_.mnuSetCoodSize, &TfrmMain::ShowPlaneSettings);
    const auto practise = [this] { practice_->Practise(); };
    const auto test = [this] { practice_->Test(Doc, screen_->ShownPlane()); };
    const auto records = [this] { practice_->ShowRecords(); };
    button(bar_.spdRenshu, practise);
    command(menus_.mnuRenshu, practise);
    button(bar_.spdTest, test);
    command(menus_.mnuTest, test);
    button(bar_.spdKiroku, records);
    command(menus_.mnuShowRecord, records);
    command(menus_.mnuShowTangen, &TfrmMain::EditMemo);
    command(menus_.mnuReDisplay, &TfrmMain::RedrawPlane);
    // ヘルプ
    SetHelpContext(this, MainHelpContext);
    SetHelpContext(body_.lstShiki, 104);
    command(menus_.ShowHelp, [this] { windows_->ShowHelp(MainHelpContext); });
    command(menus_.OnePoint, [this] { windows_->ShowHelp(230); });
    command(menus_.ShowAbout, [this] { windows_->ShowAbout(); });
    // The formula list's popup menu.
    command(menus_.pumDelete, &TfrmMain::DeleteSelected);
    command(menus_.W1, [this] { SetWidth(1); });
    command(menus_.W2, [this] { SetWidth(2); });
    command(menus_.W3, [this] { SetWidth(3); });
    command(menus_.pumCancel, [this] { Doc.SetSelection({}); });
    command(menus_.mnuChangeColor, [this] { Recolour(true); });

    // The body: moves, steps, forms, the lock, the sample, the end circles.
    button(body_.btnUp, [this] { MoveSelected('U'); });
    button(body_.btnDown, [this] { MoveSelected('D'); });
    button(body_.btnLeft, [this] { MoveSelected('L'); });
    button(body_.btnRight, [this] { MoveSelected('R'); });
    button(body_.btnKatamukiUp, [this] { StepSlopeOrIntercept(0); });
    button(body_.btnKatamukiDw, [this] { StepSlopeOrIntercept(1); });
    button(body_.btnSeppenUp, [this] { StepSlopeOrIntercept(2); });
    button(body_.btnSeppenDw, [this] { StepSlopeOrIntercept(3); });
    button(body_.btnHyoujun, [this] { PressForm(EquationForm::Standard); });
    button(body_.btnIppan, [this] { PressForm(EquationForm::General); });
    button(bar_.btnLocked, &TfrmMain::ToggleLock);
    on(bar_.imgSample, &ImageView::clicked, [this] {
        if (Edit.FixedColor == AutomaticColor) {
            Doc.AdvanceColorCycle();
        }
    });
    on(bar_.spnMaruRad, &QSpinBox::valueChanged,
       [this](int radius) { Doc.SetEndCircleRadius(radius); });
    on(body_.chkMaru, &QCheckBox::toggled, [this](bool on) {
        Doc.SetEndCircles(on);
        screen_->RefreshPanels();
    });
    screen_->BindViewBoxes([this] { RedrawPlane(); });
    centralWidget()->setMouseTracking(true);
    centralWidget()->installEventFilter(this);
    ConnectFormulaList();
}

void TfrmMain::ConnectFormulaList() {
    connect(body_.lstShiki, &ShikiList::leftClicked, this, &TfrmMain::ListClicked);
    connect(body_.lstShiki, &ShikiList::rightPressed, this, &TfrmMain::ListRightPressed);
    connect(body_.lstShiki, &ShikiList::keyHandled, this, [this] {
        if (Doc.Table().LineCount > 0) {
            RedrawPlane();
            screen_->RefreshPanels();
        }
    });
    body_.lstShiki->keyHandler = [this](int key, Qt::KeyboardModifiers modifiers) {
        return ListKeyPressed(key, modifiers);
    };
}
