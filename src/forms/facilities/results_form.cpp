#include "forms/facilities/results_form.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/window_snapshot.h"
#include "forms/base/twips.h"

#include <QHBoxLayout>

namespace akuenza {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

// One label of the results row with its designed width as its least width.
QLabel* resultLabel(QWidget* parent, const char* name, const QString& caption, int widthTwips,
                    Qt::Alignment align = Qt::AlignLeft)
{
    QLabel* label = makeLabel(parent, name, caption);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setMinimumWidth(twipsToPixels(widthTwips));
    label->setProperty("designedWidth", twipsToPixels(widthTwips));
    return label;
}

} // namespace

Form11::Form11(App& app) : Form(app)
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("計算結果"));
    setFixedSize(twipsToPixels(6165), twipsToPixels(1800));

    lbl1 = makeLabel(this, "lbl1", QStringLiteral("★　計 算 結 果"));
    QFont heading = lbl1->font();
    heading.setBold(true);
    heading.setPointSize(10);
    lbl1->setFont(heading);
    placeTwips(lbl1, 120, 60, 3000, 300);
    lbl2 = makeLabel(this, "lbl2", QStringLiteral("◎　対策雨水量"));
    placeTwips(lbl2, 600, 390, 2200, 270);
    lbl5 = makeLabel(this, "lbl5", QStringLiteral("◎　総浸透量"));
    placeTwips(lbl5, 3240, 390, 2200, 270);

    // The results row, left to right; the number labels grow with their text.
    Frame1 = makeFrame(this, "Frame1");
    placeTwips(Frame1, 60, 660, 6045, 540);
    lbl16 = resultLabel(Frame1, "lbl16", QStringLiteral("1.25"), 420, Qt::AlignRight);
    lbl17 = resultLabel(Frame1, "lbl17", QStringLiteral("×"), 240, Qt::AlignHCenter);
    lbl14 = resultLabel(Frame1, "lbl14", QStringLiteral("Ｑ1="), 480);
    lbl3 = resultLabel(Frame1, "lbl3", QStringLiteral("234567"), 1000, Qt::AlignRight);
    lbl4 = resultLabel(Frame1, "lbl4", QStringLiteral("m3/hr"), 540);
    lbl8 = resultLabel(Frame1, "lbl8", QString(), 260, Qt::AlignHCenter);
    lbl15 = resultLabel(Frame1, "lbl15", QStringLiteral("∑Ｆc="), 580);
    lbl6 = resultLabel(Frame1, "lbl6", QStringLiteral("023456789"), 1000, Qt::AlignRight);
    lbl7 = resultLabel(Frame1, "lbl7", QStringLiteral("m3/hr"), 540);
    lbl9 = resultLabel(Frame1, "lbl9", QString(), 700);
    QFont result = lbl3->font();
    result.setBold(true);
    for (QLabel* l : {lbl3, lbl6, lbl9})
        l->setFont(result);
    // A unit stands a little apart from its number, the verdict from the unit.
    for (QLabel* l : {lbl4, lbl7})
        l->setIndent(twipsToPixels(45));
    lbl9->setIndent(twipsToPixels(90));
    auto* row = new QHBoxLayout(Frame1);
    // The labels abut, as designed; each keeps its designed width at least.
    row->setContentsMargins(twipsToPixels(60), 0, twipsToPixels(30), 0);
    row->setSpacing(0);
    for (QLabel* l : {lbl16, lbl17, lbl14, lbl3, lbl4, lbl8, lbl15, lbl6, lbl7, lbl9})
        row->addWidget(l);
    row->addStretch(1);

    Label2 = makeLabel(this, "Label2", QStringLiteral("吸込槽有効深さｈ＝"));
    placeTwips(Label2, 600, 780, 1800, 300);
    Label1 = makeLabel(this, "Label1", QString());
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label1->setFont(result);
    placeTwips(Label1, 2400, 780, 1000, 300);
    Label3 = makeLabel(this, "Label3", QStringLiteral("m"));
    placeTwips(Label3, 3460, 780, 300, 300);

    cmd1 = makeButton(this, "cmd1", QStringLiteral("計　算"));
    placeTwips(cmd1, 4680, 1260, 1320, 420);
    connect(cmd1, &QPushButton::clicked, this, &Form11::cmd1_Click);
}

// ------------------------------------------------------------------- run

void Form11::cmd1_Click()
{
    // The windows' entries, gathered once, through the core's whole run.
    const RunEntries entries = runEntries(app());
    const RunOutcome outcome = calculationRun(app().record, entries);
    if (outcome.checksPassed)
        Frame1->show();
    show(outcome);
    if (outcome.checksPassed && entries.conditions.well()) {
        Frame1->hide();
        setMsg(QString());
    }
}

void Form11::Zairyou_1() { copyDesignConditions(app().record, conditionEntries(app())); }

bool Form11::Zairyou_2() { return show(computeResults(app().record, runEntries(app()))); }

bool Form11::show(const RunOutcome& outcome)
{
    for (int selector : outcome.display.discardDialogs)
        unloadDialogOf(app(), selector);
    if (outcome.failed) {
        showFailure(*outcome.failed);
        return false;
    }
    const RunDisplay& shown = outcome.display;
    if (shown.comparison)
        showComparison(*shown.comparison);
    if (shown.status)
        setMsg(text(*shown.status));

    // Results exist: print image and print, and overwrite save with a project file.
    app().frame().enableSaveAndPrintButtons();

    if (shown.wellDepth) {
        Label1->setText(text(*shown.wellDepth));
        fitWellRow();
    }
    return true;
}

