#include "forms/facilities/pavement_pond_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {

const BoxField kRows[2] = {
    {'h', "高さ Ｈ＝", "ｍ"},
    {'s', "面積 Ｓ＝", "ｍ2"},
};

constexpr int kWidth = 5460;
constexpr int kHeight = 4560;
constexpr int kColumnWidth = 2640;
constexpr int kCheckTop = 3240;
constexpr int kRowsTop = 3660;
constexpr int kRowStep = 360;

using D = DesignCase;
const ResultFields kPavement{&D::pavementCoefA, &D::pavementCoefB, nullptr, &D::pavementKf,
                             &D::pavementQf,    &D::pavementQ,     &D::pavementFc};
const ResultFields kPond{&D::pondCoefA, &D::pondCoefB, nullptr, &D::pondKf, &D::pondQf, &D::pondQ, &D::pondFc};

} // namespace

Form15::Form15(App& app) : FacilityDialog(app)
{
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("浸透舗装、池"));
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    addTitle(QStringLiteral("透水性舗装及び浸透池"));

    auto* drawing = new PavementPondSchematic(this);
    drawing->setObjectName(QStringLiteral("schematic"));
    placeTwips(drawing, 120, 420, 5220, 2400);

    QLabel* heading = addLabel(this, "lblHeading", QStringLiteral("※使用する浸透施設"));
    makeGreen(heading);
    placeTwips(heading, 120, 2880, 5220, 300);

    const char* const captions[2] = {"透水性舗装", "浸透池"};
    for (int column = 1; column <= 2; ++column) {
        const int left = 120 + (column - 1) * kColumnWidth;
        const QByteArray c = QByteArray::number(column);
        CheckBox* check = addCheck(this, ("chk" + c).constData(), QString::fromUtf8(captions[column - 1]));
        placeTwips(check, left, kCheckTop, kColumnWidth - 60, 300);
        (column == 1 ? chk1 : chk2) = check;
        connect(check, &QCheckBox::toggled, this, [this, column](bool on) { columnClicked(column, on); });

        for (int row = 0; row < 2; ++row) {
            addInputRow(c, kRows[row], left + 240, kRowsTop + row * kRowStep);
        }
        // Enter in the height box goes on to the area; the area box has no Enter handling.
        box(QStringLiteral("txt%1h").arg(column))->chainEnter({box(QStringLiteral("txt%1s").arg(column))},
                                                              TextBox::EnterKey::PassOn);
        for (QWidget* w : columnInputs(column))
            w->setEnabled(false);
    }

    txt1h = box("txt1h"), txt1s = box("txt1s");
    txt2h = box("txt2h"), txt2s = box("txt2s");
}

std::vector<QWidget*> Form15::columnInputs(int column) const
{
    std::vector<QWidget*> out;
    for (const BoxField& r : kRows) {
        const QString stem = QString::number(column);
        out.push_back(control(QStringLiteral("lbl") + stem + QStringLiteral("1") + QLatin1Char(r.letter)));
        out.push_back(box(QStringLiteral("txt") + stem + QLatin1Char(r.letter)));
        out.push_back(control(QStringLiteral("lbl") + stem + QStringLiteral("2") + QLatin1Char(r.letter)));
    }
    return out;
}

// Ticking a facility opens its boxes (the focus stays where it is); clearing
// it empties them first, so the next run leaves the facility out.
void Form15::columnClicked(int column, bool checked)
{
    for (QWidget* w : columnInputs(column)) {
        if (!checked)
            if (auto* b = qobject_cast<TextBox*>(w))
                b->setText(QString());
        w->setEnabled(checked);
    }
    invalidateResults();
}

void Form15::Keisuu()
{
    readBoxes({{"txt1h", &D::pavementH}, {"txt1s", &D::pavementS}, {"txt2h", &D::pondH}, {"txt2s", &D::pondS}});
}

void Form15::Keisan()
{
    DesignCase& rec = app().record;
    if (filled("txt1h"))
        storeResults(rec, kPavement, areaFacility(rec.pavementH), rec.pavementS);
    if (filled("txt2h"))
        storeResults(rec, kPond, areaFacility(rec.pondH), rec.pondS);
}

std::vector<KeyBox> Form15::keyBoxes() const { return {{txt1h, &D::pavementFc}, {txt2h, &D::pondFc}}; }

} // namespace akuenza
