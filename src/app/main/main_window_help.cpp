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
    SetHelpContext(lstShiki, 104);
    for (QAction* item : {mnuNewFile, mnuTangenOpen, mnuOpenFile, mnuSaveFile, mnuSave, mnuPrint,
                          mnuClipBoard, mnuEnd}) {
        SetHelpContext(item, 214);
    }
    for (QAction* item : {mnuTetsei, mnuShoukyo}) {
        SetHelpContext(item, 216);
    }
    for (QAction* item : {mnuSetSenshu, mnuSetColor}) {
        SetHelpContext(item, 218);
    }
    for (QAction* item : {mnuTest, mnuRenshu}) {
        SetHelpContext(item, 220);
    }
    for (QAction* item : {mnuShowTangen, mnuShowRecord}) {
        SetHelpContext(item, 222);
    }
    SetHelpContext(ShowHelp, MainHelpContext);
    SetHelpContext(OnePoint, 230);
    SetHelpContext(frmTangen, 223);
    Help = new HelpDesk(this);
    connect(ShowHelp, &QAction::triggered, this, &TfrmMain::ShowHelpClick);
    connect(OnePoint, &QAction::triggered, this, &TfrmMain::OnePointClick);
    connect(ShowAbout, &QAction::triggered, this, &TfrmMain::ShowAboutClick);
}
