#include "forms/shell/file_errors.h"

#include <QDir>
#include <QFileInfo>

namespace akuenza {

QString fileFailureReason(const FileOutcome& outcome)
{
    if (outcome.systemError != 0)
        return qt_error_string(outcome.systemError);
    if (outcome.notRegularFile)
        return QStringLiteral("Not a regular file");
    return QString();
}

QString fileFailureMessage(const QString& heading, const QString& path, const FileOutcome& outcome)
{
    return QStringLiteral("%1\n%2\n%3")
        .arg(heading, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), fileFailureReason(outcome));
}

} // namespace akuenza
