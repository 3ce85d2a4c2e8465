#pragma once
#include <string_view>

namespace akuenza {

// Reads the leading decimal number of an entry the way the engineer's
// number boxes have always been read: blanks, tabs and line feeds anywhere
// are skipped, "." is the decimal point, an optional sign leads and an
// optional exponent ("1.5E2", also with D) follows; reading stops at the
// first character that cannot continue the number. Empty or non-numeric
// text gives 0, and so does "-0".
//
// A number too large for a double ("1e400", four hundred nines) gives
// infinity with its sign, so that the calculation run meets a value it can
// refuse instead of silently computing with 0; a number too small for a
// double ("1e-400") gives 0, never a negative zero.
//
// The process locale is never consulted: "." is the decimal point even when
// the engineer's desktop uses a decimal comma.
double lenientNumber(std::string_view text);

} // namespace akuenza
