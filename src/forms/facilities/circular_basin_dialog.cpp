#include "forms/facilities/circular_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

// Diameter boxes stand where the square basin has its widths.
Form6::Form6(App& app) : TwoColumnDialog(app, 3, "浸透桝　円形砕石層", 5460, 5640)
{
    placeDrawing(new CircularBasinSchematic(this), "schematic", 120, 420, 5220, 2280);
    buildTwoColumns(
        2760, "浸透面　側面及び底面", "浸透面　底面",
        {{{&lbl111d, &txt11d, &lbl112d}, {&lbl111h, &txt11h, &lbl112h}, {&lbl111n, &txt11n, &lbl112n},
          {&lbl121d, &txt12d, &lbl122d}, {&lbl121h, &txt12h, &lbl122h}, {&lbl121n, &txt12n, &lbl122n},
          {&lbl211d, &txt21d, &lbl212d}, {&lbl211h, &txt21h, &lbl212h}, {&lbl211n, &txt21n, &lbl212n},
          {&lbl221d, &txt22d, &lbl222d}, {&lbl221h, &txt22h, &lbl222h}, {&lbl221n, &txt22n, &lbl222n}}});
}

} // namespace akuenza
