#include "forms/project/window_values.h"

#include "core/facilities/facility_families.h"
#include "forms/base/controls.h"

#include <QAbstractButton>

namespace akuenza {

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

namespace {

// What the engineer reads beside a box of the design conditions form and the
// hydrology dialogs.
struct BoxCaption {
    const char* window;
    const char* control;
    const char* caption;
};
constexpr BoxCaption kBoxCaptions[] = {
    {"Form1", "txt_u", "対策雨水量"},
    {"Form1", "txt_c", "流出係数 Ｃ"},
    {"Form1", "txt_a", "施設の分担する対策面積 Ａ"},
    {"Form1", "txt_i", "1時間当りの降雨強度 I"},
    {"Form1", "txt1", "対策雨水量の割増し（％増し）"},
    {"Form1", "txt_t", "土質の名称"},
    {"Form1", "txt_tk", "土質の飽和透水係数"},
    {"Form1", "txt_cf", "各種影響係数 Ｃ"},
    {"Form12", "txt1", "定数 ａ"},
    {"Form12", "txt2", "定数 ｂ"},
    {"Form12", "txt6", "定数 ｃ"},
    {"Form12", "txt7", "定数 ｄ"},
    {"Form12", "txt8", "到達時間 t"},
    {"Form12", "txt3", "流入時間 t1"},
    {"Form12", "txt9", "流下時間 t2"},
    {"Form12", "txt4", "排水施設延長距離 L"},
    {"Form12", "txt5", "流速 V"},
    {"Form13", "txt1", "斜面距離 L"},
    {"Form13", "txt2", "斜面勾配 S"},
    {"Form13", "txt3", "遅滞係数 n"},
    {"Form22", "txt1", "河道延長 L"},
    {"Form22", "txt2", "河道の勾配 i"},
};

// A caption without its "＝" and with its blanks made one.
QString plain(const char* caption)
{
    QString text = QString::fromUtf8(caption).remove(u'＝').simplified();
    text.replace(QStringLiteral("　"), QString());
    return text.simplified();
}

// A facility box: the column it stands in (where the dialog has two), its
// mark (① or ②) and its own caption, as "側面及び底面 ① 巾 Ｗ".
QString facilityBoxCaption(App& app, const FacilityFamily& family, std::string_view control)
{
    const std::size_t index = family.boxIndex(control);
    if (index >= family.boxes.size())
        return QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
    QStringList parts;
    // txt + column + mark + letter in the two-column dialogs, txt + mark + letter otherwise;
    // the pavement and pond columns have no marks.
    const std::string_view digits = control.substr(3, control.size() - 4);
    const bool columns = !family.checks.empty();
    if (columns) {
        const QWidget* dialog = app.window(family.form);
        const QString check = QStringLiteral("chk") + QChar(digits[0]);
        if (const auto* box = dialog ? dialog->findChild<const QAbstractButton*>(check) : nullptr)
            parts << box->text().remove(QStringLiteral("浸透面")).simplified().remove(u'　');
    }
    const std::size_t markAt = columns ? 1 : 0;
    if (markAt < digits.size())
        parts << (digits[markAt] == '1' ? QStringLiteral("①") : QStringLiteral("②"));
    parts << plain(family.box(index).caption);
    return parts.join(u' ');
}

} // namespace

QString windowCaption(std::string_view window)
{
    if (window == "Form1")
        return QStringLiteral("設計条件");
    if (window == "Form12")
        return QStringLiteral("降雨強度");
    if (window == "Form13")
        return QStringLiteral("流入時間の計算");
    if (window == "Form16")
        return QStringLiteral("流出係数（加重平均）");
    if (window == "Form22")
        return QStringLiteral("流下時間（茨城県）");
    if (window == "Form11")
        return QStringLiteral("計算結果");
    for (const FacilityFamily& family : facilityFamilies())
        if (window == family.form)
            return QString::fromUtf8(family.caption);
    return QString::fromLatin1(window.data(), static_cast<qsizetype>(window.size()));
}

QString boxCaption(App& app, std::string_view window, std::string_view control)
{
    for (const BoxCaption& c : kBoxCaptions)
        if (window == c.window && control == c.control)
            return QString::fromUtf8(c.caption);
    // The weighted runoff rows: 土地利用形態, 流出係数 and 対策面積 of row n.
    if (window == "Form16" && control.size() == 6 && control.substr(0, 4) == "txt_") {
        const QString row = QString(QChar::fromLatin1(control[5]));
        const char kind = control[4];
        const QString what = kind == 't'   ? QStringLiteral("土地利用形態")
                             : kind == 'c' ? QStringLiteral("流出係数")
                                           : QStringLiteral("対策面積");
        return QStringLiteral("%1（%2行目）").arg(what, row);
    }
    for (const FacilityFamily& family : facilityFamilies())
        if (window == family.form)
            return facilityBoxCaption(app, family, control);
    return QString::fromLatin1(control.data(), static_cast<qsizetype>(control.size()));
}

QString describe(App& app, const ProjectItem& item)
{
    return QStringLiteral("「%1」の「%2」").arg(windowCaption(item.window), boxCaption(app, item.window, item.control));
}

} // namespace akuenza
