// The Windows implementation of the program's file reading and writing.
// Every name reaches the system as UTF-16 (the wide functions), so a case
// kept under any Japanese folder or file name is found and written.
#include "forms/base/safe_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <string>

#include <windows.h>

namespace akuenza {

namespace {

using Step = FileOutcome::Step;

// The error numbers the file messages know, from Windows' error codes.
int errorNumber(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD: return EACCES;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE: return EFBIG;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: return EBUSY;
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: return ENAMETOOLONG;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME: return EINVAL;
    case ERROR_NOT_SAME_DEVICE: return EXDEV;
    default: return EIO;
    }
}

FileOutcome failed(Step step, DWORD error) { return {step, errorNumber(error), false}; }
FileOutcome lastFailure(Step step) { return failed(step, GetLastError()); }
FileOutcome isFolder(Step step) { return {step, EISDIR, true}; }
FileOutcome notRegular(Step step) { return {step, 0, true}; }

// The name as Windows' wide functions take it: absolute, with backslashes,
// and beyond the classic length limit in its long form ("\\?\C:\…").
std::wstring systemName(const QString& path)
{
    QString name = QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    if (name.size() >= MAX_PATH - 12 && !name.startsWith(u"\\\\?\\")) {
        if (name.startsWith(u"\\\\"))
            name = QStringLiteral("\\\\?\\UNC\\") + name.mid(2);
        else
            name = QStringLiteral("\\\\?\\") + name;
    }
    return name.toStdWString();
}

// Whether a folder or file name in the path is longer than any file system
// of Windows holds (255 characters); Windows itself reports such a name as
// merely invalid or not found.
bool hasTooLongName(const QString& path)
{
    const QStringList names = QDir::fromNativeSeparators(path).split(u'/');
    return std::any_of(names.begin(), names.end(), [](const QString& name) { return name.size() > 255; });
}

FileOutcome nameTooLong(Step step) { return {step, ENAMETOOLONG, false}; }

// The attributes of a name, or INVALID_FILE_ATTRIBUTES (GetLastError set).
DWORD attributesOf(const std::wstring& name) { return GetFileAttributesW(name.c_str()); }

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Closes a handle at the end of a scope unless closed first.
class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle()
    {
        if (valid())
            CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    // Closes now; false (GetLastError set) when the system reports a failure.
    bool close()
    {
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};

// Writes every byte, however the system splits the write.
bool writeAll(HANDLE file, std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(left, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, data, chunk, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

// A handle of a disk file: a console, a printer port, a pipe or the NUL
// device opens as well, but is not a file a case can be kept in.
bool isDiskFile(HANDLE file) { return GetFileType(file) == FILE_TYPE_DISK; }

} // namespace

FileOutcome readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes)
{
    bytes->clear();
    if (hasTooLongName(path))
        return nameTooLong(Step::Open);
    const std::wstring name = systemName(path);
    const DWORD attributes = attributesOf(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return isFolder(Step::Open);
    Handle file(CreateFileW(name.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    if (!file.valid())
        return lastFailure(Step::Open);
    if (!isDiskFile(file.get()))
        return notRegular(Step::Open);

    constexpr qint64 kChunk = 1 << 16;
    while (bytes->size() < maxBytes) {
        const qint64 at = bytes->size();
        const qint64 want = std::min(kChunk, maxBytes - at);
        bytes->resize(at + want);
        DWORD n = 0;
        if (!ReadFile(file.get(), bytes->data() + at, static_cast<DWORD>(want), &n, nullptr)) {
            const DWORD error = GetLastError();
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
    if (hasTooLongName(path))
        return nameTooLong(Step::Open);
    const std::wstring name = systemName(path);
    const DWORD attributes = attributesOf(name);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return isFolder(Step::Open);
    // A file marked read-only is kept so, also for an administrator.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return failed(Step::Open, ERROR_ACCESS_DENIED);

    // Created here, or there before: a file this append created is removed
    // again when the append fails. Others may read the sheet meanwhile.
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_DELETE;
    bool created = true;
    HANDLE h = CreateFileW(name.c_str(), GENERIC_WRITE, kShare, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE && (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)) {
        created = false;
        h = CreateFileW(name.c_str(), GENERIC_WRITE, kShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    Handle file(h);
    if (!file.valid())
        return lastFailure(Step::Open);
    if (!isDiskFile(file.get()))
        return notRegular(Step::Open);

    LARGE_INTEGER before{};
    if (!GetFileSizeEx(file.get(), &before))
        return lastFailure(Step::Open);
    const LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file.get(), zero, nullptr, FILE_END))
        return lastFailure(Step::Open);

    if (writeAll(file.get(), bytes) && FlushFileBuffers(file.get()) && file.close())
        return {};
    const DWORD error = GetLastError();
    // Taken back: the file is cut to its earlier length, which writes no
    // data and so works on a full disk.
    if (file.valid()) {
        if (SetFilePointerEx(file.get(), before, nullptr, FILE_BEGIN))
            SetEndOfFile(file.get());
        FlushFileBuffers(file.get());
        file.close();
    } else {
        Handle again(CreateFileW(name.c_str(), GENERIC_WRITE, kShare, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                 nullptr));
        if (again.valid() && SetFilePointerEx(again.get(), before, nullptr, FILE_BEGIN))
            SetEndOfFile(again.get());
    }
    if (created)
        DeleteFileW(name.c_str());
    return failed(Step::Write, error);
}

// On Windows descriptor_ holds the temporary file's HANDLE (-1 when none),
// and the names are kept in UTF-8.
namespace {

HANDLE handleOf(qintptr descriptor)
{
    return descriptor < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(descriptor);
}

std::wstring wideName(const QByteArray& utf8) { return systemName(QString::fromUtf8(utf8)); }

} // namespace

FileReplacement::FileReplacement(const QString& target) : target_(target) {}

FileReplacement::~FileReplacement()
{
    if (descriptor_ >= 0)
        CloseHandle(handleOf(descriptor_));
    if (!committed_ && !temporary_.isEmpty())
        DeleteFileW(wideName(temporary_).c_str());
}

FileOutcome FileReplacement::begin()
{
    if (hasTooLongName(target_))
        return nameTooLong(Step::Open);
    // Through a symbolic link the file it leads to is replaced, not the link.
    const QFileInfo info(target_);
    const QString canonical = info.exists() ? info.canonicalFilePath() : QString();
    const QString finalPath = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    final_ = finalPath.toUtf8();

    const std::wstring name = systemName(finalPath);
    const DWORD attributes = attributesOf(name);
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return isFolder(Step::Open);
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return failed(Step::Open, ERROR_ACCESS_DENIED); // kept read-only, as opening it for writing would
    {
        // Opened for writing and nothing written: whether it may be written
        // (permissions, another program holding it) and whether it is a file
        // at all (a device such as NUL or COM1 has no attributes to read).
        Handle probe(CreateFileW(name.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (probe.valid() && !isDiskFile(probe.get()))
            return notRegular(Step::Open);
        if (!probe.valid() && exists)
            return lastFailure(Step::Open);
    }

    const QString folder = QFileInfo(finalPath).absolutePath();
    const QString base = QFileInfo(finalPath).fileName();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = QDir(folder).filePath(
            u'.' + base + u'.' + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp"));
        // Shared with a writer that opens the temporary file by name.
        const HANDLE h = CreateFileW(systemName(candidate).c_str(), GENERIC_WRITE, kShareAll, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            descriptor_ = reinterpret_cast<qintptr>(h);
            temporary_ = candidate.toUtf8();
            break;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return failed(Step::Open, error);
    }
    if (descriptor_ < 0)
        return failed(Step::Open, ERROR_FILE_EXISTS);
    // The attributes the engineer gave the file (hidden, not indexed) stay.
    if (exists) {
        const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                         FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
        if (kept != 0)
            SetFileAttributesW(wideName(temporary_).c_str(), kept);
    }
    return {};
}

QString FileReplacement::temporaryPath() const { return QString::fromUtf8(temporary_); }

FileOutcome FileReplacement::write(std::string_view bytes)
{
    if (descriptor_ < 0)
        return {Step::Write, EBADF, false};
    if (!writeAll(handleOf(descriptor_), bytes))
        return lastFailure(Step::Write);
    return {};
}

FileOutcome FileReplacement::commit()
{
    if (descriptor_ < 0)
        return {Step::Write, EBADF, false};
    const HANDLE h = handleOf(descriptor_);
    // The flush reaches every write to the file, also those of a writer
    // that opened it by name.
    if (!FlushFileBuffers(h))
        return lastFailure(Step::Write);
    descriptor_ = -1;
    if (!CloseHandle(h))
        return lastFailure(Step::Write);
    if (!MoveFileExW(wideName(temporary_).c_str(), wideName(final_).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return lastFailure(Step::Write);
    committed_ = true;
    return {};
}

bool isSameFile(const QString& a, const QString& b)
{
    const auto identity = [](const QString& path, BY_HANDLE_FILE_INFORMATION* info) {
        Handle file(CreateFileW(systemName(path).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        return file.valid() && GetFileInformationByHandle(file.get(), info);
    };
    BY_HANDLE_FILE_INFORMATION first{}, second{};
    return identity(a, &first) && identity(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh && first.nFileIndexLow == second.nFileIndexLow;
}

// Windows has no file-size limit signal: a write that does not fit fails
// with an error code, which the callers handle.
void reportOversizedWritesAsErrors() {}

} // namespace akuenza
