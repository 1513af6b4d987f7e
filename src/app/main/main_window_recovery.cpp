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

bool TfrmMain::OfferRecovery() {
    if (!Recovery.HasCopy()) {
        return false;
    }
    const RecoveryRead read = Recovery.ReadCopy();
    GraphFileContent content;
    if (read.ok) {
        content =
            ParseGraphFile(read.copy.graphFile, read.copy.fileName, Doc.Plane(), Doc.EndCircles());
    }
    if (!read.ok || !content.ok()) {
        Recovery.SetAsideDamaged();
        return false;
    }
    if (content.graphs.empty()) {
        Recovery.Remove();  // a drawing emptied before the copy was taken: nothing to offer
        return false;
    }
    if (ConfirmYesNo(RecoveryQuestion) != Answer::Yes) {
        Recovery.Remove();
        return false;
    }
    content.fileName = read.copy.fileName;
    ApplyFile(content, false);
    Doc.SetFirstSaveDialog(read.copy.firstSaveDialog);
    saver_.SetDialogUnset(read.copy.firstSaveDialog);
    Recovery.Write();  // kept until the drawing is saved
    return true;
}
