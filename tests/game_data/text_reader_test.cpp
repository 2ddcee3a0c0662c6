// Number tokens, lines and code page of the data-file reader.

#include "game_data/text_codec.h"
#include "game_data/text_reader.h"

#include <QStringDecoder>

#include <gtest/gtest.h>

#include <limits>

namespace qor {
namespace {

std::int32_t intOf(const char *token) {
    std::int32_t v = 12345;
    EXPECT_TRUE(parseIntToken(QByteArrayView(token), v)) << token;
    return v;
}

bool intFails(const char *token) {
    std::int32_t v = 0;
    return !parseIntToken(QByteArrayView(token), v);
}

TEST(ParseIntToken, DecimalWithSign) {
    EXPECT_EQ(intOf("0"), 0);
    EXPECT_EQ(intOf("42"), 42);
    EXPECT_EQ(intOf("+42"), 42);
    EXPECT_EQ(intOf("-42"), -42);
    EXPECT_EQ(intOf("007"), 7);
    EXPECT_EQ(intOf("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(intOf("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(ParseIntToken, EveryHexPrefix) {
    EXPECT_EQ(intOf("$1F"), 31);
    EXPECT_EQ(intOf("x1f"), 31);
    EXPECT_EQ(intOf("X1F"), 31);
    EXPECT_EQ(intOf("0x1F"), 31);
    EXPECT_EQ(intOf("0XaB"), 171);
    EXPECT_EQ(intOf("-$10"), -16);
    EXPECT_EQ(intOf("+0x10"), 16);
    // Eight hex digits are the full 32 bits.
    EXPECT_EQ(intOf("$FFFFFFFF"), -1);
    EXPECT_EQ(intOf("$80000000"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(intOf("$0001A2B3"), 0x1A2B3);
}

TEST(ParseIntToken, RejectsWhatIsNoInteger) {
    EXPECT_TRUE(intFails(""));
    EXPECT_TRUE(intFails("-"));
    EXPECT_TRUE(intFails("$"));
    EXPECT_TRUE(intFails("0x"));
    EXPECT_TRUE(intFails("12a"));
    EXPECT_TRUE(intFails("1.5"));
    EXPECT_TRUE(intFails("$1G"));
    EXPECT_TRUE(intFails("--1"));
    EXPECT_TRUE(intFails("1 "));
    // Beyond 32 bits is an error, not a silently wrapped value.
    EXPECT_TRUE(intFails("2147483648"));
    EXPECT_TRUE(intFails("-2147483649"));
    EXPECT_TRUE(intFails("99999999999999999999"));
    EXPECT_TRUE(intFails("$100000000"));
}

TEST(ParseRealToken, DotWhateverTheLocaleAndExponent) {
    double v = 0;
    ASSERT_TRUE(parseRealToken("0.25", v));
    EXPECT_EQ(v, 0.25);
    ASSERT_TRUE(parseRealToken("-2.5e1", v));
    EXPECT_EQ(v, -25.0);
    ASSERT_TRUE(parseRealToken("+3", v));
    EXPECT_EQ(v, 3.0);
    ASSERT_TRUE(parseRealToken("1E-2", v));
    EXPECT_EQ(v, 0.01);
    ASSERT_TRUE(parseRealToken(".5", v));
    EXPECT_EQ(v, 0.5);
    EXPECT_FALSE(parseRealToken("1,5", v));
    EXPECT_FALSE(parseRealToken("1.5e", v));
    EXPECT_FALSE(parseRealToken(".", v));
    EXPECT_FALSE(parseRealToken("nan", v));
    EXPECT_FALSE(parseRealToken("inf", v));
    EXPECT_FALSE(parseRealToken("1e999", v));
    EXPECT_FALSE(parseRealToken("", v));
}

TEST(TextReader, NumbersSkipControlCodesAcrossLines) {
    TextReader r("  12\r\n\r\n\t\x01 -3\n\n0.75\r$A");
    EXPECT_EQ(r.readInt(), 12);
    EXPECT_EQ(r.readInt(), -3);
    EXPECT_EQ(r.readReal(), 0.75);
    EXPECT_EQ(r.readInt(), 10);
    EXPECT_TRUE(r.atEnd());
    // Numbers asked for at the end of the file read 0 without an error.
    EXPECT_EQ(r.readInt(), 0);
    EXPECT_EQ(r.readReal(), 0.0);
    EXPECT_FALSE(r.failed());
}

TEST(TextReader, LongDigitRunsSplitIntoTokens) {
    // 32 zeros then "5": the integer token stops after 32 characters.
    TextReader r(QByteArrayView("000000000000000000000000000000005 7"));
    EXPECT_EQ(r.readInt(), 0);
    EXPECT_EQ(r.readInt(), 5);
    EXPECT_EQ(r.readInt(), 7);
    EXPECT_FALSE(r.failed());
}

TEST(TextReader, RestOfLineStartsAtTheSeparator) {
    TextReader r("5 7  Name here\r\nnext\nlast");
    EXPECT_EQ(r.readInt(), 5);
    EXPECT_EQ(r.readInt(), 7);
    EXPECT_EQ(r.restOfLine(), QByteArrayView("  Name here"));
    r.nextLine();
    EXPECT_EQ(r.readLine(), QByteArrayView("next"));
    EXPECT_FALSE(r.atEnd());
    EXPECT_EQ(r.readLine(), QByteArrayView("last"));
    EXPECT_TRUE(r.atEnd());
}

TEST(TextReader, LoneCrAndLfEndLines) {
    TextReader r("a\rb\nc\r\n\r\nd");
    EXPECT_EQ(r.readLine(), QByteArrayView("a"));
    EXPECT_EQ(r.readLine(), QByteArrayView("b"));
    EXPECT_EQ(r.readLine(), QByteArrayView("c"));
    EXPECT_EQ(r.readLine(), QByteArrayView(""));
    EXPECT_EQ(r.readLine(), QByteArrayView("d"));
    EXPECT_TRUE(r.atEnd());
}

TEST(TextReader, InvalidTokenFailsWithItsLine) {
    TextReader r("1 2\r\n3\n\r\n4 x5 6\r\n7z");
    EXPECT_EQ(r.readInt(), 1);
    EXPECT_EQ(r.readInt(), 2);
    EXPECT_EQ(r.readInt(), 3);
    EXPECT_EQ(r.readInt(), 4);
    EXPECT_EQ(r.readInt(), 5); // "x5" is hex
    EXPECT_EQ(r.readInt(), 6);
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.readInt(), 0);
    EXPECT_TRUE(r.failed());
    EXPECT_EQ(r.errorLine(), 5);
}

TEST(TextReader, LineNumbersCountEveryKindOfLineEnd) {
    const QByteArrayView text("a\r\nb\nc\rd");
    TextReader r(text);
    EXPECT_EQ(r.lineAt(0), 1);
    EXPECT_EQ(r.lineAt(3), 2);
    EXPECT_EQ(r.lineAt(5), 3);
    EXPECT_EQ(r.lineAt(7), 4);
}

TEST(Cp1251, DecodesAndEncodesCyrillic) {
    // "Нет" and "ё" in code page 1251.
    EXPECT_EQ(fromCp1251("\xCD\xE5\xF2 \xB8"), QString::fromUtf8("Нет ё"));
    EXPECT_EQ(toCp1251(QString::fromUtf8("Нет ё")), QByteArray("\xCD\xE5\xF2 \xB8"));
    // Every byte is one character and survives the round trip.
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString text = fromCp1251(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1251(text).left(0x98), all.left(0x98));
    EXPECT_EQ(toCp1251(text).mid(0x99), all.mid(0x99));
    EXPECT_EQ(toCp1251(QString::fromUtf8("a\u4e2d")), QByteArray("a?"));
}

TEST(Cp1251, TableMatchesThePlatformConverter) {
    QStringDecoder decoder("windows-1251", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        GTEST_SKIP() << "no converter for the code page";
    QByteArray all(256, '\0');
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString expected = decoder.decode(all);
    const QString text = fromCp1251(all);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(text[b].unicode(), expected[b].unicode()) << "byte " << b;
    EXPECT_EQ(toCp1251(text), all);
}

} // namespace
} // namespace qor
