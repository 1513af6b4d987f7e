// Ini files ("Index.ini", "Record.ini") as the Windows profile functions treat them: CP932 text,
// CR LF lines, "[section]" headers and "key=value" lines, section and key names compared without
// regard to case. Every read looks at the file as it is now; every write replaces the whole file
// atomically, so a failed or interrupted write leaves the old file whole. Several programs may
// share one file: each change reads, changes and replaces it under the file's lock.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <vector>

#include "file_lock.h"

// The largest ini file read. A school's shared "Record.ini" grows by some 50 bytes a run for
// years; 64 MiB holds over a million runs, while a huge file that is no ini file is still not
// taken into memory whole.
constexpr qint64 MaxIniFileBytes = 64 * 1024 * 1024;

// The parsed content of one ini file, in file order.
struct IniDocument {
    struct Section {
        QString name;
        QStringList lines;  // the lines below the header, trimmed, blank lines dropped
    };
    QStringList preamble;  // lines before the first section header
    std::vector<Section> sections;

    static IniDocument Parse(const QString& text);
    QString Serialize() const;  // lines joined with CR LF

    const Section* FindSection(const QString& name) const;
    Section* FindSection(const QString& name);
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

    // The "key=value" lines of a section; empty when the file or the section is missing.
    QStringList ReadSectionLines(const QString& section);
    QString ReadString(const QString& section, const QString& key, const QString& fallback);
    int CountKeys(const QString& section);

    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool EraseSection(const QString& section);
    // The section holds exactly these "key=value" lines afterwards, in one replacement of the
    // file; the section is added at the end when it is missing.
    bool ReplaceSection(const QString& section, const QStringList& lines);

    // Reads the whole file, lets change edit it and, when change returns true, replaces the file
    // with the result. Nothing is written when the file does not read whole. False only when
    // the file could not be read or written.
    bool Edit(const std::function<bool(IniDocument&)>& change);

    // Adds the line that makeLine makes from the section's present lines (trimmed, blank lines
    // left out) after the section's last line; a missing section is added at the end. Every
    // other byte of the file stays as it was, so one new line does not re-encode a long file.
    // An empty line from makeLine writes nothing. False only when the file could not be read
    // whole or written.
    bool AppendToSection(const QString& section,
                         const std::function<QString(const QStringList&)>& makeLine);

    // For showing only, never for writing back: the whole document when the file reads whole;
    // otherwise the whole lines before the first byte that cannot be read, with lastError()
    // saying why. A missing file is an empty document.
    IniDocument ReadReadablePart();

  private:
    // The file's text; a missing file is empty. When the file does not read whole, lastError()
    // says why and, with partial, text holds its whole lines before the first unreadable byte.
    // raw, when given, receives the file's bytes when it read whole.
    bool ReadText(QString* text, bool partial, QByteArray* raw = nullptr);
    bool Load(IniDocument* doc);
    bool Save(const IniDocument& doc);
    // The file's new bytes are the parts one after the other.
    bool Replace(std::initializer_list<QByteArrayView> parts);
    // Whether the change may go on under lock; otherwise says why not.
    bool Holds(const FileLock& lock);

    QString path_;
    std::chrono::milliseconds lockWait_;
    QString lastError_;
    IniWriteProblem problem_ = IniWriteProblem::None;
};
