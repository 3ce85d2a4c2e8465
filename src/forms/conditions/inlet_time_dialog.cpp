#include "forms/conditions/inlet_time_dialog.h"

#include "core/conditions/hydrology.h"
#include "core/record/digit_format.h"
#include "forms/conditions/formula_drawings.h"
#include "forms/conditions/placed_controls.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/reference_table.h"

namespace akuenza {

namespace {

using namespace placed;

} // namespace

Form13::Form13(App& app) : ModalForm(app)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("アクエンザ"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFixedSize(twipsToPixels(6300), twipsToPixels(6720));

    lblHeading = heading(this, "lblHeading", "流入時間の計算　（草地、樹林地等）", 240, 120, 5700);

    kerbyDrawing = new FormulaDrawing(kerbyFormula(), this);
    kerbyDrawing->setObjectName(QStringLiteral("kerbyDrawing"));
    placeTwips(kerbyDrawing, 480, 540, 5400, 990);

    lblLength = label(this, "lblLength", "斜面距離", 480, 1725, 1800);
    lblL = label(this, "lblL", "L=", 2340, 1725, 330);
    txt1 = numberBox(this, "txt1", 2670, 1710, 1080);
    lblLUnit = label(this, "lblLUnit", "ｍ", 3780, 1725, 330);
    lblGradient = label(this, "lblGradient", "斜面勾配  S/1000", 480, 2115, 1800);
    lblS = label(this, "lblS", "S=", 2340, 2115, 330);
    txt2 = numberBox(this, "txt2", 2670, 2100, 1080);
    lblRetardance = label(this, "lblRetardance", "遅滞係数", 480, 2505, 1800);
    lblN = label(this, "lblN", "n=", 2340, 2505, 330);
    txt3 = numberBox(this, "txt3", 2670, 2490, 1080);

    // Retardance coefficients n by ground cover, for reading.
    retardanceTable = new ReferenceTable(this, "retardanceTable", {4500, 1080}, 285,
                                         {{u"地　覆　状　態"_qs, u"ｎ"_qs},
                                          {u"不浸透面"_qs, u"0.02"_qs},
                                          {u"よく締まった裸地(なめらか)"_qs, u"0.10"_qs},
                                          {u"裸地（普通の荒さ）"_qs, u"0.20"_qs},
                                          {u"粗草地および耕地"_qs, u"0.20"_qs},
                                          {u"牧草地または普通の草地"_qs, u"0.40"_qs},
                                          {u"森林地（落葉樹）"_qs, u"0.60"_qs},
                                          {u"森林地（落葉樹、深い落葉等堆植地）"_qs, u"0.80"_qs},
                                          {u"森林地（針葉樹林）"_qs, u"0.80"_qs},
                                          {u"密草地"_qs, u"0.80"_qs}});
    retardanceTable->setCentredColumns({1});
    retardanceTable->move(twipsToPixels(360), twipsToPixels(3000));

    cmd1 = button(this, "cmd1", "ＯＫ", 1740, 6000, 1260, 420);
    cmd2 = button(this, "cmd2", "キャンセル", 3180, 6000, 1260, 420);

    for (std::pair<QWidget*, QWidget*> step : {std::pair<QWidget*, QWidget*>{txt1, txt2}, {txt2, txt3},
                                               {txt3, cmd1}, {cmd1, cmd2}})
        QWidget::setTabOrder(step.first, step.second);
    txt1->chainEnter({txt2}, TextBox::EnterKey::Swallow);
    txt2->chainEnter({txt3}, TextBox::EnterKey::Swallow);
    txt3->chainEnter({cmd1}, TextBox::EnterKey::Swallow);

    connect(cmd1, &QPushButton::clicked, this, &Form13::cmd1_Click);
    connect(cmd2, &QPushButton::clicked, this, &Form13::cmd2_Click);
}

void Form13::cmd1_Click()
{
    const InletTimeOutcome outcome = confirmInletTime(
        app().record, {txt1->text().toStdString(), txt2->text().toStdString(), txt3->text().toStdString()});
    if (!outcome.accepted) {
        app().showError(QString::fromStdString(outcome.message));
        switch (outcome.focus) {
        case InletTimeEntry::SlopeLength: focusAtStart(txt1); break;
        case InletTimeEntry::SlopeGradient: focusAtStart(txt2); break;
        case InletTimeEntry::Retardance: focusAtStart(txt3); break;
        case InletTimeEntry::None: break;
        }
        return;
    }
    Form12& rainfall = app().form<Form12>();
    rainfall.Option2->setChecked(true);
    rainfall.txt3->setFrame(false);
    rainfall.txt3->setText(QString::fromStdString(formatDigits(outcome.inletTime, "0.0#")));
    accept();
}

void Form13::cmd2_Click() { app().unloadDialog<Form13>(); }

} // namespace akuenza
