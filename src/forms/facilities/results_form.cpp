#include "forms/facilities/results_form.h"

#include "forms/conditions/design_conditions_form.h"
#include "core/facilities/adequacy.h"
#include "forms/facilities/facility_families.h"
#include "core/record/digit_format.h"
#include "forms/shell/main_window.h"
#include "forms/shell/twips.h"

#include <cmath>
#include <optional>

namespace akuenza {

namespace {

QString formatted(double value, const char* pattern)
{
    return QString::fromStdString(formatDigits(value, pattern));
}

void setColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

QLabel* resultLabel(QWidget* parent, const char* name, const QString& caption, int left, int width,
                    Qt::Alignment align = Qt::AlignLeft)
{
    QLabel* label = makeLabel(parent, name, caption);
    label->setAlignment(align | Qt::AlignVCenter);
    placeTwips(label, left, 120, width, 300);
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

    Frame1 = makeFrame(this, "Frame1");
    placeTwips(Frame1, 60, 660, 6045, 540);
    lbl16 = resultLabel(Frame1, "lbl16", QStringLiteral("1.25"), 60, 420, Qt::AlignRight);
    lbl17 = resultLabel(Frame1, "lbl17", QStringLiteral("×"), 480, 240, Qt::AlignHCenter);
    lbl14 = resultLabel(Frame1, "lbl14", QStringLiteral("Ｑ1="), 720, 480);
    lbl3 = resultLabel(Frame1, "lbl3", QStringLiteral("234567"), 1200, 1000, Qt::AlignRight);
    lbl4 = resultLabel(Frame1, "lbl4", QStringLiteral("m3/hr"), 2240, 540);
    lbl8 = resultLabel(Frame1, "lbl8", QString(), 2800, 260, Qt::AlignHCenter);
    lbl15 = resultLabel(Frame1, "lbl15", QStringLiteral("∑Ｆc="), 3080, 580);
    lbl6 = resultLabel(Frame1, "lbl6", QStringLiteral("023456789"), 3660, 1000, Qt::AlignRight);
    lbl7 = resultLabel(Frame1, "lbl7", QStringLiteral("m3/hr"), 4700, 540);
    lbl9 = resultLabel(Frame1, "lbl9", QString(), 5260, 760);
    QFont result = lbl3->font();
    result.setBold(true);
    for (QLabel* l : {lbl3, lbl6, lbl9})
        l->setFont(result);

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
    Zairyou_1();
    if (!checkDesignConditions())
        return;
    Frame1->show();
    Zairyou_2();
    if (app().form<Form1>().chk6->value() == 1) {
        Frame1->hide();
        setMsg(QString());
    }
}

void Form11::Zairyou_1()
{
    DesignCase& rec = app().record;
    const Form1& f = app().form<Form1>();
    rec.runoffCoefficientC = numberIn(f.txt_c->text());
    rec.rainfallIntensityI = numberIn(f.txt_i->text());
    rec.countermeasureAreaA = numberIn(f.txt_a->text());
    if (f.opt8->isChecked())
        rec.volumeIncreasePercent = numberIn(f.txt1->text());
    if (f.chk_t->value() == 1) {
        rec.soilName = f.txt_t->text().toStdString();
        rec.soilConductivityKo = numberIn(f.txt_tk->text());
    } else {
        const int index = f.cbo1->listIndex();
        if (index >= 0 && index < kSoilCount) {
            rec.soilName = kSoils[index].name;
            rec.soilConductivityKo = kSoils[index].conductivityKo;
        }
    }
    rec.influenceCoefficientC = numberIn(f.txt_cf->text());
}

bool Form11::refuse(const char* message, QWidget* focus)
{
    app().showError(QString::fromUtf8(message));
    app().focusOn(focus);
    return false;
}

bool Form11::checkDesignConditions()
{
    const DesignCase& rec = app().record;
    Form1& f = app().form<Form1>();

    if (f.chk6->value() == 1)
        return checkWell();

    if (!f.opt_u1->isChecked() && !f.opt_u2->isChecked())
        return refuse("対策雨水量の計算方法を選択してください。", f.opt_u1);
    if (f.opt_u1->isChecked()) {
        if (rec.runoffCoefficientC == 0.0)
            return refuse("流出係数を入力又は計算してください。", f.txt_c);
        if (rec.countermeasureAreaA == 0.0)
            return refuse("施設の分担する対策面積を入力してください。", f.txt_a);
        if (rec.rainfallIntensityI == 0.0)
            return refuse("降雨強度を入力又は計算してください。", f.txt_i);
        if (!f.opt7->isChecked() && !f.opt8->isChecked())
            return refuse("計画雨水量の割増しの計算方法を選択してください。", f.opt7);
        if (f.opt8->isChecked() && f.txt1->text().isEmpty())
            return refuse("計画雨水量の割増しを入力してください。", f.txt1);
    }
    if (f.opt_u2->isChecked() && f.txt_u->text().isEmpty())
        return refuse("対策雨水量を入力してください。", f.txt_u);
    if (f.chk_t->value() == 1) {
        if (f.txt_t->text().isEmpty())
            return refuse("土質の名称を入力してください。", f.txt_t);
        if (f.txt_tk->text().isEmpty())
            return refuse("土質の飽和透水係数を入力してください。", f.txt_tk);
    } else if (f.cbo1->text().isEmpty()) {
        return refuse("土質を選択してください。", f.cbo1);
    }
    if (f.txt_cf->text().isEmpty())
        return refuse("各種影響係数を入力してください。", f.txt_cf);

    bool anyFacility = false;
    for (int n = 1; n <= 6; ++n)
        anyFacility = anyFacility || f.facilityCheck(n)->value() == 1;
    if (!anyFacility) {
        app().showError(QStringLiteral("使用する浸透施設の種類を選択してください。"));
        f.chk1->setValue(1);
        return false;
    }
    return true;
}

bool Form11::checkWell()
{
    const DesignCase& rec = app().record;
    Form1& f = app().form<Form1>();
    if (rec.runoffCoefficientC == 0.0)
        return refuse("流出係数を入力又は計算してください。", f.txt_c);
    if (rec.countermeasureAreaA == 0.0)
        return refuse("施設の分担する対策面積を入力してください。", f.txt_a);
    if (f.txt_t->text().isEmpty())
        return refuse("土質の名称を入力してください。", f.txt_t);
    if (f.txt_tk->text().isEmpty())
        return refuse("土質の飽和透水係数を入力してください。", f.txt_tk);

    // The well's method divides by the number of wells, their bottom area and
    // the soil conductivity: a zero there has no depth to show. Only a well
    // whose diameter box holds text is computed, so only then it is checked.
    const FacilityFamily* well = facilityFamily(6);
    FacilityDialog* dialog = well ? well->loaded(app()) : nullptr;
    if (!dialog || dialog->box(QStringLiteral("txt1d"))->text().isEmpty())
        return true;
    auto failInWell = [&](const char* text, const char* box) {
        showOnlyDialogOf(app(), *well);
        return refuse(text, dialog->box(QString::fromLatin1(box)));
    };
    if (numberIn(dialog->box(QStringLiteral("txt1d"))->text()) == 0.0)
        return failInWell("浸透井の直径を入力してください。", "txt1d");
    if (numberIn(dialog->box(QStringLiteral("txt1n"))->text()) == 0.0)
        return failInWell("浸透井の個数を入力してください。", "txt1n");
    if (rec.soilConductivityKo == 0.0)
        return refuse("土質の飽和透水係数を入力してください。", f.txt_tk);
    return true;
}

void Form11::Zairyou_2()
{
    DesignCase& rec = app().record;
    Form1& f = app().form<Form1>();

    // 1. Q1, computed or typed.
    if (f.opt_u1->isChecked())
        rec.countermeasureRainwaterQ1 =
            countermeasureQ1(rec.runoffCoefficientC, rec.rainfallIntensityI, rec.countermeasureAreaA);
    else if (f.opt_u2->isChecked())
        rec.countermeasureRainwaterQ1 = numberIn(f.txt_u->text());

    // 2. Every selected facility: its entries into the record, then its results.
    for (const FacilityFamily& family : facilityFamilies()) {
        if (f.facilityCheck(family.selector)->value() != 1)
            continue;
        FacilityDialog& dialog = family.load(app());
        dialog.Keisuu();
        dialog.Keisan();
    }

    // 3. A kind whose key box is empty contributes nothing, selected or not.
    for (const FacilityFamily& family : facilityFamilies()) {
        const FacilityDialog* dialog = family.loaded(app());
        if (!dialog) {
            for (CaseField fc : family.fcFields)
                rec.*fc = 0.0;
            continue;
        }
        for (const KeyBox& key : dialog->keyBoxes())
            if (key.fc && key.box->text().isEmpty())
                rec.*key.fc = 0.0;
    }

    // 4. A dialog with all key boxes empty is discarded.
    for (const FacilityFamily& family : facilityFamilies()) {
        const FacilityDialog* dialog = family.loaded(app());
        if (!dialog)
            continue;
        bool allEmpty = true;
        for (const KeyBox& key : dialog->keyBoxes())
            allEmpty = allEmpty && key.box->text().isEmpty();
        if (allEmpty)
            family.unload(app());
    }

    // 5. The total, in the fixed order of the sixteen kinds.
    rec.totalInfiltrationFc = totalInfiltration(rec);

    if (reportNonFinite())
        return;

    // 6, 7. Q1 (or the increased Q1') against ΣFc; the increased display
    // replaces the plain one where both apply.
    const double q1 = rec.countermeasureRainwaterQ1;
    const double p = rec.volumeIncreasePercent;
    std::optional<double> compared;
    if (f.opt_u2->isChecked() || f.opt7->isChecked()) {
        lbl16->setText(QString());
        lbl17->setText(QString());
        lbl3->setText(formatted(q1, "0.000"));
        compared = q1;
    }
    if (f.opt8->isChecked()) {
        lbl16->setText(formatted(increaseFactor(p), "0.0#"));
        lbl17->setText(QStringLiteral("×"));
        lbl3->setText(formatted(increasedQ1(p, q1), "0.000"));
        compared = increasedQ1(p, q1);
    }
    if (compared)
        showComparison(*compared);

    // 8. The warning in the status bar.
    if (f.opt7->isChecked() || f.opt8->isChecked()) {
        const double planned = f.opt8->isChecked() ? increasedQ1(p, q1) : q1;
        setMsg(isAdequate(planned, rec.totalInfiltrationFc)
                   ? QString()
                   : QStringLiteral("計画雨水量(Q1)が施設の総浸透量(FC)を超えています。"));
    }

    // 9. Results exist: print image and print, and overwrite save with a project file.
    MDIFofm& main = app().mainWindow();
    main.setToolbarButtonEnabled(3, !main.fileName().isEmpty());
    main.setToolbarButtonEnabled(5, true);
    main.setToolbarButtonEnabled(6, true);

    // 10. The infiltration well's effective depth.
    if (f.chk6->value() == 1)
        Label1->setText(formatted(rec.wellEffectiveDepthH, "0.0000"));
}

void Form11::showComparison(double q1)
{
    const double total = app().record.totalInfiltrationFc;
    lbl6->setText(formatted(total, "0.000"));
    if (isAdequate(q1, total)) {
        setColour(lbl6, Qt::black);
        lbl8->setText(QStringLiteral("＜"));
        lbl9->setText(QStringLiteral("∴ O.K"));
    } else {
        setColour(lbl6, shortfallColour());
        lbl8->setText(QStringLiteral("＞"));
        lbl9->setText(QStringLiteral("∴ NG"));
        app().beep();
    }
}

// A value beyond the range of numbers (an absurdly large entry, or a well
// whose infiltration outruns its inflow) has no meaning on the sheet: the
// run stops with a message naming what to correct, shows no result and
// leaves save and print disabled.
bool Form11::reportNonFinite()
{
    DesignCase& rec = app().record;
    Form1& f = app().form<Form1>();
    QString message;
    QWidget* focus = nullptr;

    const bool increased = f.opt8->isChecked();
    if (!std::isfinite(rec.countermeasureRainwaterQ1)) {
        message = QStringLiteral("対策雨水量が計算できません。流出係数、降雨強度及び対策面積を確認してください。");
        focus = f.opt_u2->isChecked() ? static_cast<QWidget*>(f.txt_u) : f.txt_c;
    } else if (!std::isfinite(rec.totalInfiltrationFc)) {
        message = QStringLiteral("浸透量が計算できません。浸透施設の寸法を確認してください。");
        for (const FacilityFamily& family : facilityFamilies()) {
            FacilityDialog* dialog = family.loaded(app());
            if (!dialog || focus)
                continue;
            for (const KeyBox& key : dialog->keyBoxes()) {
                if (key.fc && !std::isfinite(rec.*key.fc)) {
                    showOnlyDialogOf(app(), family);
                    focus = key.box;
                    break;
                }
            }
        }
    } else if (increased &&
               !std::isfinite(increasedQ1(rec.volumeIncreasePercent, rec.countermeasureRainwaterQ1))) {
        message = QStringLiteral("計画雨水量の割増しが大きすぎます。割増しを確認してください。");
        focus = f.txt1;
    } else if (f.chk6->value() == 1 && !std::isfinite(rec.wellEffectiveDepthH)) {
        message = QStringLiteral(
            "浸透井の有効深さが計算できません。直径Ｄ、個数ｎ及び土質の飽和透水係数を確認してください。");
        if (const FacilityFamily* well = facilityFamily(6)) {
            FacilityDialog& dialog = showOnlyDialogOf(app(), *well);
            focus = dialog.keyBoxes().front().box;
        }
    } else {
        return false;
    }

    if (!std::isfinite(rec.countermeasureRainwaterQ1))
        rec.countermeasureRainwaterQ1 = 0.0;
    rec.totalInfiltrationFc = 0.0;
    if (!std::isfinite(rec.wellEffectiveDepthH))
        rec.wellEffectiveDepthH = 0.0;
    for (QLabel* l : {lbl16, lbl17, lbl3, lbl6, lbl8, lbl9, Label1})
        l->setText(QString());
    disableSaveAndPrint();
    app().showError(message);
    if (focus)
        app().focusOn(focus);
    return true;
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
    disableSaveAndPrint();
}

// ---------------------------------------------------------- invalidation

void Form11::disableSaveAndPrint()
{
    for (int index : {3, 5, 6})
        app().mainWindow().setToolbarButtonEnabled(index, false);
}

void Form11::voidFacilityResults()
{
    disableSaveAndPrint();
    app().record.totalInfiltrationFc = 0.0;
    for (QLabel* l : {lbl6, lbl8, lbl9})
        l->setText(QString());
}

void Form11::voidQ1Results()
{
    disableSaveAndPrint();
    app().record.countermeasureRainwaterQ1 = 0.0;
    for (QLabel* l : {lbl3, lbl8, lbl9})
        l->setText(QString());
}

void Form11::voidWellResult()
{
    disableSaveAndPrint();
    app().record.wellEffectiveDepthH = 0.0;
    Label1->setText(QString());
}

void Form11::setMsg(const QString& text) { app().mainWindow().setPanelText(QStringLiteral("msg"), text); }

} // namespace akuenza
