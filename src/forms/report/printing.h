#pragma once
// Printing the calculation sheet on paper (印刷) and into a PDF file
// (PDF出力): both draw the very same pages through one printer target, in
// "ＭＳ 明朝" 12 pt, with the program's page breaks and a new page wherever
// a page is full.

#include <QString>

class QByteArray;
class QPrinter;

namespace akuenza {

class App;
class Platform;
struct DrawnSheet;

// 印刷: the engineer chooses a printer and the sheet is printed. Cancel in
// the printer dialog prints nothing and changes nothing; a printer that
// cannot print is named in a message.
void FilePrint(App& app);

// PDF出力: the engineer names a file and the printed pages are written to it.
void FilePdf(App& app);

// The printed pages of the open case as an A4 portrait PDF file, with the
// text in the embedded Mincho font. False, with the message to show in
// *error, when the sheet holds an impossible value or the file cannot be
// written.
bool exportPdf(App& app, const QString& path, QString* error);

// Prints the drawn sheet on a printer that has been set up (paper or PDF).
// False, with the message naming the printer or file, when it cannot print.
// A file is printed under a temporary name beside it and takes the file's
// name only once it is a whole PDF; otherwise the file is left as it was.
// Its NG lines beep through the platform.
bool printSheet(Platform& platform, QPrinter& printer, const DrawnSheet& drawn, QString* error);

// Whether the bytes of a PDF file end as a finished PDF does: "%%EOF" (and
// blanks) closes it and its cross-reference table stands where the trailer
// says. Qt does not report a write that failed while it wrote a PDF; such a
// file is cut short, or shorter before its table, and fails one of the two.
bool isWholePdf(const QByteArray& pdf);

// The paper width of the current printer in twips (A4 portrait without a printer).
int printerPageWidthTwips();

} // namespace akuenza
