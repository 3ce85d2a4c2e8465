#pragma once
// Dimension dialog of the infiltration basin with a square crushed-stone
// layer: column 1 infiltrates through the sides and the bottom, column 2
// through the bottom only, each with basin types ① and ② of width W,
// height H and number N.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form2 : public TwoColumnDialog {
    Q_OBJECT
public:
    explicit Form2(App& app);

    TextBox *txt11w, *txt11h, *txt11n, *txt12w, *txt12h, *txt12n;
    TextBox *txt21w, *txt21h, *txt21n, *txt22w, *txt22h, *txt22n;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl111w, *lbl112w, *lbl111h, *lbl112h, *lbl111n, *lbl112n;
    QLabel *lbl121w, *lbl122w, *lbl121h, *lbl122h, *lbl121n, *lbl122n;
    QLabel *lbl211w, *lbl212w, *lbl211h, *lbl212h, *lbl211n, *lbl212n;
    QLabel *lbl221w, *lbl222w, *lbl221h, *lbl222h, *lbl221n, *lbl222n;
};

} // namespace akuenza
