// Writing a file in place under a rollback journal.
#include "in_place_write.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QStandardPaths>
#include <algorithm>

#include "regular_file.h"

namespace {

const QByteArray Magic = QByteArrayLiteral("TESMARA-JOURNAL-1\n");
constexpr qsizetype HashBytes = 32;

QMutex& FolderMutex() {
    static QMutex mutex;
    return mutex;
}

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QByteArray Hash(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256);
}

QString JournalPathOf(const QString& path) {
    const QByteArray name = QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex();
    return QDir(JournalFolder())
        .filePath(QStringLiteral("journal-") + QLatin1String(name) + QStringLiteral(".tsj"));
}

// What a journal holds: the file, where the change starts, the old and the new length, a hash of
// the bytes before the change (which it never touches), and the old and the new bytes from there.
struct Journal {
    QString path;
    qsizetype first = 0;
    QByteArray prefixHash;
    QByteArray oldTail;
    QByteArray newTail;
    qsizetype oldLength() const { return first + oldTail.size(); }
    qsizetype newLength() const { return first + newTail.size(); }

    QByteArray Bytes() const {
        QByteArray out = Magic + path.toUtf8() + '\n' + QByteArray::number(first) + '\n' +
                         QByteArray::number(oldTail.size()) + '\n' +
                         QByteArray::number(newTail.size()) + '\n' + prefixHash + oldTail + newTail;
        return out + Hash(out);
    }

    // False for a journal that is not whole: the file was never touched after it.
    bool Read(const QByteArray& bytes) {
        if (!bytes.startsWith(Magic) || bytes.size() < Magic.size() + HashBytes) {
            return false;
        }
        const QByteArrayView body = QByteArrayView(bytes).first(bytes.size() - HashBytes);
        if (Hash(body) != bytes.right(HashBytes)) {
            return false;
        }
        qsizetype at = Magic.size();
        QByteArrayList lines;
        for (int i = 0; i < 4; ++i) {
            const qsizetype end = bytes.indexOf('\n', at);
            if (end < 0) {
                return false;
            }
            lines.append(bytes.mid(at, end - at));
            at = end + 1;
        }
        bool ok[3] = {false, false, false};
        path = QString::fromUtf8(lines[0]);
        first = lines[1].toLongLong(&ok[0]);
        const qsizetype oldSize = lines[2].toLongLong(&ok[1]);
        const qsizetype newSize = lines[3].toLongLong(&ok[2]);
        if (!ok[0] || !ok[1] || !ok[2] || first < 0 || oldSize < 0 || newSize < 0 ||
            at + HashBytes + oldSize + newSize != body.size()) {
            return false;
        }
        prefixHash = bytes.mid(at, HashBytes);
        oldTail = bytes.mid(at + HashBytes, oldSize);
        newTail = bytes.mid(at + HashBytes + oldSize, newSize);
        return true;
    }

    // Whether the file is as this write left it when cut short: the bytes before the change as
    // they were, and each byte after it the old one or the new one. Anything else was written by
    // another program since, whose change must not be undone.
    bool CutShort(const QByteArray& now) const {
        const qsizetype shortest = std::min(oldLength(), newLength());
        const qsizetype longest = std::max(oldLength(), newLength());
        if (now.size() < shortest || now.size() > longest || Hash(now.first(first)) != prefixHash) {
            return false;
        }
        for (qsizetype i = first; i < now.size(); ++i) {
            const qsizetype j = i - first;
            const bool old = j < oldTail.size() && now[i] == oldTail[j];
            const bool fresh = j < newTail.size() && now[i] == newTail[j];
            if (!old && !fresh) {
                return false;
            }
        }
        return true;
    }
};

// Writes the old bytes back from where the change started and gives the file its old length.
bool PutBack(const QString& path, qsizetype first, const QByteArray& oldTail) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return false;
    }
    FileSteps disk;  // the real steps: putting back must not be refused by a test's disk
    return file.seek(first) && file.write(oldTail) == oldTail.size() &&
           file.resize(first + oldTail.size()) && disk.Sync(file) && disk.Close(file);
}

