#include "core/record/lenient_number.h"

#include <cmath>
#include <cstdlib>
#include <string>

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

    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value))
        return 0.0;
    return value == 0.0 ? 0.0 : value; // no negative zero from "-0"
}

} // namespace akuenza
