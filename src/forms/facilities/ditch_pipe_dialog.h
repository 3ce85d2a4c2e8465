#pragma once
// Dimension dialog of the linear infiltration facilities: column 1 the
// infiltration side ditch, column 2 the infiltration pipe (trench), each with
// types ① and ② given by width W, height H and length L. Both infiltrate
// through the sides and the bottom; rates are per metre and a type's
// infiltration volume is its design rate times its own length.
//
// Besides the controls of the two-column layout the dialog shows the
// heading lblHeading "※使用する浸透施設", the fixed label lblSurface
// "浸透面　側面及び底面" and the drawings ditchSchematic and pipeSchematic.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form14 : public ColumnFacilityDialog {
    Q_OBJECT
public:
    explicit Form14(App& app);

    void Keisuu() override;
    void Keisan() override;
    std::vector<KeyBox> keyBoxes() const override;

    // Side ditch ① and ②, then pipe ① and ②.
    TextBox *txt11w, *txt11h, *txt11l, *txt12w, *txt12h, *txt12l;
    TextBox *txt21w, *txt21h, *txt21l, *txt22w, *txt22h, *txt22l;
};

} // namespace akuenza
