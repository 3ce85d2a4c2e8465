#pragma once
// Dimension dialog of the two area facilities, permeable pavement (column 1)
// and infiltration pond (column 2), both infiltrating through the bottom
// only. Each facility in use is given by its height H and area S; rates are
// per square metre and its infiltration volume is the design rate times S.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form15 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form15(App& app);

    CheckBox* chk1; // 透水性舗装
    CheckBox* chk2; // 浸透池
    TextBox *txt1h, *txt1s, *txt2h, *txt2s;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl11h, *lbl12h, *lbl11s, *lbl12s;
    QLabel *lbl21h, *lbl22h, *lbl21s, *lbl22s;
    QLabel* lblHeading; // "※使用する浸透施設"
};

} // namespace akuenza
