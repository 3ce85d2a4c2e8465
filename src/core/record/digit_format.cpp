#include "core/record/digit_format.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace akuenza {
namespace {

struct Pattern {
    int minDecimals = 0; // "0" after the point
    int maxDecimals = 0; // "0" and "#" after the point
};

Pattern parsePattern(std::string_view pattern)
{
    Pattern p;
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return p;
    for (char c : pattern.substr(point + 1)) {
        if (c == '0') {
            ++p.minDecimals;
            ++p.maxDecimals;
        } else if (c == '#') {
            ++p.maxDecimals;
        }
    }
    return p;
}

} // namespace

std::string formatDigits(double value, std::string_view pattern)
{
    if (!std::isfinite(value))
        return "";
    const Pattern p = parsePattern(pattern);

    // The value's decimal form: 15 significant digits and a decimal exponent,
    // magnitude = d1.d2...d15 x 10^exponent. std::to_chars writes "." and
    // the exponent the same under every locale, unlike the printf family.
    char buf[64];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view form(buf, static_cast<std::size_t>(written.ptr - buf));
    const std::size_t e = form.find('e');
    std::string digits;
    for (char c : form.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
    std::string_view exponentText = form.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1); // from_chars takes a minus sign only
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // Lay the digits out as integer digits followed by exactly maxDecimals
    // decimals plus one more digit that decides the rounding.
    const int intDigits = exponent + 1; // may be <= 0 for magnitudes below 1
    std::string fixed;                  // all digits, no point
    const int leadingZeros = intDigits < 1 ? 1 - intDigits : 0;
    fixed.append(static_cast<std::size_t>(leadingZeros), '0');
    fixed += digits;
    int integerCount = intDigits < 1 ? 1 : intDigits;
    const std::size_t wanted = static_cast<std::size_t>(integerCount + p.maxDecimals + 1);
    if (fixed.size() < wanted)
        fixed.append(wanted - fixed.size(), '0');

    const bool roundUp = fixed[wanted - 1] >= '5';
    fixed.resize(wanted - 1);
    if (roundUp) {
        int i = static_cast<int>(fixed.size()) - 1;
        for (; i >= 0; --i) {
            if (fixed[static_cast<std::size_t>(i)] == '9') {
                fixed[static_cast<std::size_t>(i)] = '0';
            } else {
                ++fixed[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            fixed.insert(fixed.begin(), '1');
            ++integerCount;
        }
    }

    std::string integerPart = fixed.substr(0, static_cast<std::size_t>(integerCount));
    std::string decimals = fixed.substr(static_cast<std::size_t>(integerCount));
    const auto firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    while (static_cast<int>(decimals.size()) > p.minDecimals && decimals.back() == '0')
        decimals.pop_back();

    const bool allZero = integerPart == "0" && decimals.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !allZero)
        out += '-';
    out += integerPart;
    if (!decimals.empty()) {
        out += '.';
        out += decimals;
    }
    return out;
}

} // namespace akuenza