bool ReadWhole(const QString& path, QByteArray* bytes) {
    QFile file(path);
    if (!OpenRegularFile(file)) {
        return false;
    }
    *bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

void RollBackJournalAt(const QString& journalPath) {
    QByteArray bytes;
    if (!ReadWhole(journalPath, &bytes)) {
        return;
    }
    Journal journal;
    QByteArray now;
    if (!journal.Read(bytes) || !ReadWhole(journal.path, &now)) {
        QFile::remove(journalPath);  // no whole journal, or no file left to put back
        return;
    }
    const bool untouched =
        now.size() == journal.oldLength() && now.sliced(journal.first) == journal.oldTail;
    const bool done =
        now.size() == journal.newLength() && now.sliced(journal.first) == journal.newTail;
    if (untouched || done || !journal.CutShort(now) ||
        PutBack(journal.path, journal.first, journal.oldTail)) {
        QFile::remove(journalPath);
    }
}

}  // namespace

QString JournalFolder() {
    const QMutexLocker hold(&FolderMutex());
    if (!FolderOverride().isEmpty()) {
        return FolderOverride();
    }
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("journals"));
}

ScopedJournalFolder::ScopedJournalFolder(const QString& folder) {
    const QMutexLocker hold(&FolderMutex());
    previous_ = FolderOverride();
    FolderOverride() = folder;
}

ScopedJournalFolder::~ScopedJournalFolder() {
    const QMutexLocker hold(&FolderMutex());
    FolderOverride() = previous_;
}

void RollBackJournalOf(const QString& path) {
    const QString journalPath = JournalPathOf(path);
    if (QFileInfo::exists(journalPath)) {
        RollBackJournalAt(journalPath);
    }
}

void RollBackJournals() {
    const QDir folder(JournalFolder());
    for (const QString& name :
         folder.entryList({QStringLiteral("journal-*.tsj")}, QDir::Files | QDir::Hidden)) {
        RollBackJournalAt(folder.filePath(name));
    }
}

ReplaceResult WriteInPlace(const QString& path, std::initializer_list<QByteArrayView> parts) {
    RollBackJournalOf(path);
    QByteArray old;
    if (!ReadWhole(path, &old)) {
        return {false, ReplaceStep::Open, !QFileInfo(path).isWritable()};
    }
    QByteArray now;
    for (const QByteArrayView part : parts) {
        now += part;
    }
    if (now == old) {
        return {};
    }
    qsizetype first = 0;
    while (first < old.size() && first < now.size() && old[first] == now[first]) {
        ++first;
    }
    const Journal journal{QFileInfo(path).absoluteFilePath(), first, Hash(old.first(first)),
                          old.sliced(first), now.sliced(first)};
    const QString journalPath = JournalPathOf(path);
    if (!QDir().mkpath(JournalFolder()) || !ReplaceFile(journalPath, journal.Bytes()).ok) {
        return {false, ReplaceStep::Open, false};  // the file was not touched
    }
    FileSteps& steps = CurrentFileSteps();
    QFile file(path);
    // Whatever step fails, the old bytes go back, and the journal with them once they are.
    const auto fail = [&](ReplaceStep step) {
        file.close();
        if (PutBack(path, first, journal.oldTail)) {
            QFile::remove(journalPath);
        }
        return ReplaceResult{false, step, false};
    };
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        QFile::remove(journalPath);
        return {false, ReplaceStep::Open, true};
    }
    if (!file.seek(first) || !steps.Write(file, journal.newTail) || !file.resize(now.size())) {
        return fail(ReplaceStep::Write);
    }
    if (!steps.Flush(file)) {
        return fail(ReplaceStep::Flush);
    }
    if (!steps.Sync(file)) {
        return fail(ReplaceStep::Sync);
    }
    if (!steps.Close(file)) {
        return fail(ReplaceStep::Close);
    }
    // Read back from where the change starts: the bytes before it were never written.
    QFile check(path);
    if (!OpenRegularFile(check) || check.size() != now.size() || !check.seek(first) ||
        check.readAll() != journal.newTail) {
        return fail(ReplaceStep::Close);
    }
    check.close();
    QFile::remove(journalPath);
    return {};
}
