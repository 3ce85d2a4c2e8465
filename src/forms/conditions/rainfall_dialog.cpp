#include "forms/conditions/rainfall_dialog.h"

#include "core/record/digit_format.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/formula_drawings.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/placed_controls.h"
#include "forms/conditions/reference_table.h"
#include "forms/facilities/results_form.h"
#include "forms/base/status_texts.h"

#include <QToolBar>

namespace akuenza {

namespace {

const QString kIbarakiSource = QStringLiteral("茨城県宅地開発関係資料集による(茨城県土木部都市局建築指導課)");

using namespace placed;

} // namespace

Form12::Form12(App& app) : Form(app)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("降雨強度"));
    setFixedSize(twipsToPixels(9300), twipsToPixels(7020));

    lblHeading = heading(this, "lblHeading", "◇ １時間当たりの降雨強度 ", 120, 60, 5000);
    setTextColour(lblHeading, kHeadingBlue);

    buildFormulaFrame();
    buildArrivalFrame();
    buildInletFrame();
    buildFlowFrame();

    cmd1 = button(this, "cmd1", "ＯＫ", 240, 6360, 1260, 450);
    cmd2 = button(this, "cmd2", "キャンセル", 1620, 6360, 1260, 450);

    setTabOrder();
    connectReactions();
}

// --------------------------------------------------------------- layout

void Form12::buildFormulaFrame()
{
    Frame1 = frame(this, "Frame1", "降雨強度式の選択 及び 定数の入力", 60, 420, 9180, 2700);
    opt1 = option(Frame1, "opt1", "①", 120, 0, 480);
    opt4 = option(Frame1, "opt4", "②", 120, 0, 480);
    opt2 = option(Frame1, "opt2", "③", 120, 0, 480);
    opt3 = option(Frame1, "opt3", "④", 120, 0, 480);
    opt5 = option(Frame1, "opt5", "⑤", 120, 0, 480);
    opt6 = option(Frame1, "opt6", "⑥", 120, 0, 480);
    OptionButton::group({opt1, opt2, opt3, opt4, opt5, opt6});

    // Two rows of three, in caption order.
    OptionButton* const inCaptionOrder[6] = {opt1, opt4, opt2, opt3, opt5, opt6};
    for (int k = 0; k < 6; ++k) {
        const int left = 120 + (k % 3) * 3000;
        const int top = 330 + (k / 3) * 840;
        placeTwips(inCaptionOrder[k], left, top + 255, 480, 270);
        formulaDrawings[k] = new FormulaDrawing(rainfallFormula(static_cast<RainfallFormula>(k + 1)), Frame1);
        formulaDrawings[k]->setObjectName(QStringLiteral("formulaDrawing%1").arg(k + 1));
        placeTwips(formulaDrawings[k], left + 510, top, 2400, 780);
    }

    lblLegendI = label(Frame1, "lblLegendI", "Ｉ：１時間当たりの降雨強度 (mm/hr)", 240, 2040, 3900);
    lblLegendT = label(Frame1, "lblLegendT", "ｔ：到達時間 (min)", 4260, 2040, 2400);

    const int row = 2340;
    lblConstantA = label(Frame1, "lblConstantA", "定数", 240, row + 15, 450);
    lblA = label(Frame1, "lblA", "ａ=", 690, row + 15, 330);
    txt1 = numberBox(Frame1, "txt1", 1020, row, 1080);
    lblConstantB = label(Frame1, "lblConstantB", "定数", 2460, row + 15, 450);
    lblB = label(Frame1, "lblB", "ｂ=", 2910, row + 15, 330);
    txt2 = numberBox(Frame1, "txt2", 3240, row, 1080);
    lblConstantC = label(Frame1, "lblConstantC", "定数", 4680, row + 15, 450);
    lblC = label(Frame1, "lblC", "ｃ=", 5130, row + 15, 330);
    txt6 = numberBox(Frame1, "txt6", 5460, row, 1080);
    lblConstantD = label(Frame1, "lblConstantD", "定数", 6900, row + 15, 450);
    lblD = label(Frame1, "lblD", "ｄ=", 7350, row + 15, 330);
    txt7 = numberBox(Frame1, "txt7", 7680, row, 1080);
    for (QWidget* w : std::initializer_list<QWidget*>{lblConstantC, lblC, txt6, lblConstantD, lblD, txt7})
        w->hide();
    Frame1->setFixedHeight(twipsToPixels(2760));
}

