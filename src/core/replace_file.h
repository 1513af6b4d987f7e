// Replacing a file whole, so that a full disk or a network drive that fails late never costs the
// old file: the new bytes go to a temporary file beside it, and only when the write, the flush,
// the sync to disk and the close have each succeeded is it renamed over the old file. Anything
// less removes the temporary file and leaves the old one as it was. Every file the program writes
// goes through here. (QSaveFile will not do: Qt 6.4's commit() renames an empty file over the old
// one after a failed flush, and never looks at the result of the sync.)
#pragma once

#include <QByteArrayView>
#include <QString>
#include <initializer_list>

class QFile;

// The steps of a replacement, in order.
enum class ReplaceStep { Open, Write, Flush, Sync, Close, Rename };

struct ReplaceResult {
    bool ok = true;
    ReplaceStep failedAt = ReplaceStep::Open;
    // There is no right to write the file or its folder (a read-only file, share or medium),
    // rather than no room or a drive that went away.
    bool denied = false;
};

// Each step of a replacement as one call on the temporary file, so that a test can put a disk in
// their place that refuses the bytes at the step it chooses. The calls here are the real ones.
class FileSteps {
  public:
    virtual ~FileSteps() = default;
    // Creates the temporary file, which must not exist yet.
    virtual bool Open(QFile& temp);
    virtual bool Write(QFile& temp, QByteArrayView bytes);
    virtual bool Flush(QFile& temp);
    // Onto the disk itself (fsync; FlushFileBuffers on Windows): a network drive may tell only
    // here that it could not keep the bytes.
    virtual bool Sync(QFile& temp);
    virtual bool Close(QFile& temp);
    // Puts the file from in the place of to in one step, replacing to.
    virtual bool Rename(const QString& from, const QString& to);
};

// The steps every replacement takes: the real ones unless a ScopedFileSteps has put others in
// their place. Replacements on any thread read it.
FileSteps& CurrentFileSteps();

// Puts steps in place of the current ones for its lifetime.
class ScopedFileSteps {
  public:
    explicit ScopedFileSteps(FileSteps& steps);
    ~ScopedFileSteps();
    ScopedFileSteps(const ScopedFileSteps&) = delete;
    ScopedFileSteps& operator=(const ScopedFileSteps&) = delete;

  private:
    FileSteps* previous_;
};

// The file that writing to path replaces: the one at the end of a chain of links, so that every
// link stays and all lead to one file. A loop of links ends at a link, which ReplaceFile refuses.
QString ReplacedFilePath(const QString& path);

// Replaces the file at path with the parts written one after the other, keeping the old file's
// permissions. A file that exists but may not be written is refused, as a save onto a read-only
// file should be.
ReplaceResult ReplaceFile(const QString& path, std::initializer_list<QByteArrayView> parts);
inline ReplaceResult ReplaceFile(const QString& path, QByteArrayView bytes) {
    return ReplaceFile(path, {bytes});
}
