// The table-driven CP932 codec against Windows' own code page 932
// (MultiByteToWideChar with MB_ERR_INVALID_CHARS, WideCharToMultiByte with
// WC_NO_BEST_FIT_CHARS): every byte sequence of one and two bytes read and
// every character of the Basic Multilingual Plane written. Windows only.
//
// The codec's tables come from glibc, so that a project file reads the same
// on either system. Where Windows' code page differs, the codec keeps its
// own answer; every such difference is listed here, and a difference that
// appears or goes away fails the test.
#include "core/record/cp932.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace akuenza {
namespace {

constexpr UINT kCodePage = 932;

// A reading or writing of one input: the characters or bytes, or none.
using Reading = std::optional<std::u16string>;
using Writing = std::optional<std::string>;

// Bytes that Windows reads but the codec refuses: the single bytes that
// Windows gives a character of its own (glibc and the codec: not text).
struct ReadingDifference {
    std::string bytes;
    Reading windows;
    Reading codec;
    bool operator==(const ReadingDifference&) const = default;
};

// Characters written differently: Windows writes the characters of its
// single bytes 80, A0, FD..FF, which the codec refuses; the codec writes
// look-alikes as their CP932 counterpart (documented in cp932.h), which
// Windows without best fit refuses.
struct WritingDifference {
    char16_t character;
    Writing windows;
    Writing codec;
    bool operator==(const WritingDifference&) const = default;
};

const std::vector<ReadingDifference> kKnownReadingDifferences = {
    {"\x80", u"\u0080", std::nullopt},
};

// Bytes whose reading differs between Windows' own code page and Wine's:
// Microsoft's table reads A0 and FD..FF as U+F8F0..U+F8F3, Wine 8 refuses
// them as the codec does. Either answer is taken from the system; the codec
// refuses them on both.
const std::vector<ReadingDifference> kWindowsOrWineReadingDifferences = {
    {"\xA0", u"\uF8F0", std::nullopt},
    {"\xFD", u"\uF8F1", std::nullopt},
    {"\xFE", u"\uF8F2", std::nullopt},
    {"\xFF", u"\uF8F3", std::nullopt},
};

const std::vector<WritingDifference> kKnownWritingDifferences = {
    {u'\u0080', "\x80", std::nullopt},
    {u'\u00A2', std::nullopt, "\x81\x91"}, // ¢ as ￠
    {u'\u00A3', std::nullopt, "\x81\x92"}, // £ as ￡
    {u'\u00A5', std::nullopt, "\x5C"},     // ¥ as the byte 5C
    {u'\u00AC', std::nullopt, "\x81\xCA"}, // ¬ as ￢
    {u'\u2014', std::nullopt, "\x81\x5C"}, // — as ―
    {u'\u2016', std::nullopt, "\x81\x61"}, // ‖ as ∥
    {u'\u203E', std::nullopt, "\x7E"},     // ‾ as ~
    {u'\u2212', std::nullopt, "\x81\x7C"}, // − as －
    {u'\u301C', std::nullopt, "\x81\x60"}, // 〜 as ～
    {u'\uF8F0', "\xA0", std::nullopt},
    {u'\uF8F1', "\xFD", std::nullopt},
    {u'\uF8F2', "\xFE", std::nullopt},
    {u'\uF8F3', "\xFF", std::nullopt},
};

Reading windowsReads(const std::string& bytes)
{
    wchar_t out[8];
    const int n = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      out, 8);
    if (n <= 0)
        return std::nullopt;
    return std::u16string(out, out + n);
}

Writing windowsWrites(char16_t c)
{
    const wchar_t in = static_cast<wchar_t>(c);
    char out[8];
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, &in, 1, out, 8, nullptr, &usedDefault);
    if (n <= 0 || usedDefault)
        return std::nullopt;
    return std::string(out, static_cast<std::size_t>(n));
}

std::string utf8(char16_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// The codec's UTF-8 as UTF-16, through Windows' own UTF-8 conversion.
Reading codecReads(const std::string& bytes)
{
    const auto text = fromCp932(bytes);
    if (!text)
        return std::nullopt;
    if (text->empty())
        return std::u16string();
    wchar_t out[8];
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text->data(), static_cast<int>(text->size()), out, 8);
    EXPECT_GT(n, 0);
    return std::u16string(out, out + std::max(n, 0));
}