void Form12::buildArrivalFrame()
{
    Frame2 = frame(this, "Frame2", "到 達 時 間 ", 60, 3240, 2700, 1620);
    Frame2->setProperty("Tag", QStringLiteral("(t)"));
    Option3 = option(Frame2, "Option3", "直接入力", 120, 390, 1110);
    lblT = label(Frame2, "lblT", "t=", 1230, 405, 270);
    txt8 = numberBox(Frame2, "txt8", 1500, 390, 720);
    lblTUnit = label(Frame2, "lblTUnit", "min", 2250, 405, 420);
    Option4 = option(Frame2, "Option4", "計算する", 120, 840, 1110);
    OptionButton::group({Option3, Option4});
    lblArrivalFormula = label(Frame2, "lblArrivalFormula", "t(min)= t1 + t2", 420, 1200, 2200);
}

void Form12::buildInletFrame()
{
    Frame3 = frame(this, "Frame3", "流 入 時 間", 2820, 3240, 3300, 2580);
    Frame3->setProperty("Tag", QStringLiteral("(t1)"));
    Option1 = option(Frame3, "Option1", "直接入力", 150, 390, 1140);
    lblT1 = label(Frame3, "lblT1", "t1=", 1320, 405, 360);
    txt3 = numberBox(Frame3, "txt3", 1680, 390, 720);
    lblT1Unit = label(Frame3, "lblT1Unit", "min", 2430, 405, 450);

    // Inlet times by district, for reading; below it the Kerby method.
    inletTimeTable = new ReferenceTable(Frame3, "inletTimeTable", {1980, 1080}, 300,
                                        {{u"区　　分"_qs, u"流 入 時 間"_qs},
                                         {u"人口密度が大きい地区"_qs, u"５分"_qs},
                                         {u"人口密度が小さい地区"_qs, u"１０分"_qs},
                                         {u"平　　均"_qs, u"７分"_qs}});
    inletTimeTable->setCentredColumns({1});
    inletTimeTable->move(twipsToPixels(120), twipsToPixels(810));
    lblGrassland = label(Frame3, "lblGrassland", "草地、樹林地等", 180, 2100, 1860);
    Option2 = option(Frame3, "Option2", "", 2130, 2100, 270);
    Command4 = button(Frame3, "Command4", "計算する", 2400, 2055, 810);
    OptionButton::group({Option1, Option2});
}

void Form12::buildFlowFrame()
{
    Frame4 = frame(this, "Frame4", "流 下 時 間", 6180, 3240, 3060, 3660);
    Frame4->setProperty("Tag", QStringLiteral("(t2)"));
    Option5 = option(Frame4, "Option5", "直接入力", 150, 390, 1140);
    lblT2 = label(Frame4, "lblT2", "t2=", 1320, 405, 360);
    txt9 = numberBox(Frame4, "txt9", 1680, 390, 720);
    lblT2Unit = label(Frame4, "lblT2Unit", "min", 2430, 405, 450);
    Option6 = option(Frame4, "Option6", "計算する", 150, 780, 1140);
    OptionButton::group({Option5, Option6});
    chk1 = check(Frame4, "chk1", "茨城県", 1320, 780, 840);
    Command1 = button(Frame4, "Command1", "計算", 2190, 750, 720);
    Command1->hide();

    Frame6 = frame(Frame4, "Frame6", "", 120, 1110, 2940, 720);
    flowTimeDrawing = new FormulaDrawing(flowTimeFormula(), Frame6);
    flowTimeDrawing->setObjectName(QStringLiteral("flowTimeDrawing"));
    placeTwips(flowTimeDrawing, 600, 30, 1800, 660);

    lbl1 = label(Frame4, "lbl1", "", 150, 1170, 2880, 840);
    lbl1->setWordWrap(true);
    lbl1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl1->hide();

    lblDrainLength = label(Frame4, "lblDrainLength", "排水施設延長距離 ", 150, 1935, 1560);
    lblL = label(Frame4, "lblL", "L=", 1710, 1935, 270);
    txt4 = numberBox(Frame4, "txt4", 1980, 1920, 780);
    lblLUnit = label(Frame4, "lblLUnit", "m", 2790, 1935, 270);

    Frame5 = frame(Frame4, "Frame5", "", 120, 2280, 2940, 1290);
    lblVelocity = label(Frame5, "lblVelocity", "流　速", 120, 165, 660);
    lblV = label(Frame5, "lblV", "V=", 780, 165, 270);
    txt5 = numberBox(Frame5, "txt5", 1050, 150, 780);
    lblVUnit = label(Frame5, "lblVUnit", "m/sec", 1860, 165, 660);
    lblVelocityHint = label(Frame5, "lblVelocityHint", "(0.8～3.0m/sec)", 1050, 480, 1800);
    Option7 = option(Frame5, "Option7", "仮定する", 120, 870, 1140);
    Option8 = option(Frame5, "Option8", "", 1320, 870, 270);
    OptionButton::group({Option7, Option8});
    // Computing the velocity has no method yet: the button stays visible
    // but cannot be pressed, so nothing looks usable that does nothing.
    Command8 = button(Frame5, "Command8", "計算する", 1620, 840, 1140);
    Command8->setEnabled(false);

    // Designed state: t computed as t1 + t2, t2 computed as L/(60·V).
    Option4->setChecked(true);
    Option6->setChecked(true);
    for (TextBox* box : {txt8, txt3, txt9, txt5})
        box->setFrame(false);
}

