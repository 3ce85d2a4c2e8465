#include "forms/facilities/ditch_pipe_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/base/twips.h"

namespace akuenza {

Form14::Form14(App& app) : TwoColumnDialog(app, 4, "浸透側溝及び浸透管(浸透トレンチ)", 5460, 5880)
{
    // One drawing above each column.
    placeDrawing(new SideDitchSchematic(this), "ditchSchematic", 120, 400, 2580, 2160);
    placeDrawing(new InfiltrationPipeSchematic(this), "pipeSchematic", 2760, 400, 2580, 2160);

    // Both facilities infiltrate through the sides and the bottom, as the
    // line under the heading says.
    lblHeading = makeLabel(this, "lblHeading", QStringLiteral("※使用する浸透施設"));
    makeGreen(lblHeading);
    placeTwips(lblHeading, 120, 2600, 5220, 270);
    lblSurface = makeLabel(this, "lblSurface", QStringLiteral("浸透面　側面及び底面"));
    placeTwips(lblSurface, 360, 2870, 4980, 270);

    // Ditch types ① ② in column 1, pipe types ① ② in column 2; W, H, L each.
    const std::array<RowSlots, 12> rows = {{
        {&lbl111w, &txt11w, &lbl112w}, {&lbl111h, &txt11h, &lbl112h}, {&lbl111l, &txt11l, &lbl112l},
        {&lbl121w, &txt12w, &lbl122w}, {&lbl121h, &txt12h, &lbl122h}, {&lbl121l, &txt12l, &lbl122l},
        {&lbl211w, &txt21w, &lbl212w}, {&lbl211h, &txt21h, &lbl212h}, {&lbl211l, &txt21l, &lbl212l},
        {&lbl221w, &txt22w, &lbl222w}, {&lbl221h, &txt22h, &lbl222h}, {&lbl221l, &txt22l, &lbl222l},
    }};
    buildTwoColumns(3180, "浸透側溝", "浸透管(浸透トレンチ)", rows);
}

} // namespace akuenza
