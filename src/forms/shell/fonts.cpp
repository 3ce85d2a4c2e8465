#include "forms/shell/fonts.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

namespace akuenza {

void installFonts()
{
    QFont::insertSubstitutions(QString::fromUtf8(kMincho), {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
    QFont::insertSubstitutions(QString::fromUtf8(kFixedGothic),
                               {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(QString::fromUtf8(kWindowFont),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")});
    QFont font(QString::fromUtf8(kWindowFont), 9);
    QApplication::setFont(font);
}

} // namespace akuenza
