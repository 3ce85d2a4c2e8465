#include "support/random_cases.h"

#include "core/facilities/facility_families.h"
#include "core/facilities/soil_table.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/circular_basin_dialog.h"
#include "forms/facilities/ditch_pipe_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/pavement_pond_dialog.h"
#include "forms/facilities/results_form.h"
#include "forms/facilities/square_basin_dialog.h"
#include "forms/shell/main_window.h"

#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace akuenza::test {

namespace {

// The column check boxes of a facility dialog.
std::vector<CheckBox*> columnChecks(App& app, int selector)
{
    switch (selector) {
    case 1: return {app.form<Form2>().chk1, app.form<Form2>().chk2};
    case 3: return {app.form<Form6>().chk1, app.form<Form6>().chk2};
    case 4: return {app.form<Form14>().chk1, app.form<Form14>().chk2};
    case 5: return {app.form<Form15>().chk1, app.form<Form15>().chk2};
    default: return {};
    }
}

void expectNoMessage(const ScriptedPlatform& platform, const char* after)
{
    const QStringList shown = messageTexts(platform);
    EXPECT_TRUE(shown.isEmpty()) << after << ": " << shown.join(u" / "_qs).toStdString();
}

} // namespace

std::unique_ptr<Program> startWithNewCase()
{
    auto p = std::make_unique<Program>();
    p->app.mainWindow().show();
    p->app.mainWindow().activateWindow();
    p->app.mainWindow().toolbarButton(1)->trigger();
    return p;
}

QStringList messageTexts(const ScriptedPlatform& platform)
{
    QStringList out;
    for (const MessageRequest& m : platform.messages())
        out << m.text;
    return out;
}

