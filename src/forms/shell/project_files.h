#pragma once
// Opening and saving design cases as project files (*.qzk): the file
// dialogs, the order in which a file refills the windows and reruns the
// program's own procedures, and the questions asked before a case is
// replaced or a file overwritten. Nothing is discarded before a file is
// known to be readable, and a failed save never leaves a broken file.

#include <QString>

namespace akuenza {

class App;

// 開く: asks for a file, then opens it as openProjectFile does, asking
// first whether the open case may be discarded.
void FileOpen(App& app);
// 上書き保存: asks, then writes the open case to its project file.
void FileUpdate(App& app);
// 名前をつけて保存: asks for a name (and whether an existing file may be
// overwritten), then writes the open case there.
void FileSaveAs(App& app);

enum class WhenCaseOpen {
    Ask,     // a case open in the windows is discarded only after the Close question
    Replace, // as from the command line: no question
};

enum class OpenedCase {
    NotOpened,      // unreadable, not a project file, or the engineer kept the open case
    WithoutResults, // opened, but its results cannot stand (the run refused it, the file
                    // lacked its result lines, or a check of "計　算" fails): none shown
    WithResults,    // opened with the results its inputs give
};

// Opens a project file exactly as 開く does after its dialog, and says how.
OpenedCase openProjectCase(App& app, const QString& path, WhenCaseOpen whenOpen);

// Opens a project file exactly as 開く does after its dialog. Returns false
// when the file was not opened (unreadable, not a regular file, not a
// project file, or the engineer kept the open case); the open case is then
// untouched. A pipe or a device is refused at once, never waited on. A short
// file opens with a warning naming how many lines were read.
bool openProjectFile(App& app, const QString& path, WhenCaseOpen whenOpen);

// Writes the open case to a file; false (after a message naming the file
// and the reason) when it could not be written. The new file is written and
// synced beside the old one and replaces it only once it is complete: a
// full disk leaves the old file as it was and no temporary file behind.
bool saveProjectFile(App& app, const QString& path);


} // namespace akuenza