std::string hex(const std::string& bytes)
{
    std::ostringstream os;
    for (const unsigned char b : bytes)
        os << "0123456789ABCDEF"[b >> 4] << "0123456789ABCDEF"[b & 15] << ' ';
    return os.str();
}

std::string describe(const Reading& r)
{
    if (!r)
        return "refused";
    std::ostringstream os;
    for (const char16_t c : *r)
        os << "U+" << std::hex << std::uppercase << static_cast<unsigned>(c) << ' ';
    return os.str();
}

std::string describe(const Writing& w) { return w ? hex(*w) : "refused"; }

std::vector<std::string> describe(const std::vector<ReadingDifference>& differences)
{
    std::vector<std::string> lines;
    for (const ReadingDifference& d : differences)
        lines.push_back(hex(d.bytes) + "Windows " + describe(d.windows) + ", codec " + describe(d.codec));
    return lines;
}

std::vector<std::string> describe(const std::vector<WritingDifference>& differences)
{
    std::vector<std::string> lines;
    for (const WritingDifference& d : differences)
        lines.push_back(describe(Reading(std::u16string(1, d.character))) + "Windows " + describe(d.windows) +
                        ", codec " + describe(d.codec));
    return lines;
}

template <typename Difference>
bool contains(const std::vector<Difference>& list, const Difference& d)
{
    return std::find(list.begin(), list.end(), d) != list.end();
}

TEST(Cp932AgainstWindows, EveryByteSequenceOfOneAndTwoBytesReadsAsWindowsReadsIt)
{
    ASSERT_TRUE(IsValidCodePage(kCodePage));
    std::vector<ReadingDifference> found;
    std::size_t compared = 0;
    const auto compare = [&](const std::string& bytes) {
        ++compared;
        const Reading windows = windowsReads(bytes), codec = codecReads(bytes);
        if (windows != codec)
            found.push_back({bytes, windows, codec});
    };
    std::vector<std::string> differentSingleBytes;
    for (int a = 0; a < 256; ++a) {
        const std::string one(1, static_cast<char>(a));
        if (windowsReads(one) != codecReads(one))
            differentSingleBytes.push_back(one);
    }
    // Every other sequence: no difference at all. Pairs holding a byte that
    // reads differently alone are left out, as they differ through that byte.
    for (int a = 0; a < 256; ++a) {
        compare(std::string(1, static_cast<char>(a)));
        for (int b = 0; b < 256; ++b) {
            const std::string pair{static_cast<char>(a), static_cast<char>(b)};
            const auto differsAlone = [&](const std::string& one) {
                return std::find(differentSingleBytes.begin(), differentSingleBytes.end(), one) !=
                       differentSingleBytes.end();
            };
            if (!differsAlone(pair.substr(0, 1)) && !differsAlone(pair.substr(1)))
                compare(pair);
        }
    }
    EXPECT_GT(compared, 60000u);
    std::vector<ReadingDifference> unlisted;
    for (const ReadingDifference& d : found)
        if (!contains(kKnownReadingDifferences, d) && !contains(kWindowsOrWineReadingDifferences, d))
            unlisted.push_back(d);
    EXPECT_EQ(describe(unlisted), std::vector<std::string>()) << "differences in reading that are not listed";
    for (const ReadingDifference& d : kKnownReadingDifferences)
        EXPECT_TRUE(contains(found, d)) << "listed difference not found: " << describe({d}).front();
}

TEST(Cp932AgainstWindows, EveryCharacterOfTheBasicPlaneIsWrittenAsWindowsWritesIt)
{
    ASSERT_TRUE(IsValidCodePage(kCodePage));
    std::vector<WritingDifference> found;
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const auto character = static_cast<char16_t>(c);
        const Writing windows = windowsWrites(character), codec = toCp932(utf8(character));
        if (windows != codec)
            found.push_back({character, windows, codec});
    }
    EXPECT_EQ(describe(found), describe(kKnownWritingDifferences))
        << "every difference in writing must be listed, and only those";
}

} // namespace
} // namespace akuenza