// A click as the engineer makes it: only on a control that is shown and usable.
void CaseEntry::press(QWidget* control)
{
    ASSERT_TRUE(control->isVisible() && control->isEnabled()) << control->objectName().toStdString();
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

void CaseEntry::enterRainfall(App& app, ScriptedPlatform& platform)
{
    Form1& f1 = app.form<Form1>();
    press(f1.cmd_i2);
    Form12& r = app.form<Form12>();
    // ① t+b, ② √t+b, ③ √t−b, ④ t^b, ⑤ t^(d/c)+b, ⑥ t^(d/c)−b
    const int formula = dice_.between(1, 6);
    OptionButton* const options[] = {r.opt1, r.opt4, r.opt2, r.opt3, r.opt5, r.opt6};
    press(options[formula - 1]);
    r.txt1->setText(dice_.number(300, 9000, 0, 1));
    switch (formula) {
    case 1: r.txt2->setText(dice_.number(1, 60, 0, 1)); break;
    case 2: r.txt2->setText(dice_.number(0.1, 10, 1, 2)); break;
    case 3: r.txt2->setText(dice_.number(0.1, 1.5, 1, 2)); break;
    case 4: r.txt2->setText(dice_.number(0.3, 0.9, 1, 3)); break;
    case 5: r.txt2->setText(dice_.number(0.1, 10, 1, 2)); break;
    case 6: r.txt2->setText(dice_.number(0.1, 1, 1, 2)); break;
    }
    if (formula >= 5) {
        r.txt6->setText(dice_.number(0.5, 1.5, 1, 2));
        r.txt7->setText(dice_.number(0.3, 1.0, 1, 2));
    }

    if (dice_.chance(40)) {
        press(r.Option3);
        r.txt8->setText(dice_.number(5, 120, 0, 1));
    } else {
        press(r.Option4);
        if (dice_.chance(50)) {
            press(r.Option1);
            r.txt3->setText(dice_.number(5, 30, 0, 1));
        } else {
            Form13& kerby = app.dialog<Form13>();
            const QString L = dice_.number(10, 300, 0, 1), S = dice_.number(5, 100, 0, 1),
                          n = dice_.pick({u"0.02"_qs, u"0.10"_qs, u"0.20"_qs, u"0.40"_qs, u"0.60"_qs, u"0.80"_qs});
            platform.queueModalAction([&kerby, L, S, n](QDialog&) {
                kerby.txt1->setText(L);
                kerby.txt2->setText(S);
                kerby.txt3->setText(n);
                kerby.cmd1->click();
            });
            press(r.Command4);
        }
        const int flow = dice_.between(1, 3);
        if (flow == 1) {
            press(r.Option5);
            r.txt9->setText(dice_.number(1, 30, 0, 1));
        } else if (flow == 2) {
            press(r.Option6);
            r.txt4->setText(dice_.number(50, 2000, 0, 1));
            press(r.Option7);
            r.txt5->setText(dice_.number(0.8, 3.0, 1, 2));
        } else {
            press(r.chk1);
            Form22& channel = app.dialog<Form22>();
            const bool before = dice_.chance(50);
            const QString L = dice_.number(0.1, 5, 1, 2), i = dice_.number(0.001, 0.05, 3, 4);
            platform.queueModalAction([&channel, before, L, i](QDialog&) {
                (before ? channel.opt1 : channel.opt2)->setChecked(true);
                channel.txt1->setText(L);
                channel.txt2->setText(i);
                channel.cmd1->click();
            });
            press(r.Command1);
        }
    }
    press(r.cmd1);
    expectNoMessage(platform, "the rainfall dialog");
}

void CaseEntry::enterRunoff(App& app, ScriptedPlatform& platform)
{
    press(app.form<Form1>().cmd_c2);
    Form16& r = app.form<Form16>();
    const auto categories = r.categoryChecks();
    const int rows = dice_.between(1, 6);
    for (int row = 0; row < rows; ++row) {
        // A ticked category fills the first empty row with its name.
        CheckBox* category = categories[static_cast<std::size_t>(dice_.between(0, 18))];
        if (dice_.chance(60) && category->value() == 0)
            press(category);
        else
            r.nameBoxes()[row]->setText(dice_.pick({u"駐車場"_qs, u" 畑, \"北側\""_qs, u"ﾃﾆｽｺｰﾄ"_qs,
                                                    u"歩道・広場"_qs, u"Lot 7"_qs, u"屋上緑化（東棟）"_qs}));
        r.coefficientBoxes()[row]->setText(dice_.number(0.05, 1.0, 2, 3));
        r.areaBoxes()[row]->setText(dice_.number(10, 5000, 0, 2));
    }
    press(r.cmd1);
    expectNoMessage(platform, "the runoff dialog");
}

void CaseEntry::enterSoilByName(Form1& f1)
{
    press(f1.chk_t);
    f1.txt_t->setText(dice_.pick({u"ローム"_qs, u"関東ローム層"_qs, u"砂質土 (盛土)"_qs, u" 礫混じり砂"_qs,
                                  u"ｼﾙﾄ質粘土"_qs, u"土, \"北側\""_qs, u"Sand-3"_qs}));
    f1.txt_tk->setText(dice_.chance(30) ? dice_.exponentNumber(2, 5) : dice_.number(0.00001, 0.1, 5, 7));
}

QString CaseEntry::dimension(char unit)
{
    switch (unit) {
    case 'w': return dice_.number(0.2, 2.0, 1, 2);
    case 'd': return dice_.number(0.3, 2.0, 1, 2);
    case 'h': return dice_.number(0.3, 3.0, 1, 2);
    case 'l': return dice_.number(1, 200, 0, 1);
    case 's': return dice_.number(5, 2000, 0, 1);
    default: return dice_.number(1, 30, 0, 0); // a count
    }
}

// Opens the family's dialog with its button, ticks columns and fills the usable boxes.
void CaseEntry::enterFacility(App& app, int selector)
{
    press(app.form<Form1>().dimensionButton(selector));
    FacilityDialog& dialog = dialogOf(app, selector);
    for (CheckBox* column : columnChecks(app, selector))
        if ((column->value() == 1) != dice_.chance(80))
            press(column);
    const FacilityFamily& family = dialog.family();
    for (std::size_t i = 0; i < family.boxes.size(); ++i) {
        TextBox* box = dialog.boxes()[i];
        if (box->isEnabled() && dice_.chance(family.well && i < 3 ? 100 : 85))
            box->setText(dimension(family.box(i).name[std::strlen(family.box(i).name) - 1]));
    }
}

// Enters a case in the program's windows and presses 計算.
void CaseEntry::enterCase(Program& p)
{
    App& app = p.app;
    Form1& f1 = app.form<Form1>();

    if (dice_.chance(20)) {
        // The well: C and A typed, the soil by name.
        press(f1.chk6);
        press(f1.cmd_c1);
        f1.txt_c->setText(dice_.number(0.1, 0.95, 1, 3));
        f1.txt_a->setText(dice_.number(100, 20000, 0, 2));
        enterSoilByName(f1);
        enterFacility(app, kWellSelector);
        calculate(app);
        return;
    }

    if (dice_.chance(15)) {
        press(f1.opt_u2);
        f1.txt_u->setText(dice_.number(1, 500, 0, 3));
    } else {
        if (dice_.chance(40)) {
            enterRainfall(app, p.platform);
        } else {
            if (dice_.chance(30))
                press(f1.cmd_i1);
            f1.txt_i->setText(dice_.number(20, 150, 0, 1));
        }
        if (dice_.chance(40)) {
            enterRunoff(app, p.platform);
        } else {
            if (dice_.chance(30))
                press(f1.cmd_c1);
            f1.txt_c->setText(dice_.number(0.1, 0.95, 1, 3));
            f1.txt_a->setText(dice_.number(100, 20000, 0, 2));
        }
        if (dice_.chance(30)) {
            press(f1.opt8);
            f1.txt1->setText(dice_.number(0, 50, 0, 1));
        }
    }
    if (dice_.chance(30))
        enterSoilByName(f1);
    else
        f1.cbo1->setListIndex(dice_.between(0, static_cast<int>(kSoils.size()) - 1));
    f1.txt_cf->setText(dice_.number(0.5, 1.0, 1, 2));

    std::vector<int> chosen;
    for (int n = 1; n <= 5; ++n)
        if (dice_.chance(45))
            chosen.push_back(n);
    if (chosen.empty())
        chosen.push_back(dice_.between(1, 5));
    for (int n = 1; n <= 5; ++n) {
        const bool wanted = std::find(chosen.begin(), chosen.end(), n) != chosen.end();
        if ((f1.facilityCheck(n)->value() == 1) != wanted)
            press(f1.facilityCheck(n));
    }
    for (int n : chosen)
        enterFacility(app, n);
    calculate(app);
}

void CaseEntry::calculate(App& app) { press(app.form<Form11>().cmd1); }

} // namespace akuenza::test
