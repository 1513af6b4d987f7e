// The file commands of the main window: new, open, open by unit title, overwrite save, save as,
// the save prompt before a drawing is replaced, and the question when the window closes.
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "dialogs.h"
#include "graph_file.h"
#include "help/help_desk.h"
#include "main/main_window.h"
#include "settings/plane_settings_window.h"
#include "shiki_list.h"
#include "tangen_window.h"
#include "units/edit_ques_window.h"
#include "units/new_work_window.h"
#include "units/tangen_open_window.h"

namespace {

const QStringList GraphFileFilters{QStringLiteral("linファイル (*.lin)"),
                                   QStringLiteral("caiファイル (*.cai)")};
const QString NoDataMessage = QStringLiteral("保存するﾃﾞｰﾀがありません");
const QString NewUnitTitleText = QStringLiteral("新しい単元");

}  // namespace

QString TfrmMain::DataFolder() const {
    return StartDir + QStringLiteral("DATA/");
}

bool TfrmMain::WriteDrawing(const QString& fileName, const QString& unitTitle) {
    QStringList memo = Doc.Table().Memo;
    if (memo.isEmpty()) {
        memo.append(unitTitle);
    }
    const QString error = WriteGraphFile(fileName, unitTitle, Doc.Plane(), Doc.EndCircles(), memo);
    if (!error.isEmpty()) {
        ShowMessage(error);
        return false;
    }
    return true;
}

bool TfrmMain::AskUnitTitle() {
    if (frmNewWork == nullptr) {
        frmNewWork = new TfrmNewWork(this);
        SetHelpContext(frmNewWork, 1211);
    }
    frmNewWork->SetFolder(DataFolder());
    frmNewWork->SetCurrentTitle(Doc.Title());
    if (ShowModal(*frmNewWork) != ModalOk) {
        return false;
    }
    NewUnitTitle = frmNewWork->NewUnitTitle;
    return true;
}

Answer TfrmMain::SaveWithName(const QString& unitTitle) {
    if (SaveDialogUnset) {
        saveFolder_ = DataFolder();
        saveName_ = QStringLiteral("Graph1.lin");
        SaveDialogUnset = false;
    }
    for (;;) {
        const QString chosen = ChooseSaveFile(saveFolder_, saveName_, GraphFileFilters);
        if (chosen.isEmpty()) {
            return Answer::Cancel;
        }
        const QFileInfo chosenInfo(chosen);
        saveFolder_ = chosenInfo.absolutePath();
        saveName_ = chosenInfo.fileName();
        const FixedFileName fixed = FixGraphFileName(chosen);
        if (!fixed.message.isEmpty()) {
            ShowMessage(fixed.message);
        }
        if (QFileInfo::exists(fixed.name)) {
            const Answer replace =
                ConfirmYesNoCancel(fixed.name + QStringLiteral("上書きしてもいいですか"));
            if (replace == Answer::Cancel) {
                return Answer::Cancel;
            }
            if (replace == Answer::No) {
                continue;
            }
        }
        // A write that fails counts as Cancel: the drawing stays, and so does an open window.
        if (!WriteDrawing(fixed.name, unitTitle)) {
            return Answer::Cancel;
        }
        Doc.MarkSaved(unitTitle, fixed.name);
        return Answer::Yes;
    }
}

bool TfrmMain::SaveAs() {
    if (Doc.Table().LineCount == 0) {
        ShowMessage(NoDataMessage);
        return false;
    }
    return AskUnitTitle() && SaveWithName(NewUnitTitle) == Answer::Yes;
}

Answer TfrmMain::AskSaveChanges() {
    if (!Doc.NeedsSaving()) {
        return Answer::No;
    }
    const Answer save = ConfirmYesNoCancel(QStringLiteral("現在のデータを保存しますか"));
    if (save != Answer::Yes) {
        return save;
    }
    if (!AskUnitTitle()) {
        return Answer::Cancel;
    }
    return SaveWithName(NewUnitTitle);
}

void TfrmMain::mnuNewFileClick() {
    if (AskSaveChanges() != Answer::Cancel) {
        ClearDrawing(NewUnitTitleText, StartDir + QStringLiteral("Graph1.lin"));
    }
    Doc.SetFirstSaveDialog(true);
}

void TfrmMain::mnuOpenFileClick() {
    const QString chosen =
        ChooseOpenFile(DataFolder(), QStringLiteral("Graph1.que"), GraphFileFilters);
    if (chosen.isEmpty() || AskSaveChanges() == Answer::Cancel) {
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
        ShowMessage(content.fileName + QStringLiteral("が見つかりません"));
        return false;
    }
    if (content.graphs.empty()) {
        ShowMessage(content.fileName + QStringLiteral("にはグラフがありません"));
        return false;
    }
    ApplyFile(content);
    return true;
}

void TfrmMain::ApplyFile(const GraphFileContent& content, bool saved) {
    Gesture.Reset();
    // The overwrite save writes to the file that was read, whatever name was typed.
    Doc.Load(content.title(), content.fileName, content.settings, content.EndCircles,
             content.graphs, content.memo, saved);
    body_.lstShiki->ShowRows();
    DispAllLine();
    ClearAllPanels();
}

void TfrmMain::spdOverWriteClick() {
    if (Doc.Table().LineCount == 0) {
        ShowMessage(NoDataMessage);
        return;
    }
    if (Doc.FirstSaveDialog()) {
        if (SaveAs()) {
            Doc.SetFirstSaveDialog(false);
        }
        return;
    }
    if (WriteDrawing(Doc.FileName(), Doc.Title())) {
        Doc.MarkSaved();
    }
}

void TfrmMain::mnuSaveClick() {
    SaveAs();
}

void TfrmMain::mnuTangenOpenClick() {
    if (frmTangenOpen == nullptr) {
        frmTangenOpen = new TfrmTangenOpen(SetCood2Settings, DefaultPlaneSize, StartDir, this);
    }
    frmTangenOpen->SetMainGeometry(geometry());
    if (ShowModal(*frmTangenOpen) != ModalOk) {
        DispAllLine();
        if (Doc.Table().LineCount > 0) {
            RefreshPanels();
        }
        return;
    }
    // The previewed unit's plane never touched the drawing's: the question below is asked about
    // the drawing as it is.
    if (AskSaveChanges() == Answer::Cancel) {
        DispAllLine();
        return;
    }
    if (OpenFile(frmTangenOpen->SelectedPath())) {
        Doc.SetFirstSaveDialog(false);
    }
}

void TfrmMain::mnuSetCoodSizeClick() {
    if (frmSetCood == nullptr) {
        frmSetCood = new TfrmSetCood(
            shownPlane_, DefaultPlaneSize,
            [this] {
                DispAllLine();
                if (CurrentIndex(Doc.Table()) >= 0) {
                    RefreshPanels();
                }
            },
            this);
        // Settings accepted with OK become the drawing's plane, one undo step; tried out, they
        // are only shown. Cancel has put the drawing's own back already.
        connect(frmSetCood, &QDialog::finished, this, [this] { Doc.SetPlane(shownPlane_); });
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
        frmEditQues->btnHelp->setEnabled(true);
        connect(frmEditQues->btnHelp, &QPushButton::clicked, this,
                [this] { Help->ShowTopic(112); });
    }
    ShowModal(*frmEditQues);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (AskSaveChanges() == Answer::Cancel) {
        event->ignore();
        return;
    }
    // A clean close: whatever was answered, nothing is left to recover.
    RemoveRecoveryCopy();
    if (Recovery) {
        Recovery->WaitForWrites();
    }
    QMainWindow::closeEvent(event);
}
