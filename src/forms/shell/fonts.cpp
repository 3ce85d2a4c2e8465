#include "forms/shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

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
