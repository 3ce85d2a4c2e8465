#pragma once
// Dimension dialog of the linear infiltration facilities: column 1 the
// infiltration side ditch, column 2 the infiltration pipe (trench), each with
// types ① and ② given by width W, height H and length L. Both infiltrate
// through the sides and the bottom; rates are per metre and a type's
// infiltration volume is its design rate times its own length.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form14 : public TwoColumnDialog {
    Q_OBJECT
public:
    explicit Form14(App& app);

    // Side ditch ① and ②, then pipe ① and ②.
    TextBox *txt11w, *txt11h, *txt11l, *txt12w, *txt12h, *txt12l;
    TextBox *txt21w, *txt21h, *txt21l, *txt22w, *txt22h, *txt22l;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl111w, *lbl112w, *lbl111h, *lbl112h, *lbl111l, *lbl112l;
    QLabel *lbl121w, *lbl122w, *lbl121h, *lbl122h, *lbl121l, *lbl122l;
    QLabel *lbl211w, *lbl212w, *lbl211h, *lbl212h, *lbl211l, *lbl212l;
    QLabel *lbl221w, *lbl222w, *lbl221h, *lbl222h, *lbl221l, *lbl222l;
    QLabel* lblHeading; // "※使用する浸透施設"
    QLabel* lblSurface; // "浸透面　側面及び底面", under the heading
};

} // namespace akuenza
