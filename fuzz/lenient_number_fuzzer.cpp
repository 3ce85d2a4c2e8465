// The lenient number conversion on arbitrary text: it never fails, and what
// it gives is always a number the program can hold.
#include "core/record/lenient_number.h"
#include "fuzz_check.h"

#include <cmath>
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

    // A leading minus sign negates the number that follows it.
    if (!packed.empty() && (isDigit(packed.front()) || packed.front() == '.')) {
        const double negated = akuenza::lenientNumber("-" + packed);
        FUZZ_REQUIRE(negated == -value || (value == 0.0 && negated == 0.0), "%.17g but -%.17g", value, negated);
        FUZZ_REQUIRE(akuenza::lenientNumber("+" + packed) == value, "a plus sign changes %.17g", value);
    }
    return 0;
}