void Form12::setTabOrder()
{
    QWidget* const order[] = {opt1,    opt4,    opt2,    opt3,    opt5,     opt6,    txt1,     txt2,
                              txt6,    txt7,    Option3, txt8,    Option4,  Option1, txt3,     Option2,
                              Command4, Option5, txt9,   Option6, chk1,     Command1, txt4,    Option7,
                              txt5,    Option8, Command8, cmd1,   cmd2};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

// ------------------------------------------------------------ reactions

void Form12::connectReactions()
{
    const std::pair<OptionButton*, RainfallFormula> formulas[] = {
        {opt1, RainfallFormula::One},  {opt4, RainfallFormula::Two}, {opt2, RainfallFormula::Three},
        {opt3, RainfallFormula::Four}, {opt5, RainfallFormula::Five}, {opt6, RainfallFormula::Six},
    };
    for (const auto& [button, formula] : formulas)
        connect(button, &OptionButton::chosen, this, [this, f = formula] { formulaChosen(f); });

    connect(Option3, &OptionButton::chosen, this, &Form12::Option3_Click);
    connect(Option4, &OptionButton::chosen, this, &Form12::Option4_Click);
    connect(Option1, &OptionButton::chosen, this, &Form12::Option1_Click);
    connect(Option5, &OptionButton::chosen, this, &Form12::Option5_Click);
    connect(Option6, &OptionButton::chosen, this, &Form12::Option6_Click);
    connect(Option7, &OptionButton::chosen, this, &Form12::Option7_Click);
    connect(chk1, &QCheckBox::toggled, this, &Form12::chk1_Click);
    connect(Command4, &QPushButton::clicked, this, [this] { app().showModal<Form13>(); });
    connect(Command1, &QPushButton::clicked, this, [this] { app().showModal<Form22>(); });
    connect(cmd1, &QPushButton::clicked, this, &Form12::cmd1_Click);
    connect(cmd2, &QPushButton::clicked, this, &Form12::cmd2_Click);

    // A click into a box chooses the way of the value it holds.
    connect(txt3, &TextBox::clicked, this, [this] {
        app().unloadDialog<Form13>();
        Option1->setChecked(true);
    });
    connect(txt5, &TextBox::clicked, this, [this] { Option7->setChecked(true); });
    connect(txt8, &TextBox::clicked, this, [this] { Option3->setChecked(true); });
    connect(txt9, &TextBox::clicked, this, [this] { Option5->setChecked(true); });

    // Enter moves along the constants.
    txt1->chainEnter({txt2}, TextBox::EnterKey::Swallow);
    txt2->onEnter(
        [this] {
            if (exponentFormulaChosen())
                focusAndSelect(txt6);
            else
                focusAndSelect(Option3);
        },
        TextBox::EnterKey::Swallow);
    txt6->chainEnter({txt7}, TextBox::EnterKey::Swallow);
}

bool Form12::exponentFormulaChosen() const { return opt5->isChecked() || opt6->isChecked(); }

void Form12::formulaChosen(RainfallFormula formula)
{
    for (TextBox* box : {txt1, txt2, txt6, txt7})
        box->clear();
    const bool exponent = usesExponentConstants(formula);
    for (QWidget* w : std::initializer_list<QWidget*>{lblConstantC, lblC, txt6, lblConstantD, lblD, txt7})
        w->setVisible(exponent);
    if (exponent) {
        txt6->setFrame(true);
        txt7->setFrame(true);
    }
}

void Form12::Option3_Click()
{
    Frame3->hide();
    Frame4->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{lblT, txt8, lblTUnit})
        w->show();
    Option6->setChecked(false);
    Option7->setChecked(false);
    txt8->setFrame(true);
    app().focusOn(txt8);
}

