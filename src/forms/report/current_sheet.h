#pragma once
// The calculation sheet of the open case, built from the record and the
// windows' snapshot. 書き込み, the print image and printing all start here.

#include "core/report/calculation_sheet.h"

namespace akuenza {

class App;

// The sheet that the open case prints now (Form1 chk6 decides which).
Sheet currentSheet(App& app, SheetVariant variant);

} // namespace akuenza
