#pragma once
// A design case with results for the print image, printing and PDF tests:
// the conditions of FormTest (Q1 = 45 m3/hr computed) and a chosen number of
// facility rows entered through the dialogs, in the order the sheet prints
// them, then calculated.

#include "support/form_test.h"

#include "forms/report/sheet_drawing.h"

#include <QStringList>
#include <vector>

namespace akuenza::test {

class ReportCase : public FormTest {
protected:
    void SetUp() override;

    // `blocks` facility rows (1 to 10): the square basins' four rows, then
    // the rectangular basins' two, then the circular basins' four, with
    // `count` basins each; W, L, D of 0.5 m and H of 1 m.
    void enterBlocks(int blocks, const QString& count = QStringLiteral("2"));
    // Q1 entered directly (Q1 直接入力) instead of computed.
    void enterQ1Directly(const QString& q1);
    // enterBlocks, then 計算, which must give a verdict.
    void calculateWith(int blocks, const QString& count = QStringLiteral("2"));

    DrawnSheet sheet() { return drawnSheet(app()); }
    // The texts of the drawn sheet's lines.
    QStringList sheetTexts();
    // The index in the drawn sheet of the blank line opening facility block n (1-based).
    std::size_t blockStart(int n);
};

// A PDF file as text (pdftotext from poppler-utils): each page's lines that
// hold more than blanks, with all blanks (ASCII and U+3000) taken out.
// The Mincho font draws "･" (U+FF65) and "·" (U+00B7) with one glyph, and
// "―" (U+2015) and "—" (U+2014) with another; the PDF's text layer names
// such a glyph by its lower code point, so these two are read back as the
// sheet's characters (the sheet itself never holds U+00B7 or U+2014).
std::vector<QStringList> pdfPages(const QString& pdfPath);
// The same reduction of drawn lines: no blank lines, no blanks.
QStringList withoutBlanks(const QStringList& lines);

} // namespace akuenza::test
