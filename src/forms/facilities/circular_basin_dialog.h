#pragma once
// Dimension dialog of the infiltration basin with a circular crushed-stone
// layer: column 1 infiltrates through the sides and the bottom, column 2
// through the bottom only, each with basin types ① and ② given by their
// diameter D, height H and number N.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form6 : public ColumnFacilityDialog {
    Q_OBJECT
public:
    explicit Form6(App& app);

    void Keisuu() override;
    void Keisan() override;
    std::vector<KeyBox> keyBoxes() const override;

    TextBox *txt11d, *txt11h, *txt11n, *txt12d, *txt12h, *txt12n;
    TextBox *txt21d, *txt21h, *txt21n, *txt22d, *txt22h, *txt22n;
};

} // namespace akuenza
