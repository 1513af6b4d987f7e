// The lock file of a shared file.
#include "file_lock.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>

#include "replace_file.h"

QString FileLock::LockPath(const QString& filePath) {
    const QFileInfo file(ReplacedFilePath(filePath));
    const QString name = file.suffix().isEmpty() ? file.fileName() : file.completeBaseName();
    return QDir(file.absolutePath()).filePath(name + QStringLiteral(".lock"));
}

FileLock::FileLock(const QString& filePath, std::chrono::milliseconds wait) {
    const QString lockPath = LockPath(filePath);
    if (!QFileInfo(QFileInfo(lockPath).absolutePath()).isDir()) {
        // No folder holds no file to guard; a write there fails on its own.
        status_ = Status::Locked;
        return;
    }
    lock_ = std::make_unique<QLockFile>(lockPath);
    lock_->setStaleLockTime(StaleTime);
    const QDeadlineTimer deadline(wait);
    for (;;) {
        // One try at a time rather than QLockFile's own wait, which doubles its sleeps up to
        // five seconds: a program would then miss the short moments between other programs'
        // changes when a whole class finishes at once.
        if (lock_->tryLock(0)) {
            status_ = Status::Locked;
            return;
        }
        switch (lock_->error()) {
            case QLockFile::LockFailedError:
                break;
            case QLockFile::PermissionError:
                status_ = Status::Denied;
                return;
            default:
                status_ = Status::Failed;
                return;
        }
        const qint64 left = deadline.remainingTime();
        if (left <= 0) {
            status_ = Status::Busy;
            return;
        }
        // Pauses of differing length, so that waiting programs do not all try at once.
        const qint64 pause = 5 + QRandomGenerator::global()->bounded(20);
        QThread::msleep(std::min(left, pause));
    }
}

FileLock::~FileLock() = default;
