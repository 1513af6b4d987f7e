// The operating system's lock on a shared file itself, beside the lock file: it holds where the
// folder refuses the lock file (a share where students may change "Record.ini" but not create
// files beside it) and where a lock file is stuck, and programs of both kinds of folder exclude
// each other through it. The lock covers one byte far beyond the file's end, so that it never
// keeps another program from reading the file (Windows enforces locks on the bytes they cover).
#pragma once

#include <QString>

class OsFileLock {
  public:
    enum class Result {
        Locked,
        Busy,    // another program holds it
        NoFile,  // the file is missing or may not be written: there is nothing to lock
    };

    OsFileLock() = default;
    ~OsFileLock();  // lets the lock go
    OsFileLock(const OsFileLock&) = delete;
    OsFileLock& operator=(const OsFileLock&) = delete;

    // One try, without waiting. A file that another program replaced while this one waited is
    // locked again under its new identity, so that the lock always covers the file the path names.
    Result TryLock(const QString& path);
    void Unlock();
    bool locked() const;

    // Whether this program holds the lock of the file at path. Windows renames nothing over a
    // file that a program keeps open, as the lock does: such a file is written in place.
    static bool HeldHere(const QString& path);

  private:
    void NoteHeld(const QString& path);
    void ForgetHeld();
    QString held_;  // the file locked, as HeldHere compares it
#ifdef Q_OS_WIN
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};
