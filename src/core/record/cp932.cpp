#include "core/record/cp932.h"

#include <array>
#include <cstdint>

namespace akuenza {
namespace {

// The shapes of the generated tables in cp932_table.inc.
struct Cp932SingleRange {
    std::uint8_t first;
    std::uint8_t last;
    std::uint16_t character; // of `first`; the next bytes follow on
};
inline constexpr int kFirstTrail = 0x40;
inline constexpr int kLastTrail = 0xFC;
struct Cp932Row {
    std::uint8_t lead;
    std::array<std::uint16_t, kLastTrail - kFirstTrail + 1> characters; // 0: not a character
};
struct Cp932Written {
    std::uint16_t character;
    std::uint16_t bytes; // one byte below 0x100, else lead << 8 | trail
};

#include "core/record/cp932_table.inc"

inline constexpr std::uint16_t kNoCharacter = 0xFFFF; // a noncharacter, never in CP932

// Both directions as look-up tables, made once from the generated data.
struct Tables {
    std::array<std::uint16_t, 256> single;      // byte -> character, or kNoCharacter
    std::array<const Cp932Row*, 256> row;       // lead byte -> its row, or null
    std::array<std::uint16_t, 0x10000> written; // character -> bytes; 0 for none (U+0000 is byte 0)
};

Tables makeTables()
{
    Tables t{};
    t.single.fill(kNoCharacter);
    t.row.fill(nullptr);
    t.written.fill(0);
    for (const Cp932SingleRange& range : kCp932SingleBytes)
        for (int b = range.first; b <= range.last; ++b) {
            const auto c = static_cast<std::uint16_t>(range.character + (b - range.first));
            t.single[b] = c;
            t.written[c] = static_cast<std::uint16_t>(b);
        }
    // A character held twice is written as its lowest byte pair; NEC's copy of
    // the IBM extension (lead bytes ED and EE) is read but never written, as in
    // Windows' own files. Rows are in byte order, so the first pair found wins.
    for (const Cp932Row& row : kCp932Rows) {
        t.row[row.lead] = &row;
        if (row.lead == 0xED || row.lead == 0xEE)
            continue;
        for (int i = 0; i < static_cast<int>(row.characters.size()); ++i) {
            const std::uint16_t c = row.characters[static_cast<std::size_t>(i)];
            if (c != 0 && t.written[c] == 0)
                t.written[c] = static_cast<std::uint16_t>(row.lead << 8 | (kFirstTrail + i));
        }
    }
    for (const Cp932Written& w : kCp932Written)
        t.written[w.character] = w.bytes;
    return t;
}

const Tables& tables()
{
    static const Tables t = makeTables(); // made once, safely across threads
    return t;
}

void appendUtf8(std::string& out, std::uint16_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of well-formed UTF-8 at `i` and its length in bytes, or a
// length of 0 for bytes that are not UTF-8 (overlong forms, surrogates, beyond
// U+10FFFF, a stray continuation byte, a text ending inside a character).
struct Utf8Char {
    std::uint32_t character;
    std::size_t length;
};

Utf8Char nextUtf8(std::string_view s, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b0 = byte(i);
    if (b0 < 0x80)
        return {b0, 1};
    std::size_t length;
    std::uint32_t c;
    std::uint8_t low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0)
            low = 0xA0; // no overlong forms
        if (b0 == 0xED)
            high = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0)
            low = 0x90;
        if (b0 == 0xF4)
            high = 0x8F; // nothing past U+10FFFF
    } else {
        return {0, 0};
    }
    if (s.size() - i < length)
        return {0, 0};
    for (std::size_t k = 1; k < length; ++k) {
        const std::uint8_t b = byte(i + k);
        if (b < (k == 1 ? low : 0x80) || b > (k == 1 ? high : 0xBF))
            return {0, 0};
        c = c << 6 | (b & 0x3F);
    }
    return {c, length};
}

} // namespace

std::optional<std::string> toCp932(std::string_view utf8, std::size_t* badOffset)
{
    const Tables& t = tables();
    std::string out;
    out.reserve(utf8.size()); // a CP932 character never takes more bytes than its UTF-8 form
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Char u = nextUtf8(utf8, i);
        const std::uint16_t bytes = u.length != 0 && u.character < 0x10000 ? t.written[u.character] : 0;
        if (bytes == 0 && !(u.length == 1 && u.character == 0)) {
            if (badOffset)
                *badOffset = i;
            return std::nullopt;
        }
        if (bytes > 0xFF)
            out += static_cast<char>(bytes >> 8);
        out += static_cast<char>(bytes & 0xFF);
        i += u.length;
    }
    return out;
}

std::optional<std::string> fromCp932(std::string_view bytes, std::size_t* badOffset)
{
    const Tables& t = tables();
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2); // a Japanese text grows by half
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<std::uint8_t>(bytes[i]);
        if (t.single[b] != kNoCharacter) {
            appendUtf8(out, t.single[b]);
            ++i;
            continue;
        }
        if (const Cp932Row* row = t.row[b]; row && i + 1 < bytes.size()) {
            const auto trail = static_cast<std::uint8_t>(bytes[i + 1]);
            const std::uint16_t c = trail >= kFirstTrail && trail <= kLastTrail ? row->characters[trail - kFirstTrail] : 0;
            if (c != 0) {
                appendUtf8(out, c);
                i += 2;
                continue;
            }
        }
        if (badOffset)
            *badOffset = i;
        return std::nullopt;
    }
    return out;
}

bool isCp932Encodable(std::string_view utf8) { return toCp932(utf8).has_value(); }

} // namespace akuenza
