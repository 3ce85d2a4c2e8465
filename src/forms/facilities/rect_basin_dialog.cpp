#include "forms/facilities/rect_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

Form5::Form5(App& app) : FacilityDialog(app, 2, "浸透桝　長方形砕石層", 5460, 4800)
{
    placeDrawing(new RectangularBasinSchematic(this), "schematic", 120, 420, 5220, 2280);
    lblSurface = makeLabel(this, "lblSurface", QStringLiteral("浸透面　側面及び底面"));
    placeTwips(lblSurface, 120, 2760, 5220, 300);

    // Types ① and ② side by side; Enter runs through ① and on into ②.
    // Each type has an unnamed bracket.
    buildColumns({.checkTop = 0, .rowsTop = 3180, .enterAcrossColumns = true},
                 {
                     {.blocks = {{.mark = {&lbl1, "lbl1"},
                                  .markCaption = "①",
                                  .rows = {{&lbl11w, &txt1w, &lbl12w},
                                           {&lbl11l, &txt1l, &lbl12l},
                                           {&lbl11h, &txt1h, &lbl12h},
                                           {&lbl11n, &txt1n, &lbl12n}},
                                  .hasBracket = true}}},
                     {.blocks = {{.mark = {&lbl2, "lbl2"},
                                  .markCaption = "②",
                                  .rows = {{&lbl21w, &txt2w, &lbl22w},
                                           {&lbl21l, &txt2l, &lbl22l},
                                           {&lbl21h, &txt2h, &lbl22h},
                                           {&lbl21n, &txt2n, &lbl22n}},
                                  .hasBracket = true}}},
                 });
}

} // namespace akuenza
