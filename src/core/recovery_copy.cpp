// Recovery copies.
#include "recovery_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#if QT_CONFIG(thread)
#include <QThreadPool>
#endif
#include <QUrl>

#include "drawing.h"
#include "graph_file.h"
#include "regular_file.h"
#include "replace_file.h"

namespace {

// The header is ASCII, so that any file name survives; the graph file after it keeps its own
// Shift-JIS bytes.
const QByteArray Magic = "TesmaraRecovery 1\n";

}  // namespace

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy) {
    QByteArray bytes = Magic;
    bytes += "file " + QUrl::toPercentEncoding(copy.fileName) + '\n';
    bytes += QByteArray("firstSave ") + (copy.firstSaveDialog ? "1" : "0") + '\n';
    bytes += "time " + copy.time.toString(Qt::ISODate).toLatin1() + '\n';
    bytes += '\n';
    bytes += copy.graphFile;
    return bytes;
}

RecoveryRead DecodeRecoveryCopy(const QByteArray& bytes) {
    RecoveryRead read;
    if (!bytes.startsWith(Magic)) {
        return read;
    }
    const qsizetype end = bytes.indexOf("\n\n", Magic.size() - 1);
    if (end < 0) {
        return read;
    }
    bool haveFile = false;
    bool haveFlag = false;
    const QList<QByteArray> lines = bytes.mid(Magic.size(), end - Magic.size() + 1).split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("file ")) {
            read.copy.fileName = QUrl::fromPercentEncoding(line.mid(5));
            haveFile = !read.copy.fileName.isEmpty();
        } else if (line == "firstSave 0" || line == "firstSave 1") {
            read.copy.firstSaveDialog = line.endsWith('1');
            haveFlag = true;
        } else if (line.startsWith("time ")) {
            read.copy.time = QDateTime::fromString(QString::fromLatin1(line.mid(5)), Qt::ISODate);
        }
    }
    read.copy.graphFile = bytes.mid(end + 2);
    read.ok = haveFile && haveFlag && read.copy.time.isValid() && !read.copy.graphFile.isEmpty();
    return read;
}

RecoveryStore::RecoveryStore(const QString& folder) : folder_(folder) {}

RecoveryStore::~RecoveryStore() {
    WaitForWrites();
}

QString RecoveryStore::SlotPath(int slot, const char* suffix) const {
    return QDir(folder_).filePath(QStringLiteral("recovery-%1.%2").arg(slot).arg(suffix));
}

bool RecoveryStore::Claim(bool offersCopy) {
    if (!QDir().mkpath(folder_)) {
        return false;
    }
    // Two passes: a copy left behind by a program that is no longer running comes first.
    for (const bool wantCopy : {true, false}) {
        for (int slot = 1; slot <= Slots; ++slot) {
            const bool holdsCopy = QFile::exists(SlotPath(slot, "tsr"));
            if ((wantCopy && !holdsCopy) || (holdsCopy && !offersCopy)) {
                continue;
            }
            // QLockFile reads a lock file it finds, and a pipe of that name would hold it for good.
            const QFileInfo lockFile(SlotPath(slot, "lock"));
            if (lockFile.exists() && !lockFile.isFile()) {
                continue;
            }
            auto lock = std::make_unique<QLockFile>(lockFile.filePath());
            lock->setStaleLockTime(0);  // only a lock whose program is gone is stale
            if (lock->tryLock(0)) {
                lock_ = std::move(lock);
                claimed_ = slot;
#if QT_CONFIG(thread)
                writer_ = std::make_unique<QThreadPool>();
                writer_->setMaxThreadCount(1);
#endif
                return true;
            }
        }
    }
    return false;
}

QString RecoveryStore::CopyPath() const {
    return Claimed() ? SlotPath(claimed_, "tsr") : QString();
}

bool RecoveryStore::HasCopy() const {
    return Claimed() && QFile::exists(CopyPath());
}

RecoveryRead RecoveryStore::ReadCopy() const {
    QFile file(CopyPath());
    // A little more than the largest graph file, for the header.
    return DecodeRecoveryCopy(OpenRegularFile(file) ? file.read(MaxGraphFileBytes + 4096)
                                                    : QByteArray());
}

QString RecoveryStore::SetAside() {
    const QString aside = QDir(folder_).filePath(
        QStringLiteral("recovery-%1-%2.damaged")
            .arg(claimed_)
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"))));
    return QFile::rename(CopyPath(), aside) ? aside : QString();
}

void RecoveryStore::Write(const QByteArray& bytes) {
    if (!Claimed()) {
        return;
    }
    Queue([this, path = CopyPath(), bytes] {
        // The new copy is on the disk before it takes the old one's place, so a power cut or a
        // full disk leaves the old copy or the new one, never half of one.
        if (!ReplaceFile(path, bytes).ok) {
            writeFailed_ = true;
        }
    });
}

void RecoveryStore::Remove() {
    if (!Claimed()) {
        return;
    }
    Queue([path = CopyPath()] { QFile::remove(path); });
}

void RecoveryStore::Queue(std::function<void()> job) {
#if QT_CONFIG(thread)
    writer_->start(std::move(job));
#else
    job();
#endif
}

void RecoveryStore::WaitForWrites() {
#if QT_CONFIG(thread)
    if (writer_) {
        writer_->waitForDone();
    }
#endif
}

std::optional<RecoveryCopy> RecoveryCopyOf(const Drawing& drawing, const QDateTime& time) {
    QStringList memo = drawing.Table().Memo;
    if (memo.isEmpty()) {
        memo.append(drawing.Title());
    }
    const EncodedGraphFile encoded = EncodeGraphFile(
        GraphFileLines(drawing.Title(), drawing.Plane(), drawing.EndCircles(), memo));
    if (!encoded.problem.isEmpty()) {
        return std::nullopt;
    }
    return RecoveryCopy{drawing.FileName(), drawing.FirstSaveDialog(), time, encoded.bytes};
}
