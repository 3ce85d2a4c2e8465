#pragma once
// Text in the Japanese ANSI code page (Windows code page 932), the encoding
// of the project files and the calculation-sheet text file, converted to and
// from the UTF-8 the program works in.
//
// The Windows mapping is used, not plain Shift_JIS, because that is how the
// engineers' files are written: "―" (U+2015) is 81 5C, "－" (U+FF0D) is
// 81 7C and "～" (U+FF5E) is 81 60; half-width katakana are single bytes
// A1..DF; the NEC and IBM extensions ("①", "㎡", "∑", "ⅰ", "髙") are held.
// A few look-alikes that Windows files do not contain are stored as their
// CP932 counterpart and so read back as it: "〜" (U+301C) as "～",
// "—" (U+2014) as "―", "−" (U+2212) as "－", "∥" as "‖", "¬" as "￢",
// "¥" (U+00A5) as the byte 5C, which reads back as "\".
//
// Nothing is ever replaced by "?" or dropped: a text that cannot be
// converted gives no result at all, and the caller is told where it failed.
// No conversion consults the process locale. Each call is independent and
// may run on any thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace akuenza {

// The offset reported when the system has no CP932 converter at all, so no
// character is to blame.
inline constexpr std::size_t kCp932Unavailable = std::string_view::npos;

// UTF-8 text as CP932 bytes. Fails on a character CP932 cannot hold ("𠮷",
// emoji) and on bytes that are not UTF-8; *badOffset, when given, is then
// the byte offset in `utf8` where that character or sequence begins.
std::optional<std::string> toCp932(std::string_view utf8, std::size_t* badOffset = nullptr);

// CP932 bytes as UTF-8 text. Fails on bytes that are not CP932 text (a lead
// byte without its trail byte, 81 20, a lone 80 or A0); *badOffset, when
// given, is then the byte offset in `bytes` where the bad sequence begins.
std::optional<std::string> fromCp932(std::string_view bytes, std::size_t* badOffset = nullptr);

// Whether every character of the UTF-8 text can be written in CP932.
bool isCp932Encodable(std::string_view utf8);

} // namespace akuenza
