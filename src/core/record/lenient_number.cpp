#include "core/record/lenient_number.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace akuenza {
namespace {

bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, yielding the characters that are not skipped blanks.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    char peek()
    {
        while (pos_ < text_.size() && isSkipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t to) { pos_ = to; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The value of a number that a double cannot hold: infinity with its sign
// when its magnitude is too large, 0 when it is too small. The number is
// "[-]digits[.digits][e[+|-]digits]" with at least one mantissa digit, and
// only its decimal order of magnitude decides: a number too large for a
// double is at least 1e308, one too small at most 1e-300.
double beyondRange(std::string_view number)
{
    const bool negative = !number.empty() && number.front() == '-';
    const std::size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);

    // Order of magnitude of the mantissa: where its first non-zero digit
    // stands relative to the decimal point.
    long long integerDigits = 0;   // from the first non-zero digit to the point
    long long zerosAfterPoint = 0; // before the first non-zero decimal
    bool afterPoint = false;
    bool nonZeroSeen = false;
    for (char c : mantissa) {
        if (c == '.') {
            afterPoint = true;
        } else if (isDigit(c) && !(nonZeroSeen && afterPoint)) {
            nonZeroSeen = nonZeroSeen || c != '0';
            if (!afterPoint && nonZeroSeen)
                ++integerDigits;
            else if (afterPoint && !nonZeroSeen)
                ++zerosAfterPoint;
        }
    }
    const long long order = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);

    // The exponent, saturated far beyond any double's range.
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        bool negativeExponent = false;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            negativeExponent = digits.front() == '-';
            digits.remove_prefix(1);
        }
        constexpr long long cap = 1'000'000'000;
        for (char c : digits) {
            exponent = exponent * 10 + (c - '0');
            if (exponent > cap) {
                exponent = cap;
                break;
            }
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    if (order + exponent < 0)
        return 0.0; // too small: no negative zero either
    const double infinity = std::numeric_limits<double>::infinity();
    return negative ? -infinity : infinity;
}

} // namespace

double lenientNumber(std::string_view text)
{
    Reader in(text);
    std::string number;

    if (in.peek() == '+' || in.peek() == '-') {
        if (in.peek() == '-')
            number += '-';
        in.take();
    }
    bool anyDigit = false;
    while (isDigit(in.peek())) {
        number += in.peek();
        in.take();
        anyDigit = true;
    }
    if (in.peek() == '.') {
        number += '.';
        in.take();
        while (isDigit(in.peek())) {
            number += in.peek();
            in.take();
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return 0.0;

    // The exponent counts only when at least one digit follows its letter.
    const char e = in.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        const std::size_t mark = in.position();
        in.take();
        std::string exponent = "e";
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.take();
        }
        bool expDigit = false;
        while (isDigit(in.peek())) {
            exponent += in.peek();
            in.take();
            expDigit = true;
        }
        if (expDigit)
            number += exponent;
        else
            in.rewind(mark);
    }

    // std::from_chars reads "." as the decimal point whatever the process
    // locale says; the C library's conversions would stop at "." under a
    // locale with a decimal comma and read "0.81" as 0.
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        return beyondRange(number);
    if (error != std::errc() || end != number.data() + number.size())
        return 0.0; // cannot happen: the text was assembled from a valid number
    return value == 0.0 ? 0.0 : value; // no negative zero from "-0"
}

} // namespace akuenza
