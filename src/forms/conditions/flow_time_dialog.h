#pragma once
// The river-channel dialog of the flow time t2 by the formulas of 茨城県:
// the choice before or after development, the channel length L (km) and its
// slope i. It only collects them; the rainfall dialog evaluates the formula
// at its own OK. OK hides it with its entries; Cancel discards them and turns
// the rainfall dialog back to L/(60·V). Shown modally by the rainfall dialog.

#include "core/conditions/hydrology.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

namespace akuenza {

class FormulaDrawing;

class Form22 : public ModalForm {
    Q_OBJECT
public:
    explicit Form22(App& app);

    QLabel* lblHeading;
    QGroupBox* Frame1;
    OptionButton *opt1, *opt2;
    FormulaDrawing *beforeDrawing, *afterDrawing;
    QLabel *lblLength, *lblKm;
    TextBox* txt1;
    QLabel* lblSlope;
    TextBox* txt2;
    QPushButton *cmd1, *cmd2;

    ChannelEntries entries() const;

    void cmd1_Click();
    void cmd2_Click();


protected:
    // The close box and Escape are the Cancel.
    void reject() override { cmd2_Click(); }
};

} // namespace akuenza
