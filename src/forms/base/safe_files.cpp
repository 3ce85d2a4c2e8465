// The POSIX implementation of the program's file reading and writing.
#include "forms/base/safe_files.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace akuenza {

namespace {

using Step = FileOutcome::Step;

FileOutcome failed(Step step, int error) { return {step, error, false}; }

// A name that leads to something other than a regular file. A directory
// has an error number of its own; a pipe or a device has none.
FileOutcome notRegular(Step step, mode_t mode) { return {step, S_ISDIR(mode) ? EISDIR : 0, true}; }

// Runs a system call again when a signal interrupted it.
template <class Call>
auto retried(Call call)
{
    decltype(call()) result;
    do
        result = call();
    while (result < 0 && errno == EINTR);
    return result;
}

// Closes a descriptor at the end of a scope unless released first.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now; false (errno set) when the system reports a failure.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Writes every byte, however the system splits the write.
bool writeAll(int fd, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = retried([&] { return ::write(fd, data, left); });
        if (n < 0)
            return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens without blocking: a pipe that no one writes to, or a device that
// waits for a carrier, would otherwise hold the program at open().
constexpr int kOpenFlags = O_NONBLOCK | O_CLOEXEC;

} // namespace

FileOutcome readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes)
{
    bytes->clear();
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0)
        return failed(Step::Open, errno);
    if (!S_ISREG(status.st_mode))
        return notRegular(Step::Open, status.st_mode);
    Descriptor file(retried([&] { return ::open(name.constData(), O_RDONLY | kOpenFlags); }));
    if (file.get() < 0)
        return failed(Step::Open, errno);
    // The name may have been given to another file since it was looked at.
    if (::fstat(file.get(), &status) != 0)
        return failed(Step::Open, errno);
    if (!S_ISREG(status.st_mode))
        return notRegular(Step::Open, status.st_mode);

    constexpr qint64 kChunk = 1 << 16;
    while (bytes->size() < maxBytes) {
        const qint64 at = bytes->size();
        const qint64 want = std::min(kChunk, maxBytes - at);
        bytes->resize(at + want);
        const ssize_t n =
            retried([&] { return ::read(file.get(), bytes->data() + at, static_cast<std::size_t>(want)); });
        if (n < 0) {
            const int error = errno;
            bytes->clear();
            return failed(Step::Read, error);
        }
        bytes->resize(at + n);
        if (n == 0)
            break;
    }
    return {};
}

FileOutcome appendToFile(const QString& path, std::string_view bytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return notRegular(Step::Open, status.st_mode);

    // Created here, or there before: a file this append created is removed
    // again when the append fails.
    bool created = true;
    int fd = retried([&] { return ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | kOpenFlags, 0666); });
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = retried([&] { return ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | kOpenFlags, 0666); });
    }
    Descriptor file(fd);
    if (file.get() < 0)
        return failed(Step::Open, errno);
    if (::fstat(file.get(), &status) != 0)
        return failed(Step::Open, errno);
    if (!S_ISREG(status.st_mode))
        return notRegular(Step::Open, status.st_mode);

    const off_t before = status.st_size;
    if (writeAll(file.get(), bytes) && retried([&] { return ::fsync(file.get()); }) == 0 && file.close())
        return {};
    const int error = errno;
    // Taken back: the file is cut to its earlier length. ftruncate writes no
    // data, so it works on a full disk where a flushing resize would not.
    if (file.get() >= 0) {
        retried([&] { return ::ftruncate(file.get(), before); });
        retried([&] { return ::fsync(file.get()); });
    } else {
        retried([&] { return ::truncate(name.constData(), before); });
    }
    if (created)
        ::unlink(name.constData());
    return failed(Step::Write, error);
}

FileReplacement::FileReplacement(const QString& target) : target_(target) {}

FileReplacement::~FileReplacement()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!committed_ && !temporary_.isEmpty())
        ::unlink(temporary_.constData());
}

FileOutcome FileReplacement::begin()
{
    const QByteArray name = QFile::encodeName(target_);
    // Through a symbolic link the file it leads to is replaced, not the link.
    if (char* resolved = ::realpath(name.constData(), nullptr)) {
        final_ = resolved;
        std::free(resolved);
    } else if (errno == ENOENT) {
        final_ = name; // a new file
    } else {
        return failed(Step::Open, errno);
    }

    struct stat status {};
    const bool exists = ::stat(final_.constData(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode))
        return notRegular(Step::Open, status.st_mode);
    // A file made read-only is kept so, as opening it for writing would.
    if (exists && ::access(final_.constData(), W_OK) != 0)
        return failed(Step::Open, errno);

    const qsizetype slash = final_.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray() : final_.left(slash + 1);
    const QByteArray base = final_.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = folder + '.' + base + '.' +
                                     QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = retried(
            [&] { return ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, 0666); });
        if (fd >= 0) {
            descriptor_ = fd;
            temporary_ = candidate;
            break;
        }
        if (errno != EEXIST)
            return failed(Step::Open, errno);
    }
    if (descriptor_ < 0)
        return failed(Step::Open, EEXIST);
    if (exists && ::fchmod(descriptor_, status.st_mode & 07777) != 0)
        return failed(Step::Open, errno);
    return {};
}

QString FileReplacement::temporaryPath() const { return QFile::decodeName(temporary_); }

FileOutcome FileReplacement::write(std::string_view bytes)
{
    if (descriptor_ < 0)
        return failed(Step::Write, EBADF);
    if (!writeAll(descriptor_, bytes))
        return failed(Step::Write, errno);
    return {};
}

FileOutcome FileReplacement::commit()
{
    if (descriptor_ < 0)
        return failed(Step::Write, EBADF);
    // fsync reaches every write to the file, also those of a writer that
    // opened it by name.
    if (retried([&] { return ::fsync(descriptor_); }) != 0)
        return failed(Step::Write, errno);
    const int fd = descriptor_;
    descriptor_ = -1;
    if (::close(fd) != 0)
        return failed(Step::Write, errno);
    if (::rename(temporary_.constData(), final_.constData()) != 0)
        return failed(Step::Write, errno);
    committed_ = true;

    // The new name made lasting. The file is whole under its name already;
    // a folder whose file system cannot sync it does not undo the save.
    const qsizetype slash = final_.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : final_.left(slash + 1);
    const int dir = retried([&] { return ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (dir >= 0) {
        retried([&] { return ::fsync(dir); });
        ::close(dir);
    }
    return {};
}

bool isSameFile(const QString& a, const QString& b)
{
    struct stat first {}, second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

void reportOversizedWritesAsErrors() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace akuenza
