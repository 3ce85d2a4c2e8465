#pragma once
// Dimension dialog of the infiltration basin with a rectangular crushed-stone
// layer: one infiltration surface (sides and bottom) and basin types ① and
// ② side by side, each with width W, length L, height H and number N.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form5 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form5(App& app);

    QLabel *lbl1, *lbl2; // marks ① and ②
    TextBox *txt1w, *txt1l, *txt1h, *txt1n, *txt2w, *txt2l, *txt2h, *txt2n;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl11w, *lbl12w, *lbl11l, *lbl12l, *lbl11h, *lbl12h, *lbl11n, *lbl12n;
    QLabel *lbl21w, *lbl22w, *lbl21l, *lbl22l, *lbl21h, *lbl22h, *lbl21n, *lbl22n;
    QLabel* lblSurface; // "浸透面　側面及び底面"
};

} // namespace akuenza
