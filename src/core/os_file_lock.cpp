// The operating system's lock on a shared file.
#include "os_file_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

// Far beyond any file's end; the same byte on every system.
constexpr quint64 LockedByte = quint64(1) << 62;

QMutex& HeldMutex() {
    static QMutex mutex;
    return mutex;
}

QHash<QString, int>& HeldFiles() {
    static QHash<QString, int> files;
    return files;
}

QString HeldKey(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
#ifdef Q_OS_WIN
    return absolute.toCaseFolded();  // one file whatever the case of its name
#else
    return absolute;
#endif
}

}  // namespace

OsFileLock::~OsFileLock() {
    Unlock();
}

bool OsFileLock::HeldHere(const QString& path) {
    const QMutexLocker hold(&HeldMutex());
    return HeldFiles().value(HeldKey(path)) > 0;
}

void OsFileLock::NoteHeld(const QString& path) {
    held_ = HeldKey(path);
    const QMutexLocker hold(&HeldMutex());
    ++HeldFiles()[held_];
}

void OsFileLock::ForgetHeld() {
    if (held_.isEmpty()) {
        return;
    }
    const QMutexLocker hold(&HeldMutex());
    if (--HeldFiles()[held_] <= 0) {
        HeldFiles().remove(held_);
    }
    held_.clear();
}

#ifdef Q_OS_WIN

namespace {

HANDLE OpenForLock(const QString& path) {
    // Others may go on reading, writing and replacing the file: only the lock excludes.
    return CreateFileW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                       GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool SameFile(HANDLE a, HANDLE b) {
    BY_HANDLE_FILE_INFORMATION x;
    BY_HANDLE_FILE_INFORMATION y;
    return GetFileInformationByHandle(a, &x) && GetFileInformationByHandle(b, &y) &&
           x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

}  // namespace

OsFileLock::Result OsFileLock::TryLock(const QString& path) {
    Unlock();
    HANDLE file = OpenForLock(path);
    if (file == INVALID_HANDLE_VALUE) {
        return Result::NoFile;
    }
    OVERLAPPED at{};
    at.Offset = DWORD(LockedByte & 0xFFFFFFFFu);
    at.OffsetHigh = DWORD(LockedByte >> 32);
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at)) {
        CloseHandle(file);
        return Result::Busy;
    }
    // The file the path names now may be another one that replaced this while it was opened.
    HANDLE now = OpenForLock(path);
    const bool same = now != INVALID_HANDLE_VALUE && SameFile(file, now);
    if (now != INVALID_HANDLE_VALUE) {
        CloseHandle(now);
    }
    if (!same) {
        UnlockFileEx(file, 0, 1, 0, &at);
        CloseHandle(file);
        return Result::Busy;
    }
    handle_ = file;
    NoteHeld(path);
    return Result::Locked;
}

void OsFileLock::Unlock() {
    if (handle_ != nullptr) {
        OVERLAPPED at{};
        at.Offset = DWORD(LockedByte & 0xFFFFFFFFu);
        at.OffsetHigh = DWORD(LockedByte >> 32);
        UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &at);
        CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
        ForgetHeld();
    }
}

bool OsFileLock::locked() const {
    return handle_ != nullptr;
}

#else

OsFileLock::Result OsFileLock::TryLock(const QString& path) {
    Unlock();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return Result::NoFile;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Result::NoFile;
    }
    // An open-file-description lock: a classic fcntl lock would be dropped as soon as any other
    // descriptor of the file in this program is closed, as every read of the file does.
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = off_t(LockedByte);
    lock.l_len = 1;
#ifdef Q_OS_WASM
    // Emscripten refuses that kind and grants a classic lock without keeping it: the browser's
    // files belong to the one page, which no other program shares.
    constexpr int SetLock = F_SETLK;
#else
    constexpr int SetLock = F_OFD_SETLK;
#endif
    if (::fcntl(fd, SetLock, &lock) != 0) {
        ::close(fd);
        return Result::Busy;
    }
    // The file the path names now may be another one that replaced this while it was opened.
    struct stat named {};
    if (::stat(name.constData(), &named) != 0 || named.st_ino != opened.st_ino ||
        named.st_dev != opened.st_dev) {
        ::close(fd);  // closing the description lets its lock go
        return Result::Busy;
    }
    fd_ = fd;
    NoteHeld(path);
    return Result::Locked;
}

void OsFileLock::Unlock() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ForgetHeld();
    }
}

bool OsFileLock::locked() const {
    return fd_ >= 0;
}

#endif
