#pragma once

#include <QString>
#include <QStringList>

namespace akuenza {

// The program's windows are designed for the Japanese Windows fonts. Where
// those are missing, their names are mapped to the IPA fonts so Japanese text
// renders with the same Mincho and Gothic shapes; the designed names stay in
// the code. On a Windows without them, the IPA fonts shipped beside the
// program are loaded first. Also sets the application's window font.
void installFonts();

// Qt's offscreen platform, on which the program runs without a window and
// the window tests run, reads its fonts on Windows from one folder instead of
// the system's font list. Unless QT_QPA_FONTDIR already names that folder,
// names Windows' Fonts folder when it holds the designed fonts, else the
// "fonts" folder beside the program when there is one (the IPA fonts shipped
// with it), else Windows' Fonts folder. To be called before the QApplication
// is made. Does nothing elsewhere: on Linux the offscreen platform asks
// fontconfig.
void chooseOffscreenFontFolder();

// The family to ask for in place of a designed font: the designed family
// when it is installed, else the first of its stand-ins that is, else the
// designed family (left to the font matching of the desktop).
QString installedFamily(const QString& designed, const QStringList& standIns);

inline constexpr const char* kWindowFont = "ＭＳ Ｐゴシック";
inline constexpr const char* kFixedGothic = "ＭＳ ゴシック";
inline constexpr const char* kMincho = "ＭＳ 明朝";

} // namespace akuenza