void Form12::Option4_Click()
{
    Frame3->show();
    Frame4->show();
    Frame5->hide();
    showDrainLengthRow(false);
    Option1->setChecked(false);
    Option5->setChecked(false);
    Option6->setChecked(false);
    for (TextBox* box : {txt4, txt5, txt3, txt9, txt8})
        box->clear();
    for (TextBox* box : {txt8, txt3, txt9})
        box->setFrame(false);
}

void Form12::Option1_Click()
{
    app().unloadDialog<Form13>();
    txt3->setFrame(true);
    app().focusOn(txt3);
}

void Form12::showDrainLengthRow(bool shown)
{
    for (QWidget* w : std::initializer_list<QWidget*>{lblDrainLength, lblL, txt4, lblLUnit})
        w->setVisible(shown);
}

// The L/(60·V) inputs go away: the velocity box and the L row, emptied.
void Form12::hideVelocityMethod()
{
    Frame5->hide();
    showDrainLengthRow(false);
    txt4->clear();
    txt5->clear();
}

void Form12::Option5_Click()
{
    hideVelocityMethod();
    chk1->setChecked(false);
    Option6->setChecked(false);
    Option7->setChecked(false);
    Option8->setChecked(false);
    lbl1->clear();
    lbl1->hide();
    Frame6->show();
    Command1->hide();
    txt9->setFrame(true);
    app().focusOn(txt9);
    app().unloadDialog<Form22>();
}

void Form12::Option6_Click()
{
    txt9->clear();
    txt9->setFrame(false);
    Frame5->show();
    showDrainLengthRow(true);
    txt5->show();
    txt5->setFrame(false);
    txt4->clear();
    txt5->clear();
}

void Form12::Option7_Click()
{
    txt5->setFrame(true);
    app().focusOn(txt5);
}

void Form12::chk1_Click(bool checked)
{
    if (checked)
        Option6->setChecked(true);
    hideVelocityMethod();
    Frame6->hide();
    Option7->setChecked(false);
    Option8->setChecked(false);
    if (checked) {
        lbl1->setText(kIbarakiSource);
        lbl1->show();
        Command1->show();
        return;
    }
    Option6->setChecked(false);
    lbl1->clear();
    lbl1->hide();
    Frame6->show();
    Command1->hide();
    Option5->setChecked(true);
    txt9->setFrame(true);
    app().focusOn(txt9);
    app().unloadDialog<Form22>();
}

void Form12::arrangeForOpening()
{
    const bool exponent = exponentFormulaChosen();
    for (QWidget* w : std::initializer_list<QWidget*>{lblConstantC, lblC, txt6, lblConstantD, lblD, txt7})
        w->setVisible(exponent);
    bool anyFormula = false;
    for (OptionButton* o : {opt1, opt2, opt3, opt4, opt5, opt6})
        anyFormula = anyFormula || o->isChecked();
    if (!anyFormula)
        Option4->setChecked(false);
    if (!Option4->isChecked()) {
        Frame3->hide();
        Frame4->hide();
    }
    app().focusOn(cmd1);
}

// ----------------------------------------------------------- procedures

