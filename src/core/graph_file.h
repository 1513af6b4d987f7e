// Graph files (.lin, .cai): a unit title, a header with the plane settings and six lines per graph,
// in Shift-JIS with CR LF. Older headers (formats 0 to 4, four lines per graph) are read too.
// The reader works on scratch copies: a file that cannot be read changes nothing.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "line_spec.h"
#include "plane_settings.h"

// Kind + 16·Width + 256·EndKind + 4096·Attr, each in 4 bits.
int32_t PackAttrCode(const TLineSpec& spec);
// Sets Kind, Width (1 when its bits are 0), EndKind and Attr of spec from a packed code.
void UnpackAttrCode(int32_t code, TLineSpec* spec);

struct TextPair {
    QString first;
    QString second;  // empty when the line has no ","
};
TextPair SplitPair(const QString& line);

// The extension from the last "." of the file-name part, in lower case; empty without a ".".
QString FileExtOf(const QString& name);

struct FixedFileName {
    QString name;
    QString message;  // the extension warning to show, or empty
};
// Adds ".lin" to a name without extension; replaces an extension other than .lin / .cai by .lin.
FixedFileName FixGraphFileName(const QString& name);

constexpr qint64 MaxGraphFileBytes = 4 * 1024 * 1024;
constexpr int32_t MaxGraphCoordinate = 10000;

struct GraphFileContent {
    QString fileName;        // after FixGraphFileName
    QString notice;          // the extension warning, if any
    QString error;           // non-empty: the file could not be read; nothing else is meaningful
    QString formatShown;     // "0".."5": the format digit the open-unit window shows
    bool hasHeader = false;  // the settings below were read from the file
    PlaneSettings settings;  // the given settings with the file's header applied
    bool EndCircles = true;  // the end-circle flag, from the header or as given
    std::vector<TLineSpec> graphs;
    QStringList memo;  // the unit contents memo in six-line form: title, graph lines, extra lines
    bool ok() const { return error.isEmpty(); }
    // The unit's title as one line (a file may hold control bytes in it).
    QString title() const;
};

// Reads a graph file. An empty name or a missing file gives no graphs and no error.
GraphFileContent ReadGraphFile(const QString& name, const PlaneSettings& settings, bool EndCircles,
                               int capacity = 100);
// The same on bytes already read; fileName is used in messages.
GraphFileContent ParseGraphFile(const QByteArray& bytes, const QString& fileName,
                                const PlaneSettings& settings, bool EndCircles, int capacity = 100);

// The graphs of a unit contents memo as the user left it: line 0 the title, six lines a graph,
// read as a file body is; trailing lines that make no whole graph are kept by the caller.
struct MemoContent {
    std::vector<TLineSpec> graphs;
    QString error;  // the message naming the memo line, or empty
    bool ok() const { return error.isEmpty(); }
};
MemoContent ParseMemo(const QStringList& memo, int capacity = 100);
// A memo the user typed: as ParseMemo, and first every line must be writable in Shift-JIS.
MemoContent ReadEditedMemo(const QStringList& memo);

// The complete text of a graph file in format 5 (lines without their endings).
QStringList GraphFileLines(const QString& unitTitle, const PlaneSettings& settings, bool EndCircles,
                           const QStringList& memo);

struct EncodedGraphFile {
    QByteArray bytes;
    QString problem;  // "N行目：" and the character Shift-JIS cannot hold; empty when encoded
};
// The bytes of a graph file's lines in Shift-JIS with CR LF.
EncodedGraphFile EncodeGraphFile(const QStringList& lines);

// Writes a graph file in format 5, replacing the old one atomically. Returns an empty string on
// success, otherwise the message to show ("…の保存に失敗しました" and the reason).
QString WriteGraphFile(const QString& fileName, const QString& unitTitle,
                       const PlaneSettings& settings, bool EndCircles, const QStringList& memo);
