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
//   akuenza --version, --help

#include <QStringList>

namespace akuenza {

// Whether the arguments ask for a run without a window; then the program
// must be started on the offscreen platform.
bool runsWithoutWindow(int argc, char** argv);

// Runs the command line once the QApplication exists; returns the exit
// code, or -1 when the program's window is to be shown. `openAtStart`
// receives a project file to open in the window.
int runCommandLine(const QStringList& arguments, QString* openAtStart);

} // namespace akuenza
