#include "forms/report/current_sheet.h"

#include "forms/facilities/window_snapshot.h"

namespace akuenza {

Sheet currentSheet(App& app, SheetVariant variant)
{
    return calculationSheet(app.record, sheetChoices(app), variant);
}

} // namespace akuenza
