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

RecoveryKeeper::RecoveryKeeper(const Drawing& drawing, QObject* parent)
    : QObject(parent), drawing_(drawing) {
    timer_.setInterval(RecoveryIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (!drawing_.Saved() && changesSinceCopy_ > 0) {
            Write();
        }
    });
}

RecoveryKeeper::~RecoveryKeeper() = default;

bool RecoveryKeeper::Start(const QString& folder) {
    auto store = std::make_unique<RecoveryStore>(folder);
    if (!store->Claim()) {
        return false;  // the folder cannot be written: the program works on without copies
    }
    store_ = std::move(store);
    timer_.start();
    return true;
}

RecoveryRead RecoveryKeeper::ReadCopy() const {
    QFile file(store_->CopyPath());
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(MaxGraphFileBytes + 4096) : QByteArray();
    return DecodeRecoveryCopy(bytes);
}

void RecoveryKeeper::SetAsideDamaged() {
    const QString aside = store_->SetAside();
    ShowMessage(
        QStringLiteral("前回保存されなかった図を読めませんでした。") +
        (aside.isEmpty() ? QString() : ShownPath(aside) + QStringLiteral("に残してあります。")));
}

void RecoveryKeeper::Write() {
    if (!store_) {
        return;
    }
    if (drawing_.Table().LineCount == 0) {
        Remove();  // an emptied drawing has nothing to recover
        return;
    }
    const std::optional<RecoveryCopy> copy = RecoveryCopyOf(drawing_, QDateTime::currentDateTime());
    if (!copy) {
        return;  // tried again at the next change or tick
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
    if (++changesSinceCopy_ >= ChangesPerCopy) {
        Write();
    }
}

void RecoveryKeeper::Remove() {
    changesSinceCopy_ = 0;
    if (store_) {
        store_->Remove();
    }
}
