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
#include <array>
#include <cstdint>
#include <cstring>

#include "checksum.h"
#include "regular_file.h"

namespace {

const QByteArray Magic = QByteArrayLiteral("TESMARA-JOURNAL-2\n");
constexpr int HeaderNumbers = 7;  // after the magic's line and the path's

QMutex& FolderMutex() {
    static QMutex mutex;
    return mutex;
}

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QString JournalPathOf(const QString& path) {
    const QByteArray name = QCryptographicHash::hash(QFileInfo(path).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex();
    return QDir(JournalFolder())
        .filePath(QStringLiteral("journal-") + QLatin1String(name) + QStringLiteral(".tsj"));
}

// What a journal holds: a header with the file, where the change starts, the old and the new
// length from there, the checksums of the bytes before the change (which it never touches) and
// of the old and the new bytes from there, and the header's own checksum; then those old and new
// bytes. The tails are views: into the file's bytes while writing, into the journal's when read.
struct Journal {
    QString path;
    qsizetype first = 0;
    std::uint64_t prefixSum = 0;
    QByteArrayView oldTail;
    QByteArrayView newTail;
    qsizetype oldLength() const { return first + oldTail.size(); }
    qsizetype newLength() const { return first + newTail.size(); }

    QByteArray Header() const {
        QByteArray header = Magic + path.toUtf8() + '\n';
        for (const std::uint64_t number :
             {std::uint64_t(first), std::uint64_t(oldTail.size()), std::uint64_t(newTail.size()),
              prefixSum, Checksum64(oldTail), Checksum64(newTail)}) {
            header += QByteArray::number(number) + '\n';
        }
        return header + QByteArray::number(Checksum64(header)) + '\n';
    }

    // False for a journal that is not whole: the file was never touched after it.
    bool Read(const QByteArray& bytes) {
        if (!bytes.startsWith(Magic)) {
            return false;
        }
        qsizetype at = 0;
        QByteArrayList lines;
        for (int i = 0; i < 2 + HeaderNumbers; ++i) {
            const qsizetype end = bytes.indexOf('\n', at);
            if (end < 0) {
                return false;
            }
            lines.append(bytes.mid(at, end - at));
            at = end + 1;
        }
        const qsizetype headerEnd = at - lines.last().size() - 1;
        std::array<std::uint64_t, HeaderNumbers> numbers{};
        for (int i = 0; i < HeaderNumbers; ++i) {
            bool ok = false;
            numbers[i] = lines[i + 2].toULongLong(&ok);
            if (!ok) {
                return false;
            }
        }
        const auto [start, oldSize, newSize, prefix, oldSum, newSum, headerSum] = numbers;
        if (headerSum != Checksum64(QByteArrayView(bytes).first(headerEnd)) ||
            oldSize > std::uint64_t(bytes.size()) || newSize > std::uint64_t(bytes.size()) ||
            at + qsizetype(oldSize) + qsizetype(newSize) != bytes.size()) {
            return false;
        }
        path = QString::fromUtf8(lines[1]);
        first = qsizetype(start);
        prefixSum = prefix;
        oldTail = QByteArrayView(bytes).sliced(at, qsizetype(oldSize));
        newTail = QByteArrayView(bytes).sliced(at + qsizetype(oldSize), qsizetype(newSize));
        return first >= 0 && Checksum64(oldTail) == oldSum && Checksum64(newTail) == newSum;
    }

    // Whether the file is as this write left it when cut short: the bytes before the change as
    // they were, and each byte after it the old one or the new one. Anything else was written by
    // another program since, whose change must not be undone.
    bool CutShort(QByteArrayView now) const {
        const qsizetype shortest = std::min(oldLength(), newLength());
        const qsizetype longest = std::max(oldLength(), newLength());
        if (now.size() < shortest || now.size() > longest ||
            Checksum64(now.first(first)) != prefixSum) {
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

// Compared a block at a time first: a run is appended megabytes into a school's records.
qsizetype FirstDifference(QByteArrayView a, QByteArrayView b) {
    constexpr qsizetype Block = 4096;
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype at = 0;
    while (at + Block <= shorter && std::memcmp(a.data() + at, b.data() + at, Block) == 0) {
        at += Block;
    }
    while (at < shorter && a[at] == b[at]) {
        ++at;
    }
    return at;
}

// Writes the old bytes back from where the change started and gives the file its old length.
bool PutBack(const QString& path, qsizetype first, QByteArrayView oldTail) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return false;
    }
    FileSteps disk;  // the real steps: putting back must not be refused by a test's disk
    return file.seek(first) && file.write(oldTail.data(), oldTail.size()) == oldTail.size() &&
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
    const QByteArrayView tail = QByteArrayView(now).sliced(std::min(journal.first, now.size()));
    const bool untouched = now.size() == journal.oldLength() && tail == journal.oldTail;
    const bool done = now.size() == journal.newLength() && tail == journal.newTail;
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
    QByteArray joined;
    if (parts.size() > 1) {
        for (const QByteArrayView part : parts) {
            joined += part;
        }
    }
    const QByteArrayView now = parts.size() == 1 ? *parts.begin() : QByteArrayView(joined);
    if (now == old) {
        return {};
    }
    const qsizetype first = FirstDifference(old, now);
    const Journal journal{QFileInfo(path).absoluteFilePath(), first,
                          Checksum64(QByteArrayView(old).first(first)),
                          QByteArrayView(old).sliced(first), now.sliced(first)};
    const QString journalPath = JournalPathOf(path);
    if (!QDir().mkpath(JournalFolder()) ||
        !ReplaceFile(journalPath, {journal.Header(), journal.oldTail, journal.newTail}).ok) {
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
