// The window's side of the recovery copy (RecoveryKeeper): when the drawing changed or was
// replaced, and the copy offered back at start-up.
#include <QDateTime>
#include <QLabel>

#include "dialogs.h"
#include "graph_file.h"
#include "main/main_window.h"
#include "tangen_window.h"

namespace {

const QString RecoveryQuestion = QStringLiteral("前回保存されなかった図があります。復元しますか？");

}  // namespace

void TfrmMain::StartRecovery(const QString& folder) {
    auto keeper = std::make_unique<RecoveryKeeper>(Doc);
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
        content =
            ParseGraphFile(read.copy.graphFile, read.copy.fileName, Doc.Plane(), Doc.EndCircles());
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
    ApplyFile(content, false);
    Doc.SetFirstSaveDialog(read.copy.firstSaveDialog);
    saver_.SetDialogUnset(read.copy.firstSaveDialog);
    WriteRecoveryCopy();  // kept until the drawing is saved
    return true;
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
