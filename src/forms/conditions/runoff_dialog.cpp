#include "forms/conditions/runoff_dialog.h"

#include "core/record/digit_format.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/placed_controls.h"
#include "forms/facilities/results_form.h"
#include "forms/base/status_texts.h"

#include <QToolBar>

namespace akuenza {

namespace {

using namespace placed;


// A land-use category of the reference panel: its check box, caption, the
// name it writes into a row (not always the caption: some names carry two
// ordinary spaces, a half-width comma) and its published coefficient.
struct Category {
    CheckBox* Form16::*check;
    const char* objectName;
    const char* caption;
    const char* rowName;
    const char* coefficient;
};

const Category kColumns[3][8] = {
    {
        {&Form16::chk_k1, "chk_k1", "屋　根", "屋　根", "0.85～0.95"},
        {&Form16::chk_k2, "chk_k2", "道　路", "道　路", "0.80～0.90"},
        {&Form16::chk_k3, "chk_k3", "その他の不透水面", "その他の不透水面", "0.75～0.85"},
        {&Form16::chk_k4, "chk_k4", "水　面", "水  面", "1.00"},
        {&Form16::chk_k5, "chk_k5", "間　地", "間　地", "0.10～0.30"},
        {&Form16::chk_k6, "chk_k6", "芝、樹木の多い公園", "芝､樹木の多い公園", "0.05～0.25"},
        {&Form16::chk_k7, "chk_k7", "勾配の緩い山地", "勾配の緩い山地", "0.20～0.40"},
        {&Form16::chk_k8, "chk_k8", "勾配の急な山地", "勾配の急な山地", "0.40～0.60"},
    },
    {
        {&Form16::chk_t1, "chk_t1", "密集市街地", "密集市街地", "0.9"},
        {&Form16::chk_t2, "chk_t2", "一般市街地", "一般市街地", "0.8"},
        {&Form16::chk_t3, "chk_t3", "畑 ・ 原野", "畑・原野", "0.6"},
        {&Form16::chk_t4, "chk_t4", "水　田", "水  田", "0.7"},
        {&Form16::chk_t5, "chk_t5", "山　地", "山　地", "0.7"},
        {&Form16::chk_t6, "chk_t6", "宅地等の造成地域", "宅地等の造成地域", "0.9"},
        {&Form16::chk_t7, "chk_t7", "ｺﾞﾙﾌ場等の造成地域", "ｺﾞﾙﾌ場等の造成地域", "0.8"},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    },
    {
        {&Form16::chk_u1, "chk_u1", "林　地", "林　地", "0.3～0.7"},
        {&Form16::chk_u2, "chk_u2", "草　地", "草　地", "0.4～0.8"},
        {&Form16::chk_u3, "chk_u3", "耕　地", "耕　地", "0.5～0.8"},
        {&Form16::chk_u4, "chk_u4", "裸　地", "裸　地", "0.9～1.0"},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr, nullptr},
    },
};

} // namespace

Form16::Form16(App& app) : Form(app)
{
    setObjectName(QStringLiteral("Form16"));
    setWindowTitle(QStringLiteral("流出係数"));
    setFixedSize(twipsToPixels(9420), twipsToPixels(6960));

    lblHeading = heading(this, "lblHeading", "◇ 流 出 係 数", 120, 60, 4000);
    setTextColour(lblHeading, kHeadingBlue);
    lblSelectHint = label(this, "lblSelectHint",
                          "（土地利用形態を選択チェックし（６つまで）、流出係数、対策面積を入力してください。）", 240,
                          420, 9000);

    buildCategories();
    buildRows();

    cmd1 = button(this, "cmd1", "ＯＫ", 6240, 6270, 1320, 450);
    cmd2 = button(this, "cmd2", "キャンセル", 7680, 6270, 1320, 450);
    connect(cmd1, &QPushButton::clicked, this, &Form16::cmd1_Click);
    connect(cmd2, &QPushButton::clicked, this, &Form16::cmd2_Click);
}

void Form16::buildCategories()
{
    fraCategories = frame(this, "fraCategories", "", 60, 720, 9300, 2880);
    for (int column = 0; column < 3; ++column) {
        const int left = 120 + column * 3060;
        makeGreen(label(fraCategories, "", "土地利用形態", left + 60, 150, 1920));
        makeGreen(label(fraCategories, "", "流出係数", left + 1980, 150, 960));
        int top = 450;
        for (const Category& category : kColumns[column]) {
            if (!category.check)
                break;
            CheckBox* box = check(fraCategories, category.objectName, category.caption, left + 60, top, 1920);
            this->*category.check = box;
            QLabel* coefficient = label(fraCategories, "", category.coefficient, left + 1980, top, 960);
            coefficient->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            const QString rowName = QString::fromUtf8(category.rowName);
            connect(box, &QCheckBox::toggled, this, [this, rowName](bool on) { categoryClicked(rowName, on); });
            top += 285;
        }
    }
}

