#include "forms/conditions/design_conditions_form.h"

#include "forms/conditions/placed_controls.h"

#include "core/facilities/soil_table.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"
#include "forms/base/status_texts.h"
#include "forms/base/twips.h"

namespace akuenza {

using namespace placed;

namespace {

bool movesOrModifies(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return false;
    }
}

QLabel* greenLabel(QWidget* parent, const char* name, const char* caption, int left, int top, int width,
                   int height = 270)
{
    QLabel* l = placed::label(parent, name, caption, left, top, width, height);
    makeGreen(l);
    return l;
}

} // namespace

Form1::Form1(App& app) : Form(app)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("設計条件"));
    setFixedSize(twipsToPixels(6165), twipsToPixels(5115));

    Label5 = label(this, "Label5", "☆ アクエンザ", 120, 60, 3000, 240);
    QFont heading = Label5->font();
    heading.setPointSize(10);
    heading.setBold(true);
    Label5->setFont(heading);
    setTextColour(Label5, kHeadingBlue);

    buildQ1Frame();
    buildRunoffFrame();
    buildRainfallFrame();
    buildIncreaseFrame();
    buildSoilFrame();
    buildInfluenceFrame();
    buildFacilityFrame();
    setTabOrder();
    connectReactions();
}

// --------------------------------------------------------------- layout

void Form1::buildQ1Frame()
{
    frm1 = frame(this, "frm1", "", 60, 300, 6015, 555);
    Label18 = greenLabel(frm1, "Label18", "対策雨水量", 120, 165, 1200);
    opt_u1 = option(frm1, "opt_u1", "計算する", 1440, 165, 1200);
    opt_u2 = option(frm1, "opt_u2", "直接入力", 2700, 165, 1200);
    OptionButton::group({opt_u1, opt_u2});
    opt_u1->setChecked(true);
    txt_u = numberBox(frm1, "txt_u", 4020, 150, 1260);
    lbl_u = label(frm1, "lbl_u", "m3/h", 5340, 165, 600);
    txt_u->hide();
    lbl_u->hide();
}

void Form1::buildRunoffFrame()
{
    frm2 = frame(this, "frm2", "", 60, 720, 2805, 1545);
    lbl6 = greenLabel(frm2, "lbl6", "流 出 係 数", 120, 135, 1260);
    lbl_c1 = label(frm2, "lbl_c1", "Ｃ＝", 120, 465, 360);
    txt_c = numberBox(frm2, "txt_c", 480, 450, 840);
    opt5 = option(frm2, "opt5", "", 1440, 195, 240);
    cmd_c1 = button(frm2, "cmd_c1", "直接入力", 1700, 165, 1000);
    opt6 = option(frm2, "opt6", "", 1440, 555, 240);
    cmd_c2 = button(frm2, "cmd_c2", "加重平均", 1700, 525, 1000);
    OptionButton::group({opt5, opt6});
    lbl7 = greenLabel(frm2, "lbl7", "施設の分担する対策面積", 120, 900, 2600);
    lbl_a1 = label(frm2, "lbl_a1", "Ａ＝", 120, 1200, 360);
    txt_a = numberBox(frm2, "txt_a", 480, 1185, 1320);
    lbl_a2 = label(frm2, "lbl_a2", "m2", 1860, 1200, 400);
}

void Form1::buildRainfallFrame()
{
    frm3 = frame(this, "frm3", "", 2820, 720, 1965, 1545);
    lbl8 = greenLabel(frm3, "lbl8", "1時間当りの降雨強度", 90, 135, 1830);
    lbl_i1 = label(frm3, "lbl_i1", "I＝", 120, 465, 300);
    txt_i = numberBox(frm3, "txt_i", 420, 450, 840);
    lbl_i2 = label(frm3, "lbl_i2", "mm/hr", 1320, 465, 600);
    opt3 = option(frm3, "opt3", "", 120, 825, 240);
    cmd_i1 = button(frm3, "cmd_i1", "直接入力", 400, 795, 1000);
    opt4 = option(frm3, "opt4", "", 120, 1185, 240);
    cmd_i2 = button(frm3, "cmd_i2", "計算する", 400, 1155, 1000);
    OptionButton::group({opt3, opt4});
}

