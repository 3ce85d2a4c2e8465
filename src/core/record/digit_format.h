#pragma once
#include <string>
#include <string_view>

namespace akuenza {

// Formats a value with a digit pattern such as "0", "0.000" or "0.0#":
// "0" is a digit always shown, "#" a digit shown unless it is a trailing
// zero. The value is rounded half away from zero at the last pattern digit,
// on its decimal form at 15 significant digits, so that an engineer's 1.005
// shows as "1.01" with "0.00" although the binary double lies just below.
// No digit grouping; a negative value gets a leading "-", but a value that
// rounds to zero never shows a minus sign. The point is always ".", whatever
// the process locale says.
//
// A value that is not finite has no decimal form: the result is "" so that
// "inf" or "nan" can never reach a screen or a calculation sheet.
std::string formatDigits(double value, std::string_view pattern);

} // namespace akuenza
