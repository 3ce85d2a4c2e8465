#include "forms/facilities/facility_dialog.h"

#include "forms/facilities/results_form.h"
#include "forms/shell/twips.h"

namespace akuenza {

void storeResults(DesignCase& record, const ResultFields& fields, const KfCoefficients& k, double quantity)
{
    record.*fields.a = k.a;
    record.*fields.b = k.b;
    if (k.c && fields.c)
        record.*fields.c = *k.c;
    record.*fields.Kf = k.Kf;
    const InfiltrationRates r =
        infiltrationRates(record.*fields.Kf, record.soilConductivityKo, record.influenceCoefficientC, quantity);
    record.*fields.Qf = r.Qf;
    record.*fields.Q = r.Q;
    record.*fields.Fc = r.Fc;
}

// ------------------------------------------------------------ FacilityDialog

FacilityDialog::FacilityDialog(App& app) : Form(app) {}

void FacilityDialog::remember(QWidget* control) { controls_.insert(control->objectName(), control); }

TextBox* FacilityDialog::addBox(QWidget* parent, const char* name)
{
    auto* box = new TextBox(parent, name);
    box->setNumberEntry();
    connect(box, &TextBox::clicked, this, [this] { invalidateResults(); });
    remember(box);
    return box;
}

QLabel* FacilityDialog::addLabel(QWidget* parent, const char* name, const QString& caption)
{
    QLabel* label = makeLabel(parent, name, caption);
    remember(label);
    return label;
}

QFrame* FacilityDialog::addLine(QWidget* parent, const char* name, bool vertical)
{
    QFrame* line = makeLine(parent, name, vertical);
    remember(line);
    return line;
}

CheckBox* FacilityDialog::addCheck(QWidget* parent, const char* name, const QString& caption)
{
    auto* check = new CheckBox(parent, name, caption);
    remember(check);
    return check;
}

QLabel* FacilityDialog::addTitle(const QString& caption)
{
    QLabel* title = addLabel(this, "lblTitle", caption);
    QFont f = title->font();
    f.setPointSize(11);
    f.setBold(true);
    title->setFont(f);
    QPalette p = title->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 160));
    title->setPalette(p);
    placeTwips(title, 120, 60, 5000, 300);
    return title;
}

FacilityDialog::InputRow FacilityDialog::addInputRow(const QByteArray& stem, const BoxField& field, int left,
                                                    int top)
{
    InputRow row;
    row.caption = addLabel(this, ("lbl" + stem + "1" + field.letter).constData(), QString::fromUtf8(field.caption));
    placeTwips(row.caption, left, top, 900, 300);
    row.box = addBox(this, ("txt" + stem + field.letter).constData());
    placeTwips(row.box, left + 900, top - 15, 900, 300);
    row.unit = addLabel(this, ("lbl" + stem + "2" + field.letter).constData(), QString::fromUtf8(field.unit));
    placeTwips(row.unit, left + 1860, top, 420, 300);
    return row;
}

void FacilityDialog::invalidateResults() { app().form<Form11>().voidFacilityResults(); }

void FacilityDialog::readBoxes(std::initializer_list<std::pair<const char*, CaseField>> boxes)
{
    DesignCase& rec = app().record;
    for (const auto& [name, field] : boxes)
        rec.*field = numberIn(box(QString::fromLatin1(name))->text());
}

// ------------------------------------------------------ ColumnFacilityDialog

namespace {
const char* const kMarks[2] = {"①", "②"};
constexpr int kColumnWidth = 2640;
constexpr int kRowStep = 360;
} // namespace

QString ColumnFacilityDialog::boxName(int column, int type, char letter)
{
    return QStringLiteral("txt%1%2%3").arg(column).arg(type).arg(QLatin1Char(letter));
}

