#include "support/decimal_comma_locale.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace akuenza::test {

DecimalCommaLocale::DecimalCommaLocale()
{
    if (const char* current = std::setlocale(LC_ALL, nullptr))
        previousLocale_ = current;
#ifdef _WIN32
    // Windows has its German locale built in, under its own kind of name.
    if (!std::setlocale(LC_ALL, "German_Germany.1252")) {
        failure_ = "the locale German_Germany.1252 could not be set";
        return;
    }
#else
    if (const char* locpath = std::getenv("LOCPATH")) {
        hadLocpath_ = true;
        previousLocpath_ = locpath;
    }
    ::setenv("LOCPATH", AKUENZA_TEST_LOCALE_DIR, 1);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        failure_ = "the locale de_DE.UTF-8 could not be set from " AKUENZA_TEST_LOCALE_DIR
                   " (is the package \"locales\" installed? see the build's localedef warning)";
        return;
    }
#endif
    // Proof that the C library now follows the decimal comma: a locale that
    // is set but reads "." as before would let every test here pass vacuously.
    char written[16];
    std::snprintf(written, sizeof written, "%.2f", 0.81);
    if (std::strcmp(std::localeconv()->decimal_point, ",") != 0 || std::strcmp(written, "0,81") != 0 ||
        std::strtod("0.81", nullptr) != 0.0)
        failure_ = "de_DE.UTF-8 is set but the C library does not use a decimal comma";
}

DecimalCommaLocale::~DecimalCommaLocale()
{
#ifndef _WIN32
    // LOCPATH first: the earlier locale may come from the system's folders.
    if (hadLocpath_)
        ::setenv("LOCPATH", previousLocpath_.c_str(), 1);
    else
        ::unsetenv("LOCPATH");
#endif
    std::setlocale(LC_ALL, previousLocale_.empty() ? "C" : previousLocale_.c_str());
}

} // namespace akuenza::test
