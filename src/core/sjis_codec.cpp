// CP932 conversion through ICU's "windows-31j" converter, which holds the whole Windows code
// page: NEC and IBM extensions such as "①", and the half-width katakana "･" as one byte 0xA5.
#include "sjis_codec.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <memory>
#include <utility>

namespace {

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// One converter per thread, set to stop at the first byte or character it cannot convert
// instead of substituting a replacement character.
UConverter* Cp932Converter() {
    thread_local ConverterPtr converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        ConverterPtr c(ucnv_open("windows-31j", &status));
        if (U_FAILURE(status)) {
            qFatal("The Shift-JIS converter (ICU windows-31j) is not available");
        }
        ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
        return c;
    }();
    ucnv_reset(converter.get());
    return converter.get();
}

bool IsAscii(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

}  // namespace

DecodedText DecodeCp932(QByteArrayView bytes) {
    DecodedText result;
    bool ascii = true;
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        result.text = QString::fromLatin1(bytes);
        return result;
    }
    UConverter* conv = Cp932Converter();
    result.text.resize(bytes.size());  // CP932 never gives more UTF-16 units than bytes
    UChar* target = reinterpret_cast<UChar*>(result.text.data());
    UChar* const targetStart = target;
    const char* source = bytes.constData();
    const char* const sourceStart = source;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_toUnicode(conv, &target, targetStart + result.text.size(), &source,
                   sourceStart + bytes.size(), nullptr, true, &status);
    if (U_FAILURE(status)) {
        // The converter stops after the offending bytes; report where the character began.
        char errorBytes[8];
        int8_t errorLength = sizeof(errorBytes);
        UErrorCode ignored = U_ZERO_ERROR;
        ucnv_getInvalidChars(conv, errorBytes, &errorLength, &ignored);
        result.badOffset = (source - sourceStart) - (U_FAILURE(ignored) ? 0 : errorLength);
        if (result.badOffset < 0) {
            result.badOffset = 0;
        }
        result.text.clear();
        return result;
    }
    result.text.resize(target - targetStart);
    return result;
}

EncodedText EncodeCp932(const QString& text) {
    EncodedText result;
    if (IsAscii(text)) {
        result.bytes = text.toLatin1();
        return result;
    }
    // Encode character by character so the first one that cannot be held is known exactly.
    UConverter* conv = Cp932Converter();
    result.bytes.reserve(text.size() * 2);
    char buffer[16];
    for (qsizetype i = 0; i < text.size();) {
        qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const UChar* source = reinterpret_cast<const UChar*>(text.constData() + i);
        char* target = buffer;
        UErrorCode status = U_ZERO_ERROR;
        ucnv_fromUnicode(conv, &target, buffer + sizeof(buffer), &source, source + len, nullptr,
                         true, &status);
        if (U_FAILURE(status)) {
            result.badIndex = i;
            result.badChar = text.mid(i, len);
            result.bytes.clear();
            ucnv_reset(conv);
            return result;
        }
        result.bytes.append(buffer, target - buffer);
        i += len;
    }
    return result;
}

QString ToCp932Forms(const QString& text) {
    // The Unicode forms that CP932's bytes read as, which the converter writes back to them.
    static constexpr std::pair<char16_t, char16_t> forms[] = {
        {u'\u301C', u'\uFF5E'},  // 〜 to ～ (0x8160)
        {u'\u2016', u'\u2225'},  // ‖ to ∥ (0x8161)
        {u'\u2212', u'\uFF0D'},  // − to － (0x817C)
        {u'\u00A2', u'\uFFE0'},  // ¢ to ￠ (0x8191)
        {u'\u00A3', u'\uFFE1'},  // £ to ￡ (0x8192)
        {u'\u00AC', u'\uFFE2'},  // ¬ to ￢ (0x81CA)
        {u'\u2014', u'\u2015'},  // — to ― (0x815C)
    };
    QString out = text;
    for (QChar& c : out) {
        for (const auto& [typed, held] : forms) {
            if (c.unicode() == typed) {
                c = QChar(held);
                break;
            }
        }
    }
    return out;
}

int SjisCharByteLength(char32_t ch) {
    if (ch < 0x80) {
        return 1;
    }
    if (ch >= 0xFF61 && ch <= 0xFF9F) {  // half-width katakana and punctuation ("ｶﾞ", "･")
        return 1;
    }
    return 2;
}

int SjisByteLength(const QString& text) {
    int total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size()) {
            ++i;
            total += 2;
            continue;
        }
        total += SjisCharByteLength(c.unicode());
    }
    return total;
}

QStringList SplitTextLines(const QString& text) {
    QStringList lines;
    LineWalker<QStringView> walker(text);
    for (QStringView line; walker.Next(&line);) {
        lines.append(line.toString());
    }
    return lines;
}

QString CannotEncodeMessage(const QString& badChar) {
    return QStringLiteral("「%1」はShift-JISで保存できない文字です").arg(badChar);
}
