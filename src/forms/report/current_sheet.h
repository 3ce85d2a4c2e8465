#pragma once
// The calculation sheet of the open case: the states of the input windows
// the sheet depends on, gathered once, and the sheet built from them and the
// record. 書き込み, the print image and printing all start here.

#include "core/report/calculation_sheet.h"

namespace akuenza {

class App;

// What the sheet reads of the windows. A window that is not loaded is read
// in its design state, as if it were created for the purpose.
SheetChoices sheetChoices(App& app);

// The sheet that the open case prints now (Form1 chk6 decides which).
Sheet currentSheet(App& app, SheetVariant variant);

} // namespace akuenza