ColumnFacilityDialog::ColumnFacilityDialog(App& app, const ColumnDialogDesign& design)
    : FacilityDialog(app), design_(design)
{
    setFixedSize(twipsToPixels(design.widthTwips), twipsToPixels(design.heightTwips));
    addTitle(QString::fromUtf8(design.title));

    for (int column = 1; column <= 2; ++column) {
        const int left = 120 + (column - 1) * kColumnWidth;
        const int top = design.gridTopTwips;
        const QByteArray chkName = "chk" + QByteArray::number(column);
        CheckBox* check = addCheck(this, chkName.constData(), QString::fromUtf8(design.columnCaption[column - 1]));
        placeTwips(check, left, top, kColumnWidth - 60, 300);
        (column == 1 ? chk1 : chk2) = check;
        connect(check, &QCheckBox::toggled, this, [this, column](bool on) { columnClicked(column, on); });

        for (int type = 1; type <= 2; ++type) {
            const int blockTop = top + 420 + (type - 1) * (3 * kRowStep + 120);
            const QByteArray mark = "lbl" + QByteArray::number(column) + QByteArray::number(type);
            placeTwips(addLabel(this, mark.constData(), QString::fromUtf8(kMarks[type - 1])), left, blockTop, 240,
                       300);
            for (int row = 0; row < 3; ++row) {
                const BoxField& f = design.fields[row];
                const int y = blockTop + row * kRowStep;
                addInputRow(QByteArray::number(column) + QByteArray::number(type), f, left + 360, y);
            }
            // A bracket "[" to the left of the three rows.
            const QByteArray lineStem = "Line" + QByteArray::number(column) + QByteArray::number(type);
            const int bracketTop = blockTop - 30;
            const int bracketHeight = 3 * kRowStep - 30;
            placeTwips(addLine(this, (lineStem + "1").constData(), false), left + 255, bracketTop, 75, 15);
            placeTwips(addLine(this, (lineStem + "2").constData(), true), left + 240, bracketTop, 30,
                       bracketHeight);
            placeTwips(addLine(this, (lineStem + "3").constData(), false), left + 255,
                       bracketTop + bracketHeight - 15, 75, 15);
        }
        for (QWidget* w : columnInputs(column))
            w->setEnabled(false);
        for (QFrame* line : columnLines(column))
            line->hide();

        // Enter moves down the column: ① then ②; the last box has no Enter handling.
        std::vector<TextBox*> chain;
        for (int type = 1; type <= 2; ++type)
            for (const BoxField& f : design.fields)
                chain.push_back(box(boxName(column, type, f.letter)));
        for (std::size_t i = 0; i + 1 < chain.size(); ++i)
            chain[i]->chainEnter({chain[i + 1]}, TextBox::EnterKey::PassOn);
    }
}

std::vector<QWidget*> ColumnFacilityDialog::columnInputs(int column) const
{
    std::vector<QWidget*> out;
    for (int type = 1; type <= 2; ++type) {
        out.push_back(control(QStringLiteral("lbl%1%2").arg(column).arg(type)));
        for (const BoxField& f : design_.fields) {
            const QString stem = QStringLiteral("%1%2").arg(column).arg(type);
            out.push_back(control(QStringLiteral("lbl") + stem + QStringLiteral("1") + QLatin1Char(f.letter)));
            out.push_back(box(boxName(column, type, f.letter)));
            out.push_back(control(QStringLiteral("lbl") + stem + QStringLiteral("2") + QLatin1Char(f.letter)));
        }
    }
    return out;
}

std::vector<QFrame*> ColumnFacilityDialog::columnLines(int column) const
{
    std::vector<QFrame*> out;
    for (int type = 1; type <= 2; ++type)
        for (int part = 1; part <= 3; ++part)
            out.push_back(qobject_cast<QFrame*>(control(QStringLiteral("Line%1%2%3").arg(column).arg(type).arg(part))));
    return out;
}

void ColumnFacilityDialog::columnClicked(int column, bool checked)
{
    for (QWidget* w : columnInputs(column)) {
        if (!checked)
            if (auto* b = qobject_cast<TextBox*>(w))
                b->setText(QString());
        w->setEnabled(checked);
    }
    for (QFrame* line : columnLines(column))
        line->setVisible(checked);
    if (checked)
        focusAndSelect(box(boxName(column, 1, design_.fields[0].letter)));
    invalidateResults();
}

} // namespace akuenza
