// The lock that programs sharing one start folder take on a file they all update by reading it,
// changing it and replacing it ("Record.ini", "Index.ini" on a school's network drive): a lock
// file beside it and the operating system's lock on the file itself, held only while one program
// reads, changes and replaces the file, so that no program replaces the file with a copy that
// misses another program's change. Where the folder refuses the lock file, or a lock file is stuck
// (older than a change can take, and not to be removed), the file's own lock is the lock.
#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>

#include "os_file_lock.h"

class QLockFile;

class FileLock {
  public:
    // How long a program waits for another one to finish its change.
    static constexpr std::chrono::milliseconds DefaultWait{10'000};
    // A lock file this old was left by a program that died; it is taken over. (On the same
    // computer a lock whose program is gone is taken over at once; a program on another computer
    // cannot be asked.) A read-change-replace takes far less, even of years of records.
    static constexpr std::chrono::milliseconds StaleTime{60'000};

    enum class Status {
        Locked,
        Busy,    // another program held the lock for the whole wait
        Denied,  // the folder may not be written (a read-only share or medium)
        Failed,  // the lock file could not be made (a full disk, a drive gone)
    };

    // Waits up to wait for the lock of the file at filePath. A cut-short in-place write of the
    // file is rolled back once the lock is held, before anyone reads the file.
    FileLock(const QString& filePath, std::chrono::milliseconds wait);
    ~FileLock();  // lets the lock go
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    Status status() const { return status_; }
    // A message naming a stuck lock file, the first time this program meets it; empty otherwise.
    const QString& notice() const { return notice_; }

    // Called between the tries while a program waits, with true, and once more with false when
    // the wait ends, so that a window can keep painting and show that it waits. Set by the
    // program's windows; none in tests and the exporter.
    static void SetWaitingHook(std::function<void(bool waiting)> hook);

    // The lock file of a file: its name with ".lock" in place of its extension, beside the file a
    // link leads to, so that every path to one file shares one lock.
    static QString LockPath(const QString& filePath);

  private:
    // Tries the lock file once; false while another program holds it.
    bool TryLockFile(const QString& lockPath);

    enum class LockFile {
        Used,
        Refused,  // the folder refuses new files
        Stuck,    // a lock file no live program holds stands in the way and cannot be removed
    };

    std::unique_ptr<QLockFile> lock_;
    LockFile lockFile_ = LockFile::Used;
    OsFileLock osLock_;
    Status status_ = Status::Failed;
    QString notice_;
};
