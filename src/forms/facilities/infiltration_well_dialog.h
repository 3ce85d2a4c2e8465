#pragma once
// Dimension dialog of the infiltration well (rainwater suction tank), sized
// by the suction-tank method of the Tokyo development review standard: from
// the well diameter D and the number of wells n it finds the critical
// rainfall duration, the storage volume the wells must hold and the
// effective depth h they need. The well gives no infiltration volume for the
// total; the calculation run shows h on the results form.
//
// Column ② is kept hidden: its entries are read into the record and saved,
// but nothing computes with them.

#include "forms/facilities/facility_dialog.h"

namespace akuenza {

class Form18 : public FacilityDialog {
    Q_OBJECT
public:
    explicit Form18(App& app);

    QLabel *lbl1, *lbl2; // marks ① and ②
    TextBox *txt1d, *txt1h, *txt1n;
    TextBox *txt2d, *txt2h, *txt2n;
    // Caption (…1…) and unit (…2…) labels beside each box.
    QLabel *lbl11d, *lbl12d, *lbl11h, *lbl12h, *lbl11n, *lbl12n;
    QLabel *lbl21d, *lbl22d, *lbl21h, *lbl22h, *lbl21n, *lbl22n;
    QLabel* lblReference; // "東京都開発審査基準による"
};

} // namespace akuenza
