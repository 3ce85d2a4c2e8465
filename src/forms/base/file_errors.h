#pragma once
// The reason a file could not be opened, read or written, in the one form
// every file message gives it: the message's heading, the file's full path,
// then the reason.

#include "forms/base/safe_files.h"

#include <QString>

namespace akuenza {

// The reason alone, in Japanese: what the system's error number means to
// the engineer (not found, no permission, read-only, disk full, a folder, in
// use, too long a name, ...), or that the name leads to something other
// than a regular file.
QString fileFailureReason(const FileOutcome& outcome);
// The same for a bare error number.
QString systemErrorReason(int error);

// "<heading>\n<the file's full path>\n<reason>".
QString fileFailureMessage(const QString& heading, const QString& path, const FileOutcome& outcome);

} // namespace akuenza
