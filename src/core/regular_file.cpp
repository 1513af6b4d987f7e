// Reading only plain files.
#include "regular_file.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool OpenRegularFile(QFile& file) {
    // Asked first, so that a pipe is never opened at all: a program writing into it would take
    // the open for a reader.
    if (!QFileInfo(file.fileName()).isFile()) {
        return false;
    }
#ifdef Q_OS_WIN
    return file.open(QIODevice::ReadOnly);
#else
    // The name may lead to a pipe by now: opened without waiting and asked again through the
    // descriptor, which is what is read.
    const int fd =
        ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat opened {};
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#endif
}
