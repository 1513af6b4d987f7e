// Ini files read and written the way the Windows profile functions do it.
#include "ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "path_text.h"
#include "replace_file.h"
#include "sjis_codec.h"

namespace {

bool IsComment(const QString& line) {
    return line.startsWith(u';');
}

// Windows drops one pair of matching quotes round a value.
QString Unquote(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

// The name of a "[section]" header line (trimmed), or false when the line is no header.
bool HeaderName(QStringView line, QString* name) {
    if (!line.startsWith(u'[')) {
        return false;
    }
    const qsizetype close = line.indexOf(u']');
    if (close <= 0) {
        return false;
    }
    *name = line.sliced(1, close - 1).trimmed().toString();
    return true;
}

}  // namespace

QString IniLineKey(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return (equals < 0 ? line : line.left(equals)).trimmed();
}

QString IniLineValue(const QString& line) {
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.mid(equals + 1).trimmed();
}

IniDocument IniDocument::Parse(const QString& text) {
    IniDocument doc;
    LineWalker<QStringView> walker(text);
    for (QStringView raw; walker.Next(&raw);) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (QString name; HeaderName(line, &name)) {
            doc.sections.push_back({name, {}});
            continue;
        }
        if (doc.sections.empty()) {
            doc.preamble.append(line.toString());
        } else {
            doc.sections.back().lines.append(line.toString());
        }
    }
    return doc;
}

QString IniDocument::Serialize() const {
    QStringList out = preamble;
    for (const Section& section : sections) {
        out.append(u'[' + section.name + u']');
        out.append(section.lines);
    }
    QString text = out.join(QStringLiteral("\r\n"));
    if (!out.isEmpty()) {
        text += QStringLiteral("\r\n");
    }
    return text;
}

const IniDocument::Section* IniDocument::FindSection(const QString& name) const {
    for (const Section& section : sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &section;
        }
    }
    return nullptr;
}

IniDocument::Section* IniDocument::FindSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

