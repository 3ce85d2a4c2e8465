// Writes src/core/record/cp932_table.inc, the CP932 tables of the codec, from
// glibc's own "CP932" converter on the Linux host:
//
//   cmake --build build --target cp932_table && build/cp932_table > src/core/record/cp932_table.inc
//
// It asks glibc for every single byte, every lead byte with every trail byte
// and every character of the Basic Multilingual Plane, and writes what glibc
// answered: the single bytes, the double-byte rows, and the characters that
// are written other than by reversing those rows. core_tests compares the
// codec built from the file with glibc again, so a stale table fails there.
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <gnu/libc-version.h>
#include <iconv.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Iconv {
    Iconv(const char* to, const char* from) : cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // The whole input converted, or nothing.
    std::optional<std::string> convert(const std::string& input) const
    {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(64, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
            return std::nullopt;
        out.resize(out.size() - outLeft);
        return out;
    }

    iconv_t cd;
};

// The code units of a UTF-32LE string.
std::vector<std::uint32_t> units(const std::string& utf32)
{
    std::vector<std::uint32_t> result;
    for (std::size_t i = 0; i + 3 < utf32.size(); i += 4)
        result.push_back(static_cast<unsigned char>(utf32[i]) | static_cast<unsigned char>(utf32[i + 1]) << 8 |
                         static_cast<unsigned char>(utf32[i + 2]) << 16 |
                         static_cast<std::uint32_t>(static_cast<unsigned char>(utf32[i + 3])) << 24);
    return result;
}

std::string utf32(std::uint32_t c)
{
    return {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8 & 0xFF), static_cast<char>(c >> 16 & 0xFF),
            static_cast<char>(c >> 24)};
}

} // namespace

