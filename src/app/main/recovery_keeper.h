// Keeps the recovery copy of the drawing: its locked slot in the user's data folder, the copy
// every 30 seconds and after every tenth change, and the one message when the copies cannot
// begin or a copy cannot be written. It follows the drawing's announcements itself: a change of
// what the copy holds counts, and a drawing saved or replaced leaves nothing to recover.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "drawing.h"
#include "recovery_copy.h"

class RecoveryKeeper : public QObject {
  public:
    explicit RecoveryKeeper(Drawing& drawing, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    // Claims a slot in the folder and starts the timer. False when no copy can be kept there
    // yet, which is said once: the keeper tries again whenever a copy is due and begins as soon
    // as it can. Until started (in most tests) the keeper keeps nothing and every call does
    // nothing.
    bool Start(const QString& folder);

    bool HasCopy() const { return store_ && store_->HasCopy(); }
    // The copy a program that ended without a clean close left in the slot.
    RecoveryRead ReadCopy() const;
    // A copy that does not read is said once and renamed, never deleted unseen.
    void SetAsideDamaged();

    void Write();
    // One change of the drawing; the tenth since the last copy writes one.
    void CountChange();
    // The drawing was saved or replaced: nothing is left to recover.
    void Remove();
    void WaitForWrites() {
        if (store_) {
            store_->WaitForWrites();
        }
    }

  private:
    // Claims the slot; a program that offered no copy at its start takes an empty one.
    bool Begin(bool offersCopy);
    void Follow(DrawingChanges changes);

    const Drawing& drawing_;
    QString folder_;  // where the copies are kept, once started
    std::unique_ptr<RecoveryStore> store_;
    QTimer timer_;
    int changesSinceCopy_ = 0;  // changes since the copy was last written
    bool failureShown_ = false;
};
