// Disks that refuse a file's bytes, for the tests of every writer: the checked writer's steps
// failing at one chosen step, in this process (the sanitizers see everything), and a real small
// tmpfs filled to its last byte, where the tests run as root and may mount one.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

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
    }
    ~SmallDisk() {
        if (mounted_) {
            ::umount2(Native(), MNT_DETACH);
        }
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Why there is no disk; empty when there is one.
    const std::string& unavailable() const { return unavailable_; }
    QString path() const { return folder_.path(); }
    QString filePath(const QString& name) const { return folder_.filePath(name); }

    // Takes every byte that is left, as `dd` does.
    void Fill() {
        const int fd = ::open(QFile::encodeName(filePath(".filler")).constData(),
                              O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        for (const size_t chunk : {size_t(4096), size_t(1)}) {
            const std::vector<char> bytes(chunk, 'f');
            while (::write(fd, bytes.data(), chunk) == ssize_t(chunk)) {
            }
        }
        ::close(fd);
    }
    void Free() { QFile::remove(filePath(".filler")); }

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
