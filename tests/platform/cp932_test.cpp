#include "platform/cp932.h"
#include "platform/error.h"

#include <QList>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using platform::fromCp932;
using platform::toCp932;
using platform::Unmappable;

namespace {

QByteArray encode(const QString& text) {
    return toCp932(text, Unmappable::Refuse);
}

QByteArray doubleByte(int code) {
    const char bytes[] = {char(code >> 8), char(code & 0xFF)};
    return QByteArray(bytes, 2);
}

bool isLeadByte(int b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(int b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// Codes whose character has a second, preferred code: the NEC row 13 duplicates of JIS
// symbols, and the NEC-selected and IBM extensions that repeat each other.
bool isKnownDuplicate(int code) {
    return (code >= 0x8790 && code <= 0x879C) || (code >= 0xED40 && code <= 0xEEFC) ||
           (code >= 0xFA40 && code <= 0xFA5B);
}

TEST(Cp932, AsciiBytesAreAsciiIncludingBackslashAndTilde) {
    for (int b = 0; b < 0x80; ++b) {
        const QByteArray bytes(1, char(b));
        ASSERT_EQ(fromCp932(bytes), QString(QChar(b))) << "byte " << b;
        ASSERT_EQ(encode(QString(QChar(b))), bytes) << "byte " << b;
    }
}

TEST(Cp932, SingleByteKatakanaIsHalfWidthKatakana) {
    for (int b = 0xA1; b <= 0xDF; ++b) {
        const QByteArray bytes(1, char(b));
        const QString kana(QChar(char16_t(0xFF61 + b - 0xA1)));
        ASSERT_EQ(fromCp932(bytes), kana) << "byte " << b;
        ASSERT_EQ(encode(kana), bytes) << "byte " << b;
    }
}

// Every double-byte character of the code page comes back as itself; where one character has
// several codes, it is written with its preferred one and only the known duplicates differ.
TEST(Cp932, EveryDoubleByteCharacterRoundTrips) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail))
                continue;
            const int code = lead << 8 | trail;
            const QString decoded = fromCp932(doubleByte(code));
            if (decoded.contains(QChar(0xFFFD)))
                continue; // a gap in the code page
            ++characters;
            ASSERT_EQ(decoded.size(), 1) << std::hex << code;
            const QByteArray encoded = encode(decoded);
            ASSERT_EQ(fromCp932(encoded), decoded) << std::hex << code;
            if (encoded != doubleByte(code)) {
                EXPECT_TRUE(isKnownDuplicate(code)) << std::hex << code;
            }
        }
    }
    // JIS X 0208 with the NEC and IBM extensions (7724) and the user-defined area (1880).
    EXPECT_EQ(characters, 9604);
}

struct MappingCase {
    QString text;
    QByteArray bytes;
};
void PrintTo(const MappingCase& c, std::ostream* os) {
    *os << "U+" << std::hex << c.text.toUcs4().value(0);
}

class Cp932Encodes : public ::testing::TestWithParam<MappingCase> {};
TEST_P(Cp932Encodes, TheCharacterAsWindowsDoes) {
    EXPECT_EQ(encode(GetParam().text), GetParam().bytes);
}
INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932Encodes,
    ::testing::Values(MappingCase{u"\u301C"_s, "\x81\x60"}, // wave dash, as typed on a Mac
                      MappingCase{u"\uFF5E"_s, "\x81\x60"}, // full-width tilde
                      MappingCase{u"\\"_s, "\x5C"}, MappingCase{u"\u2225"_s, "\x81\x61"},
                      MappingCase{u"\uFF0D"_s, "\x81\x7C"}, MappingCase{u"\uFFE2"_s, "\x81\xCA"},
                      MappingCase{u"価格"_s, "\x89\xBF\x8A\x69"}));

class Cp932Decodes : public ::testing::TestWithParam<MappingCase> {};
TEST_P(Cp932Decodes, TheBytesAsWindowsDoes) {
    EXPECT_EQ(fromCp932(GetParam().bytes), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Characters, Cp932Decodes,
    ::testing::Values(MappingCase{u"\uFF5E"_s, "\x81\x60"}, MappingCase{u"\\"_s, "\x5C"},
                      MappingCase{u"\uFF3C"_s, "\x81\x5F"}, MappingCase{u"\u2225"_s, "\x81\x61"},
                      MappingCase{u"\uFF0D"_s, "\x81\x7C"}, MappingCase{u"\uE000"_s, "\xF0\x40"}));

TEST(Cp932, UnmappableCharacterBecomesACharacterReference) {
    EXPECT_EQ(toCp932(u"a😀b"_s, Unmappable::CharacterReference), "a&#x1F600;b");
    EXPECT_EQ(toCp932(u"\u00E9"_s, Unmappable::CharacterReference), "&#xE9;");
    // One "?" for each character, an emoji's two UTF-16 units included.
    EXPECT_EQ(toCp932(u"a😀\u2013b"_s, Unmappable::QuestionMark), "a??b");
}

TEST(Cp932, UnmappableCharacterIsRefusedNamingIt) {
    try {
        toCp932(u"a😀b"_s, Unmappable::Refuse);
        FAIL() << "the character was not refused";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.description().contains(u"😀"_s)) << error.what();
    }
    EXPECT_FALSE(platform::isCp932Encodable(u"a😀b"_s));
    EXPECT_TRUE(platform::isCp932Encodable(u"あ～\\"_s));
}

struct InvalidCase {
    const char* name;
    QByteArray bytes;
    QString text;
};
void PrintTo(const InvalidCase& c, std::ostream* os) {
    *os << c.name;
}

class Cp932InvalidBytes : public ::testing::TestWithParam<InvalidCase> {};
TEST_P(Cp932InvalidBytes, BecomeReplacementCharacters) {
    EXPECT_EQ(fromCp932(GetParam().bytes), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Cases, Cp932InvalidBytes,
    ::testing::Values(InvalidCase{"LoneLeadByteAtTheEnd", "a\x81", u"a\uFFFD"_s},
                      InvalidCase{"LeadByteBeforeASpace", "\x81\x20\x82\xA0", u"\uFFFD あ"_s},
                      InvalidCase{"ByteFF",
                                  "\xFF"
                                  "a",
                                  u"\uFFFD"
                                  "a"_s},
                      InvalidCase{"Byte80", "\x80", u"\uFFFD"_s}),
    [](const auto& info) { return info.param.name; });

} // namespace
