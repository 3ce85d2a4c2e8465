#include "app/headless_platform.h"

#include <cstdio>

namespace akuenza {

Answer HeadlessPlatform::messageBox(const MessageRequest& request)
{
    // One line per box: its lines joined, so a log keeps each message whole.
    QString line = request.text;
    line.replace(QLatin1Char('\n'), QStringLiteral(" "));
    if (echo_) {
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        std::fflush(stderr);
    }
    return request.defaultButton;
}

} // namespace akuenza
