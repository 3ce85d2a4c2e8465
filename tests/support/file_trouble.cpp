#include "support/file_trouble.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace akuenza::test {

#ifdef _WIN32
// Windows has neither fork nor a file-size limit, nor named pipes in the
// file system: the tests that need them are left out there by name
// (scripts/build-windows.sh), and fail here if they are run.
int runInChild(const std::function<int()>&, ChildLimits) { return -1; }
bool makeFifo(const QString&) { return false; }
bool isFifo(const QString&) { return false; }
#else

int runInChild(const std::function<int()>& work, ChildLimits limits)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(limits.fileSize), static_cast<rlim_t>(limits.fileSize)};
        if (limits.fileSize >= 0 && ::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(126);
        ::alarm(limits.watchdogSeconds);
        const int code = work();
        std::fflush(nullptr);
        ::_exit(code);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

#endif

bool isFileMessage(const QString& text, const QString& heading, const QString& path)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return lines.size() == 3 && lines[0] == heading && lines[1] == QDir::toNativeSeparators(path) &&
           !lines[2].isEmpty();
}

QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

#ifndef _WIN32
bool makeFifo(const QString& path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }

bool isFifo(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}
#endif

} // namespace akuenza::test
