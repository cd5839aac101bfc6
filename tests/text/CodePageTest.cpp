#include "text/CodePage.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

namespace {

using namespace std::string_literals;

const std::string kFffd = "\xEF\xBF\xBD";

TEST(CodePageGbkTest, ChineseEncodesToGbkBytesAndBack) {
    const gsm::CodePage gbk("CP936");
    EXPECT_EQ(gbk.Encode("中文"), "\xD6\xD0\xCE\xC4"s);
    EXPECT_EQ(gbk.Encode("门已打开"), "\xC3\xC5\xD2\xD1\xB4\xF2\xBF\xAA"s);
    EXPECT_EQ(gbk.Encode("Door 门"), "Door \xC3\xC5"s);
    EXPECT_EQ(gbk.Decode("\xC3\xC5\xD2\xD1\xB4\xF2\xBF\xAA"), "门已打开");
    EXPECT_EQ(gbk.Decode("\xD6\xD0"),
              "中"); // one double-byte unit as the settings decoder hands it
}

TEST(CodePageGbkTest, DoubleByteCharactersCountAsTwo) {
    const gsm::CodePage gbk("CP936");
    EXPECT_EQ(gbk.ByteLength("门已打开"), 8u);
    EXPECT_EQ(gbk.ByteLength("Door 门"), 7u);
    EXPECT_EQ(gbk.ByteLength(""), 0u);
    EXPECT_EQ(gbk.TruncateToBytes("A中文", 4), "A中"); // never half of 文
    EXPECT_EQ(gbk.TruncateToBytes("A中文", 5), "A中文");
    EXPECT_EQ(gbk.TruncateToBytes("A中文", 0), "");
}

TEST(CodePageGbkTest, BrokenUnitsBecomeReplacementsAndDecodingGoesOn) {
    const gsm::CodePage gbk("CP936");
    EXPECT_EQ(gbk.Decode("\x81\x20"), kFffd + " "); // lead byte with a trail GBK does not allow
    EXPECT_EQ(gbk.Decode("AB\xD6"), "AB" + kFffd);  // lead byte cut off at the end
    EXPECT_EQ(gbk.Decode("\xFF"
                         "A\xD6\xD0"),
              kFffd + "A中");
}

TEST(CodePageDecodeTest, PairsOfSingleByteCharactersDecodeAsTheyStand) {
    for (const char* name : {"CP936", "CP1252", "CP950"}) {
        const gsm::CodePage cp(name);
        EXPECT_EQ(cp.Decode(" A"), " A") << name;
        EXPECT_EQ(cp.Decode("A\0"s), "A\0"s) << name; // a 0 byte is an ordinary character here
    }
}

TEST(CodePageWesternTest, EncodesLatinCharactersToTheirSingleBytes) {
    const gsm::CodePage western("CP1252");
    EXPECT_EQ(western.Encode("é"), "\xE9");
    EXPECT_EQ(western.Encode("€"), "\x80");
    EXPECT_EQ(western.Decode("\xE9\x80"), "é€");
    std::string ascii;
    for (char c = 0x20; c < 0x7F; ++c)
        ascii += c;
    EXPECT_EQ(western.Encode(ascii), ascii);
    EXPECT_EQ(western.Decode(ascii), ascii);
}

TEST(CodePageWesternTest, RefusesWhatItCannotHoldAndNamesIt) {
    const gsm::CodePage western("CP1252");
    EXPECT_EQ(western.Encode("ab中c"), std::nullopt);
    EXPECT_EQ(western.FirstUnencodable("ab中c文"), U'中');
    EXPECT_EQ(western.FirstUnencodable("abé"), std::nullopt);
    EXPECT_EQ(western.FirstUnencodable("ab\xC3"), gsm::kReplacementCharacter); // cut-off UTF-8
    EXPECT_EQ(western.ByteLength("a中b"), 3u); // unencodable characters count as one byte
    EXPECT_EQ(western.Encode("abc"), "abc");   // a refusal leaves no state behind
    EXPECT_EQ(gsm::UnencodableMessage(U'中', western.Name()),
              "The character '中' (U+4E2D) cannot be stored in the device's code page (CP1252).");
}

TEST(CodePageWesternTest, UndefinedBytesBecomeReplacements) {
    const gsm::CodePage western("CP1252");
    EXPECT_EQ(western.Decode("A\x81"
                             "B\x8D"),
              "A" + kFffd + "B" + kFffd);
}

// CP1258 keeps a base letter back until it knows no tone mark follows, so conversions must be
// flushed, and flushed before a replacement is appended.
TEST(CodePageVietnameseTest, HeldBackLettersAreNeitherLostNorReordered) {
    const gsm::CodePage vietnamese("CP1258");
    const auto bytes = vietnamese.Encode("Việt ế");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(vietnamese.Decode(*bytes), "Việt ế");
    EXPECT_EQ(vietnamese.Decode("e\x81"
                                "a"),
              "e" + kFffd + "a");
    EXPECT_EQ(vietnamese.Decode("a"), "a");
}

TEST(CodePageTest, UnknownNameIsRejectedAndInstancesMove) {
    EXPECT_THROW(gsm::CodePage("NO-SUCH-CODEPAGE"), std::invalid_argument);
    gsm::CodePage first("CP936");
    gsm::CodePage second(std::move(first));
    first = gsm::CodePage("CP1251");
    EXPECT_EQ(second.Encode("中"), "\xD6\xD0");
    EXPECT_EQ(first.Encode("Ж"), "\xC6");
}

} // namespace