RainfallEntries Form12::entries() const
{
    RainfallEntries e;
    // Tested in the order of the names, as the formulas have always been.
    const std::pair<OptionButton*, RainfallFormula> formulas[] = {
        {opt1, RainfallFormula::One},  {opt4, RainfallFormula::Two}, {opt2, RainfallFormula::Three},
        {opt3, RainfallFormula::Four}, {opt5, RainfallFormula::Five}, {opt6, RainfallFormula::Six},
    };
    for (const auto& [button, formula] : formulas) {
        if (button->isChecked()) {
            e.formula = formula;
            break;
        }
    }
    e.a = txt1->text().toStdString();
    e.b = txt2->text().toStdString();
    e.c = txt6->text().toStdString();
    e.d = txt7->text().toStdString();
    e.inletTime = txt3->text().toStdString();
    e.drainLength = txt4->text().toStdString();
    e.velocity = txt5->text().toStdString();
    e.arrivalTime = txt8->text().toStdString();
    e.flowTime = txt9->text().toStdString();
    e.arrival = Option3->isChecked() ? ArrivalMethod::Direct
                : Option4->isChecked() ? ArrivalMethod::Computed
                                       : ArrivalMethod::None;
    e.inlet = Option1->isChecked() ? InletMethod::Direct
              : Option2->isChecked() ? InletMethod::Kerby
                                     : InletMethod::None;
    e.flow = Option5->isChecked() ? FlowMethod::Direct
             : Option6->isChecked() ? FlowMethod::Computed
                                    : FlowMethod::None;
    e.ibaraki = chk1->isChecked();
    e.drainLengthShown = !txt4->isHidden();
    if (const Form22* channel = app().loadedDialog<Form22>()) {
        e.development = channel->opt1->isChecked() ? ChannelDevelopment::Before
                        : channel->opt2->isChecked() ? ChannelDevelopment::After
                                                     : ChannelDevelopment::None;
        e.channelLength = channel->txt1->text().toStdString();
        e.channelSlope = channel->txt2->text().toStdString();
    }
    return e;
}

void Form12::Keisan_1() { storeRainfallEntries(app().record, entries()); }

void Form12::Keisan_2() { storeRainfallIntensity(app().record, entries().formula); }

QWidget* Form12::controlFor(RainfallEntry entry) const
{
    switch (entry) {
    case RainfallEntry::ConstantA: return txt1;
    case RainfallEntry::ConstantB: return txt2;
    case RainfallEntry::ConstantC: return txt6;
    case RainfallEntry::ConstantD: return txt7;
    case RainfallEntry::ArrivalTime: return txt8;
    case RainfallEntry::InletTime: return txt3;
    case RainfallEntry::FlowTime: return txt9;
    case RainfallEntry::DrainLength: return txt4;
    case RainfallEntry::VelocityAssumed: return Option7;
    case RainfallEntry::Velocity: return txt5;
    case RainfallEntry::None:
    case RainfallEntry::ChannelLength:
    case RainfallEntry::ChannelSlope: break;
    }
    return nullptr;
}

void Form12::focusAtStart(QWidget* control)
{
    if (!control)
        return;
    app().focusOn(control);
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setCursorPosition(0);
}

void Form12::cmd1_Click()
{
    const RainfallOutcome outcome = confirmRainfall(app().record, entries());
    if (!outcome.accepted) {
        app().showError(QString::fromStdString(outcome.message));
        if (outcome.followUp == RainfallFollowUp::ChooseFormulaOne)
            opt1->setChecked(true);
        focusAtStart(controlFor(outcome.focus));
        if (outcome.followUp == RainfallFollowUp::ShowChannelDialog) {
            Form22& channel = app().dialog<Form22>();
            if (outcome.focus == RainfallEntry::ChannelSlope)
                akuenza::focusAtStart(channel.txt2);
            else if (outcome.focus == RainfallEntry::ChannelLength)
                akuenza::focusAtStart(channel.txt1);
            app().showModal<Form22>();
        }
        return;
    }

    app().hide<Form12>();
    Form1& conditions = app().form<Form1>();
    conditions.txt_i->setFrame(false);
    conditions.txt_i->setText(QString::fromStdString(formatDigits(outcome.intensity, "0.0")));
    conditions.opt4->setChecked(true);

    // The previous calculation is void.
    app().form<Form11>().voidQ1Results();
    MainFrame& main = app().frame();

    main.showToolbar();
    main.setPanelText(QStringLiteral("msg"), kConditionsHint);
}

void Form12::cmd2_Click()
{
    app().hide<Form12>();
    MainFrame& main = app().frame();
    main.showToolbar();
    main.enableReferenceMenu();
    main.setPanelText(QStringLiteral("msg"), kConditionsHint);
}

// Unloaded while it is up (the case is closed), it gives the toolbar back.
void Form12::Form_Unload()
{
    if (app().isShown(this))
        app().frame().showBars();
}

} // namespace akuenza
