#include "forms/facilities/window_snapshot.h"

#include "core/facilities/facility_families.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"

namespace akuenza {

namespace {

template <int Selector>
QWidget* openFamilyDialog(App& app)
{
    return &dialogOf(app, Selector);
}

} // namespace

std::vector<NamedWindow> designedWindows()
{
    std::vector<NamedWindow> windows = {
        {"Form1", [](App& app) -> QWidget* { return &app.form<Form1>(); }},
        {"Form11", [](App& app) -> QWidget* { return &app.form<Form11>(); }},
        {"Form12", [](App& app) -> QWidget* { return &app.form<Form12>(); }},
        {"Form13", [](App& app) -> QWidget* { return &app.dialog<Form13>(); }},
        {"Form16", [](App& app) -> QWidget* { return &app.form<Form16>(); }},
        {"Form22", [](App& app) -> QWidget* { return &app.dialog<Form22>(); }},
    };
    QWidget* (*const familyDialogs[])(App&) = {openFamilyDialog<1>, openFamilyDialog<2>, openFamilyDialog<3>,
                                               openFamilyDialog<4>, openFamilyDialog<5>, openFamilyDialog<6>};
    static_assert(std::size(familyDialogs) == kFamilyCount);
    for (const FacilityFamily& family : facilityFamilies())
        windows.push_back({family.form, familyDialogs[family.selector - 1]});
    return windows;
}

ConditionEntries conditionEntries(App& app)
{
    const Form1& f1 = app.form<Form1>();
    ConditionEntries e;
    e.optU1 = f1.opt_u1->isChecked();
    e.optU2 = f1.opt_u2->isChecked();
    e.txtU = f1.txt_u->text().toStdString();
    e.txtC = f1.txt_c->text().toStdString();
    e.txtA = f1.txt_a->text().toStdString();
    e.txtI = f1.txt_i->text().toStdString();
    e.opt7 = f1.opt7->isChecked();
    e.opt8 = f1.opt8->isChecked();
    e.txt1 = f1.txt1->text().toStdString();
    e.chkT = f1.chk_t->value() == 1;
    e.txtT = f1.txt_t->text().toStdString();
    e.txtTk = f1.txt_tk->text().toStdString();
    e.soilListIndex = f1.cbo1->listIndex();
    e.soilText = f1.cbo1->text().toStdString();
    e.txtCf = f1.txt_cf->text().toStdString();
    for (int n = 1; n <= kFamilyCount; ++n)
        e.facility[static_cast<std::size_t>(n - 1)] = f1.facilityCheck(n)->value() == 1;
    return e;
}

RunEntries runEntries(App& app)
{
    RunEntries entries;
    entries.conditions = conditionEntries(app);
    for (int selector = 1; selector <= kFamilyCount; ++selector)
        if (const FacilityDialog* dialog = loadedDialogOf(app, selector))
            entries.dialogs[static_cast<std::size_t>(selector - 1)] = {true, dialog->texts()};
    return entries;
}

SheetChoices sheetChoices(App& app)
{
    SheetChoices c;
    const Form1& f1 = app.form<Form1>();
    c.form1.optU1 = f1.opt_u1->isChecked();
    c.form1.optU2 = f1.opt_u2->isChecked();
    c.form1.opt3 = f1.opt3->isChecked();
    c.form1.opt4 = f1.opt4->isChecked();
    c.form1.opt5 = f1.opt5->isChecked();
    c.form1.opt6 = f1.opt6->isChecked();
    c.form1.opt7 = f1.opt7->isChecked();
    c.form1.opt8 = f1.opt8->isChecked();
    for (int n = 1; n < kFamilyCount; ++n)
        c.form1.facility[static_cast<std::size_t>(n - 1)] = f1.facilityCheck(n)->value() == 1;
    c.form1.chk6 = f1.chk6->value();

    // The rainfall dialog and the river-channel dialog are created for a
    // computed intensity; otherwise they are read only if they are loaded
    // (printing asks the rainfall dialog's Option8 whatever the case).
    const Form12* f12 = c.form1.opt4 ? &app.form<Form12>() : app.loaded<Form12>();
    if (f12)
        c.form12 = {f12->opt1->isChecked(),    f12->opt4->isChecked(),    f12->opt2->isChecked(),
                    f12->opt3->isChecked(),    f12->opt5->isChecked(),    f12->opt6->isChecked(),
                    f12->Option1->isChecked(), f12->Option2->isChecked(), f12->Option3->isChecked(),
                    f12->Option4->isChecked(), f12->Option5->isChecked(), f12->Option6->isChecked(),
                    f12->Option7->isChecked(), f12->Option8->isChecked(), f12->chk1->value() == 1};
    else
        c.form12.Option4 = c.form12.Option6 = true; // its design state
    const Form22* f22 = c.form1.opt4 ? &app.dialog<Form22>() : app.loadedDialog<Form22>();
    if (f22)
        c.form22 = {f22->opt1->isChecked(), f22->opt2->isChecked()};

    for (int n = 1; n < kFamilyCount; ++n)
        if (const FacilityDialog* dialog = loadedDialogOf(app, n))
            c.boxes[static_cast<std::size_t>(n - 1)] = dialog->texts();
    return c;
}

ControlValue valueOf(const QWidget* control, LineKind kind)
{
    ControlValue v;
    switch (kind) {
    case LineKind::Text:
        if (auto* box = qobject_cast<const QLineEdit*>(control))
            v.text = box->text().toStdString();
        break;
    case LineKind::Caption:
        if (auto* label = qobject_cast<const QLabel*>(control))
            v.text = label->text().toStdString();
        break;
    case LineKind::Option:
        if (auto* option = qobject_cast<const QRadioButton*>(control))
            v.chosen = option->isChecked();
        break;
    case LineKind::Check:
        if (auto* check = qobject_cast<const CheckBox*>(control))
            v.number = check->value();
        break;
    case LineKind::ListIndex:
        if (auto* list = qobject_cast<const ComboBox*>(control))
            v.number = list->listIndex();
        break;
    case LineKind::RecordField: break;
    }
    return v;
}

QWidget* projectControl(App& app, const ProjectItem& item)
{
    return item.kind == LineKind::RecordField ? nullptr : app.control(item.window, item.control);
}

ControlValue projectValue(App& app, const ProjectItem& item) { return valueOf(projectControl(app, item), item.kind); }

} // namespace akuenza
