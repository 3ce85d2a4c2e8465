#include "forms/report/drawing_target.h"

namespace akuenza {

void PagedTarget::printLine(const QString& text)
{
    if (linesPerPage_ > 0 && row_ >= linesPerPage_) {
        startPage(PageBreak::PageFull);
        row_ = 0;
    }
    drawLine(row_, text);
    ++row_;
}

void PagedTarget::newPage()
{
    startPage(PageBreak::Requested);
    row_ = 0;
}

} // namespace akuenza