void Form11::showFailure(const FailedCheck& failed)
{
    if (failed.clearsResults) {
        for (QLabel* l : {lbl16, lbl17, lbl3, lbl6, lbl8, lbl9, Label1})
            l->setText(QString());
        app().frame().disableSaveAndPrintButtons();
    }
    QWidget* focus = nullptr;
    if (failed.focus) {
        if (failed.focus->family == 0) {
            focus = app().control("Form1", failed.focus->control);
        } else {
            showOnlyDialogOf(app(), failed.focus->family);
            focus = app().control(facilityFamily(failed.focus->family)->form, failed.focus->control);
        }
    }
    app().showError(text(failed.message));
    if (failed.chooseSquareBasin)
        app().form<Form1>().chk1->setValue(1);
    app().focusOn(focus);
}

void Form11::showComparison(const Comparison& c)
{
    lbl16->setText(text(c.factor));
    lbl17->setText(text(c.times));
    lbl3->setText(text(c.q1));
    lbl6->setText(text(c.total));
    lbl8->setText(text(c.sign));
    lbl9->setText(text(c.verdict));
    setTextColour(lbl6, c.adequate ? QColor(Qt::black) : shortfallColour());
    fitResultsRow();
    if (!c.adequate)
        app().beep();
}

void Form11::fitResultsRow()
{
    // The row as designed when it fits. Numbers of many digits first take the
    // room the other labels leave beside their text; only when even the bare
    // texts run past the frame is the row's type made smaller until it fits.
    const QList<QLabel*> row = {lbl16, lbl17, lbl14, lbl3, lbl4, lbl8, lbl15, lbl6, lbl7, lbl9};
    auto needed = [&] {
        const QMargins m = Frame1->layout()->contentsMargins();
        int width = m.left() + m.right() + Frame1->layout()->spacing() * (int(row.size()) - 1);
        for (QLabel* l : row)
            width += std::max(l->minimumWidth(), l->sizeHint().width());
        return width;
    };
    for (QLabel* l : row) {
        QFont f = l->font();
        f.setPointSizeF(font().pointSizeF());
        l->setFont(f);
        l->setMinimumWidth(l->property("designedWidth").toInt());
    }
    Frame1->layout()->setSpacing(0);
    if (needed() > Frame1->width()) {
        // Packed: each label as wide as its text, a small gap between them.
        for (QLabel* l : row)
            l->setMinimumWidth(0);
        Frame1->layout()->setSpacing(twipsToPixels(45));
    }
    while (needed() > Frame1->width()) {
        bool shrunk = false;
        for (QLabel* l : row) {
            QFont f = l->font();
            if (f.pointSizeF() > 5.0) {
                f.setPointSizeF(f.pointSizeF() - 0.5);
                l->setFont(f);
                shrunk = true;
            }
        }
        if (!shrunk)
            break;
    }
    Frame1->layout()->activate();
}

void Form11::fitWellRow()
{
    const int width = std::max(twipsToPixels(1000), Label1->fontMetrics().horizontalAdvance(Label1->text()) + 4);
    Label1->resize(width, Label1->height());
    Label3->move(Label1->x() + width + twipsToPixels(60), Label3->y());
}

// ----------------------------------------------------------- lifecycle

void Form11::Form_Activate()
{
    const Form1* f = app().loaded<Form1>();
    Frame1->setVisible(!(f && f->chk6->value() == 1));
}

void Form11::Form_Unload()
{
    app().record.totalInfiltrationFc = 0.0;
    app().record.wellEffectiveDepthH = 0.0;
    app().frame().disableSaveAndPrintButtons();
}

// ---------------------------------------------------------- invalidation

void Form11::voidFacilityResults()
{
    app().frame().disableSaveAndPrintButtons();
    app().record.totalInfiltrationFc = 0.0;
    for (QLabel* l : {lbl6, lbl8, lbl9})
        l->setText(QString());
}

void Form11::voidQ1Results()
{
    // No comparison or verdict stands without the Q1 it was made with.
    app().frame().disableSaveAndPrintButtons();
    app().record.countermeasureRainwaterQ1 = 0.0;
    for (QLabel* l : {lbl16, lbl17, lbl3, lbl8, lbl9})
        l->setText(QString());
}

void Form11::voidWellResult()
{
    app().frame().disableSaveAndPrintButtons();
    app().record.wellEffectiveDepthH = 0.0;
    Label1->setText(QString());
}

void Form11::voidAllResults()
{
    app().frame().disableSaveAndPrintButtons();
    app().record.countermeasureRainwaterQ1 = 0.0;
    app().record.totalInfiltrationFc = 0.0;
    app().record.wellEffectiveDepthH = 0.0;
    for (QLabel* l : {lbl16, lbl17, lbl3, lbl8, lbl6, lbl9, Label1})
        l->setText(QString());
}

void Form11::showWellRow(bool well)
{
    Frame1->setVisible(!well);
    if (!well)
        Label1->setText(QString());
    for (QLabel* l : {Label1, Label2, Label3})
        l->setVisible(well);
}

void Form11::hideWellRow()
{
    Label1->setText(QString());
    for (QLabel* l : {Label1, Label2, Label3})
        l->hide();
}

void Form11::setMsg(const QString& text) { app().frame().setPanelText(QStringLiteral("msg"), text); }

} // namespace akuenza
