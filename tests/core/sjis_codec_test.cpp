// Shift-JIS conversion, byte lengths and line splitting.
#include <gtest/gtest.h>

#include "sjis_codec.h"

namespace {

TEST(SjisCodec, RoundTripsJapaneseText) {
    const QString text = QStringLiteral("単元 y=1/2･x ≦＜ ①ｶﾗｰ");
    const EncodedText encoded = EncodeCp932(text);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(DecodeCp932(encoded.bytes).text, text);
    // "･" is the one byte 0xA5; "≦" is 0x81 0x85; "①" 0x87 0x40.
    EXPECT_EQ(EncodeCp932(QStringLiteral("･")).bytes, QByteArray("\xA5"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("≦")).bytes, QByteArray("\x81\x85"));
    EXPECT_EQ(EncodeCp932(QStringLiteral("①")).bytes, QByteArray("\x87\x40"));
}

TEST(SjisCodec, RefusesCharactersItCannotHold) {
    const EncodedText encoded = EncodeCp932(QStringLiteral("ab€c"));
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.badIndex, 2);
    EXPECT_EQ(encoded.badChar, "€");
    const EncodedText emoji = EncodeCp932(QStringLiteral("x😀"));
    EXPECT_EQ(emoji.badIndex, 1);
    EXPECT_EQ(emoji.badChar, QStringLiteral("😀"));
}

TEST(SjisCodec, FormsTypedOnLinuxBecomeTheCp932Characters) {
    // Typed character, the CP932 bytes it is saved as; the character as typed cannot be saved.
    const std::pair<const char16_t*, QByteArray> rows[] = {
        {u"1\u301C3", QByteArray("1\x81\x60"
                                 "3")},
        {u"\u2016", QByteArray("\x81\x61")},
        {u"\u2212", QByteArray("\x81\x7C")},
        {u"\u00A2", QByteArray("\x81\x91")},
        {u"\u00A3", QByteArray("\x81\x92")},
        {u"\u00AC", QByteArray("\x81\xCA")},
        {u"\u2014", QByteArray("\x81\x5C")},
    };
    for (const auto& [typed, bytes] : rows) {
        const QString text = QString::fromUtf16(typed);
        EXPECT_FALSE(EncodeCp932(text).ok()) << bytes.toHex().constData();
        const QString held = ToCp932Forms(text);
        EXPECT_EQ(EncodeCp932(held).bytes, bytes) << bytes.toHex().constData();
        EXPECT_EQ(DecodeCp932(bytes).text, held) << bytes.toHex().constData();
    }
    // Characters CP932 holds already stay; one it has no form for is still refused.
    EXPECT_EQ(ToCp932Forms(QStringLiteral("～－∥ あ-")), QStringLiteral("～－∥ あ-"));
    EXPECT_EQ(EncodeCp932(ToCp932Forms(QStringLiteral("€"))).badChar, QStringLiteral("€"));
}

TEST(SjisCodec, ReportsInvalidBytes) {
    struct Row {
        QByteArray bytes;
        qsizetype badOffset;
    } rows[] = {
        {QByteArray("ab\x81"), 2},          // a lead byte with nothing after it
        {QByteArray("abc\x81\x20xyz"), 3},  // a lead byte with an invalid trail byte
        {QByteArray("\x82\xA0ok"), -1},     // "あ"
        {QByteArray("plain ascii"), -1},
    };
    for (const Row& r : rows) {
        const DecodedText d = DecodeCp932(r.bytes);
        EXPECT_EQ(d.badOffset, r.badOffset) << r.bytes.toHex().constData();
    }
}

TEST(SjisCodec, ByteLengths) {
    struct Row {
        const char* text;
        int bytes;
    } rows[] = {
        {"", 0},          {"abc", 3},       {"≦", 2},        {"･", 1},
        {"ｶﾗｰの設定", 9}, {"y=1/2･x+1", 9}, {"全部消去", 8},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SjisByteLength(QString::fromUtf8(r.text)), r.bytes) << r.text;
    }
}

TEST(SjisCodec, SplitsLinesAtEveryEnding) {
    struct Row {
        const char* text;
        QStringList lines;
    } rows[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"", {}},
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\rb\n\n", {"", "b", ""}},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(SplitTextLines(QString::fromUtf8(r.text)), r.lines) << r.text;
    }
}

}  // namespace
