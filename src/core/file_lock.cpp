// The lock file of a shared file.
#include "file_lock.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>
#include <algorithm>

#include "in_place_write.h"
#include "path_text.h"
#include "replace_file.h"

QString FileLock::LockPath(const QString& filePath) {
    const QFileInfo file(ReplacedFilePath(filePath));
    const QString name = file.suffix().isEmpty() ? file.fileName() : file.completeBaseName();
    return QDir(file.absolutePath()).filePath(name + QStringLiteral(".lock"));
}

namespace {

std::function<void(bool)>& WaitingHook() {
    static std::function<void(bool)> hook;
    return hook;
}

// A lock file no live program holds: not a plain file (no program makes a folder of that name), or
// older than a change of the file can take. QLockFile takes over such a file where it may remove
// it; one that is still there after its try cannot be removed by this program.
bool IsStuck(const QString& lockPath) {
    const QFileInfo info(lockPath);
    if (!info.exists()) {
        return false;
    }
    return !info.isFile() ||
           info.lastModified().msecsTo(QDateTime::currentDateTime()) > FileLock::StaleTime.count();
}

// Each stuck lock file is told of once a program, not at every run.
bool FirstTimeStuck(const QString& lockPath) {
    static QMutex mutex;
    static QSet<QString> told;
    const QMutexLocker hold(&mutex);
    if (told.contains(lockPath)) {
        return false;
    }
    told.insert(lockPath);
    return true;
}

}  // namespace

void FileLock::SetWaitingHook(std::function<void(bool)> hook) {
    WaitingHook() = std::move(hook);
}

bool FileLock::TryLockFile(const QString& lockPath) {
    // Held already while the file's own lock is awaited: a second try would find its own file.
    if (lockFile_ != LockFile::Used || lock_->isLocked()) {
        return true;
    }
    // A pipe or a folder of that name is stuck for good, and trying a pipe would hang the try.
    const QFileInfo existing(lockPath);
    const bool notAFile = existing.exists() && !existing.isFile();
    if (!notAFile && lock_->tryLock(0)) {
        return true;
    }
    switch (notAFile ? QLockFile::LockFailedError : lock_->error()) {
        case QLockFile::LockFailedError:
            if (!IsStuck(lockPath)) {
                return false;
            }
            if (FirstTimeStuck(lockPath)) {
                notice_ =
                    ShownPath(lockPath) + QStringLiteral(
                                              "を削除できません。古いロックファイルが残っています。"
                                              "記録はファイルそのものに鍵をかけて書き込みます");
            }
            lockFile_ = LockFile::Stuck;
            return true;
        case QLockFile::PermissionError:
            // The folder refuses new files: the file's own lock is the lock.
            lockFile_ = LockFile::Refused;
            return true;
        default:
            status_ = Status::Failed;
            return false;
    }
}

FileLock::FileLock(const QString& filePath, std::chrono::milliseconds wait) {
    const QString target = ReplacedFilePath(filePath);
    const QString lockPath = LockPath(filePath);
    if (!QFileInfo(QFileInfo(lockPath).absolutePath()).isDir()) {
        // No folder holds no file to guard; a write there fails on its own.
        status_ = Status::Locked;
        return;
    }
    lock_ = std::make_unique<QLockFile>(lockPath);
    lock_->setStaleLockTime(StaleTime);
    const QDeadlineTimer deadline(wait);
    bool waited = false;
    for (;;) {
        // One try at a time rather than QLockFile's own wait, which doubles its sleeps up to
        // five seconds: a program would then miss the short moments between other programs'
        // changes when a whole class finishes at once.
        status_ = Status::Busy;
        if (TryLockFile(lockPath)) {
            switch (osLock_.TryLock(target)) {
                case OsFileLock::Result::Locked:
                    status_ = Status::Locked;
                    break;
                case OsFileLock::Result::NoFile:
                    // Nothing to lock yet: a file made by a rename into the folder is guarded by
                    // the lock file. A folder that refuses new files cannot take one at all.
                    status_ = lockFile_ == LockFile::Refused ? Status::Denied : Status::Locked;
                    break;
                case OsFileLock::Result::Busy:
                    break;
            }
        }
        if (status_ != Status::Busy) {
            break;
        }
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            break;
        }
        if (WaitingHook()) {
            WaitingHook()(true);
            waited = true;
        }
        // Pauses of differing length, so that waiting programs do not all try at once.
        const qint64 pause = 5 + QRandomGenerator::global()->bounded(20);
        QThread::msleep(std::min(left, pause));
    }
    if (waited) {
        WaitingHook()(false);
    }
    if (status_ != Status::Locked) {
        osLock_.Unlock();
        if (lock_->isLocked()) {
            lock_->unlock();
        }
        return;
    }
    RollBackJournalOf(target);
}

FileLock::~FileLock() = default;
