// Help and version: the help topics of the windows, controls and menu items, the help commands
// (through the help desk) and the version window.
#include <QAction>

#include "dialogs.h"
#include "help/help_context.h"
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
    SetHelpContext(frmTangen, 223);
    Help = new HelpDesk(this);
    connect(menus_.ShowHelp, &QAction::triggered, this, &TfrmMain::ShowHelpClick);
    connect(menus_.OnePoint, &QAction::triggered, this, &TfrmMain::OnePointClick);
    connect(menus_.ShowAbout, &QAction::triggered, this, &TfrmMain::ShowAboutClick);
}
