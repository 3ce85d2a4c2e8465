#include "forms/conditions/flow_time_dialog.h"

#include "forms/conditions/formula_drawings.h"
#include "forms/conditions/placed_controls.h"
#include "forms/conditions/rainfall_dialog.h"

namespace akuenza {

namespace {
using namespace placed;
} // namespace

Form22::Form22(App& app) : ModalForm(app)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("アクエンザ"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    setFixedSize(twipsToPixels(5520), twipsToPixels(4260));

    lblHeading = heading(this, "lblHeading", "流下時間（t2）茨城県", 240, 120, 4800);

    Frame1 = frame(this, "Frame1", "開発の前または後を選択してください", 120, 540, 5280, 1980);
    opt1 = option(Frame1, "opt1", "開発前", 240, 510, 1020);
    beforeDrawing = new FormulaDrawing(channelFormula(ChannelDevelopment::Before), Frame1);
    beforeDrawing->setObjectName(QStringLiteral("beforeDrawing"));
    placeTwips(beforeDrawing, 1380, 330, 3600, 660);
    opt2 = option(Frame1, "opt2", "開発後", 240, 1380, 1020);
    afterDrawing = new FormulaDrawing(channelFormula(ChannelDevelopment::After), Frame1);
    afterDrawing->setObjectName(QStringLiteral("afterDrawing"));
    placeTwips(afterDrawing, 1380, 1200, 3600, 660);
    OptionButton::group({opt1, opt2});

    lblLength = label(this, "lblLength", "河道延長 L=", 480, 2775, 1500);
    txt1 = numberBox(this, "txt1", 1980, 2760, 1080);
    lblKm = label(this, "lblKm", "km", 3090, 2775, 450);
    lblSlope = label(this, "lblSlope", "河道の勾配 i =", 480, 3165, 1500);
    txt2 = numberBox(this, "txt2", 1980, 3150, 1080);

    cmd1 = button(this, "cmd1", "ＯＫ", 1320, 3660, 1260, 420);
    cmd2 = button(this, "cmd2", "キャンセル", 2760, 3660, 1260, 420);

    for (std::pair<QWidget*, QWidget*> step : {std::pair<QWidget*, QWidget*>{opt1, opt2}, {opt2, txt1},
                                               {txt1, txt2}, {txt2, cmd1}, {cmd1, cmd2}})
        QWidget::setTabOrder(step.first, step.second);
    txt1->chainEnter({txt2}, TextBox::EnterKey::Swallow);
    txt2->chainEnter({cmd1}, TextBox::EnterKey::Swallow);

    connect(cmd1, &QPushButton::clicked, this, &Form22::cmd1_Click);
    connect(cmd2, &QPushButton::clicked, this, &Form22::cmd2_Click);
}

ChannelEntries Form22::entries() const
{
    ChannelEntries e;
    e.development = opt1->isChecked()   ? ChannelDevelopment::Before
                    : opt2->isChecked() ? ChannelDevelopment::After
                                        : ChannelDevelopment::None;
    e.length = txt1->text().toStdString();
    e.slope = txt2->text().toStdString();
    return e;
}

void Form22::cmd1_Click()
{
    const ChannelOutcome outcome = confirmChannel(entries());
    if (!outcome.accepted) {
        app().showError(QString::fromStdString(outcome.message));
        switch (outcome.focus) {
        case ChannelEntry::Development: opt1->setFocus(); break;
        case ChannelEntry::Length: focusAtStart(txt1); break;
        case ChannelEntry::Slope: focusAtStart(txt2); break;
        case ChannelEntry::None: break;
        }
        return;
    }
    accept();
}

// The dialog goes with its entries, and the rainfall dialog returns to the
// L/(60·V) method with empty L and V.
void Form22::cmd2_Click()
{
    App& application = app();
    application.unloadDialog<Form22>();

    Form12& f = application.form<Form12>();
    f.chk1->setChecked(false);
    f.txt9->clear();
    f.txt9->setFrame(false);
    for (QWidget* w : std::initializer_list<QWidget*>{f.Frame5, f.lblLUnit, f.lblDrainLength, f.lblL, f.txt4,
                                                      f.txt5})
        w->show();
    f.txt5->setFrame(false);
    f.txt4->clear();
    f.Frame6->show();
    f.Option6->setChecked(true);
    application.focusOn(f.txt4);
}

} // namespace akuenza
