#pragma once
// The rainfall-intensity dialog: one of six intensity formulas with its
// constants, and the arrival time t typed or as t = t1 + t2 (inlet time
// typed, from the reference table or by Kerby's formula; flow time typed,
// as L/(60·V) or by the river-channel formulas of 茨城県). Its OK stores the
// entries, computes I and hands it to the design conditions form rounded to
// one decimal. A borderless panel at the top left of the work area; hidden
// by OK and Cancel with its entries, unloaded when I is typed directly.

#include "core/conditions/hydrology.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

#include <array>

namespace akuenza {

class FormulaDrawing;
class ReferenceTable;

class Form12 : public Form {
    Q_OBJECT
public:
    explicit Form12(App& app);

    QLabel* lblHeading;

    // Formula section: the six formulas (the names do not follow the
    // captions: ① opt1, ② opt4, ③ opt2, ④ opt3, ⑤ opt5, ⑥ opt6) and the constants.
    QGroupBox* Frame1;
    OptionButton *opt1, *opt2, *opt3, *opt4, *opt5, *opt6;
    std::array<FormulaDrawing*, 6> formulaDrawings; // in caption order ① … ⑥
    QLabel *lblLegendI, *lblLegendT;
    QLabel *lblConstantA, *lblA, *lblConstantB, *lblB, *lblConstantC, *lblC, *lblConstantD, *lblD;
    TextBox *txt1, *txt2, *txt6, *txt7;

    // Arrival time t
    QGroupBox* Frame2;
    OptionButton *Option3, *Option4;
    QLabel *lblT, *lblTUnit, *lblArrivalFormula;
    TextBox* txt8;

    // Inlet time t1
    QGroupBox* Frame3;
    OptionButton *Option1, *Option2;
    QLabel *lblT1, *lblT1Unit;
    TextBox* txt3;
    ReferenceTable* inletTimeTable; // inlet times by district, for reading
    QLabel* lblGrassland;
    QPushButton* Command4;

    // Flow time t2
    QGroupBox* Frame4;
    OptionButton *Option5, *Option6;
    QLabel *lblT2, *lblT2Unit;
    TextBox* txt9;
    CheckBox* chk1;
    QPushButton* Command1;
    QGroupBox* Frame6;
    FormulaDrawing* flowTimeDrawing;
    QLabel *lblDrainLength, *lblL, *lblLUnit;
    TextBox* txt4;
    QGroupBox* Frame5;
    QLabel *lblVelocity, *lblV, *lblVUnit, *lblVelocityHint;
    TextBox* txt5;
    OptionButton *Option7, *Option8;
    QPushButton* Command8;
    QLabel* lbl1;

    QPushButton *cmd1, *cmd2;

    // The entries as they stand, with those of the river-channel dialog.
    RainfallEntries entries() const;
    // Copies the entries into the record and derives t2 and t.
    void Keisan_1();
    // Computes I from the record by the chosen formula.
    void Keisan_2();

    // Arranges the dialog each time the design conditions form opens it.
    void arrangeForOpening();

    void cmd1_Click();
    void cmd2_Click();

    void Form_Unload() override;

private:
    void buildFormulaFrame();
    void buildArrivalFrame();
    void buildInletFrame();
    void buildFlowFrame();
    void setTabOrder();
    void connectReactions();

    void formulaChosen(RainfallFormula formula);
    void Option3_Click();
    void Option4_Click();
    void Option1_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void chk1_Click(bool checked);
    void hideVelocityMethod();
    void showDrainLengthRow(bool shown);
    bool exponentFormulaChosen() const;

    // Gives a box the focus with the caret at its start, or another control the focus.
    void focusAtStart(QWidget* control);
    QWidget* controlFor(RainfallEntry entry) const;
};

} // namespace akuenza