void Form1::buildIncreaseFrame()
{
    frm4 = frame(this, "frm4", "", 4740, 720, 1335, 1545);
    lbl9 = greenLabel(frm4, "lbl9", "対策雨水量の割増し", 90, 90, 1200, 480);
    lbl9->setWordWrap(true);
    opt7 = option(frm4, "opt7", "無し", 150, 600, 1000);
    opt8 = option(frm4, "opt8", "有り", 150, 870, 1000);
    OptionButton::group({opt7, opt8});
    txt1 = numberBox(frm4, "txt1", 120, 1170, 540);
    lbl1 = label(frm4, "lbl1", "％増し", 690, 1185, 620);
}

void Form1::buildSoilFrame()
{
    frm5 = frame(this, "frm5", "", 60, 2280, 3255, 1875);
    Label13 = greenLabel(frm5, "Label13", "土質の飽和透水係数 (ｋ)", 120, 135, 2800);
    lbl5 = label(frm5, "lbl5", "土質", 120, 480, 480);
    cbo1 = new ComboBox(frm5, "cbo1");
    placeTwips(cbo1, 600, 435, 1380, 330);
    for (const Soil& soil : kSoils)
        cbo1->addItem(QString::fromUtf8(soil.name));
    cbo1->setText(QString());
    cbo1->setAttribute(Qt::WA_InputMethodEnabled, true);
    chk_t = new CheckBox(frm5, "chk_t", QStringLiteral("直接入力"));
    placeTwips(chk_t, 2100, 465, 1100, 270);
    lbl2 = label(frm5, "lbl2", "土質の名称", 120, 885, 1140);
    txt_t = new TextBox(frm5, "txt_t");
    txt_t->setJapaneseEntry();
    placeTwips(txt_t, 1260, 870, 1860, 300);
    // The conductivity's caption stands on its own row above its box.
    lbl3 = label(frm5, "lbl3", "土質の飽和透水係数", 120, 1200, 1740);
    txt_tk = numberBox(frm5, "txt_tk", 1260, 1485, 1080);
    lbl4 = label(frm5, "lbl4", "cm/sec", 2400, 1500, 780);
    for (QWidget* w : std::initializer_list<QWidget*>{lbl2, txt_t, lbl3, txt_tk, lbl4})
        w->setEnabled(false);
}

void Form1::buildInfluenceFrame()
{
    frm6 = frame(this, "frm6", "", 60, 4200, 3255, 855);
    Label10 = greenLabel(frm6, "Label10", "各種影響係数", 120, 90, 1200);
    Label14 = label(frm6, "Label14", "Ｃ＝", 120, 465, 360);
    txt_cf = numberBox(frm6, "txt_cf", 480, 450, 510);
    txt_cf->setText(QStringLiteral("0.81"));
    // Two lines: the usual value, then the source it comes from.
    Label15 = makeLinesLabel(frm6, "Label15", QStringLiteral("（一般的には 0.81）雨水浸透施設技術指針[案]より"),
                             {QStringLiteral("）")});
    placeTwips(Label15, 1020, 375, 2190, 390);
    QFont small = Label15->font();
    small.setPointSize(8);
    Label15->setFont(small);
}

