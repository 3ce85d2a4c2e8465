#include "forms/facilities/infiltration_well_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

Form18::Form18(App& app) : FacilityDialog(app, 6, "浸透井（吸込槽）", 5460, 4680)
{
    placeDrawing(new InfiltrationWellSchematic(this), "schematic", 120, 420, 5220, 2460);
    lblReference = makeLabel(this, "lblReference", QStringLiteral("東京都開発審査基準による"));
    lblReference->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(lblReference, 120, 2940, 5220, 300);

    // Enter: diameter, depth, count; the count box has no Enter handling.
    // Type ② stands in the design but is hidden.
    buildColumns({.checkTop = 0, .rowsTop = 3420},
                 {
                     {.blocks = {{.mark = {&lbl1, "lbl1"},
                                  .markCaption = "①",
                                  .rows = {{&lbl11d, &txt1d, &lbl12d},
                                           {&lbl11h, &txt1h, &lbl12h},
                                           {&lbl11n, &txt1n, &lbl12n}}}}},
                     {.blocks = {{.mark = {&lbl2, "lbl2"},
                                  .markCaption = "②",
                                  .rows = {{&lbl21d, &txt2d, &lbl22d},
                                           {&lbl21h, &txt2h, &lbl22h},
                                           {&lbl21n, &txt2n, &lbl22n}}}},
                      .hidden = true},
                 });
}

} // namespace akuenza
