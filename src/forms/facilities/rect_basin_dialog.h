#pragma once
// Dimension dialog of the infiltration basin with a rectangular crushed-stone
// layer. It has one infiltration surface, sides and bottom, and two basin
// types ① and ② side by side, each given by width W, length L, height H and
// number N. All eight boxes are usable from the start; there is no column
// to choose.
//
// Controls besides the boxes, by name:
//   lblTitle   "浸透桝　長方形砕石層"     lblSurface "浸透面　側面及び底面"
//   lbl1, lbl2 the marks "①" and "②" of the two types
//   lbl<t>1<f> the caption left of box txt<t><f>, lbl<t>2<f> its unit
//              (t = type 1 or 2, f = w, l, h, n), e.g. lbl11w "巾  Ｗ＝", lbl12w "ｍ"
//   Line<t>1, Line<t>2, Line<t>3  the bracket beside the boxes of type t
//   schematic  the plan and section of the basin

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form5 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form5(App& app);

    void Keisuu() override;
    void Keisan() override;
    std::vector<KeyBox> keyBoxes() const override;

    TextBox *txt1w, *txt1l, *txt1h, *txt1n;
    TextBox *txt2w, *txt2l, *txt2h, *txt2n;
};

} // namespace akuenza
