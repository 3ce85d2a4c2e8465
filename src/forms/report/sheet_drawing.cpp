#include "forms/report/sheet_drawing.h"

#include "forms/report/current_sheet.h"
#include "forms/report/drawing_target.h"
#include "forms/shell/application.h"

namespace akuenza {

namespace {

// The blank lines a page started before a facility block begins with, the
// block's own opening blank line not counted.
constexpr int kBlankLinesAfterBreak = 5;

void drawLine(App& app, DrawingTarget& target, const SheetLine& line)
{
    const QString text = QString::fromStdString(line.text);
    if (!line.ng) {
        target.printLine(text);
        return;
    }
    target.setTextColour(kNgColour);
    target.printLine(text);
    target.setTextColour(kTextColour);
    app.beep();
}

// The printer starts a page before the third block when Q1 is computed and
// before the fourth when it is entered directly; the print image's counter
// starts at 100 and never meets either.
bool breakBeforeBlock(const SheetChoices& choices, int counter)
{
    if (choices.form1.optU1)
        return counter == 3;
    if (choices.form1.optU2)
        return counter == 4;
    return false;
}

void drawPart(App& app, const DrawnSheet& drawn, SheetPart part)
{
    DrawingTarget* target = app.drawingTarget;
    if (!target)
        return;
    for (const SheetLine& line : drawn.sheet.lines) {
        if (line.part != part)
            continue;
        if (line.blockStart) {
            ++app.printRowCounter;
            if (breakBeforeBlock(drawn.choices, app.printRowCounter)) {
                target->newPage();
                for (int i = 0; i < kBlankLinesAfterBreak; ++i)
                    target->printLine(QString());
            }
        }
        drawLine(app, *target, line);
    }
}

} // namespace

DrawnSheet drawnSheet(App& app)
{
    DrawnSheet drawn;
    drawn.choices = sheetChoices(app);
    drawn.sheet = calculationSheet(app.record, drawn.choices, SheetVariant::Drawn);
    return drawn;
}

void Hyouji_1(App& app, const DrawnSheet& drawn) { drawPart(app, drawn, SheetPart::Hyouji_1); }
void Hyouji_2(App& app, const DrawnSheet& drawn) { drawPart(app, drawn, SheetPart::Hyouji_2); }
void Hyouji_3(App& app, const DrawnSheet& drawn) { drawPart(app, drawn, SheetPart::Hyouji_3); }

void drawPrintImage(App& app, DrawingTarget& target, const DrawnSheet& drawn)
{
    app.drawingTarget = &target;
    app.printRowCounter = 100;
    target.clear();
    const int chk6 = drawn.choices.form1.chk6;
    if (chk6 == 0) {
        Hyouji_1(app, drawn);
        Hyouji_2(app, drawn);
    } else if (chk6 == 1) {
        Hyouji_3(app, drawn);
    }
}

void drawPrintedSheet(App& app, DrawingTarget& target, const DrawnSheet& drawn)
{
    app.printRowCounter = 0;
    app.drawingTarget = &target;
    const int chk6 = drawn.choices.form1.chk6;
    if (chk6 == 0) {
        Hyouji_1(app, drawn);
        if (drawn.choices.form12.Option8)
            target.newPage();
        Hyouji_2(app, drawn);
    } else if (chk6 == 1) {
        Hyouji_3(app, drawn);
    }
    app.drawingTarget = nullptr;
}

} // namespace akuenza
