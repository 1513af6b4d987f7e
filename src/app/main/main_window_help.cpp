// Help and version: the help topics of the windows, controls and menu items, the help commands
// (through the help desk) and the version window.
#include <QAction>

#include "dialogs.h"
#include "help/help_desk.h"
#include "help/version_window.h"
#include "main/main_window.h"
#include "shiki_list.h"
#include "tangen_window.h"

void TfrmMain::ShowHelpClick() {
    Help->ShowTopic(MainHelpContext);
}

void TfrmMain::OnePointClick() {
    Help->ShowTopic(230);
}

void TfrmMain::ShowAboutClick() {
    if (frmVersion == nullptr) {
        frmVersion = new TfrmVersion(this);
    }
    ShowModal(*frmVersion);
}

void TfrmMain::ConnectHelp() {
    SetHelpContext(this, MainHelpContext);
    SetHelpContext(body_.lstShiki, 104);
    for (QAction* item :
         {menus_.mnuNewFile, menus_.mnuTangenOpen, menus_.mnuOpenFile, menus_.mnuSaveFile,
          menus_.mnuSave, menus_.mnuPrint, menus_.mnuClipBoard, menus_.mnuEnd}) {
        SetHelpContext(item, 214);
    }
    for (QAction* item : {menus_.mnuTetsei, menus_.mnuShoukyo}) {
        SetHelpContext(item, 216);
    }
    for (QAction* item : {menus_.mnuSetSenshu, menus_.mnuSetColor}) {
        SetHelpContext(item, 218);
    }
    for (QAction* item : {menus_.mnuTest, menus_.mnuRenshu}) {
        SetHelpContext(item, 220);
    }
    for (QAction* item : {menus_.mnuShowTangen, menus_.mnuShowRecord}) {
        SetHelpContext(item, 222);
    }
    SetHelpContext(menus_.ShowHelp, MainHelpContext);
    SetHelpContext(menus_.OnePoint, 230);
    SetHelpContext(frmTangen, 223);
    Help = new HelpDesk(this);
    connect(menus_.ShowHelp, &QAction::triggered, this, &TfrmMain::ShowHelpClick);
    connect(menus_.OnePoint, &QAction::triggered, this, &TfrmMain::OnePointClick);
    connect(menus_.ShowAbout, &QAction::triggered, this, &TfrmMain::ShowAboutClick);
}
