// Help and version: the help window on its contents, a topic or the topic of what has the focus
// (F1), and the version window.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

#include "dialogs.h"
#include "help/help_window.h"
#include "help/version_window.h"
#include "main_window.h"
#include "shiki_list.h"
#include "tangen_window.h"

namespace {

// F1 in any window of the program, modal ones and the file dialogs included: a shortcut of the
// main window would be blocked while a modal window is open.
class F1Key : public QObject {
  public:
    F1Key(TfrmMain* main) : QObject(main), main_(main) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && watched->isWidgetType()) {
            main_->F1Help(watched);
            return true;
        }
        return false;
    }

  private:
    TfrmMain* main_;
};

}  // namespace

void TfrmMain::ShowHelpTopic(int context) {
    if (frmHelp == nullptr) {
        frmHelp = new THelpWindow(this);
    }
    // Over a modal window the help must be modal too, or it could be seen but not used; otherwise
    // it stays beside the program's windows. Modality changes only when the window is shown.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted =
        modal != nullptr && modal != frmHelp ? Qt::ApplicationModal : Qt::NonModal;
    if (frmHelp->windowModality() != wanted) {
        frmHelp->hide();
        frmHelp->setWindowModality(wanted);
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

void TfrmMain::F1Help(const QObject* pressedOn) {
    // An open menu's highlighted item first, then the widget the key went to or the one in focus,
    // then the active window.
    if (const QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        if (const QAction* item = menu->activeAction()) {
            ShowHelpTopic(HelpContextOf(item));
            return;
        }
    }
    const QObject* focus = pressedOn != nullptr ? pressedOn : QApplication::focusWidget();
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
    QApplication::instance()->installEventFilter(new F1Key(this));
    connect(ShowHelp, &QAction::triggered, this, &TfrmMain::ShowHelpClick);
    connect(OnePoint, &QAction::triggered, this, &TfrmMain::OnePointClick);
    connect(ShowAbout, &QAction::triggered, this, &TfrmMain::ShowAboutClick);
}
