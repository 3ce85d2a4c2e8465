#include "forms/facilities/pavement_pond_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

Form15::Form15(App& app) : FacilityDialog(app, 5, "透水性舗装及び浸透池", 5460, 4560)
{
    placeDrawing(new PavementPondSchematic(this), "schematic", 120, 420, 5220, 2400);
    lblHeading = makeLabel(this, "lblHeading", QStringLiteral("※使用する浸透施設"));
    makeGreen(lblHeading);
    placeTwips(lblHeading, 120, 2880, 5220, 300);

    // Ticking a facility opens its boxes without moving the focus.
    buildColumns({.checkTop = 3240, .rowsTop = 3660},
                 {
                     {.check = {&chk1, "chk1"},
                      .checkCaption = "透水性舗装",
                      .blocks = {{.rows = {{&lbl11h, &txt1h, &lbl12h}, {&lbl11s, &txt1s, &lbl12s}}}}},
                     {.check = {&chk2, "chk2"},
                      .checkCaption = "浸透池",
                      .blocks = {{.rows = {{&lbl21h, &txt2h, &lbl22h}, {&lbl21s, &txt2s, &lbl22s}}}}},
                 });
}

} // namespace akuenza
