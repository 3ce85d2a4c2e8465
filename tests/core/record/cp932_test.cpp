// The CP932 codec of the project files and the calculation-sheet text file.
#include "core/record/cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace akuenza {
namespace {

TEST(Cp932, SheetAndScreenTextRoundTripsInTheWindowsCodes)
{
    struct Mapping {
        const char* utf8;
        std::string cp932;
    };
    const std::vector<Mapping> mappings = {
        {"―", "\x81\x5C"},             // U+2015
        {"－", "\x81\x7C"},             // U+FF0D
        {"～", "\x81\x60"},             // U+FF5E
        {"ﾌｧｲﾙ", "\xCC\xA7\xB2\xD9"}, // half-width katakana: one byte each
        {"　", "\x81\x40"},             // ideographic space
        {"①", "\x87\x40"},
        {"㎡", "\x87\x75"},
        {"∑Ｆc=", "\x87\x94\x82\x65" "c="},
        {"∴ O.K", "\x81\x88 O.K"},
        {"Ｑ1＜", "\x82\x70" "1\x81\x83"},
        {"計画雨水量", "\x8C\x76\x89\xE6\x89\x4A\x90\x85\x97\xCA"},
        {"ⅰ", "\xFA\x40"}, // IBM extension
        {" .5 \r\nQ1=45.000 m3/hr, \"W\" \\ ~ \t", " .5 \r\nQ1=45.000 m3/hr, \"W\" \\ ~ \t"},
    };
    for (const Mapping& m : mappings) {
        SCOPED_TRACE(m.utf8);
        EXPECT_EQ(toCp932(m.utf8), m.cp932);
        EXPECT_EQ(fromCp932(m.cp932), m.utf8);
    }
    // Look-alikes are stored as their CP932 counterpart and read back as it.
    EXPECT_EQ(toCp932("〜"), "\x81\x60"); // wave dash
    EXPECT_EQ(toCp932("−"), "\x81\x7C"); // minus sign
}

TEST(Cp932, EmptyTextIsEmptyBothWays)
{
    EXPECT_EQ(toCp932(""), std::string());
    EXPECT_EQ(fromCp932(""), std::string());
    EXPECT_TRUE(isCp932Encodable(""));
}

TEST(Cp932, LongJapaneseTextRoundTrips)
{
    // Decoding grows the text by half, well past the first output buffer.
    std::string text;
    for (int line = 0; line < 400; ++line)
        text += "　　計画雨水量(Q1)が施設の総浸透量(FC)を超えています。∴ NG ① ㎡ ﾌｧｲﾙ ―－～\r\n";
    const auto bytes = toCp932(text);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_LT(bytes->size(), text.size());
    EXPECT_EQ(bytes->substr(0, 6), "\x81\x40\x81\x40\x8C\x76");
    EXPECT_EQ(fromCp932(*bytes), text);
}

TEST(Cp932, ACharacterOutsideCp932IsRefusedWithItsByteOffset)
{
    struct Case {
        const char* utf8;
        std::size_t offset;
    };
    for (const Case& c : {Case{"𠮷", 0}, Case{"ab𠮷c", 2}, Case{"日本😀", 6}, Case{"土質：細砂¦", 15},
                          Case{"a\xFF" "b", 1},           // not UTF-8 at all
                          Case{"ok\xC0\xAF", 2},          // overlong "/"
                          Case{"x\xE6\x97", 1}}) {        // text ends inside "日"
        SCOPED_TRACE(c.utf8);
        std::size_t offset = 12345;
        EXPECT_EQ(toCp932(c.utf8, &offset), std::nullopt);
        EXPECT_EQ(offset, c.offset);
        EXPECT_FALSE(isCp932Encodable(c.utf8));
    }
    EXPECT_EQ(toCp932("😀"), std::nullopt); // the offset is optional
}

TEST(Cp932, BytesThatAreNotCp932AreRefusedWithTheirOffset)
{
    struct Case {
        std::string bytes;
        std::size_t offset;
    };
    const std::vector<Case> cases = {
        {"abc\x81", 3},    // lead byte at the end
        {"\x81\x20", 0},   // lead byte with a blank for trail byte
        {"x\x80", 1},
        {"\xA0", 0},
        {"\x82\xA0\xFD", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.offset);
        std::size_t offset = 12345;
        EXPECT_EQ(fromCp932(c.bytes, &offset), std::nullopt);
        EXPECT_EQ(offset, c.offset);
    }
    // Found behind a long valid text, after the output has had to grow.
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += "\x82\xA0"; // あ
    bytes += "\x81\x20";
    std::size_t offset = 0;
    EXPECT_EQ(fromCp932(bytes, &offset), std::nullopt);
    EXPECT_EQ(offset, 2000u);
}

} // namespace
} // namespace akuenza
