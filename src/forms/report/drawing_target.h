#pragma once
// The surfaces the calculation sheet is drawn on: the print image's picture
// and the printer (paper or a PDF file). Drawing is line by line, as on a
// line printer: each line is printed at the current position, which then
// moves to the start of the next line, one line height of the surface's font
// lower. There is no other positioning: no coordinate, margin or pitch.

#include <QColor>
#include <QString>

namespace akuenza {

// The colour of a "∴ NG" judgement on the drawn sheet (light magenta).
inline const QColor kNgColour{255, 0, 255};
inline const QColor kTextColour{0, 0, 0};

class DrawingTarget {
public:
    virtual ~DrawingTarget() = default;

    // Prints one line at the current position and moves to the start of the
    // next line; an empty line only moves.
    virtual void printLine(const QString& text) = 0;
    // Empties the surface; the position goes back to its top left.
    virtual void clear() = 0;
    // The colour of the lines printed from now on.
    virtual void setTextColour(const QColor& colour) = 0;
    // Starts a new page; a surface without pages ignores it.
    virtual void newPage() = 0;
};

// A surface of pages that hold a fixed number of lines. A line that no
// longer fits on the page continues at the top of a new page, so no line is
// ever lost off the bottom of the paper.
class PagedTarget : public DrawingTarget {
public:
    // linesPerPage 0: one endless page.
    explicit PagedTarget(int linesPerPage = 0) : linesPerPage_(linesPerPage) {}

    void printLine(const QString& text) final;
    void newPage() final;
    // Paper that has been printed on cannot be emptied.
    void clear() override {}

    int linesPerPage() const { return linesPerPage_; }

protected:
    enum class PageBreak { Requested, PageFull };
    void setLinesPerPage(int lines) { linesPerPage_ = lines; }
    virtual void startPage(PageBreak why) = 0;
    // Draws one line in the given row of the current page ("" for a blank line).
    virtual void drawLine(int row, const QString& text) = 0;

private:
    int linesPerPage_ = 0;
    int row_ = 0;
};

} // namespace akuenza
