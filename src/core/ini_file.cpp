// Ini files read and written the way the Windows profile functions do it.
#include "ini_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

#include "path_text.h"
#include "regular_file.h"
#include "replace_file.h"

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

// The name of a "[section]" header line (trimmed), or false when the line is no header. The name
// runs to the last "]", so that a title holding "]" that another program wrote keeps its runs
// under its own whole name.
bool HeaderName(QStringView line, QString* name) {
    if (!line.startsWith(u'[')) {
        return false;
    }
    const qsizetype close = line.lastIndexOf(u']');
    if (close <= 0) {
        return false;
    }
    *name = line.sliced(1, close - 1).trimmed().toString();
    return true;
}

// Whether a line that does not read is a header: "[" is never the second byte of a character at
// the start of a line, and a "]" follows.
bool LooksLikeHeader(QByteArrayView line) {
    const QByteArrayView trimmed = line.trimmed();
    return trimmed.startsWith('[') && trimmed.indexOf(']', 1) > 0;
}

// The bytes of a file as text: the whole text when every line reads in one encoding, otherwise
// nothing, and the lines are read one by one.
struct FileText {
    QByteArrayView lines;  // the bytes whose lines are walked: after a UTF-8 byte-order mark
    QString text;
    bool whole = false;
    bool utf8 = false;
};

FileText ReadAsText(QByteArrayView bytes) {
    FileText out;
    out.lines = bytes;
    // A NUL byte is valid in both encodings, but no line of text holds one.
    if (bytes.contains('\0')) {
        return out;
    }
    if (DecodedText decoded = DecodeCp932(bytes); decoded.ok()) {
        out.text = std::move(decoded.text);
        out.whole = true;
        return out;
    }
    // Notepad writes UTF-8, with a byte-order mark or, since 2019, without one.
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError()) {
        out = {body, std::move(text), true, true};
    }
    return out;
}

// The lines of a file one at a time: the bytes of each, where the next one starts, and its text
// when it reads.
class IniLineWalker {
  public:
    struct Line {
        QByteArrayView bytes;
        QStringView text;
        bool readable = false;
        int number = 0;
    };

    explicit IniLineWalker(const FileText& file)
        : file_(file), byteLines_(file.lines), textLines_(file.text) {}

    bool Next(Line* line) {
        if (!byteLines_.Next(&line->bytes)) {
            return false;
        }
        line->number = ++number_;
        if (file_.whole) {
            textLines_.Next(&line->text);  // CR and LF stand alike in the text and its bytes
            line->readable = true;
            return true;
        }
        // Decoded alone: the line's bytes end and start whole characters.
        DecodedText decoded;
        if (!line->bytes.contains('\0')) {
            decoded = DecodeCp932(line->bytes);
        }
        line->readable = !line->bytes.contains('\0') && decoded.ok();
        lineText_ = line->readable ? std::move(decoded.text) : QString();
        line->text = lineText_;
        return true;
    }

    qsizetype NextStart() const { return byteLines_.NextStart(); }

  private:
    const FileText& file_;
    LineWalker<QByteArrayView> byteLines_;
    LineWalker<QStringView> textLines_;
    QString lineText_;
    int number_ = 0;
};

