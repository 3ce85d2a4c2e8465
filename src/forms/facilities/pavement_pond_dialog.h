#pragma once
// Dimension dialog of the two area facilities, permeable pavement (column 1)
// and infiltration pond (column 2), both infiltrating through the bottom
// only. Each facility in use is given by its height H and area S; rates are
// per square metre and its infiltration volume is the design rate times S.
//
// Controls besides the boxes, by name:
//   lblTitle "透水性舗装及び浸透池", lblHeading "※使用する浸透施設", schematic
//   lbl11h, lbl12h, lbl11s, lbl12s  caption and unit of txt1h, txt1s (pavement)
//   lbl21h, lbl22h, lbl21s, lbl22s  caption and unit of txt2h, txt2s (pond)

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form15 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form15(App& app);

    void Keisuu() override;
    void Keisan() override;
    std::vector<KeyBox> keyBoxes() const override;

    CheckBox* chk1; // 透水性舗装
    CheckBox* chk2; // 浸透池
    TextBox *txt1h, *txt1s, *txt2h, *txt2s;

private:
    // Boxes and labels of one facility's column.
    std::vector<QWidget*> columnInputs(int column) const;
    void columnClicked(int column, bool checked);
};

} // namespace akuenza
