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

// On Windows the designed fonts may be listed under their English names;
// those come first among the stand-ins there.
#ifdef Q_OS_WIN
#define AKUENZA_ENGLISH_NAME(name) QStringLiteral(name),
#else
#define AKUENZA_ENGLISH_NAME(name)
#endif

const QStringList& windowFontStandIns()
{
    static const QStringList standIns{AKUENZA_ENGLISH_NAME("MS PGothic") QStringLiteral("IPAPGothic"),
                                      QStringLiteral("IPAGothic")};
    return standIns;
}

#ifdef Q_OS_WIN
// The folder of the running program, from the system (no QCoreApplication
// is needed).
QString programFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return length == 0 ? QString() : QFileInfo(QString::fromStdWString(path)).absolutePath();
}

// The fonts shipped beside the program: the IPA fonts, stand-ins for a
// Windows without the Japanese fonts.
QString shippedFontFolder() { return programFolder() + QStringLiteral("/fonts"); }

QString windowsFontFolder()
{
    return QDir::fromNativeSeparators(qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows"))) +
           QStringLiteral("/Fonts");
}

// Whether Windows holds the designed fonts: ＭＳ 明朝 and ＭＳ ゴシック with
// their proportional faces, in the files Windows installs them as.
bool windowsHasDesignedFonts()
{
    const QDir fonts(windowsFontFolder());
    return QFileInfo(fonts.filePath(QStringLiteral("msmincho.ttc"))).isFile() &&
           QFileInfo(fonts.filePath(QStringLiteral("msgothic.ttc"))).isFile();
}
#endif

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
    // Windows' own fonts when they hold the designed ones, else the IPA
    // fonts shipped beside the program, else Windows' fonts as they are.
    QString folder = windowsFontFolder();
    if (!windowsHasDesignedFonts() && QFileInfo(shippedFontFolder()).isDir())
        folder = shippedFontFolder();
    // Qt reads the variable back through the ANSI code page.
    qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(folder).toLocal8Bit());
#endif
}

void installFonts()
{
#ifdef Q_OS_WIN
    // A Windows without the Japanese fonts: the shipped IPA fonts stand in,
    // unless the font database reads their folder already (the offscreen
    // platform of the command line).
    const QStringList installed = QFontDatabase::families();
    const bool designedInstalled = installed.contains(QString::fromUtf8(kMincho)) ||
                                   installed.contains(QStringLiteral("MS Mincho"));
    if (!designedInstalled && !installed.contains(QStringLiteral("IPAMincho"))) {
        const QDir shipped(shippedFontFolder());
        for (const QString& file : shipped.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name))
            QFontDatabase::addApplicationFont(shipped.filePath(file));
    }
#endif
    QFont::insertSubstitutions(QString::fromUtf8(kMincho),
                               {AKUENZA_ENGLISH_NAME("MS Mincho") QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QString::fromUtf8(kFixedGothic),
                               {AKUENZA_ENGLISH_NAME("MS Gothic") QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(QString::fromUtf8(kWindowFont), windowFontStandIns());
    // Every window is drawn in this font, starting with the main window's
    // first paint, so it is named as installed. A family the font database
    // does not hold is looked for again, through the sorted list of every
    // font, for each new size or style of it; that search was a good part of
    // the start-up time.
    QApplication::setFont(QFont(installedFamily(QString::fromUtf8(kWindowFont), windowFontStandIns()), 9));
}

} // namespace akuenza