IniDocument ParseLines(const FileText& file) {
    IniDocument doc;
    doc.utf8 = file.utf8;
    auto add = [&](IniLine line) {
        (doc.sections.empty() ? doc.preamble : doc.sections.back().lines)
            .push_back(std::move(line));
    };
    IniLineWalker walker(file);
    for (IniLineWalker::Line line; walker.Next(&line);) {
        if (!line.readable) {
            IniLine unread{QString(), line.bytes.toByteArray(), line.number};
            if (LooksLikeHeader(line.bytes)) {
                doc.sections.push_back({QString(), std::move(unread), {}});
            } else {
                add(std::move(unread));
            }
            continue;
        }
        const QStringView trimmed = line.text.trimmed();
        if (trimmed.isEmpty()) {
            continue;
        }
        if (QString name; HeaderName(trimmed, &name)) {
            doc.sections.push_back({name, {trimmed.toString(), QByteArray(), line.number}, {}});
        } else {
            add({trimmed.toString(), QByteArray(), line.number});
        }
    }
    return doc;
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

QStringList IniDocument::Section::Texts() const {
    QStringList texts;
    texts.reserve(qsizetype(lines.size()));
    for (const IniLine& line : lines) {
        if (line.readable()) {
            texts.append(line.text);
        }
    }
    return texts;
}

void IniDocument::Section::ReplaceTexts(const QStringList& texts) {
    std::vector<IniLine> replaced;
    qsizetype next = 0;
    for (IniLine& line : lines) {
        if (!line.readable()) {
            replaced.push_back(std::move(line));
        } else if (next < texts.size()) {
            replaced.push_back({texts[next++], QByteArray(), 0});
        }
    }
    for (; next < texts.size(); ++next) {
        replaced.push_back({texts[next], QByteArray(), 0});
    }
    lines = std::move(replaced);
}

IniDocument IniDocument::Read(QByteArrayView bytes) {
    return ParseLines(ReadAsText(bytes));
}

EncodedText IniDocument::Encode() const {
    // The text between two lines that do not read is encoded in one piece: a records file runs
    // to a million lines.
    EncodedText out;
    QString pending;
    auto flush = [&]() {
        EncodedText encoded = EncodeCp932(pending);
        if (!encoded.ok()) {
            out.badChar = encoded.badChar;
            out.badIndex = encoded.badIndex;
            return false;
        }
        out.bytes += encoded.bytes;
        pending.clear();
        return true;
    };
    auto put = [&](const IniLine& line, const QString& text) {
        if (line.readable()) {
            pending += text + QStringLiteral("\r\n");
            return true;
        }
        if (!flush()) {
            return false;
        }
        out.bytes += line.unread + "\r\n";
        return true;
    };
    for (const IniLine& line : preamble) {
        if (!put(line, line.text)) {
            return out;
        }
    }
    for (const Section& section : sections) {
        // A header is written back as it stood: text after its "]" is kept, as the append keeps
        // every byte it does not change.
        const QString header =
            section.header.text.isEmpty() ? u'[' + section.name + u']' : section.header.text;
        if (!put(section.header, header)) {
            return out;
        }
        for (const IniLine& line : section.lines) {
            if (!put(line, line.text)) {
                return out;
            }
        }
    }
    flush();
    return out;
}

const IniDocument::Section* IniDocument::FindSection(const QString& name) const {
    for (const Section& section : sections) {
        if (section.readable() && section.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &section;
        }
    }
    return nullptr;
}

IniDocument::Section* IniDocument::FindSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

const IniLine* IniDocument::FirstUnreadLine() const {
    auto unread = [](const IniLine& line) { return !line.readable(); };
    if (const auto found = std::find_if(preamble.begin(), preamble.end(), unread);
        found != preamble.end()) {
        return &*found;
    }
    for (const Section& section : sections) {
        if (!section.readable()) {
            return &section.header;
        }
        if (const auto found = std::find_if(section.lines.begin(), section.lines.end(), unread);
            found != section.lines.end()) {
            return &*found;
        }
    }
    return nullptr;
}

IniFile::IniFile(QString path, std::chrono::milliseconds lockWait)
    : path_(std::move(path)), lockWait_(lockWait) {}

bool IniFile::ReadBytes(QByteArray* bytes, bool whole) {
    lastError_.clear();
    unreadNote_.clear();
    problem_ = IniWriteProblem::None;
    bytes->clear();
    QFile file(path_);
    if (!QFileInfo::exists(path_)) {
        return true;  // a missing file reads as an empty one
    }
    // A pipe or a device of that name would block the read, or never end it.
    if (!OpenRegularFile(file)) {
        lastError_ = ShownPath(path_) + QStringLiteral("を読み込めません");
        return false;
    }
    const QString tooLarge = ShownPath(path_) + QStringLiteral("は大きすぎるため読み込めません");
    if (file.size() > MaxIniFileBytes && whole) {
        lastError_ = tooLarge;
        return false;
    }
    *bytes = file.read(MaxIniFileBytes);
    if (file.size() > MaxIniFileBytes) {
        // Shown up to its last whole line; never written back.
        lastError_ = tooLarge;
        bytes->truncate(std::max(bytes->lastIndexOf('\n'), bytes->lastIndexOf('\r')) + 1);
        return false;
    }
    return true;
}

void IniFile::NoteUnread(int lineNumber) {
    if (lineNumber > 0) {
        unreadNote_ =
            ShownPath(path_) +
            QStringLiteral(
                "の%1行目は読み込めないため、表示しません（ファイルにはそのまま残します）")
                .arg(lineNumber);
    }
}

namespace {

int FirstUnreadNumber(const IniDocument& doc) {
    const IniLine* line = doc.FirstUnreadLine();
    return line == nullptr ? 0 : line->number;
}

}  // namespace

bool IniFile::Load(IniDocument* doc) {
    QByteArray bytes;
    if (!ReadBytes(&bytes, true)) {
        *doc = IniDocument();
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    *doc = IniDocument::Read(bytes);
    NoteUnread(FirstUnreadNumber(*doc));
    return true;
}

IniDocument IniFile::ReadForShowing() {
    QByteArray bytes;
    ReadBytes(&bytes, false);
    IniDocument doc = IniDocument::Read(bytes);
    NoteUnread(FirstUnreadNumber(doc));
    return doc;
}

bool IniFile::Save(const IniDocument& doc) {
    const EncodedText encoded = doc.Encode();
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
    notice_ = lock.notice();
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
        for (const QString& line : s->Texts()) {
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

namespace {

IniDocument::Section& SectionOf(IniDocument& doc, const QString& name) {
    if (IniDocument::Section* s = doc.FindSection(name)) {
        return *s;
    }
    doc.sections.push_back({name, {}, {}});
    return doc.sections.back();
}

}  // namespace

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    return Edit([&](IniDocument& doc) {
        IniDocument::Section& s = SectionOf(doc, section);
        for (IniLine& line : s.lines) {
            if (line.readable() && !IsComment(line.text) &&
                IniLineKey(line.text).compare(key, Qt::CaseInsensitive) == 0) {
                line.text = IniLineKey(line.text) + u'=' + value;
                return true;
            }
        }
        s.lines.push_back({key + u'=' + value, QByteArray(), 0});
        return true;
    });
}

bool IniFile::ReplaceSection(const QString& section, const QStringList& lines) {
    return Edit([&](IniDocument& doc) {
        SectionOf(doc, section).ReplaceTexts(lines);
        return true;
    });
}

bool IniFile::EraseSection(const QString& section) {
    return Edit([&](IniDocument& doc) {
        return std::erase_if(doc.sections, [&](const IniDocument::Section& s) {
                   return s.readable() && s.name.compare(section, Qt::CaseInsensitive) == 0;
               }) > 0;
    });
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
    QByteArray bytes;
    if (!ReadBytes(&bytes, true)) {
        problem_ = IniWriteProblem::Failed;
        return false;
    }
    const FileText file = ReadAsText(bytes);
    if (file.utf8) {
        // The whole file goes back as Shift-JIS, the only encoding the program writes.
        IniDocument doc = ParseLines(file);
        IniDocument::Section& s = SectionOf(doc, section);
        const QString line = makeLine(s.Texts());
        if (line.isEmpty()) {
            return true;
        }
        s.lines.push_back({line, QByteArray(), 0});
        return Save(doc);
    }
    // The lines are walked without copying them; only the section's lines are kept.
    IniLineWalker walker(file);
    // The first section of the name that reads is the one read and written, as with FindSection.
    bool found = false;
    bool inside = false;
    QStringList sectionLines;
    qsizetype insertAt = bytes.size();
    int firstUnread = 0;
    for (IniLineWalker::Line raw; walker.Next(&raw);) {
        if (!raw.readable) {
            firstUnread = firstUnread > 0 ? firstUnread : raw.number;
            if (LooksLikeHeader(raw.bytes)) {
                inside = false;
            }
        } else if (const QStringView line = raw.text.trimmed(); line.isEmpty()) {
            continue;
        } else if (QString name; HeaderName(line, &name)) {
            inside = !found && name.compare(section, Qt::CaseInsensitive) == 0;
            found = found || inside;
        } else if (inside) {
            sectionLines.append(line.toString());
        }
        if (inside) {
            insertAt = walker.NextStart();  // after the section's last line, before blanks
        }
    }
    NoteUnread(firstUnread);
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
