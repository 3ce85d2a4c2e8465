#pragma once
// The calculation sheet text file "sintou.txt": 書き込み appends one whole
// sheet of the open case (CP932, CR LF), 起動 opens the file in the
// desktop's text editor. A sheet is never half written and never written
// with a value that is not a number or a text the file cannot hold.

#include <QString>

namespace akuenza {

class App;

// "sintou.txt" in the current folder (beside the project file once one was
// opened or saved through its dialog).
QString sheetFilePath();

// Appends the open case's sheet (the facility or the well sheet, as Form1
// chk6 says) to the file, whole and synced, or not at all: a write that
// falls short (a full disk) is taken back, and a pipe or a device is
// refused without being opened. One beep per "∴ NG" line. False, after a
// message naming the file and the cause, when nothing was written.
bool appendSheet(App& app, const QString& path);

// 書き込み of the main window and of the print image.
void writeSheetFile(App& app);
// 起動: the editor on the sheet file, as it stands; the file is not written first.
void openSheetFile(App& app);

} // namespace akuenza
