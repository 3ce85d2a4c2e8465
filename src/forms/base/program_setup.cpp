#include "forms/base/program_setup.h"

#include "forms/base/fonts.h"
#include "forms/base/safe_files.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

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
    installJapaneseTranslations();
}

bool installJapaneseTranslations()
{
    // Qt's own texts (the file and print dialogs, the standard buttons) in
    // Japanese whatever the desktop's language, as everything else the
    // program shows. Beside the program first (where a Windows or portable
    // installation keeps them), then the system's Qt translations.
    static QTranslator* qtbase = nullptr;
    if (qtbase)
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QStringList folders = {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations")),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    for (const QString& folder : folders)
        if (translator->load(QStringLiteral("qtbase_ja"), folder) && QCoreApplication::installTranslator(translator)) {
            qtbase = translator;
            return true;
        }
    delete translator;
    return false;
}

} // namespace akuenza
