#pragma once
// The program's command line.
//
//   akuenza                         the program's window
//   akuenza CASE.qzk                the window with the case opened at once
//   akuenza --write-sheet CASE.qzk... [--out SHEET.txt]
//                                   each case opened as 開く does and its sheet
//                                   appended (to "sintou.txt" in the current
//                                   folder, or to SHEET.txt), without a window;
//                                   SHEET.txt may not be one of the cases (exit 2)
//   akuenza --pdf CASE.qzk OUT.pdf  the case's printed pages as a PDF, without a window
//                                   (OUT.pdf may not be the case itself: exit 2)
//   akuenza --required CASE.qzk... [--tsv]
//                                   each case opened as 開く does and run, and the
//                                   table of 必要数量 printed to standard output
//                                   (with --tsv: tab-separated, one heading line)
//   akuenza --version, --help
//
// The arguments are read before any QApplication exists, so a mistake,
// --help and --version need no display. Exit status: 0 done, 1 a case that
// could not be opened or written, or whose run gave no required quantities
// (or no display for the window), 2 a mistake in the arguments.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace akuenza {

// What the arguments ask for.
struct CommandLine {
    enum class Action { Window, Help, Version, WriteSheet, Pdf, Required };
    Action action = Action::Window;
    QStringList files; // the project files (and, for --pdf, the PDF last)
    QString out;       // --out, empty when not given
    bool tsv = false;  // --tsv: the required quantities tab-separated
    QString error;     // a mistake in the arguments, in Japanese; empty when none
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1; // a case not opened or not written, no display
inline constexpr int kExitUsage = 2;  // a mistake in the arguments

// The arguments as the program received them, the program's name first,
// decoded without a QCoreApplication.
QStringList programArguments(int argc, char** argv);

// Reads the arguments (the program's name first). Needs no QCoreApplication.
CommandLine parseCommandLine(const QStringList& arguments);

// The text --help prints.
QString helpText();

// The columns a text takes on a terminal: a full-width character (kanji,
// kana, full-width forms) two, a combining mark none, any other one.
int displayWidth(QStringView text);

// Answers what needs no QApplication: a mistake in the arguments, --help,
// --version, and the window asked for where no display is set. Returns the
// exit status, or -1 when the program goes on to start.
int answerBeforeStart(const CommandLine& command);

// Whether the run is one without a window (--write-sheet, --pdf, --required).
bool runsWithoutWindow(const CommandLine& command);

// The program is a window program on Windows, started without a console of
// its own. Started from a command prompt, its text (help, version, messages)
// goes to that prompt's console, in UTF-8; output already sent to a file or
// a pipe stays there. Does nothing elsewhere. To be called first in main.
void useStartingConsole();

// Before the QApplication of a run without a window: Qt's offscreen platform
// unless another one is chosen, and none of Qt's chatter on standard error
// (its warnings are about a display nobody sees), so that standard error
// carries only the program's own messages.
void prepareRunWithoutWindow();

// Around the construction of the QApplication: a platform that cannot start
// (a display that cannot be reached, a platform that does not exist) ends
// the program with a Japanese message and exit status 1 instead of Qt's
// abort. What Qt says meanwhile is held back, and passed on once the
// platform has started.
class PlatformStartGuard {
public:
    explicit PlatformStartGuard(bool forWindow);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard&) = delete;
    PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

// Runs --write-sheet, --pdf or --required once the QApplication exists;
// returns the exit status.
int runWithoutWindow(const CommandLine& command);

} // namespace akuenza
