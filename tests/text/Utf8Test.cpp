#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8Test, ReadsEachSequenceLength) {
    const struct {
        std::string text;
        char32_t value;
        std::size_t length;
    } cases[] = {{"A", U'A', 1},          {"é!", U'é', 2},   {"中文", U'中', 3},
                 {"😀", U'\U0001F600', 4}, {"\x7F", 0x7F, 1}, {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4}};
    for (const auto& c : cases) {
        const gsm::CodePointRead read = gsm::ReadCodePoint(c.text);
        EXPECT_EQ(read.value, c.value) << c.text;
        EXPECT_EQ(read.length, c.length) << c.text;
        EXPECT_EQ(gsm::ToUtf8(c.value), c.text.substr(0, c.length));
    }
}

TEST(Utf8Test, MalformedSequencesReadAsOneReplacementByte) {
    for (const char* text :
         {"\x80", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE4\xB8",
          "\xE4"
          "A",
          "\xFF"}) {
        const gsm::CodePointRead read = gsm::ReadCodePoint(text);
        EXPECT_EQ(read.value, gsm::kReplacementCharacter) << text;
        EXPECT_EQ(read.length, 1u) << text;
    }
    EXPECT_EQ(gsm::ReadCodePoint("").length, 0u);
    EXPECT_EQ(gsm::ToUtf8(0xD800), "\xEF\xBF\xBD");
}

} // namespace
