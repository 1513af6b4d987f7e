// The recovery copy of a drawing that was not saved: written to the user's data folder while the
// drawing has changes, offered back at the next start after a crash or a cut power. Each running
// program keeps its own copy in a slot it holds a lock on, so two programs never take each
// other's copy.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLockFile;
class QThreadPool;

struct RecoveryCopy {
    QString fileName;             // the graph file the drawing belongs to
    bool firstSaveDialog = true;  // a save would still ask for a name
    QDateTime time;
    QByteArray graphFile;  // the graph file as a save would write it
};

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy);

class Drawing;
// The copy of a drawing as a save would write it, made at time; nothing when a text cannot be
// written in Shift-JIS (texts are checked as they are typed; a save says what is wrong).
std::optional<RecoveryCopy> RecoveryCopyOf(const Drawing& drawing, const QDateTime& time);

struct RecoveryRead {
    RecoveryCopy copy;
    bool ok = false;
};
RecoveryRead DecodeRecoveryCopy(const QByteArray& bytes);

class RecoveryStore {
  public:
    static constexpr int Slots = 8;  // programs running at once, each with its own copy

    explicit RecoveryStore(const QString& folder);
    ~RecoveryStore();  // waits for the writes still queued
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Locks a slot for this program: the first free one that holds a copy left behind, else the
    // first free one. False when the folder cannot be made or every slot is held. A program that
    // offers no copy (one that could claim no slot at its start) takes only a slot without one,
    // so that a copy left behind waits for the next start.
    bool Claim(bool offersCopy = true);
    bool Claimed() const { return claimed_ >= 0; }
    QString CopyPath() const;
    bool HasCopy() const;
    // The copy in this program's slot; not ok when it is no plain file or cannot be read.
    RecoveryRead ReadCopy() const;
    // Renames a copy that cannot be read with the time it was set aside; returns the new name.
    QString SetAside();

    // Queued in order on one background thread, so the flush to disk before the rename never
    // holds up the window, and a removal always comes after the writes before it. A Qt without
    // threads (the browser's) writes at once: a copy is small enough for the window's thread.
    void Write(const QByteArray& bytes);
    void Remove();
    void WaitForWrites();
    // Whether a write has failed (a full disk, a folder gone) since the last call.
    bool TakeWriteFailure() { return writeFailed_.exchange(false); }

  private:
    QString SlotPath(int slot, const char* suffix) const;
    void Queue(std::function<void()> job);

    QString folder_;
    int claimed_ = -1;
    std::unique_ptr<QLockFile> lock_;
#if QT_CONFIG(thread)
    std::unique_ptr<QThreadPool> writer_;
#endif
    std::atomic<bool> writeFailed_ = false;
};
