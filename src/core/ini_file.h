// Ini files ("Index.ini", "Record.ini") as the Windows profile functions treat them: CP932 text,
// CR LF lines, "[section]" headers and "key=value" lines, section and key names compared without
// regard to case. Every read looks at the file as it is now; every write replaces the whole file
// atomically, so a failed or interrupted write leaves the old file whole. Several programs may
// share one file: each change reads, changes and replaces it under the file's lock.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <vector>

#include "file_lock.h"
#include "sjis_codec.h"

// The largest ini file read. A school's shared "Record.ini" grows by some 50 bytes a run for
// years; 64 MiB holds over a million runs, while a huge file that is no ini file is still not
// taken into memory whole.
constexpr qint64 MaxIniFileBytes = 64 * 1024 * 1024;

// One line of an ini file as read.
struct IniLine {
    QString text;       // the line trimmed; empty when it does not read
    QByteArray unread;  // the bytes of a line that does not read, written back as they stood
    int number = 0;     // the line's place in the file, from 1; 0 for a line added since
    bool readable() const { return unread.isEmpty(); }
};

// The parsed content of one ini file, in file order. A line that does not read as text (bytes
// that are no Shift-JIS, a NUL byte) is kept where it stands and left out of what is read; a
// header that does not read keeps its whole section so, never counted under the section above.
struct IniDocument {
    struct Section {
        QString name;  // empty when the header does not read
        // The header line as the file holds it (its text, or its bytes when it does not read) and
        // where; a section added since has none and is written "[name]".
        IniLine header;
        std::vector<IniLine> lines;  // the lines below the header, blank lines dropped
        bool readable() const { return header.readable(); }
        // The texts of the lines that read, in order.
        QStringList Texts() const;
        // The lines that read become texts, in order: each new text takes the place of an old
        // one, lines that do not read stay where they stand, and texts left over go at the end.
        void ReplaceTexts(const QStringList& texts);
    };
    std::vector<IniLine> preamble;  // lines before the first section header
    std::vector<Section> sections;
    bool utf8 = false;  // the file was UTF-8, which the next change writes back as Shift-JIS

    // A file's bytes: Shift-JIS, or UTF-8 (with a byte-order mark or without one, as Notepad
    // writes it) when the whole file reads as that and not as Shift-JIS; otherwise Shift-JIS
    // line by line.
    static IniDocument Read(QByteArrayView bytes);
    // Shift-JIS bytes, CR LF lines; a line that did not read goes back byte for byte.
    EncodedText Encode() const;

    // The first section that reads and has this name.
    const Section* FindSection(const QString& name) const;
    Section* FindSection(const QString& name);
    // The first line that does not read, header or not; nullptr when every line reads.
    const IniLine* FirstUnreadLine() const;
};

// The key of a "key=value" line (the text before the first "=", trimmed); the whole trimmed line
// when there is no "=".
QString IniLineKey(const QString& line);
// The value of a "key=value" line (after the first "=", trimmed); empty without "=".
QString IniLineValue(const QString& line);

// Why the last change of an ini file was not written.
enum class IniWriteProblem {
    None,
    Busy,    // another program held the file's lock for the whole wait; nothing was read
    Denied,  // the file or its folder may not be written
    Failed,  // the file did not read whole, a text cannot be written, or the write failed
};

class IniFile {
  public:
    // A change waits up to lockWait for another program's change of the file to end.
    explicit IniFile(QString path, std::chrono::milliseconds lockWait = FileLock::DefaultWait);

    const QString& path() const { return path_; }

    // Empty when the last operation succeeded; otherwise a message for the user.
    const QString& lastError() const { return lastError_; }
    IniWriteProblem lastProblem() const { return problem_; }
    // After a read or a change: a message naming the first line that does not read, which was
    // left out and kept in the file as it stood; empty when every line read.
    const QString& unreadNote() const { return unreadNote_; }
    // After a change: a message naming a stuck lock file, the first time this program meets it.
    const QString& notice() const { return notice_; }

    // The "key=value" lines of a section; empty when the file or the section is missing.
    QStringList ReadSectionLines(const QString& section);
    QString ReadString(const QString& section, const QString& key, const QString& fallback);
    int CountKeys(const QString& section);

    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool EraseSection(const QString& section);
    // The section's lines that read are these "key=value" lines afterwards, in one replacement
    // of the file; the section is added at the end when it is missing.
    bool ReplaceSection(const QString& section, const QStringList& lines);

    // Reads the whole file, lets change edit it and, when change returns true, replaces the file
    // with the result. False only when the file could not be read or written.
    bool Edit(const std::function<bool(IniDocument&)>& change);

    // Adds the line that makeLine makes from the section's present lines (trimmed, blank lines
    // and lines that do not read left out) after the section's last line; a missing section is
    // added at the end. Every other byte of a Shift-JIS file stays as it was, so one new line
    // does not re-encode a long file. An empty line from makeLine writes nothing. False only
    // when the file could not be read or written.
    bool AppendToSection(const QString& section,
                         const std::function<QString(const QStringList&)>& makeLine);

    // For showing only, never for writing back: the whole document, or of a file too large to
    // change its whole lines that fit, with lastError() saying why. A missing file is an empty
    // document.
    IniDocument ReadForShowing();

  private:
    // The file's bytes, up to MaxIniFileBytes; a missing file is empty. False with lastError()
    // when the file cannot be read, or is too large and whole is asked for.
    bool ReadBytes(QByteArray* bytes, bool whole);
    bool Load(IniDocument* doc);
    bool Save(const IniDocument& doc);
    // The file's new bytes are the parts one after the other.
    bool Replace(std::initializer_list<QByteArrayView> parts);
    // Whether the change may go on under lock; otherwise says why not.
    bool Holds(const FileLock& lock);
    void NoteUnread(int lineNumber);  // 0: every line read

    QString path_;
    std::chrono::milliseconds lockWait_;
    QString lastError_;
    QString unreadNote_;
    QString notice_;
    IniWriteProblem problem_ = IniWriteProblem::None;
};
