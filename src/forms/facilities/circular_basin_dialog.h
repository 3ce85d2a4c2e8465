#pragma once
// Dimension dialog of the infiltration basin with a circular crushed-stone
// layer: the square basin's two columns (sides and bottom, bottom only) with
// the diameter D in place of the width.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form6 : public TwoColumnDialog {
    Q_OBJECT
public:
    explicit Form6(App& app);

    TextBox *txt11d, *txt11h, *txt11n, *txt12d, *txt12h, *txt12n;
    TextBox *txt21d, *txt21h, *txt21n, *txt22d, *txt22h, *txt22n;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl111d, *lbl112d, *lbl111h, *lbl112h, *lbl111n, *lbl112n;
    QLabel *lbl121d, *lbl122d, *lbl121h, *lbl122h, *lbl121n, *lbl122n;
    QLabel *lbl211d, *lbl212d, *lbl211h, *lbl212h, *lbl211n, *lbl212n;
    QLabel *lbl221d, *lbl222d, *lbl221h, *lbl222h, *lbl221n, *lbl222n;
};

} // namespace akuenza