int main()
{
    const Iconv decoder("UTF-32LE", "CP932");
    const Iconv encoder("CP932", "UTF-32LE");
    if (decoder.cd == reinterpret_cast<iconv_t>(-1) || encoder.cd == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "cp932_table: this C library has no CP932 converter\n");
        return 1;
    }

    // Single bytes, and the lead bytes: those that glibc takes as the start of
    // an unfinished character.
    std::array<std::uint32_t, 256> single{};
    std::vector<int> leads;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        if (const auto text = decoder.convert(byte); text && units(*text).size() == 1) {
            single[b] = units(*text)[0];
            continue;
        }
        iconv(decoder.cd, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(byte.data());
        std::size_t inLeft = 1;
        char out[8];
        char* outPtr = out;
        std::size_t outLeft = sizeof out;
        if (iconv(decoder.cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) && errno == EINVAL)
            leads.push_back(b);
    }

    // Double-byte rows: trail bytes 40..FC of each lead byte.
    std::map<int, std::array<std::uint32_t, 0xFD - 0x40>> rows;
    std::map<std::uint32_t, std::vector<std::uint16_t>> decodedFrom; // character -> byte pairs, lowest first
    for (int b = 0; b < 256; ++b)
        if (single[b] != 0 || b == 0)
            decodedFrom[single[b]].push_back(static_cast<std::uint16_t>(b));
    for (const int lead : leads) {
        for (int trail = 0; trail < 256; ++trail) {
            const auto text = decoder.convert({static_cast<char>(lead), static_cast<char>(trail)});
            if (!text || units(*text).size() != 1)
                continue;
            if (trail < 0x40 || trail > 0xFC || trail == 0x7F) {
                std::fprintf(stderr, "cp932_table: unexpected trail byte %02X %02X\n", lead, trail);
                return 1;
            }
            const std::uint32_t c = units(*text)[0];
            rows[lead][trail - 0x40] = c;
            decodedFrom[c].push_back(static_cast<std::uint16_t>(lead << 8 | trail));
        }
    }

    // Characters written other than as the lowest byte sequence that reads as
    // them, leaving out lead bytes ED and EE (NEC's copy of the IBM extension,
    // read but never written): look-alikes stored as their CP932 counterpart,
    // and characters held twice for which a higher copy is written.
    std::vector<std::pair<std::uint32_t, std::uint16_t>> written;
    std::size_t encodable = 0;
    for (std::uint32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        const auto bytes = encoder.convert(utf32(c));
        const auto reads = decodedFrom.find(c);
        if (!bytes) {
            if (reads != decodedFrom.end()) {
                std::fprintf(stderr, "cp932_table: U+%04X is read but not written\n", static_cast<unsigned>(c));
                return 1;
            }
            continue;
        }
        ++encodable;
        std::uint16_t code = static_cast<unsigned char>((*bytes)[0]);
        if (bytes->size() == 2)
            code = static_cast<std::uint16_t>(code << 8 | static_cast<unsigned char>((*bytes)[1]));
        else if (bytes->size() != 1) {
            std::fprintf(stderr, "cp932_table: U+%04X is written in %zu bytes\n", static_cast<unsigned>(c), bytes->size());
            return 1;
        }
        std::optional<std::uint16_t> rule;
        if (reads != decodedFrom.end())
            for (const std::uint16_t from : reads->second)
                if (from >> 8 != 0xED && from >> 8 != 0xEE) {
                    rule = from;
                    break;
                }
        if (rule != code)
            written.emplace_back(c, code);
    }

    std::printf("// The CP932 tables of the codec (cp932.cpp): Windows code page 932 as glibc's\n"
                "// \"CP932\" converter reads and writes it. Generated from glibc %s by\n"
                "// tools/cp932_table.cpp; do not edit by hand:\n"
                "//   cmake --build build --target cp932_table && build/cp932_table > src/core/record/cp932_table.inc\n"
                "// %zu byte sequences read as text, %zu characters of the Basic Multilingual Plane\n"
                "// can be written.\n\n",
                gnu_get_libc_version(), [&] {
                    std::size_t n = 0;
                    for (const auto& [c, from] : decodedFrom)
                        n += from.size();
                    return n;
                }(), encodable);

    // Single bytes as ranges of consecutive characters.
    std::printf("// Single bytes that are characters: first byte, last byte, character of the first.\n"
                "constexpr Cp932SingleRange kCp932SingleBytes[] = {\n");
    for (int b = 0; b < 256;) {
        if (single[b] == 0 && b != 0) {
            ++b;
            continue;
        }
        int last = b;
        while (last + 1 < 256 && (single[last + 1] != 0) && single[last + 1] == single[last] + 1)
            ++last;
        std::printf("    {0x%02X, 0x%02X, 0x%04X},\n", b, last, static_cast<unsigned>(single[b]));
        b = last + 1;
    }
    std::printf("};\n\n");

    std::printf("// Two-byte characters: for each lead byte that has any, the character of each\n"
                "// trail byte 40..FC (0 where the pair is not a character).\n"
                "constexpr Cp932Row kCp932Rows[] = {\n");
    for (const auto& [lead, row] : rows) {
        std::printf("    {0x%02X, {\n", lead);
        for (int t = 0; t < 0xFD - 0x40; t += 16) {
            std::printf("        /* %02X%02X */", lead, t + 0x40);
            for (int i = t; i < t + 16 && i < 0xFD - 0x40; ++i)
                std::printf(" 0x%04X,", static_cast<unsigned>(row[i]));
            std::printf("\n");
        }
        std::printf("    }},\n");
    }
    std::printf("};\n\n");

    std::printf("// Characters written other than as the lowest byte sequence outside rows ED\n"
                "// and EE that reads as them (look-alikes written as their CP932 counterpart,\n"
                "// characters held twice of which a higher copy is written): character, bytes.\n"
                "constexpr Cp932Written kCp932Written[] = {\n");
    for (std::size_t i = 0; i < written.size(); ++i)
        std::printf("%s{0x%04X, 0x%04X},", i % 6 == 0 ? (i ? "\n    " : "    ") : " ",
                    static_cast<unsigned>(written[i].first), written[i].second);
    std::printf("\n};\n");
    std::fprintf(stderr, "cp932_table: %zu lead bytes, %zu rows, %zu characters written otherwise\n", leads.size(),
                 rows.size(), written.size());
    return 0;
}
