#pragma once

#include <QString>
#include <QStringList>

namespace akuenza {

// The program's windows are designed for the Japanese Windows fonts. Where
// those are missing, their names are mapped to the IPA fonts so Japanese text
// renders with the same Mincho and Gothic shapes; the designed names stay in
// the code. Also sets the application's window font.
void installFonts();

// The family to ask for in place of a designed font: the designed family
// when it is installed, else the first of its stand-ins that is, else the
// designed family (left to the font matching of the desktop).
QString installedFamily(const QString& designed, const QStringList& standIns);

inline constexpr const char* kWindowFont = "ＭＳ Ｐゴシック";
inline constexpr const char* kFixedGothic = "ＭＳ ゴシック";
inline constexpr const char* kMincho = "ＭＳ 明朝";

} // namespace akuenza
