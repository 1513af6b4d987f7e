// Shift-JIS (code page 932) at the edges of the program: bytes from files become QString here and
// go back to bytes here, and lengths that the screens count in bytes are counted here.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// The result of decoding: the text, or the byte offset where the bytes stopped being valid CP932.
struct DecodedText {
    QString text;
    qsizetype badOffset = -1;  // -1 when every byte was valid
    bool ok() const { return badOffset < 0; }
};

DecodedText DecodeCp932(QByteArrayView bytes);

// The result of encoding: the bytes, or the first character CP932 cannot hold.
struct EncodedText {
    QByteArray bytes;
    QString badChar;  // empty when every character could be written
    qsizetype badIndex = -1;
    bool ok() const { return badIndex < 0; }
};

EncodedText EncodeCp932(const QString& text);

// The text as CP932 holds it: seven characters that input methods on Linux type where Windows
// types CP932's own (〜 U+301C, ‖ U+2016, − U+2212, ¢ U+00A2, £ U+00A3, ¬ U+00AC, — U+2014) become
// the characters that CP932's bytes 0x8160, 0x8161, 0x817C, 0x8191, 0x8192, 0x81CA and 0x815C
// read as. For text a user types that is saved in Shift-JIS; never for file names, which must
// name the file that is there.
QString ToCp932Forms(const QString& text);

// Length in Shift-JIS bytes: full-width characters count 2, ASCII and half-width katakana
// ("ｶﾗｰ", "･") count 1. A character CP932 cannot hold counts 2, as the wide character it would be.
int SjisByteLength(const QString& text);
int SjisCharByteLength(char32_t ch);

// Splits text into lines the way graph files are read: CR LF, a lone LF and a lone CR each end a
// line, and a last line without an ending is still a line.
QStringList SplitTextLines(const QString& text);

namespace line_ends {
inline qsizetype Find(QStringView text, char ending, qsizetype from) {
    return text.indexOf(QChar(QLatin1Char(ending)), from);
}
inline qsizetype Find(QByteArrayView bytes, char ending, qsizetype from) {
    return bytes.indexOf(ending, from);
}
}  // namespace line_ends

// The lines of a text, or of its bytes, one at a time as SplitTextLines splits them, without
// copying them. CR and LF bytes are never part of a double-byte character, so the lines of a
// file's bytes are the lines of its text. The endings are found with Qt's search, each kind
// once, instead of looking at every character: records files run to megabytes.
template <typename View>
class LineWalker {
  public:
    explicit LineWalker(View text)
        : text_(text),
          nextCr_(line_ends::Find(text, '\r', 0)),
          nextLf_(line_ends::Find(text, '\n', 0)) {}

    // The next line without its ending; false after the last line.
    bool Next(View* line) {
        if (nextCr_ < 0 && nextLf_ < 0) {
            if (start_ >= text_.size()) {
                return false;
            }
            *line = text_.sliced(start_);  // a last line without an ending
            start_ = text_.size();
            return true;
        }
        const qsizetype end =
            nextLf_ < 0 || (nextCr_ >= 0 && nextCr_ < nextLf_) ? nextCr_ : nextLf_;
        *line = text_.sliced(start_, end - start_);
        start_ = end == nextCr_ && nextLf_ == end + 1 ? end + 2 : end + 1;
        if (nextCr_ >= 0 && nextCr_ < start_) {
            nextCr_ = line_ends::Find(text_, '\r', start_);
        }
        if (nextLf_ >= 0 && nextLf_ < start_) {
            nextLf_ = line_ends::Find(text_, '\n', start_);
        }
        return true;
    }

    // Where the line after the last one given starts: after its ending.
    qsizetype NextStart() const { return start_; }

  private:
    View text_;
    qsizetype nextCr_;
    qsizetype nextLf_;
    qsizetype start_ = 0;
};

// The message shown where a character that Shift-JIS cannot hold would be written.
QString CannotEncodeMessage(const QString& badChar);
