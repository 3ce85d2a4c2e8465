#pragma once
// For tests that meet a full disk or a name that is not a regular file.

#include <QStringList>

#include <functional>

namespace akuenza::test {

struct ChildLimits {
    long long fileSize = -1;       // bytes any file may grow to; negative: no limit
    unsigned watchdogSeconds = 20; // a child still running then is ended
};

// Runs `work` in a forked copy of the test process; returns what it returned
// (0 to 125), or -1 when the child did not end by itself (the watchdog, a
// crash). With a file-size limit every write beyond it fails with EFBIG
// (SIGXFSZ is ignored), as writes fail when the disk is full.
int runInChild(const std::function<int()>& work, ChildLimits limits = {});

// Whether a message is a file message: the heading, the file's full path,
// then a reason.
bool isFileMessage(const QString& text, const QString& heading, const QString& path);

// Every name in a folder, hidden and special files included.
QStringList namesIn(const QString& folder);
bool makeFifo(const QString& path);
bool isFifo(const QString& path);

} // namespace akuenza::test
