#pragma once
// The program's own file reading and writing, made so that nothing that
// happens to the disk costs the engineer a file:
//
// - only regular files are opened: a pipe or a device is refused at once,
//   before it is opened, instead of blocking the program or being replaced;
// - every write is checked to its last byte and synced before it counts;
// - a file is replaced only by renaming a finished copy, written beside it,
//   over it: the name holds the old file or the new one, whole;
// - an append that cannot be finished is taken back: the earlier content
//   stays byte for byte.
//
// The interface is the same on every system; safe_files.cpp holds all the
// system calls of POSIX, safe_files_win.cpp those of Windows (wide-character
// names, FlushFileBuffers, MoveFileExW, SetEndOfFile).

#include <QByteArray>
#include <QString>

#include <string_view>

namespace akuenza {

// What a file operation met. A failure names its step and the system's
// error number, or says that the name leads to something other than a
// regular file.
struct FileOutcome {
    enum class Step { None, Open, Read, Write };
    Step failedStep = Step::None;
    int systemError = 0;         // the error number of the call that failed
    bool notRegularFile = false; // a directory (systemError EISDIR), a pipe, a device

    bool ok() const { return failedStep == Step::None; }
};

// Reads a regular file from its start, at most `maxBytes` bytes.
FileOutcome readRegularFile(const QString& path, qint64 maxBytes, QByteArray* bytes);

// Appends all the bytes at the end of a regular file (created when missing)
// and syncs them; on any failure the file is cut back to its earlier length,
// and a file this call created is removed again.
FileOutcome appendToFile(const QString& path, std::string_view bytes);

// Writes `bytes` as the whole new content of `path` through a
// FileReplacement.
inline FileOutcome replaceFile(const QString& path, std::string_view bytes);

// A new content for a file, written under a temporary name in the file's
// own folder and put in the file's place only by commit(). A symbolic link
// keeps leading to the file; an existing file keeps its permissions, a new
// one gets those of any new file (0666 less the umask). A target that is
// not a regular file, or that may not be written, is refused before
// anything is written. Until committed the target is untouched; the
// temporary file is removed when the replacement ends uncommitted.
class FileReplacement {
public:
    explicit FileReplacement(const QString& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Checks the target and creates the empty temporary file.
    FileOutcome begin();
    // The temporary file, for a writer that opens it by name itself.
    QString temporaryPath() const;
    // Appends bytes to the temporary file.
    FileOutcome write(std::string_view bytes);
    // Syncs and closes the temporary file, then renames it over the target.
    FileOutcome commit();

private:
    QString target_;
    QByteArray final_;     // the name the new file takes
    QByteArray temporary_; // empty until begin() created it
    qintptr descriptor_ = -1; // the temporary file's descriptor (its HANDLE on Windows)
    bool committed_ = false;
};

// Whether two names lead to one existing file, however each is spelled
// (relative, absolute, through symbolic or hard links).
bool isSameFile(const QString& a, const QString& b);

// A write beyond the process's file-size limit fails as on a full disk and
// is handled as such, instead of ending the program. Called once at start.
void reportOversizedWritesAsErrors();

inline FileOutcome replaceFile(const QString& path, std::string_view bytes)
{
    FileReplacement file(path);
    FileOutcome outcome = file.begin();
    if (outcome.ok())
        outcome = file.write(bytes);
    if (outcome.ok())
        outcome = file.commit();
    return outcome;
}

} // namespace akuenza
