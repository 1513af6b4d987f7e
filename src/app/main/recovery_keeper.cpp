// The recovery copy of the drawing.
#include "main/recovery_keeper.h"

#include <QFile>

#include "dialogs.h"
#include "graph_file.h"
#include "path_text.h"

namespace {

constexpr int RecoveryIntervalMs = 30 * 1000;
constexpr int ChangesPerCopy = 10;

}  // namespace

RecoveryKeeper::RecoveryKeeper(Drawing& drawing, QObject* parent)
    : QObject(parent), drawing_(drawing) {
    drawing.Listen([this](DrawingChanges changes) { Follow(changes); });
    timer_.setInterval(RecoveryIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!drawing_.Saved() && changesSinceCopy_ > 0) {
            Write();
        }
    });
}

RecoveryKeeper::~RecoveryKeeper() = default;

bool RecoveryKeeper::Start(const QString& folder) {
    folder_ = folder;
    timer_.start();
    if (Begin(true)) {
        return true;
    }
    // A full disk or a folder without the right to write: the drawing is safe until the program
    // ends, and the copies begin without another word once the folder takes them.
    ShowMessage(QStringLiteral("保存していない図の控えを") + ShownPath(folder) +
                QStringLiteral("に書けません。ディスクの空きと書き込みの権限を確かめて、"
                               "図を保存してください。書けるようになれば控えを書き始めます"));
    return false;
}

bool RecoveryKeeper::Begin(bool offersCopy) {
    auto store = std::make_unique<RecoveryStore>(folder_);
    if (!store->Claim(offersCopy)) {
        return false;
    }
    store_ = std::move(store);
    return true;
}

RecoveryRead RecoveryKeeper::ReadCopy() const {
    return store_->ReadCopy();
}

void RecoveryKeeper::SetAsideDamaged() {
    const QString aside = store_->SetAside();
    ShowMessage(
        QStringLiteral("前回保存されなかった図を読めませんでした。") +
        (aside.isEmpty() ? QString() : ShownPath(aside) + QStringLiteral("に残してあります。")));
}

void RecoveryKeeper::Write() {
    if (!store_ && (folder_.isEmpty() || !Begin(false))) {
        return;  // tried again at the next tick or tenth change
    }
    if (drawing_.Table().LineCount == 0) {
        Remove();  // an emptied drawing has nothing to recover
        return;
    }
    const std::optional<RecoveryCopy> copy = RecoveryCopyOf(drawing_, QDateTime::currentDateTime());
    if (!copy) {
        return;  // tried again at the next tick or tenth change
    }
    if (store_->TakeWriteFailure() && !failureShown_) {
        // Said once: the drawing itself is safe until the program ends, and a save still works
        // or says why not.
        failureShown_ = true;
        ShowMessage(
            QStringLiteral("保存していない図の控えを書けません。ディスクの空きを確かめて、"
                           "図を保存してください"));
    }
    store_->Write(EncodeRecoveryCopy(*copy));
    changesSinceCopy_ = 0;
}

void RecoveryKeeper::CountChange() {
    // Each tenth change while no copy could be written tries again, not every change after it.
    if (++changesSinceCopy_ % ChangesPerCopy == 0) {
        Write();
    }
}

void RecoveryKeeper::Follow(DrawingChanges changes) {
    if ((changes & DrawingReplaced) != 0 || ((changes & ChangedSaved) != 0 && drawing_.Saved())) {
        Remove();  // a new drawing, or one the file holds as it is
        return;
    }
    // What the copy holds; a step back or forward is a change like any other.
    constexpr DrawingChanges held =
        ChangedGraphs | ChangedMemo | ChangedPlane | ChangedEndCircles | ChangedNames;
    if ((changes & held) != 0) {
        CountChange();
    }
}

void RecoveryKeeper::Remove() {
    changesSinceCopy_ = 0;
    if (store_) {
        store_->Remove();
    }
}
