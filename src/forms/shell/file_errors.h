#pragma once
// The reason a file could not be opened, read or written, in the one form
// every file message gives it: the message's heading, the file's full path,
// then the reason.

#include "forms/shell/safe_files.h"

#include <QString>

namespace akuenza {

// The reason alone: the system's words for its error number, or that the
// name leads to something other than a regular file.
QString fileFailureReason(const FileOutcome& outcome);

// "<heading>\n<the file's full path>\n<reason>".
QString fileFailureMessage(const QString& heading, const QString& path, const FileOutcome& outcome);

} // namespace akuenza
