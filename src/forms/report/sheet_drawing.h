#pragma once
// The drawing procedures of the calculation sheet. Hyouji_1 draws the
// facility sheet's heading and rainwater section, Hyouji_2 the rest of it
// with every facility block, Hyouji_3 the well sheet. They only walk the
// lines of the drawn sheet and put them on the current drawing target
// (App::drawingTarget): an NG judgement in light magenta with one beep, and,
// on the printer, a new page before the third facility block (Q1 computed)
// or the fourth (Q1 entered directly).

#include "core/report/calculation_sheet.h"

namespace akuenza {

class App;
class DrawingTarget;

// The drawn sheet of the open case and the window states it was built from.
struct DrawnSheet {
    SheetChoices choices;
    Sheet sheet;
};
DrawnSheet drawnSheet(App& app);

void Hyouji_1(App& app, const DrawnSheet& drawn);
void Hyouji_2(App& app, const DrawnSheet& drawn);
void Hyouji_3(App& app, const DrawnSheet& drawn);

// The print image's run: the target becomes the drawing target, the row
// counter 100 (no page is ever started), the target is cleared, and the
// facility sheet or the well sheet is drawn.
void drawPrintImage(App& app, DrawingTarget& target, const DrawnSheet& drawn);

// The printer's run: the row counter starts at 0, the facility sheet gets
// its page breaks, and a new page between Hyouji_1 and Hyouji_2 when the
// rainfall dialog's Option8 is chosen. The drawing target is released at the
// end (the printer is gone with the job); the counter keeps the number of
// facility blocks printed.
void drawPrintedSheet(App& app, DrawingTarget& target, const DrawnSheet& drawn);

} // namespace akuenza