void Form1::buildFacilityFrame()
{
    frm7 = frame(this, "frm7", "", 3420, 2280, 2655, 2775);
    Label4 = greenLabel(frm7, "Label4", "検討する浸透施設の種類", 120, 90, 2450, 255);
    Label16 = label(frm7, "Label16", "(複数選択可)", 120, 345, 1600, 240);
    Label17 = label(frm7, "Label17", "浸透桝", 120, 600, 1000);
    struct Row {
        const char* check;
        const char* caption;
        const char* button;
        int indent;
    };
    const Row rows[6] = {
        {"chk1", "正方形砕石層", "cmd1", 300}, {"chk2", "長方形砕石層", "cmd2", 300},
        {"chk3", "円形砕石層", "cmd3", 300},   {"chk4", "浸透側溝、管", "cmd4", 120},
        {"chk5", "浸透舗装、池", "cmd5", 120}, {"chk6", "浸透井(吸込槽)", "cmd6", 120},
    };
    CheckBox** checks[6] = {&chk1, &chk2, &chk3, &chk4, &chk5, &chk6};
    QPushButton** buttons[6] = {&cmd1, &cmd2, &cmd3, &cmd4, &cmd5, &cmd6};
    for (int i = 0; i < 6; ++i) {
        const int top = 855 + i * 315;
        *checks[i] = new CheckBox(frm7, rows[i].check, QString::fromUtf8(rows[i].caption));
        placeTwips(*checks[i], rows[i].indent, top + 15, 1620 - rows[i].indent + 120, 270);
        *buttons[i] = button(frm7, rows[i].button, "寸法入力", 1740, top, 840);
        (*buttons[i])->setFixedHeight(twipsToPixels(300));
        (*buttons[i])->setEnabled(false);
    }
}

void Form1::setTabOrder()
{
    const QWidget* order[] = {opt_u1, opt_u2, txt_u, txt_c, txt_a, cmd_c1, cmd_c2, txt_i, cmd_i1, cmd_i2,
                              opt7,   opt8,   txt1,  cbo1,  chk_t, txt_t,  txt_tk, txt_cf, chk1, cmd1,
                              chk2,   cmd2,   chk3,  cmd3,  chk4,  cmd4,   chk5,   cmd5,  opt6, opt5,
                              opt3,   opt4,   cmd6,  chk6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
}

CheckBox* Form1::facilityCheck(int n) const
{
    CheckBox* const checks[] = {chk1, chk2, chk3, chk4, chk5, chk6};
    return n >= 1 && n <= 6 ? checks[n - 1] : nullptr;
}

QPushButton* Form1::dimensionButton(int n) const
{
    QPushButton* const buttons[] = {cmd1, cmd2, cmd3, cmd4, cmd5, cmd6};
    return n >= 1 && n <= 6 ? buttons[n - 1] : nullptr;
}

// ------------------------------------------------------------ reactions

void Form1::connectReactions()
{
    connect(opt_u1, &OptionButton::chosen, this, &Form1::opt_u1_Click);
    connect(opt_u2, &OptionButton::chosen, this, &Form1::opt_u2_Click);
    connect(cmd_c1, &QPushButton::clicked, this, &Form1::cmd_c1_Click);
    connect(cmd_c2, &QPushButton::clicked, this, &Form1::cmd_c2_Click);
    connect(cmd_i1, &QPushButton::clicked, this, &Form1::cmd_i1_Click);
    connect(cmd_i2, &QPushButton::clicked, this, &Form1::cmd_i2_Click);
    connect(opt7, &OptionButton::chosen, this, &Form1::opt7_Click);
    connect(opt8, &OptionButton::chosen, this, &Form1::opt8_Click);
    connect(cbo1, &ComboBox::clicked, this, &Form1::voidFacilityResults);
    // A soil name typed over the list is an edit of the soil as well.
    connect(cbo1->lineEdit(), &QLineEdit::textEdited, this, &Form1::voidFacilityResults);
    connect(chk_t, &QCheckBox::toggled, this, &Form1::chk_t_Click);
    for (int n = 1; n <= 5; ++n)
        connect(facilityCheck(n), &QCheckBox::toggled, this, [this, n](bool on) { facilityClicked(n, on); });
    connect(chk6, &QCheckBox::toggled, this, &Form1::chk6_Click);
    for (int n = 1; n <= 6; ++n)
        connect(dimensionButton(n), &QPushButton::clicked, this, [this, n] { dimensionClicked(n); });

    // Boxes: a click selects the whole text (the box does that) and, like
    // any edit of the text, voids what the entry feeds; Enter moves on along
    // the form.
    txt_u->onClickOrEdit(this, [this] { voidQ1Results(); });
    txt_u->chainEnter({cbo1, txt_t}, TextBox::EnterKey::Swallow);

    txt_c->onClickOrEdit(this, [this] {
        showConditionsHint();
        opt5->setChecked(true);
        voidQ1Results();
    });
    txt_c->chainEnter({txt_a}, TextBox::EnterKey::PassOn);

    txt_a->onClickOrEdit(this, [this] {
        showConditionsHint();
        opt5->setChecked(true);
        voidQ1Results();
    });
    txt_a->chainEnter({cmd_i1, txt_t, chk_t}, TextBox::EnterKey::Swallow);

    txt_i->onClickOrEdit(this, [this] {
        showConditionsHint();
        txt_i->setFrame(true);
        opt3->setChecked(true);
        app().unload<Form12>();
        voidQ1Results();
    });
    // Typing an intensity discards the rainfall dialog's entries; keys that
    // only move the caret or are modifiers type nothing.
    connect(txt_i, &TextBox::keyPressed, this, [this](int key) {
        if (!movesOrModifies(key))
            app().unload<Form12>();
    });
    txt_i->chainEnter({opt7}, TextBox::EnterKey::Swallow);

    txt1->onClickOrEdit(this, [this] {
        showConditionsHint();
        voidQ1Results();
    });
    txt1->chainEnter({cbo1, txt_t}, TextBox::EnterKey::Swallow);

    txt_t->onClickOrEdit(this, [this] { voidFacilityResults(); });
    txt_t->chainEnter({txt_tk}, TextBox::EnterKey::PassOn);
    txt_tk->onClickOrEdit(this, [this] { voidFacilityResults(); });
    txt_cf->onClickOrEdit(this, [this] { voidQ1Results(); });
}

// With the infiltration well, C, A and the soil feed its depth: an edit
// voids the shown depth as well, so a stale depth is never printed.
void Form1::voidQ1Results()
{
    app().form<Form11>().voidQ1Results();
    if (chk6->value() == 1)
        app().form<Form11>().voidWellResult();
}

void Form1::voidFacilityResults()
{
    app().form<Form11>().voidFacilityResults();
    if (chk6->value() == 1)
        app().form<Form11>().voidWellResult();
}

void Form1::showConditionsHint() { app().frame().setPanelText(QStringLiteral("msg"), kConditionsHint); }

// The options, buttons, labels and frames of C, A, I and the increase,
// usable only while Q1 is computed.
void Form1::setRainwaterInputsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{
             opt3,  opt4,  opt5,   opt6,   opt7,   opt8,   cmd_c1, cmd_c2, cmd_i1, cmd_i2, lbl6, lbl7, lbl8,
             lbl9,  lbl_c1, lbl_a1, lbl_a2, lbl_i1, lbl_i2, lbl1,   frm2,   frm3,   frm4})
        w->setEnabled(enabled);
}

