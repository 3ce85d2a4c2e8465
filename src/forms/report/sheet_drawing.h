#pragma once
// The drawing procedures of the calculation sheet. Hyouji_1 draws the
// facility sheet's heading and rainwater section, Hyouji_2 the rest of it
// with every facility block, Hyouji_3 the well sheet. They only walk the
// lines of the drawn sheet and put them on the drawing target they are
// given: an NG judgement in light magenta with one beep, and, on the
// printer, a new page before the third facility block (Q1 computed) or the
// fourth (Q1 entered directly), counted in the print row counter they are
// given. Nothing here needs a window: the print image, the printer and the
// command line each pass their own target and counter.

#include "core/report/calculation_sheet.h"

#include <QString>

namespace akuenza {

class App;
class DrawingTarget;
class Platform;

// The drawn sheet of the open case and the window states it was built from.
struct DrawnSheet {
    SheetChoices choices;
    Sheet sheet;
};
DrawnSheet drawnSheet(App& app);

// A sheet holding a value that is not a number is never drawn nor printed:
// its message, or "" for a sheet that can be.
QString impossibleSheetMessage(const DrawnSheet& drawn);
// Shows that message when there is one; true then (the command stops).
bool refusesImpossibleSheet(App& app, const DrawnSheet& drawn);

// Each beeps through the platform once per NG line it draws.
void Hyouji_1(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform);
void Hyouji_2(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform);
void Hyouji_3(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform);

// The print image's run: the row counter starts at 100 (no page is ever
// started), the target is cleared, and the facility sheet or the well
// sheet is drawn. Returns the counter at the end.
int drawPrintImage(DrawingTarget& target, const DrawnSheet& drawn, Platform& platform);

// The printer's run: the row counter starts at 0, the facility sheet gets
// its page breaks, and a new page between Hyouji_1 and Hyouji_2 when the
// rainfall dialog's Option8 is chosen. Returns the number of facility
// blocks printed.
int drawPrintedSheet(DrawingTarget& target, const DrawnSheet& drawn, Platform& platform);

} // namespace akuenza
