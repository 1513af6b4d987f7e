// The checked replacement of a file.
#include "replace_file.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <atomic>

#include "in_place_write.h"
#include "os_file_lock.h"

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
// windows.h names its own ReplaceFile, a macro that would rename this file's.
#undef ReplaceFile
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace {

FileSteps RealSteps;
std::atomic<FileSteps*> Installed = &RealSteps;

// The mark of this program's temporary files: ".Record.ini.tesmara-Ab12Cd". No user names a file
// so, and none of a user's files is ever taken for a leftover.
const QString TemporaryMark = QStringLiteral(".tesmara-");
constexpr int TemporaryRandomLength = 6;

// A leftover of a write that a crash or a kill cut short is this old at least; a younger one may
// be another program's write going on right now.
constexpr qint64 LeftoverAgeSeconds = 10 * 60;

QString TemporaryPrefix(const QString& target) {
    const QFileInfo info(target);
    return u'.' + info.fileName() + TemporaryMark;
}

// Beside the old file, so that the rename never crosses from one disk to another; with a random
// part, so that two programs replacing the same file never write into one temporary file.
QString TemporaryPathBeside(const QString& target) {
    static constexpr char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = TemporaryPrefix(target);
    for (int i = 0; i < TemporaryRandomLength; ++i) {
        name += QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    }
    return QDir(QFileInfo(target).path()).filePath(name);
}

// Every kill during a write would otherwise leave a temporary file beside the target for good.
// Only the target's own are removed, so a write never harms another file's.
void RemoveOldLeftoversOf(const QString& target) {
    const QString prefix = TemporaryPrefix(target);
    const QDateTime oldest = QDateTime::currentDateTime().addSecs(-LeftoverAgeSeconds);
    QDirIterator entries(QFileInfo(target).path(), QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.size() == prefix.size() + TemporaryRandomLength && name.startsWith(prefix) &&
            entries.fileInfo().lastModified() < oldest) {
            QFile::remove(entries.filePath());
        }
    }
}

#ifndef Q_OS_WIN
// The folder's own entry, so that the rename itself survives a power cut. Not every file system
// can sync a folder (some network drives cannot); the file is in place either way.
void SyncFolderOf(const QString& path) {
    const int folder =
        ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// A folder with the sticky bit (set up as /tmp is, so that students may add files but not take
// away each other's) lets a file of another user be changed where its rights allow, but refuses
// to rename anything over it or to remove it.
bool OthersFileInStickyFolder(const QString& target) {
    struct stat folder {};
    struct stat file {};
    const uid_t me = ::geteuid();
    return me != 0 &&
           ::stat(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), &folder) == 0 &&
           ::stat(QFile::encodeName(target).constData(), &file) == 0 &&
           (folder.st_mode & S_ISVTX) != 0 && folder.st_uid != me && file.st_uid != me;
}
#endif

}  // namespace

bool FileSteps::Open(QFile& temp) {
    // Unbuffered, so that a disk without room says so at the write, not later.
    return temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
}

bool FileSteps::Write(QFile& temp, QByteArrayView bytes) {
    return temp.write(bytes.data(), bytes.size()) == bytes.size();
}

bool FileSteps::Flush(QFile& temp) {
    return temp.flush();
}

bool FileSteps::Sync(QFile& temp) {
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(temp.handle()))) != 0;
#else
    int result;
    do {
        result = ::fsync(temp.handle());
    } while (result != 0 && errno == EINTR);
    return result == 0;
#endif
}

bool FileSteps::Close(QFile& temp) {
    // A network drive may refuse the bytes only when the file is closed.
    temp.unsetError();
    temp.close();
    return temp.error() == QFileDevice::NoError;
}

bool FileSteps::Rename(const QString& from, const QString& to) {
#ifdef Q_OS_WIN
    return MoveFileExW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(from).utf16()),
                       reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(to).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        return false;
    }
    SyncFolderOf(to);
    return true;
#endif
}

FileSteps& CurrentFileSteps() {
    return *Installed.load();
}

ScopedFileSteps::ScopedFileSteps(FileSteps& steps) : previous_(Installed.exchange(&steps)) {}

ScopedFileSteps::~ScopedFileSteps() {
    Installed.store(previous_);
}

QString ReplacedFilePath(const QString& path) {
    // As many links as the system itself follows; a longer chain is a loop.
    constexpr int MaxLinks = 40;
    QString file = path;
    for (int link = 0; link < MaxLinks; ++link) {
        const QFileInfo info(file);
        if (!info.isSymLink() || info.symLinkTarget().isEmpty()) {
            break;
        }
        file = info.symLinkTarget();
    }
    return file;
}

ReplaceResult ReplaceFile(const QString& path, std::initializer_list<QByteArrayView> parts) {
    FileSteps& steps = CurrentFileSteps();
    const QString target = ReplacedFilePath(path);
    const QFileInfo old(target);
    if (old.isDir()) {
        return {false, ReplaceStep::Open, false};
    }
    // Still a link after the whole chain: a loop, which no write can end in a file.
    if ((old.exists() && !old.isWritable()) || old.isSymLink()) {
        return {false, ReplaceStep::Open, true};
    }
#ifdef Q_OS_WIN
    // This program's own lock keeps the file open, and Windows renames nothing over it.
    if (old.isFile() && OsFileLock::HeldHere(target)) {
        return WriteInPlace(target, parts);
    }
#else
    if (old.isFile() && OthersFileInStickyFolder(target)) {
        return WriteInPlace(target, parts);
    }
#endif
    RemoveOldLeftoversOf(target);
    QFile temp;
    bool opened = false;
    // Another name is tried only when the one drawn happened to be taken.
    for (int attempt = 0; attempt < 8 && !opened; ++attempt) {
        temp.setFileName(TemporaryPathBeside(target));
        opened = steps.Open(temp);
        if (!opened && !QFileInfo::exists(temp.fileName())) {
            break;
        }
    }
    if (!opened) {
        const QFileInfo folder(old.absolutePath());
        const bool folderRefuses =
            folder.isDir() &&
            (!folder.isWritable() || temp.error() == QFileDevice::PermissionsError);
        // A share may let a file be changed but refuse new files beside it: the file is then
        // written in place, under a journal that can put its old bytes back.
        if (folderRefuses && old.isFile()) {
            return WriteInPlace(target, parts);
        }
        return {false, ReplaceStep::Open, folderRefuses};
    }
    const auto abandon = [&temp](ReplaceStep step) {
        temp.close();
        QFile::remove(temp.fileName());
        return ReplaceResult{false, step, false};
    };
    for (const QByteArrayView part : parts) {
        if (!steps.Write(temp, part)) {
            return abandon(ReplaceStep::Write);
        }
    }
    if (!steps.Flush(temp)) {
        return abandon(ReplaceStep::Flush);
    }
    if (old.exists()) {
        // Best effort, as a copy would: some network drives keep no permissions at all.
        temp.setPermissions(old.permissions());
    }
    if (!steps.Sync(temp)) {
        return abandon(ReplaceStep::Sync);
    }
    if (!steps.Close(temp)) {
        return abandon(ReplaceStep::Close);
    }
    if (!steps.Rename(temp.fileName(), target)) {
        return abandon(ReplaceStep::Rename);
    }
    return {};
}
