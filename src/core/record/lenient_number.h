#pragma once
#include <string_view>

namespace akuenza {

// Reads the leading decimal number of an entry the way the engineer's
// number boxes have always been read: blanks, tabs and line feeds anywhere
// are skipped, "." is the decimal point, an optional sign leads and an
// optional exponent ("1.5E2", also with D) follows; reading stops at the
// first character that cannot continue the number. Empty or non-numeric
// text gives 0. A number too large for a double also gives 0, so that an
// entry can never bring an infinite value into a calculation.
double lenientNumber(std::string_view text);

} // namespace akuenza
