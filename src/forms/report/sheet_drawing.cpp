#include "forms/report/sheet_drawing.h"

#include "forms/report/current_sheet.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/report/drawing_target.h"
#include "forms/base/application.h"
#include "forms/base/platform.h"

namespace akuenza {

namespace {

// The blank lines a page started before a facility block begins with, the
// block's own opening blank line not counted.
constexpr int kBlankLinesAfterBreak = 5;

void drawLine(Platform& platform, DrawingTarget& target, const SheetLine& line)
{
    const QString text = QString::fromStdString(line.text);
    if (!line.ng) {
        target.printLine(text);
        return;
    }
    target.setTextColour(kNgColour);
    target.printLine(text);
    target.setTextColour(kTextColour);
    platform.beep();
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

void drawPart(const DrawnSheet& drawn, SheetPart part, DrawingTarget& target, int& printRowCounter,
              Platform& platform)
{
    for (const SheetLine& line : drawn.sheet.lines) {
        if (line.part != part)
            continue;
        if (line.blockStart) {
            ++printRowCounter;
            if (breakBeforeBlock(drawn.choices, printRowCounter)) {
                target.newPage();
                for (int i = 0; i < kBlankLinesAfterBreak; ++i)
                    target.printLine(QString());
            }
        }
        drawLine(platform, target, line);
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

QString impossibleSheetMessage(const DrawnSheet& drawn)
{
    return drawn.sheet.hasNonFinite() ? QString::fromStdString(nonFiniteMessage(drawn.sheet)) : QString();
}

bool refusesImpossibleSheet(App& app, const DrawnSheet& drawn)
{
    const QString message = impossibleSheetMessage(drawn);
    if (!message.isEmpty())
        app.showError(message);
    return !message.isEmpty();
}

void Hyouji_1(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform)
{
    drawPart(drawn, SheetPart::Hyouji_1, drawingTarget, printRowCounter, platform);
}

void Hyouji_2(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform)
{
    drawPart(drawn, SheetPart::Hyouji_2, drawingTarget, printRowCounter, platform);
}

void Hyouji_3(const DrawnSheet& drawn, DrawingTarget& drawingTarget, int& printRowCounter, Platform& platform)
{
    drawPart(drawn, SheetPart::Hyouji_3, drawingTarget, printRowCounter, platform);
}

int drawPrintImage(DrawingTarget& target, const DrawnSheet& drawn, Platform& platform)
{
    int printRowCounter = 100;
    target.clear();
    const int chk6 = drawn.choices.form1.chk6;
    if (chk6 == 0) {
        Hyouji_1(drawn, target, printRowCounter, platform);
        Hyouji_2(drawn, target, printRowCounter, platform);
    } else if (chk6 == 1) {
        Hyouji_3(drawn, target, printRowCounter, platform);
    }
    return printRowCounter;
}

int drawPrintedSheet(DrawingTarget& target, const DrawnSheet& drawn, Platform& platform)
{
    int printRowCounter = 0;
    const int chk6 = drawn.choices.form1.chk6;
    if (chk6 == 0) {
        Hyouji_1(drawn, target, printRowCounter, platform);
        if (drawn.choices.form12.Option8)
            target.newPage();
        Hyouji_2(drawn, target, printRowCounter, platform);
    } else if (chk6 == 1) {
        Hyouji_3(drawn, target, printRowCounter, platform);
    }
    return printRowCounter;
}

} // namespace akuenza
