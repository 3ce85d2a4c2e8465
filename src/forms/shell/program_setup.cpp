#include "forms/shell/program_setup.h"

#include "forms/shell/fonts.h"

#include <QApplication>

namespace akuenza {

void setUpProgram()
{
    QApplication::setApplicationName(QStringLiteral("akuenza"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFonts();
}

} // namespace akuenza