void Form16::buildRows()
{
    lblTypeHint = label(this, "lblTypeHint", "（土地利用形態が上記に無い場合は、直接入力してください。）", 240, 3690,
                        9000);
    TextBox** const names[6] = {&txt_t1, &txt_t2, &txt_t3, &txt_t4, &txt_t5, &txt_t6};
    TextBox** const coefficients[6] = {&txt_c1, &txt_c2, &txt_c3, &txt_c4, &txt_c5, &txt_c6};
    TextBox** const areas[6] = {&txt_a1, &txt_a2, &txt_a3, &txt_a4, &txt_a5, &txt_a6};
    const char* const nameNames[6] = {"txt_t1", "txt_t2", "txt_t3", "txt_t4", "txt_t5", "txt_t6"};
    const char* const coefficientNames[6] = {"txt_c1", "txt_c2", "txt_c3", "txt_c4", "txt_c5", "txt_c6"};
    const char* const areaNames[6] = {"txt_a1", "txt_a2", "txt_a3", "txt_a4", "txt_a5", "txt_a6"};
    const char* const marks[6] = {"①", "②", "③", "④", "⑤", "⑥"};

    for (int block = 0; block < 2; ++block) {
        const int left = 120 + block * 4620;
        label(this, "", "土地利用形態", left + 360, 3990, 2040)->setAlignment(Qt::AlignHCenter);
        label(this, "", "流出係数", left + 2430, 3990, 840)->setAlignment(Qt::AlignHCenter);
        label(this, "", "対策面積(m2)", left + 3300, 3990, 1260)->setAlignment(Qt::AlignHCenter);
    }
    for (int row = 0; row < 6; ++row) {
        const int left = 120 + (row / 3) * 4620;
        const int top = 4290 + (row % 3) * 360;
        label(this, "", marks[row], left + 60, top + 15, 300);
        auto* name = new TextBox(this, nameNames[row]);
        name->setJapaneseEntry();
        placeTwips(name, left + 360, top, 2040, 300);
        *names[row] = name;
        *coefficients[row] = numberBox(this, coefficientNames[row], left + 2430, top, 840);
        *areas[row] = numberBox(this, areaNames[row], left + 3300, top, 1260);
    }

    lblGapNote = label(this, "lblGapNote", "（途中に空白番号部分がある場合は、流出係数が印刷されません。）", 240,
                       5430, 9000);
    lblGapExample = label(this, "lblGapExample",
                          "（例：①④の場合は④を消して②に、①②④⑤の場合は⑤を消して③に入れてください。）", 240,
                          5700, 9000);

    QWidget* previous = nullptr;
    for (int row = 0; row < 6; ++row) {
        for (QWidget* w : std::initializer_list<QWidget*>{*names[row], *coefficients[row], *areas[row]}) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
}

std::array<CheckBox*, 19> Form16::categoryChecks() const
{
    return {chk_k1, chk_k2, chk_k3, chk_k4, chk_k5, chk_k6, chk_k7, chk_k8, chk_t1, chk_t2,
            chk_t3, chk_t4, chk_t5, chk_t6, chk_t7, chk_u1, chk_u2, chk_u3, chk_u4};
}

// A tick writes the name into the first row without one; taking the tick
// away empties the first row that carries exactly that name.
void Form16::categoryClicked(const QString& rowName, bool ticked)
{
    const auto names = nameBoxes();
    for (std::size_t row = 0; row < names.size(); ++row) {
        if (ticked && names[row]->text().isEmpty()) {
            names[row]->setText(rowName);
            return;
        }
        if (!ticked && names[row]->text() == rowName) {
            names[row]->clear();
            coefficientBoxes()[row]->clear();
            areaBoxes()[row]->clear();
            return;
        }
    }
}

LandUseRows Form16::rows() const
{
    LandUseRows out;
    for (std::size_t row = 0; row < out.size(); ++row)
        out[row] = {nameBoxes()[row]->text().toStdString(), coefficientBoxes()[row]->text().toStdString(),
                    areaBoxes()[row]->text().toStdString()};
    return out;
}

void Form16::Ryusyutu_1() { storeLandUseRows(app().record, rows()); }

void Form16::Ryusyutu_2()
{
    if (const std::optional<WeightedRunoff> result = storeWeightedRunoff(app().record))
        showInConditions(*result);
}

// The design works with what the boxes show: C to three decimals at most, A to two.
void Form16::showInConditions(const WeightedRunoff& result)
{
    Form1& conditions = app().form<Form1>();
    conditions.txt_c->setText(QString::fromStdString(formatDigits(result.coefficient, "0.0##")));
    conditions.txt_a->setText(QString::fromStdString(formatDigits(result.area, "0.00")));
}

void Form16::cmd1_Click()
{
    const RunoffOutcome outcome = confirmRunoff(app().record, rows());
    if (!outcome.accepted) {
        app().showError(QString::fromStdString(outcome.message));
        switch (outcome.focus) {
        case RunoffEntry::Name1: app().focusOn(txt_t1); break;
        case RunoffEntry::Coefficient1: app().focusOn(txt_c1); break;
        case RunoffEntry::Area1: app().focusOn(txt_a1); break;
        case RunoffEntry::None: break;
        }
        return;
    }
    showInConditions(outcome.result);
    app().hide<Form16>();
    Form1& conditions = app().showAt<Form1>(0, 0);
    conditions.opt6->setChecked(true);
    conditions.txt_c->setFrame(false);
    conditions.txt_a->setFrame(false);
    app().focusOn(conditions.cmd_i1);

    // The previous calculation is void.
    app().form<Form11>().voidQ1Results();
    MainFrame& main = app().frame();

    main.enableReferenceMenu();
    main.showBars();
    main.setPanelText(QStringLiteral("msg"), kConditionsHint);
}

void Form16::cmd2_Click()
{
    app().hide<Form16>();
    MainFrame& main = app().frame();
    main.showToolbar();
    main.setPanelText(QStringLiteral("msg"), kConditionsHint);
}

// Unloaded while it is up (the case is closed), it gives the toolbar back.
void Form16::Form_Unload()
{
    if (app().isShown(this))
        app().frame().showBars();
}

} // namespace akuenza
