#pragma once
// The design conditions form: how Q1 is obtained, the runoff coefficient C
// and the area A, the rainfall intensity I, the increase of the planned
// rainwater volume, the soil, the influence coefficient and the facility
// families to examine. The form computes nothing; its reactions decide which
// controls are usable and which shown results an edit voids.

#include "core/facilities/calculation_run.h"
#include "forms/base/application.h"
#include "forms/base/controls.h"

namespace akuenza {

class Form1 : public Form {
    Q_OBJECT
public:
    explicit Form1(App& app);

    QLabel* Label5;

    // Q1
    QGroupBox* frm1;
    QLabel* Label18;
    OptionButton *opt_u1, *opt_u2;
    TextBox* txt_u;
    QLabel* lbl_u;

    // Runoff coefficient and area
    QGroupBox* frm2;
    QLabel *lbl6, *lbl_c1, *lbl7, *lbl_a1, *lbl_a2;
    TextBox *txt_c, *txt_a;
    OptionButton *opt5, *opt6;
    QPushButton *cmd_c1, *cmd_c2;

    // Rainfall intensity
    QGroupBox* frm3;
    QLabel *lbl8, *lbl_i1, *lbl_i2;
    TextBox* txt_i;
    OptionButton *opt3, *opt4;
    QPushButton *cmd_i1, *cmd_i2;

    // Increase of the planned rainwater volume
    QGroupBox* frm4;
    QLabel *lbl9, *lbl1;
    OptionButton *opt7, *opt8;
    TextBox* txt1;

    // Soil
    QGroupBox* frm5;
    QLabel *Label13, *lbl5, *lbl2, *lbl3, *lbl4;
    ComboBox* cbo1;
    CheckBox* chk_t;
    TextBox *txt_t, *txt_tk;

    // Influence coefficient
    QGroupBox* frm6;
    QLabel *Label10, *Label14, *Label15;
    TextBox* txt_cf;

    // Facility families
    QGroupBox* frm7;
    QLabel *Label4, *Label16, *Label17;
    CheckBox *chk1, *chk2, *chk3, *chk4, *chk5, *chk6;
    QPushButton *cmd1, *cmd2, *cmd3, *cmd4, *cmd5, *cmd6;

    // chkN and cmdN by number 1 to 6.
    CheckBox* facilityCheck(int n) const;
    QPushButton* dimensionButton(int n) const;

private:
    void buildQ1Frame();
    void buildRunoffFrame();
    void buildRainfallFrame();
    void buildIncreaseFrame();
    void buildSoilFrame();
    void buildInfluenceFrame();
    void buildFacilityFrame();
    void setTabOrder();
    void connectReactions();

    // Reactions
    void opt_u1_Click();
    void opt_u2_Click();
    void cmd_c1_Click();
    void cmd_c2_Click();
    void cmd_i1_Click();
    void cmd_i2_Click();
    void opt7_Click();
    void opt8_Click();
    void chk_t_Click(bool checked);
    void facilityClicked(int n, bool checked);
    void chk6_Click(bool checked);
    void dimensionClicked(int n);

    void voidQ1Results();
    void voidFacilityResults();
    void showConditionsHint();
    void setRainwaterInputsEnabled(bool enabled);
};

} // namespace akuenza
