// The recovery copy: while the drawing has changes it is written every 30 seconds and after every
// tenth change, removed whenever the drawing is saved or replaced, and offered back at start-up.
#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>

#include "dialogs.h"
#include "main_window.h"
#include "practice/practice_window.h"
#include "tangen_window.h"
#include "units/tangen_open_window.h"

namespace {

constexpr int RecoveryIntervalMs = 30 * 1000;
constexpr int ChangesPerCopy = 10;

const QString RecoveryQuestion = QStringLiteral("前回保存されなかった図があります。復元しますか？");

}  // namespace

void TfrmMain::StartRecovery(const QString& folder) {
    auto store = std::make_unique<RecoveryStore>(folder);
    if (!store->Claim()) {
        return;  // the folder cannot be written: the program works on without copies
    }
    Recovery = std::move(store);
    recoveryTimer_.setInterval(RecoveryIntervalMs);
    connect(&recoveryTimer_, &QTimer::timeout, this, [this] {
        if (!Edit.DataSaved && changesSinceCopy_ > 0) {
            WriteRecoveryCopy();
        }
    });
    recoveryTimer_.start();
}

bool TfrmMain::OfferRecovery() {
    if (!Recovery || !Recovery->HasCopy()) {
        return false;
    }
    QFile file(Recovery->CopyPath());
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(MaxGraphFileBytes + 4096) : QByteArray();
    const RecoveryRead read = DecodeRecoveryCopy(bytes);
    GraphFileContent content;
    if (read.ok) {
        content = ParseGraphFile(read.copy.graphFile, read.copy.fileName, SetCoodSettings,
                                 chkMaru->isChecked());
    }
    if (!read.ok || !content.ok() || content.graphs.empty()) {
        // Never deleted unseen: the copy stays beside the others under a name of its own.
        const QString aside = Recovery->SetAside();
        ShowMessage(QStringLiteral("前回保存されなかった図を読めませんでした。") +
                    (aside.isEmpty() ? QString() : aside + QStringLiteral("に残してあります。")));
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

void TfrmMain::WriteRecoveryCopy() {
    if (!Recovery) {
        return;
    }
    // The plane settings then belong to another unit; the copy waits for the drawing's own.
    if ((frmRenshu != nullptr && frmRenshu->isVisible()) ||
        (frmTangenOpen != nullptr && frmTangenOpen->isVisible())) {
        return;
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
        return;  // texts are checked as they are typed; a save would say what is wrong
    }
    if (Recovery->TakeWriteFailure() && !recoveryFailureShown_) {
        // Said once: the drawing itself is safe until the program ends, and a save still works
        // or says why not.
        recoveryFailureShown_ = true;
        ShowMessage(
            QStringLiteral("保存していない図の控えを書けません。ディスクの空きを確かめて、"
                           "図を保存してください"));
    }
    Recovery->Write(EncodeRecoveryCopy({frmTangen->lblFileName->text(), FirstSaveDialog,
                                        QDateTime::currentDateTime(), encoded.bytes}));
    changesSinceCopy_ = 0;
}

void TfrmMain::CountChangeForRecovery() {
    if (++changesSinceCopy_ >= ChangesPerCopy) {
        WriteRecoveryCopy();
    }
}

void TfrmMain::RemoveRecoveryCopy() {
    changesSinceCopy_ = 0;
    if (Recovery) {
        Recovery->Remove();
    }
}
