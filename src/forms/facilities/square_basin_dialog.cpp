#include "forms/facilities/square_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

Form2::Form2(App& app) : TwoColumnDialog(app, 1, "浸透桝　正方形砕石層", 5460, 5640)
{
    placeDrawing(new SquareBasinSchematic(this), "schematic", 120, 420, 5220, 2280);
    buildTwoColumns(2760, "浸透面　側面及び底面", "浸透面　底面",
                    {{{&lbl111w, &txt11w, &lbl112w}, {&lbl111h, &txt11h, &lbl112h}, {&lbl111n, &txt11n, &lbl112n},
                      {&lbl121w, &txt12w, &lbl122w}, {&lbl121h, &txt12h, &lbl122h}, {&lbl121n, &txt12n, &lbl122n},
                      {&lbl211w, &txt21w, &lbl212w}, {&lbl211h, &txt21h, &lbl212h}, {&lbl211n, &txt21n, &lbl212n},
                      {&lbl221w, &txt22w, &lbl222w}, {&lbl221h, &txt22h, &lbl222h}, {&lbl221n, &txt22n, &lbl222n}}});
}

} // namespace akuenza
