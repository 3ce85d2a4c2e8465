#pragma once
// Dimension dialog of the infiltration basin with a square crushed-stone
// layer: column 1 infiltrates through the sides and the bottom, column 2
// through the bottom only, each with basin types ① and ②.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form2 : public ColumnFacilityDialog {
    Q_OBJECT
public:
    explicit Form2(App& app);

    void Keisuu() override;
    void Keisan() override;
    std::vector<KeyBox> keyBoxes() const override;

    TextBox *txt11w, *txt11h, *txt11n, *txt12w, *txt12h, *txt12n;
    TextBox *txt21w, *txt21h, *txt21n, *txt22w, *txt22h, *txt22n;
};

} // namespace akuenza
