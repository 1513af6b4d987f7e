// Help and version: the help window on its contents, a topic or the topic of what has the focus
// (F1), and the version window.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QShortcut>

#include "dialogs.h"
#include "help/help_window.h"
#include "help/version_window.h"
#include "main_window.h"
#include "shiki_list.h"
#include "tangen_window.h"

namespace {

// The help topic a window, control or menu item opens with F1.
const char* const HelpContextProperty = "helpContext";

int HelpContextOf(const QObject* object) {
    for (; object != nullptr; object = object->parent()) {
        const QVariant context = object->property(HelpContextProperty);
        if (context.isValid()) {
            return context.toInt();
        }
    }
    return MainHelpContext;
}

}  // namespace

void SetHelpContext(QObject* object, int context) {
    object->setProperty(HelpContextProperty, context);
}

void TfrmMain::ShowHelpTopic(int context) {
    if (frmHelp == nullptr) {
        frmHelp = new THelpWindow(this);
    }
    if (context == MainHelpContext) {
        frmHelp->ShowContents();
    } else {
        frmHelp->ShowTopic(context);
    }
    frmHelp->show();
    frmHelp->raise();
    frmHelp->activateWindow();
}

void TfrmMain::ShowHelpClick() {
    ShowHelpTopic(MainHelpContext);
}

void TfrmMain::OnePointClick() {
    ShowHelpTopic(230);
}

void TfrmMain::ShowAboutClick() {
    if (frmVersion == nullptr) {
        frmVersion = new TfrmVersion(this);
    }
    ShowModal(*frmVersion);
}

void TfrmMain::F1Help() {
    // An open menu's highlighted item first, then the widget in focus, then the active window.
    if (const QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const QAction* item = menu->activeAction()) {
            ShowHelpTopic(HelpContextOf(item));
            return;
        }
    }
    const QObject* focus = QApplication::focusWidget();
    ShowHelpTopic(HelpContextOf(focus != nullptr ? focus : QApplication::activeWindow()));
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
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &TfrmMain::F1Help);
    connect(ShowHelp, &QAction::triggered, this, &TfrmMain::ShowHelpClick);
    connect(OnePoint, &QAction::triggered, this, &TfrmMain::OnePointClick);
    connect(ShowAbout, &QAction::triggered, this, &TfrmMain::ShowAboutClick);
}
