// The window's side of the recovery copy (RecoveryKeeper): what the copy holds, when the drawing
// changed or was replaced, and the copy offered back at start-up.
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>

#include "dialogs.h"
#include "main_window.h"
#include "practice/practice_window.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"

namespace {

const QString RecoveryQuestion = QStringLiteral("前回保存されなかった図があります。復元しますか？");

}  // namespace

void TfrmMain::StartRecovery(const QString& folder) {
    auto keeper = std::make_unique<RecoveryKeeper>([this] { return RecoveryCopyOfDrawing(); },
                                                   [this] { return !Edit.DataSaved; });
    if (keeper->Start(folder)) {
        Recovery = std::move(keeper);
    }
}

bool TfrmMain::OfferRecovery() {
    if (!Recovery || !Recovery->HasCopy()) {
        return false;
    }
    const RecoveryRead read = Recovery->ReadCopy();
    GraphFileContent content;
    if (read.ok) {
        content = ParseGraphFile(read.copy.graphFile, read.copy.fileName, SetCoodSettings,
                                 chkMaru->isChecked());
    }
    if (!read.ok || !content.ok() || content.graphs.empty()) {
        Recovery->SetAsideDamaged();
        return false;
    }
    if (ConfirmYesNo(RecoveryQuestion) != Answer::Yes) {
        RemoveRecoveryCopy();
        return false;
    }
    content.fileName = read.copy.fileName;
    ApplyFile(content);
    FirstSaveDialog = read.copy.firstSaveDialog;
    SaveDialogUnset = read.copy.firstSaveDialog;
    Edit.DataSaved = false;
    StartHistory();
    WriteRecoveryCopy();  // kept until the drawing is saved
    return true;
}

std::optional<RecoveryCopy> TfrmMain::RecoveryCopyOfDrawing() const {
    // The plane settings then belong to another unit; the copy waits for the drawing's own.
    if ((frmRenshu != nullptr && frmRenshu->isVisible()) ||
        (frmTangenOpen != nullptr && frmTangenOpen->isVisible())) {
        return std::nullopt;
    }
    const DrawingState drawing = CurrentDrawing();
    const QString title = frmTangen->lblTangen->text();
    QStringList memo = drawing.Table.Memo;
    if (memo.isEmpty()) {
        memo.append(title);
    }
    const EncodedGraphFile encoded =
        EncodeGraphFile(GraphFileLines(title, drawing.Plane, chkMaru->isChecked(), memo));
    if (!encoded.problem.isEmpty()) {
        return std::nullopt;  // texts are checked as they are typed; a save would say what is wrong
    }
    return RecoveryCopy{frmTangen->lblFileName->text(), FirstSaveDialog,
                        QDateTime::currentDateTime(), encoded.bytes};
}

void TfrmMain::WriteRecoveryCopy() {
    if (Recovery) {
        Recovery->Write();
    }
}

void TfrmMain::CountChangeForRecovery() {
    if (Recovery) {
        Recovery->CountChange();
    }
}

void TfrmMain::RemoveRecoveryCopy() {
    if (Recovery) {
        Recovery->Remove();
    }
}
