// The file commands of the main window: new, open, open by unit title, overwrite save, save as,
// the save prompt before a drawing is replaced, and the question when the window closes.
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>

#include "dialogs.h"
#include "graph_file.h"
#include "help/help_context.h"
#include "help/help_desk.h"
#include "main/main_window.h"
#include "path_text.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"
#include "tangen_window.h"
#include "units/edit_ques_window.h"
#include "units/tangen_open_window.h"

namespace {

const QString NewUnitTitleText = QStringLiteral("新しい単元");

}  // namespace

void TfrmMain::mnuNewFileClick() {
    if (saver_.AskSaveChanges() != Answer::Cancel) {
        ClearDrawing(NewUnitTitleText, StartDir + QStringLiteral("Graph1.lin"));
    }
    Doc.SetFirstSaveDialog(true);
}

void TfrmMain::mnuOpenFileClick() {
    const QString chosen =
        ChooseOpenFile(saver_.DataFolder(), QStringLiteral("Graph1.que"), GraphFileFilters);
    if (chosen.isEmpty() || saver_.AskSaveChanges() == Answer::Cancel) {
        return;
    }
    // Only a file that was read makes the next overwrite save write without asking.
    if (OpenFile(chosen)) {
        Doc.SetFirstSaveDialog(false);
    }
}

bool TfrmMain::OpenFile(const QString& path) {
    const GraphFileContent content = ReadGraphFile(path, Doc.Plane(), Doc.EndCircles());
    if (!content.notice.isEmpty()) {
        ShowMessage(content.notice);
    }
    if (!content.ok()) {
        ShowMessage(content.error);
        return false;
    }
    if (!QFileInfo(content.fileName).isFile()) {
        ShowMessage(ShownPath(content.fileName) + QStringLiteral("が見つかりません"));
        return false;
    }
    if (content.graphs.empty()) {
        ShowMessage(ShownPath(content.fileName) + QStringLiteral("にはグラフがありません"));
        return false;
    }
    ApplyFile(content);
    return true;
}

void TfrmMain::ApplyFile(const GraphFileContent& content, bool saved) {
    // The overwrite save writes to the file that was read, whatever name was typed.
    Doc.Load(content.title(), content.fileName, content.settings, content.EndCircles,
             content.graphs, content.memo, saved);
}

void TfrmMain::spdOverWriteClick() {
    saver_.OverWrite();
}

void TfrmMain::mnuSaveClick() {
    saver_.SaveAs();
}

void TfrmMain::mnuTangenOpenClick() {
    UnitChoice().SetMainGeometry(geometry());
    if (ShowModal(*frmTangenOpen) != ModalOk) {
        RedrawPlane();
        if (Doc.Table().LineCount > 0) {
            RefreshPanels();
        }
        return;
    }
    // The previewed unit's plane never touched the drawing's: the question below is asked about
    // the drawing as it is.
    if (saver_.AskSaveChanges() == Answer::Cancel) {
        RedrawPlane();
        return;
    }
    if (OpenFile(frmTangenOpen->SelectedPath())) {
        Doc.SetFirstSaveDialog(false);
    }
}

void TfrmMain::mnuSetCoodSizeClick() {
    if (frmSetCood == nullptr) {
        frmSetCood = new TfrmSetCood(
            shownPlane_, Layout.DefaultPlaneSize,
            [this] {
                RedrawPlane();
                if (CurrentIndex(Doc.Table()) >= 0) {
                    RefreshPanels();
                }
            },
            this);
        // Settings accepted with OK become the drawing's plane, one undo step; tried out, they
        // are only shown. Cancel has put the drawing's own back already.
        connect(frmSetCood, &QDialog::finished, this, [this] { Doc.SetPlane(shownPlane_); });
        SetHelpContext(frmSetCood, 106);
    }
    // Shown beside the main window, which stays usable; showing it again brings it forward.
    frmSetCood->show();
    frmSetCood->raise();
    frmSetCood->activateWindow();
}

void TfrmMain::mnuEditQuesClick() {
    if (frmEditQues == nullptr) {
        frmEditQues = new TfrmEditQues(Catalog, StartDir, this);
        SetHelpContext(frmEditQues, 112);
        frmEditQues->SetHelpButton([this] { Help->ShowTopic(112); });
    }
    ShowModal(*frmEditQues);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (saver_.AskSaveChanges() == Answer::Cancel) {
        event->ignore();
        return;
    }
    // A clean close: whatever was answered, nothing is left to recover.
    Recovery.Remove();
    Recovery.WaitForWrites();
    QMainWindow::closeEvent(event);
}