IniFile::IniFile(QString path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {}

bool IniFile::ReadText(QString* text, bool partial, QByteArray* raw) {
    lastError_.clear();
    problem_ = IniWriteProblem::None;
    text->clear();
    QFile file(path_);
    if (!file.exists()) {
        return true;  // a missing file reads as an empty one
    }
    const bool tooLarge = file.size() > MaxIniFileBytes;
    if (tooLarge && !partial) {
        lastError_ = ShownPath(path_) + QStringLiteral("は大きすぎるため読み込めません");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        lastError_ = ShownPath(path_) + QStringLiteral("を読み込めません");
        return false;
    }
    const QByteArray bytes = file.read(std::min(file.size(), MaxIniFileBytes));
    // A NUL byte is valid CP932, but no text file holds one: the file is something else, and
    // writing it back as text would destroy it.
    qsizetype end = bytes.indexOf('\0');
    if (end < 0) {
        end = bytes.size();
    }
    DecodedText decoded = DecodeCp932(end == bytes.size() ? bytes : bytes.left(end));
    if (tooLarge) {
        // Said first: the piece read may end inside a double-byte character.
        lastError_ = ShownPath(path_) + QStringLiteral("は大きすぎるため読み込めません");
    }
    if (!decoded.ok()) {
        end = decoded.badOffset;
        if (lastError_.isEmpty()) {
            lastError_ = ShownPath(path_) +
                         QStringLiteral("は正しいShift-JISのテキストではありません（%1バイト目）")
                             .arg(end + 1);
        }
    } else if (end < bytes.size() && lastError_.isEmpty()) {
        lastError_ = ShownPath(path_) +
                     QStringLiteral("はテキストファイルではありません（%1バイト目）").arg(end + 1);
    }
    if (lastError_.isEmpty()) {
        *text = std::move(decoded.text);
        if (raw != nullptr) {
            *raw = bytes;
        }
        return true;
    }
    if (partial) {
        // CR and LF are never the second byte of a double-byte character, so the bytes up to the
        // last line ending before the bad byte are whole characters.
        const qsizetype lineEnd =
            end == 0 ? -1
                     : std::max(bytes.lastIndexOf('\n', end - 1), bytes.lastIndexOf('\r', end - 1));
        *text = DecodeCp932(bytes.left(lineEnd + 1)).text;
    }
    return false;
}

bool IniFile::Load(IniDocument* doc) {
    *doc = IniDocument();
    QString text;
    if (!ReadText(&text, false)) {
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    *doc = IniDocument::Parse(text);
    return true;
}

IniDocument IniFile::ReadReadablePart() {
    QString text;
    ReadText(&text, true);
    return IniDocument::Parse(text);
}

bool IniFile::Save(const IniDocument& doc) {
    const EncodedText encoded = EncodeCp932(doc.Serialize());
    if (!encoded.ok()) {
        lastError_ = ShownPath(path_) + QStringLiteral("の保存に失敗しました\n") +
                     CannotEncodeMessage(encoded.badChar);
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    return Replace({encoded.bytes});
}

bool IniFile::Replace(std::initializer_list<QByteArrayView> parts) {
    const ReplaceResult result = ReplaceFile(path_, parts);
    if (!result.ok) {
        lastError_ = ShownPath(path_) + QStringLiteral("の保存に失敗しました");
        problem_ = result.denied ? IniWriteProblem::Denied : IniWriteProblem::Failed;
        return false;
    }
    return true;
}

bool IniFile::Holds(const FileLock& lock) {
    lastError_.clear();
    switch (lock.status()) {
        case FileLock::Status::Locked:
            problem_ = IniWriteProblem::None;
            return true;
        case FileLock::Status::Busy:
            lastError_ =
                ShownPath(path_) +
                QStringLiteral("はほかのプログラムが書き込み中のため、書き込めませんでした");
            problem_ = IniWriteProblem::Busy;
            return false;
        case FileLock::Status::Denied:
            problem_ = IniWriteProblem::Denied;
            break;
        case FileLock::Status::Failed:
            problem_ = IniWriteProblem::Failed;
            break;
    }
    lastError_ = ShownPath(path_) + QStringLiteral("の保存に失敗しました");
    return false;
}

QStringList IniFile::ReadSectionLines(const QString& section) {
    IniDocument doc;
    if (!Load(&doc)) {
        return {};
    }
    QStringList lines;
    if (const IniDocument::Section* s = doc.FindSection(section)) {
        for (const QString& line : s->lines) {
            if (!IsComment(line)) {
                lines.append(line);
            }
        }
    }
    return lines;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& fallback) {
    for (const QString& line : ReadSectionLines(section)) {
        if (IniLineKey(line).compare(key, Qt::CaseInsensitive) == 0) {
            return Unquote(IniLineValue(line));
        }
    }
    return fallback;
}

int IniFile::CountKeys(const QString& section) {
    return ReadSectionLines(section).size();
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const FileLock lock(path_, lockWait_);
    if (!Holds(lock)) {
        return false;
    }
    IniDocument doc;
    if (!Load(&doc)) {
        return false;  // never replace a file that could not be read: its records would be lost
    }
    IniDocument::Section* s = doc.FindSection(section);
    if (!s) {
        doc.sections.push_back({section, {}});
        s = &doc.sections.back();
    }
    bool replaced = false;
    for (QString& line : s->lines) {
        if (!IsComment(line) && IniLineKey(line).compare(key, Qt::CaseInsensitive) == 0) {
            line = IniLineKey(line) + u'=' + value;
            replaced = true;
            break;
        }
    }
    if (!replaced) {
        s->lines.append(key + u'=' + value);
    }
    return Save(doc);
}

bool IniFile::ReplaceSection(const QString& section, const QStringList& lines) {
    const FileLock lock(path_, lockWait_);
    if (!Holds(lock)) {
        return false;
    }
    IniDocument doc;
    if (!Load(&doc)) {
        return false;
    }
    IniDocument::Section* s = doc.FindSection(section);
    if (!s) {
        doc.sections.push_back({section, {}});
        s = &doc.sections.back();
    }
    s->lines = lines;
    return Save(doc);
}

bool IniFile::EraseSection(const QString& section) {
    const FileLock lock(path_, lockWait_);
    if (!Holds(lock)) {
        return false;
    }
    IniDocument doc;
    if (!Load(&doc)) {
        return false;
    }
    const auto before = doc.sections.size();
    std::erase_if(doc.sections, [&](const IniDocument::Section& s) {
        return s.name.compare(section, Qt::CaseInsensitive) == 0;
    });
    if (doc.sections.size() == before) {
        return true;
    }
    return Save(doc);
}

bool IniFile::Edit(const std::function<bool(IniDocument&)>& change) {
    const FileLock lock(path_, lockWait_);
    if (!Holds(lock)) {
        return false;
    }
    IniDocument doc;
    if (!Load(&doc)) {
        return false;
    }
    return !change(doc) || Save(doc);
}

bool IniFile::AppendToSection(const QString& section,
                              const std::function<QString(const QStringList&)>& makeLine) {
    const FileLock lock(path_, lockWait_);
    if (!Holds(lock)) {
        return false;
    }
    QString text;
    QByteArray bytes;
    if (!ReadText(&text, false, &bytes)) {
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    // The text and its bytes are walked line for line; only the section's lines are copied.
    LineWalker<QStringView> lines(text);
    LineWalker<QByteArrayView> byteLines(bytes);
    // The first section of the name is the one read and written, as with FindSection.
    bool found = false;
    bool inside = false;
    QStringList sectionLines;
    qsizetype insertAt = bytes.size();
    QByteArrayView rawBytes;
    for (QStringView raw; lines.Next(&raw) && byteLines.Next(&rawBytes);) {
        const QStringView line = raw.trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (QString name; HeaderName(line, &name)) {
            inside = !found && name.compare(section, Qt::CaseInsensitive) == 0;
            found = found || inside;
        } else if (inside) {
            sectionLines.append(line.toString());
        }
        if (inside) {
            insertAt = byteLines.NextStart();  // after the section's last line, before blanks
        }
    }
    const QString line = makeLine(sectionLines);
    if (line.isEmpty()) {
        return true;
    }
    QString added = found ? QString() : u'[' + section + QStringLiteral("]\r\n");
    added += line + QStringLiteral("\r\n");
    if (insertAt > 0 && bytes.at(insertAt - 1) != '\n' && bytes.at(insertAt - 1) != '\r') {
        added.prepend(QStringLiteral("\r\n"));  // the line before had no ending
    }
    const EncodedText encoded = EncodeCp932(added);
    if (!encoded.ok()) {
        lastError_ = ShownPath(path_) + QStringLiteral("の保存に失敗しました\n") +
                     CannotEncodeMessage(encoded.badChar);
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    // Written in three pieces, so that the file's bytes are not copied first.
    const QByteArrayView whole(bytes);
    return Replace({whole.first(insertAt), encoded.bytes, whole.sliced(insertAt)});
}
