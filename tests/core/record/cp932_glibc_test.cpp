// The table-driven CP932 codec against glibc's own CP932 converter, from
// which its tables were generated (tools/cp932_table.cpp): every byte
// sequence of one and two bytes read, every character of the Basic
// Multilingual Plane written, and the UTF-8 reading of every sequence up to
// three bytes, with the same offset wherever either fails. Linux only.
//
// One difference is deliberate: glibc drops the tag characters U+E0000 to
// U+E007F without a word; the codec, which never drops a character, refuses
// them like any other character CP932 cannot hold.
#include "core/record/cp932.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <iconv.h>
#include <optional>
#include <string>
#include <vector>

namespace akuenza {
namespace {

struct Result {
    std::optional<std::string> text;
    std::size_t badOffset = 0; // meaningful when there is no text

    bool operator==(const Result&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Result& r)
{
    if (!r.text)
        return os << "failure at " << r.badOffset;
    os << "\"";
    for (const unsigned char c : *r.text)
        os << "\\x" << "0123456789ABCDEF"[c >> 4] << "0123456789ABCDEF"[c & 15];
    return os << "\"";
}

// glibc's converter, reused across calls.
class Glibc {
public:
    Glibc(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Glibc()
    {
        if (ok())
            iconv_close(cd_);
    }
    Glibc(const Glibc&) = delete;
    Glibc& operator=(const Glibc&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    Result convert(const std::string& input)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(input.size() * 4 + 8, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            EXPECT_TRUE(errno == EILSEQ || errno == EINVAL) << "errno " << errno;
            return {std::nullopt, static_cast<std::size_t>(in - input.data())};
        }
        out.resize(out.size() - outLeft);
        return {out, 0};
    }

private:
    iconv_t cd_;
};

Result decoded(const std::string& bytes)
{
    Result r;
    r.text = fromCp932(bytes, &r.badOffset);
    if (r.text)
        r.badOffset = 0;
    return r;
}

Result encoded(const std::string& utf8)
{
    Result r;
    r.text = toCp932(utf8, &r.badOffset);
    if (r.text)
        r.badOffset = 0;
    return r;
}

std::string utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | c >> 6);
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | c >> 12);
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | c >> 18);
        s += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        s += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (const int v : values)
        s += static_cast<char>(v);
    return s;
}

// `utf8` between two texts (built in place: GCC 12 warns falsely on the
// concatenation of temporaries).
std::string between(const char* before, const std::string& utf8, const char* after)
{
    std::string s(before);
    s += utf8;
    s += after;
    return s;
}

// Compares every input and stops reporting after a few differences, so that a
// wrong table shows its first faults rather than thousands of lines.
template <typename Inputs, typename Ours>
void expectSameAsGlibc(Glibc& glibc, const Inputs& inputs, Ours ours)
{
    int differences = 0;
    std::size_t compared = 0;
    inputs([&](const std::string& input) {
        ++compared;
        const Result expected = glibc.convert(input);
        const Result actual = ours(input);
        if (actual != expected && ++differences <= 10)
            ADD_FAILURE() << "input " << Result{input, 0} << ": glibc " << expected << ", codec " << actual;
    });
    EXPECT_EQ(differences, 0) << "of " << compared << " inputs";
    EXPECT_GT(compared, 0u);
}

TEST(Cp932AgainstGlibc, EveryByteSequenceOfOneAndTwoBytesReadsAsGlibcReadsIt)
{
    Glibc glibc("UTF-8", "CP932");
    ASSERT_TRUE(glibc.ok());
    expectSameAsGlibc(glibc, [](auto each) {
        for (int a = 0; a < 256; ++a) {
            each(bytes({a}));
            for (int b = 0; b < 256; ++b)
                each(bytes({a, b}));
        }
        // A character after a bad one is never reached; after a good one it is.
        for (const int lead : {0x81, 0x88, 0x9F, 0xE0, 0xED, 0xFA, 0xFC})
            for (int b = 0; b < 256; ++b)
                each(bytes({'A', lead, b, 0x82, 0xA0}));
    }, decoded);
}

TEST(Cp932AgainstGlibc, EveryCharacterOfTheBasicPlaneIsWrittenAsGlibcWritesIt)
{
    Glibc glibc("CP932", "UTF-8");
    ASSERT_TRUE(glibc.ok());
    expectSameAsGlibc(glibc, [](auto each) {
        for (char32_t c = 0; c < 0x10000; ++c)
            if (c < 0xD800 || c > 0xDFFF) {
                each(utf8(c));
                each(between("x", utf8(c), "y"));
            }
    }, encoded);
}

TEST(Cp932AgainstGlibc, TextThatIsNotUtf8IsRefusedWhereGlibcRefusesIt)
{
    Glibc glibc("CP932", "UTF-8");
    ASSERT_TRUE(glibc.ok());
    expectSameAsGlibc(glibc, [](auto each) {
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) {
                each(bytes({a, b}));
                if (a >= 0xE0 && a <= 0xEF)
                    for (int c = 0; c < 256; ++c)
                        each(bytes({'a', a, b, c}));
            }
        // Four-byte forms: beyond the plane (refused as characters), overlong,
        // past U+10FFFF, cut short.
        for (int a = 0xF0; a < 0x100; ++a)
            for (int b = 0; b < 256; ++b)
                for (const int c : {0x80, 0xBF, 0x41})
                    for (const int d : {0x80, 0xBF, 0x41}) {
                        const bool tagCharacter = a == 0xF3 && b == 0xA0 && c == 0x80 && d != 0x41;
                        if (!tagCharacter)
                            each(bytes({a, b, c, d}));
                        each(bytes({a, b, c}));
                    }
        for (const char32_t c : {U'\U00010000', U'\U00020BB7', U'\U0001F600', U'\U0010FFFF'})
            each(between("ab", utf8(c), ""));
    }, encoded);
}

TEST(Cp932AgainstGlibc, TagCharactersThatGlibcDropsAreRefused)
{
    Glibc glibc("CP932", "UTF-8");
    ASSERT_TRUE(glibc.ok());
    for (char32_t c = 0xE0000; c <= 0xE007F; ++c) {
        SCOPED_TRACE(static_cast<unsigned>(c));
        const std::string text = between("ab", utf8(c), "c");
        EXPECT_EQ(glibc.convert(text), (Result{"abc", 0}));
        EXPECT_EQ(encoded(text), (Result{std::nullopt, 2}));
    }
}

} // namespace
} // namespace akuenza
