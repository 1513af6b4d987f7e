// Disks that refuse a file's bytes, for the tests of every writer: the checked writer's steps
// failing at one chosen step, in this process (the sanitizers see everything), a real small
// tmpfs filled to its last byte, where the tests run as root and may mount one, and a folder
// without the right to write, as a school's share can be.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "replace_file.h"

// The real steps, but the one at `at` fails: a write takes half the bytes and then finds the disk
// full; a close or a sync fails after the bytes went out, as a network drive's does.
class RefusingSteps final : public FileSteps {
  public:
    explicit RefusingSteps(ReplaceStep at) : at_(at) {}

    bool Open(QFile& temp) override { return at_ != ReplaceStep::Open && FileSteps::Open(temp); }
    bool Write(QFile& temp, QByteArrayView bytes) override {
        if (at_ == ReplaceStep::Write) {
            FileSteps::Write(temp, bytes.first(bytes.size() / 2));
            return false;
        }
        return FileSteps::Write(temp, bytes);
    }
    bool Flush(QFile& temp) override { return FileSteps::Flush(temp) && at_ != ReplaceStep::Flush; }
    bool Sync(QFile& temp) override { return FileSteps::Sync(temp) && at_ != ReplaceStep::Sync; }
    bool Close(QFile& temp) override { return FileSteps::Close(temp) && at_ != ReplaceStep::Close; }
    bool Rename(const QString& from, const QString& to) override {
        return at_ != ReplaceStep::Rename && FileSteps::Rename(from, to);
    }

  private:
    ReplaceStep at_;
};

inline const char* StepName(ReplaceStep step) {
    static const char* const Names[] = {"Open", "Write", "Flush", "Sync", "Close", "Rename"};
    return Names[int(step)];
}

inline const std::vector<ReplaceStep>& EveryReplaceStep() {
    static const std::vector<ReplaceStep> steps{ReplaceStep::Open,  ReplaceStep::Write,
                                                ReplaceStep::Flush, ReplaceStep::Sync,
                                                ReplaceStep::Close, ReplaceStep::Rename};
    return steps;
}

// A tmpfs of a few kilobytes mounted on a fresh folder for the test's lifetime.
class SmallDisk {
  public:
    explicit SmallDisk(int kib) {
#ifdef Q_OS_WIN
        Q_UNUSED(kib);
        unavailable_ = "Windows mounts no small disk for a test";
#else
        if (::geteuid() != 0) {
            unavailable_ = "the tests do not run as root, so no small disk can be mounted";
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(kib) + 'k';
        if (::mount("tmpfs", Native(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) != 0) {
            unavailable_ =
                std::string("a small disk cannot be mounted here: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
#endif
    }
    ~SmallDisk() {
#ifndef Q_OS_WIN
        if (mounted_) {
            ::umount2(Native(), MNT_DETACH);
        }
#endif
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Why there is no disk; empty when there is one.
    const std::string& unavailable() const {
        return unavailable_;
    }
    QString path() const {
        return folder_.path();
    }
    QString filePath(const QString& name) const {
        return folder_.filePath(name);
    }

    // Takes every byte that is left, as `dd` does, but the spare bytes.
    void Fill(int spare = 0) {
        const QString spareFile = filePath(".spare");
        if (spare > 0) {
            QFile file(spareFile);
            file.open(QIODevice::WriteOnly);
            file.write(QByteArray(spare, 's'));
        }
#ifndef Q_OS_WIN
        const int fd = ::open(QFile::encodeName(filePath(".filler")).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        for (const size_t chunk : {size_t(4096), size_t(1)}) {
            const std::vector<char> bytes(chunk, 'f');
            while (::write(fd, bytes.data(), chunk) == ssize_t(chunk)) {
            }
        }
        ::close(fd);
#endif
        QFile::remove(spareFile);
    }
    void Free() {
        QFile::remove(filePath(".filler"));
    }

  private:
    const char* Native() {
        native_ = QFile::encodeName(folder_.path());
        return native_.constData();
    }

    QTemporaryDir folder_;
    QByteArray native_;
    bool mounted_ = false;
    std::string unavailable_;
};

// A folder that may not be written for the object's lifetime: mounted read-only over itself where
// the tests run as root (who may write anywhere else), its write permissions taken otherwise.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : native_(QFile::encodeName(path)) {
#ifndef Q_OS_WIN
        if (::geteuid() != 0) {
            ::chmod(native_.constData(), 0555);
            return;
        }
        bound_ = ::mount(native_.constData(), native_.constData(), nullptr, MS_BIND, nullptr) == 0;
        readOnly_ = bound_ && ::mount(nullptr, native_.constData(), nullptr,
                                      MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
#endif
    }
    ~ReadOnlyFolder() {
#ifndef Q_OS_WIN
        if (bound_) {
            ::umount2(native_.constData(), MNT_DETACH);
        } else {
            ::chmod(native_.constData(), 0755);
        }
#endif
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    // False when root could not mount it (in a container without the right to), and on Windows,
    // whose read-only mark on a folder does not stop files being made in it.
#ifdef Q_OS_WIN
    bool made() const {
        return false;
    }
#else
    bool made() const {
        return ::geteuid() != 0 || readOnly_;
    }
#endif

  private:
    QByteArray native_;
    bool bound_ = false;
    bool readOnly_ = false;
};
