// Saving the drawing: the unit title asked, the file chosen and written, the drawing marked saved.
#include "main/drawing_saver.h"

#include <QFileInfo>

#include "graph_file.h"
#include "help/help_context.h"
#include "path_text.h"
#include "units/new_work_window.h"

namespace {

const QString NoDataMessage = QStringLiteral("保存するﾃﾞｰﾀがありません");

}  // namespace

DrawingSaver::DrawingSaver(Drawing& doc, const QString& startDir, QWidget* owner)
    : doc_(doc), startDir_(startDir), owner_(owner) {}

QString DrawingSaver::DataFolder() const {
    return startDir_ + QStringLiteral("DATA/");
}

bool DrawingSaver::Write(const QString& fileName, const QString& unitTitle) {
    QStringList memo = doc_.Table().Memo;
    if (memo.isEmpty()) {
        memo.append(unitTitle);
    }
    const QString error =
        WriteGraphFile(fileName, unitTitle, doc_.Plane(), doc_.EndCircles(), memo);
    if (!error.isEmpty()) {
        ShowMessage(error);
        return false;
    }
    return true;
}

bool DrawingSaver::AskUnitTitle() {
    if (frmNewWork_ == nullptr) {
        frmNewWork_ = new TfrmNewWork(owner_);
        SetHelpContext(frmNewWork_, 1211);
    }
    frmNewWork_->SetFolder(DataFolder());
    frmNewWork_->SetCurrentTitle(doc_.Title());
    if (ShowModal(*frmNewWork_) != ModalOk) {
        return false;
    }
    newUnitTitle_ = frmNewWork_->NewUnitTitle;
    return true;
}

Answer DrawingSaver::SaveWithName(const QString& unitTitle) {
    if (dialogUnset_) {
        saveFolder_ = DataFolder();
        saveName_ = QStringLiteral("Graph1.lin");
        dialogUnset_ = false;
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
            const Answer replace = ConfirmYesNoCancel(ShownPath(fixed.name) +
                                                      QStringLiteral("上書きしてもいいですか"));
            if (replace == Answer::Cancel) {
                return Answer::Cancel;
            }
            if (replace == Answer::No) {
                continue;
            }
        }
        // A write that fails counts as Cancel: the drawing stays, and so does an open window.
        if (!Write(fixed.name, unitTitle)) {
            return Answer::Cancel;
        }
        doc_.MarkSaved(unitTitle, fixed.name);
        return Answer::Yes;
    }
}

bool DrawingSaver::SaveAs() {
    if (doc_.Table().LineCount == 0) {
        ShowMessage(NoDataMessage);
        return false;
    }
    return AskUnitTitle() && SaveWithName(newUnitTitle_) == Answer::Yes;
}

Answer DrawingSaver::AskSaveChanges() {
    if (!doc_.NeedsSaving()) {
        return Answer::No;
    }
    const Answer save = ConfirmYesNoCancel(QStringLiteral("現在のデータを保存しますか"));
    if (save != Answer::Yes) {
        return save;
    }
    if (!AskUnitTitle()) {
        return Answer::Cancel;
    }
    return SaveWithName(newUnitTitle_);
}

void DrawingSaver::OverWrite() {
    if (doc_.Table().LineCount == 0) {
        ShowMessage(NoDataMessage);
        return;
    }
    if (doc_.FirstSaveDialog()) {
        if (SaveAs()) {
            doc_.SetFirstSaveDialog(false);
        }
        return;
    }
    if (Write(doc_.FileName(), doc_.Title())) {
        doc_.MarkSaved();
    }
}