void Form1::opt_u1_Click()
{
    txt_u->setText(QString());
    txt_u->hide();
    lbl_u->hide();
    setRainwaterInputsEnabled(true);
    voidQ1Results();
}

void Form1::opt_u2_Click()
{
    txt_u->show();
    lbl_u->show();
    txt_u->setFocus();
    for (TextBox* box : {txt_c, txt_a, txt_i, txt1})
        box->setText(QString());
    for (OptionButton* o : {opt3, opt4, opt5, opt6, opt7, opt8})
        o->setChecked(false);
    setRainwaterInputsEnabled(false);
    voidQ1Results();
}

void Form1::cmd_c1_Click()
{
    focusAndSelect(txt_c);
    txt_c->setFrame(true);
    txt_a->setFrame(true);
    opt5->setChecked(true);
    app().unload<Form16>();
    voidQ1Results();
}

void Form1::cmd_c2_Click()
{
    app().frame().hideToolbar();
    app().frame().setPanelText(QStringLiteral("msg"), kRunoffHint);
    app().showAt<Form16>(0, 0);
}

void Form1::cmd_i1_Click()
{
    focusAndSelect(txt_i);
    txt_i->setFrame(true);
    opt3->setChecked(true);
    app().unload<Form12>();
    voidQ1Results();
}

void Form1::cmd_i2_Click()
{
    app().frame().hideToolbar();
    app().frame().setPanelText(QStringLiteral("msg"), kRainfallHint);
    app().showAt<Form12>(0, 0).arrangeForOpening();
}

