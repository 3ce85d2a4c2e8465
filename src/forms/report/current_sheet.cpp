#include "forms/report/current_sheet.h"

#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/facilities/family_dialogs.h"

namespace akuenza {

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

Sheet currentSheet(App& app, SheetVariant variant)
{
    return calculationSheet(app.record, sheetChoices(app), variant);
}

} // namespace akuenza
