// The digit-pattern formatter on an arbitrary value and pattern: the text it
// gives is a plain decimal number, with as many decimals as the pattern
// allows, that reads back as the value within the pattern's rounding.
#include "core/record/digit_format.h"
#include "core/record/lenient_number.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first eight bytes are the value, the rest the pattern.
    if (size < sizeof(double))
        return 0;
    double value = 0.0;
    std::memcpy(&value, data, sizeof value);
    const std::string_view pattern(reinterpret_cast<const char*>(data) + sizeof value, size - sizeof value);
    // Patterns are short in the program; a few hundred decimals are plenty.
    if (pattern.size() > 400)
        return 0;

    const std::string out = akuenza::formatDigits(value, pattern);
    if (!std::isfinite(value)) {
        FUZZ_REQUIRE(out.empty(), "\"%s\" for a value that is not finite", out.c_str());
        return 0;
    }
    FUZZ_REQUIRE(!out.empty(), "nothing for %.17g", value);

    // The decimals the pattern shows at least ("0") and at most ("0" and "#").
    int minDecimals = 0;
    int maxDecimals = 0;
    if (const auto point = pattern.find('.'); point != std::string_view::npos)
        for (char c : pattern.substr(point + 1)) {
            minDecimals += c == '0';
            maxDecimals += c == '0' || c == '#';
        }

    // [-]digits[.digits], nothing else: no exponent, no grouping, no blank.
    std::size_t i = out.front() == '-' ? 1 : 0;
    const std::size_t integerStart = i;
    while (i < out.size() && out[i] >= '0' && out[i] <= '9')
        ++i;
    FUZZ_REQUIRE(i > integerStart, "no integer digit in \"%s\"", out.c_str());
    FUZZ_REQUIRE(i - integerStart == 1 || out[integerStart] != '0', "leading zero in \"%s\"", out.c_str());
    int decimals = 0;
    if (i < out.size() && out[i] == '.') {
        ++i;
        while (i < out.size() && out[i] >= '0' && out[i] <= '9') {
            ++i;
            ++decimals;
        }
        FUZZ_REQUIRE(decimals > 0, "a point without decimals in \"%s\"", out.c_str());
    }
    FUZZ_REQUIRE(i == out.size(), "\"%s\" is not a plain decimal number", out.c_str());
    FUZZ_REQUIRE(decimals >= minDecimals && decimals <= maxDecimals, "%d decimals in \"%s\" for pattern \"%.*s\"",
                 decimals, out.c_str(), static_cast<int>(pattern.size()), pattern.data());

    // Reads back within half a unit of the last decimal shown, plus the
    // rounding to fifteen significant digits the formatter starts from.
    const double back = akuenza::lenientNumber(out);
    FUZZ_REQUIRE(out.front() != '-' || back != 0.0, "\"%s\": a minus sign on zero", out.c_str());
    FUZZ_REQUIRE(value >= 0.0 || back <= 0.0, "\"%s\" for %.17g: the sign is lost", out.c_str(), value);
    if (std::isinf(back)) {
        // The fifteen-digit form of the very largest doubles lies just beyond
        // the range of doubles, so reading it back overflows.
        FUZZ_REQUIRE(std::fabs(value) > 1.7976931348623e308, "\"%s\" reads as infinity", out.c_str());
        return 0;
    }
    const double unit = std::pow(10.0, -maxDecimals);
    const double tolerance = 0.5 * unit * (1 + 1e-9) + std::fabs(value) * 1e-14 + 1e-300;
    FUZZ_REQUIRE(std::fabs(back - value) <= tolerance, "\"%s\" for %.17g with \"%.*s\"", out.c_str(), value,
                 static_cast<int>(pattern.size()), pattern.data());
    return 0;
}
