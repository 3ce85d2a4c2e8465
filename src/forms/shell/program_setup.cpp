#include "forms/shell/program_setup.h"

#include "forms/shell/fonts.h"
#include "forms/shell/safe_files.h"

#include <QApplication>

namespace akuenza {

void setUpProgram()
{
    QApplication::setApplicationName(QStringLiteral("akuenza"));
    // The installed desktop entry's name, so that a Wayland desktop shows the
    // program's windows under its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("jp.akuenza.Akuenza"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFonts();
    reportOversizedWritesAsErrors();
}

} // namespace akuenza
