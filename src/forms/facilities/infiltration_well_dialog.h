#pragma once
// Dimension dialog of the infiltration well (rainwater suction tank), sized
// by the suction-tank method of the Tokyo development review standard: from
// the well diameter D and the number of wells n it finds the critical
// rainfall duration, the storage volume the wells must hold and the
// effective depth h they need. The well gives no infiltration volume for the
// total; the calculation run shows h on the results form.
//
// Controls besides the boxes, by name:
//   lblTitle "浸透井（吸込槽）", lblReference "東京都開発審査基準による", schematic
//   lbl1 "①" and lbl11d, lbl12d, lbl11h, lbl12h, lbl11n, lbl12n  (caption, unit)
//   lbl2 "②" and lbl21d, lbl22d, lbl21h, lbl22h, lbl21n, lbl22n  (caption, unit)
// Column ② (lbl2, txt2d, txt2h, txt2n and their labels) is kept hidden: its
// entries are read into the record and saved, but nothing computes with them.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form18 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form18(App& app);

    void Keisuu() override;
    void Keisan() override;
    // The diameter boxes, txt1d first; the well has no infiltration volume.
    std::vector<KeyBox> keyBoxes() const override;

    TextBox *txt1d, *txt1h, *txt1n;
    TextBox *txt2d, *txt2h, *txt2n;

protected:
    // A click into a box voids the shown effective depth, not the total.
    void invalidateResults() override;
};

} // namespace akuenza
