#include "forms/base/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#ifdef Q_OS_WIN
#include <QDir>
#include <QFileInfo>

#include <windows.h>
#endif

namespace akuenza {

namespace {

const QStringList& windowFontStandIns()
{
    static const QStringList standIns{QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")};
    return standIns;
}

} // namespace

QString installedFamily(const QString& designed, const QStringList& standIns)
{
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(designed, Qt::CaseInsensitive))
        return designed;
    for (const QString& standIn : standIns)
        if (installed.contains(standIn, Qt::CaseInsensitive))
            return standIn;
    return designed;
}

void chooseOffscreenFontFolder()
{
#ifdef Q_OS_WIN
    if (!qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
        return;
    // No QCoreApplication yet: the program's own path from the system.
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    QString folder = QFileInfo(QString::fromStdWString(path)).absolutePath() + QStringLiteral("/fonts");
    if (length == 0 || !QFileInfo(folder).isDir())
        folder = QDir::fromNativeSeparators(qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows"))) +
                 QStringLiteral("/Fonts");
    // Qt reads the variable back through the ANSI code page.
    qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(folder).toLocal8Bit());
#endif
}

void installFonts()
{
    QFont::insertSubstitutions(QString::fromUtf8(kMincho), {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QString::fromUtf8(kFixedGothic),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(QString::fromUtf8(kWindowFont), windowFontStandIns());
    // Every window is drawn in this font, starting with the main window's
    // first paint, so it is named as installed. A family the font database
    // does not hold is looked for again, through the sorted list of every
    // font, for each new size or style of it; that search was a good part of
    // the start-up time.
    QApplication::setFont(QFont(installedFamily(QString::fromUtf8(kWindowFont), windowFontStandIns()), 9));
}

} // namespace akuenza
