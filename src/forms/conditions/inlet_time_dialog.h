#pragma once
// The inlet-time dialog: t1 of grassland and woodland slopes by Kerby's
// formula from the slope length L, the slope S (per mille) and the
// retardance coefficient n, with a reference table of n. Its OK stores the
// entries, computes t1 and puts it into the rainfall dialog's t1 box; OK
// hides it with its entries, Cancel discards them. Shown modally by the
// rainfall dialog.

#include "forms/base/application.h"
#include "forms/base/controls.h"

namespace akuenza {

class FormulaDrawing;
class ReferenceTable;

class Form13 : public ModalForm {
    Q_OBJECT
public:
    explicit Form13(App& app);

    QLabel* lblHeading;
    FormulaDrawing* kerbyDrawing;
    QLabel *lblLength, *lblL, *lblLUnit;
    TextBox* txt1;
    QLabel *lblGradient, *lblS;
    TextBox* txt2;
    QLabel *lblRetardance, *lblN;
    TextBox* txt3;
    ReferenceTable* retardanceTable; // n by ground cover, for reading
    QPushButton *cmd1, *cmd2;

    void cmd1_Click();
    void cmd2_Click();


protected:
    // The close box and Escape are the Cancel.
    void reject() override { cmd2_Click(); }
};

} // namespace akuenza