void Form1::opt7_Click()
{
    txt1->setText(QString());
    txt1->hide();
    lbl1->hide();
    app().form<Form11>().voidQ1Results();
}

void Form1::opt8_Click()
{
    txt1->show();
    lbl1->show();
    voidQ1Results();
}

void Form1::chk_t_Click(bool checked)
{
    if (checked) {
        for (QWidget* w : std::initializer_list<QWidget*>{txt_t, txt_tk, lbl2, lbl3, lbl4})
            w->setEnabled(true);
        cbo1->setText(QString());
        cbo1->setEnabled(false);
        lbl5->setEnabled(false);
        txt_t->setFocus();
    } else {
        txt_t->setText(QString());
        txt_tk->setText(QString());
        for (QWidget* w : std::initializer_list<QWidget*>{txt_t, txt_tk, lbl2, lbl3, lbl4})
            w->setEnabled(false);
        cbo1->setListIndex(3);
        cbo1->setEnabled(true);
        lbl5->setEnabled(true);
    }
    voidFacilityResults();
}

void Form1::facilityClicked(int n, bool checked)
{
    if (checked) {
        dimensionButton(n)->setEnabled(true);
        chk6->setValue(0);
    } else {
        dimensionButton(n)->setEnabled(false);
        unloadDialogOf(app(), n);
    }
    for (CaseField fc : infiltrationVolumes(*facilityFamily(n)))
        app().record.*fc = 0.0;
    voidFacilityResults();
    app().form<Form11>().showWellRow(false);

    // Undo what the infiltration well disabled; options it cleared stay clear.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Label18, opt_u1, opt_u2, txt_u, lbl_u, opt6, cmd_c2, txt_i, opt3, opt4, cmd_i1, cmd_i2,
             lbl9,    opt7,   opt8,   txt1,  lbl1,  lbl5, cbo1,   Label10, Label14, Label15, txt_cf})
        w->setEnabled(true);
}

void Form1::chk6_Click(bool checked)
{
    if (checked) {
        cmd6->setEnabled(true);
        for (int n = 1; n <= 5; ++n)
            facilityCheck(n)->setValue(0);
    } else {
        cmd6->setEnabled(false);
        unloadDialogOf(app(), kWellSelector);
    }
    voidFacilityResults();
    app().form<Form11>().showWellRow(true);
    app().frame().setPanelText(QStringLiteral("msg"), QString());

    if (!checked)
        return;
    // With the well only C, A and the typed soil stay usable here. The well
    // needs C and A, so their frame is usable again even when a direct Q1
    // entry had locked it.
    for (QWidget* w : std::initializer_list<QWidget*>{frm2, lbl6, lbl7, lbl_c1, lbl_a1, lbl_a2, cmd_c1})
        w->setEnabled(true);
    opt_u1->setChecked(false);
    opt_u2->setChecked(false);
    txt_u->setText(QString());
    for (QWidget* w : std::initializer_list<QWidget*>{Label18, opt_u1, opt_u2, txt_u, lbl_u})
        w->setEnabled(false);
    opt6->setChecked(false);
    opt6->setEnabled(false);
    cmd_c2->setEnabled(false);
    txt_i->setText(QStringLiteral("60"));
    txt_i->setEnabled(false);
    for (OptionButton* o : {opt3, opt4}) {
        o->setChecked(false);
        o->setEnabled(false);
    }
    cmd_i1->setEnabled(false);
    cmd_i2->setEnabled(false);
    opt7->setChecked(false);
    opt8->setChecked(false);
    txt1->setText(QString());
    for (QWidget* w : std::initializer_list<QWidget*>{lbl9, opt7, opt8, txt1, lbl1})
        w->setEnabled(false);
    cbo1->setText(QString());
    lbl5->setEnabled(false);
    cbo1->setEnabled(false);
    txt_cf->setText(QString());
    for (QWidget* w : std::initializer_list<QWidget*>{Label10, Label14, Label15, txt_cf})
        w->setEnabled(false);
}

void Form1::dimensionClicked(int n)
{
    showOnlyDialogOf(app(), n);
}

} // namespace akuenza
