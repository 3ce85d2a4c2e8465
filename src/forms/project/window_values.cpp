#include "forms/project/window_values.h"

#include "core/facilities/facility_families.h"
#include "forms/conditions/design_conditions_form.h"
#include "forms/conditions/flow_time_dialog.h"
#include "forms/conditions/inlet_time_dialog.h"
#include "forms/conditions/rainfall_dialog.h"
#include "forms/conditions/runoff_dialog.h"
#include "forms/facilities/family_dialogs.h"
#include "forms/facilities/results_form.h"

namespace akuenza {

QWidget* projectWindow(App& app, std::string_view window)
{
    if (window == "Form1")
        return &app.form<Form1>();
    if (window == "Form11")
        return &app.form<Form11>();
    if (window == "Form12")
        return &app.form<Form12>();
    if (window == "Form13")
        return &app.dialog<Form13>();
    if (window == "Form16")
        return &app.form<Form16>();
    if (window == "Form22")
        return &app.dialog<Form22>();
    for (const FacilityFamily& family : facilityFamilies())
        if (window == family.form)
            return &dialogOf(app, family.selector);
    return nullptr;
}

QWidget* projectControl(App& app, const ProjectItem& item)
{
    if (item.kind == LineKind::RecordField)
        return nullptr;
    QWidget* window = projectWindow(app, item.window);
    return window ? window->findChild<QWidget*>(QString::fromLatin1(item.control)) : nullptr;
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

void assign(QWidget* control, LineKind kind, const ControlValue& v)
{
    switch (kind) {
    case LineKind::Text:
        if (auto* box = qobject_cast<QLineEdit*>(control))
            box->setText(QString::fromStdString(v.text));
        break;
    case LineKind::Caption:
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(QString::fromStdString(v.text));
        break;
    case LineKind::Option:
        // Choosing runs the option's reaction; un-choosing runs nothing.
        if (auto* option = qobject_cast<QRadioButton*>(control))
            option->setChecked(v.chosen);
        break;
    case LineKind::Check:
        if (auto* check = qobject_cast<CheckBox*>(control))
            check->setValue(v.number);
        break;
    case LineKind::ListIndex:
        if (auto* list = qobject_cast<ComboBox*>(control))
            list->setListIndex(v.number);
        break;
    case LineKind::RecordField: break;
    }
}

QString describe(App& app, const ProjectItem& item)
{
    // The two modal dialogs carry the program's name as their caption, and
    // the design conditions form the project file's name once saved; they
    // are named by what they hold.
    const std::string_view name = item.window;
    const QWidget* window = projectWindow(app, name);
    const QString title = name == "Form1"    ? QStringLiteral("設計条件")
                          : name == "Form13" ? QStringLiteral("流入時間の計算")
                          : name == "Form22" ? QStringLiteral("流下時間（茨城県）")
                          : window           ? window->windowTitle()
                                             : QString::fromLatin1(item.window);
    return QStringLiteral("「%1」の %2").arg(title, QString::fromLatin1(item.control));
}

} // namespace akuenza
