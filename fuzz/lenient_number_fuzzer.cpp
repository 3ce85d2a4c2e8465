// The lenient number conversion on arbitrary text: it never fails, and what
// it gives is always a number the program can hold.
#include "core/record/lenient_number.h"
#include "fuzz_check.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = akuenza::lenientNumber(text);

    FUZZ_REQUIRE(!std::isnan(value), "text \"%.*s\"", static_cast<int>(size), text.data());
    FUZZ_REQUIRE(!(value == 0.0 && std::signbit(value)), "negative zero from \"%.*s\"", static_cast<int>(size),
                 text.data());

    bool anyDigit = false;
    for (char c : text)
        anyDigit = anyDigit || isDigit(c);
    if (!anyDigit)
        FUZZ_REQUIRE(value == 0.0, "%g from text without a digit", value);

    // Blanks, tabs and line feeds are skipped wherever they stand.
    std::string packed;
    for (char c : text)
        if (!isSkipped(c))
            packed += c;
    const double fromPacked = akuenza::lenientNumber(packed);
    FUZZ_REQUIRE(fromPacked == value, "%.17g with blanks, %.17g without", value, fromPacked);

    // The shortest text of any double reads back as that double exactly.
    if (size >= sizeof(double)) {
        double original = 0.0;
        std::memcpy(&original, data, sizeof original);
        if (std::isfinite(original)) {
            char shortest[64];
            const auto end = std::to_chars(shortest, shortest + sizeof shortest, original).ptr;
            const double back = akuenza::lenientNumber(std::string_view(shortest, static_cast<std::size_t>(end - shortest)));
            FUZZ_REQUIRE(back == original, "%.17g reads back as %.17g", original, back);
        }
    }

    // A leading minus sign negates the number that follows it.
    if (!packed.empty() && (isDigit(packed.front()) || packed.front() == '.')) {
        const double negated = akuenza::lenientNumber("-" + packed);
        FUZZ_REQUIRE(negated == -value || (value == 0.0 && negated == 0.0), "%.17g but -%.17g", value, negated);
        FUZZ_REQUIRE(akuenza::lenientNumber("+" + packed) == value, "a plus sign changes %.17g", value);
    }
    return 0;
}
