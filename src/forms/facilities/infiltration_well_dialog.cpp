#include "forms/facilities/infiltration_well_dialog.h"

#include "forms/facilities/results_form.h"
#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {

const BoxField kRows[3] = {
    {'d', "直径 Ｄ＝", "ｍ"},
    {'h', "深さ Ｈ＝", "ｍ"},
    {'n', "個数 ｎ＝", "本"},
};
const char* const kMarks[2] = {"①", "②"};

constexpr int kWidth = 5460;
constexpr int kHeight = 4680;
constexpr int kColumnWidth = 2640;
constexpr int kRowsTop = 3420;
constexpr int kRowStep = 360;

using D = DesignCase;

} // namespace

Form18::Form18(App& app) : FacilityDialog(app)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("浸透井(吸込槽)"));
    setFixedSize(twipsToPixels(kWidth), twipsToPixels(kHeight));
    addTitle(QStringLiteral("浸透井（吸込槽）"));

    auto* drawing = new InfiltrationWellSchematic(this);
    drawing->setObjectName(QStringLiteral("schematic"));
    placeTwips(drawing, 120, 420, 5220, 2460);

    QLabel* reference = addLabel(this, "lblReference", QStringLiteral("東京都開発審査基準による"));
    reference->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(reference, 120, 2940, 5220, 300);

    for (int column = 1; column <= 2; ++column) {
        const int left = 120 + (column - 1) * kColumnWidth;
        const QByteArray c = QByteArray::number(column);
        std::vector<QWidget*> controls;
        QLabel* mark = addLabel(this, ("lbl" + c).constData(), QString::fromUtf8(kMarks[column - 1]));
        placeTwips(mark, left, kRowsTop, 240, 300);
        controls.push_back(mark);
        for (int row = 0; row < 3; ++row) {
            const InputRow r = addInputRow(c, kRows[row], left + 360, kRowsTop + row * kRowStep);
            controls.insert(controls.end(), {r.caption, r.box, r.unit});
        }
        // Enter: diameter, depth, count; the count box has no Enter handling.
        box(QStringLiteral("txt%1d").arg(column))
            ->chainEnter({box(QStringLiteral("txt%1h").arg(column))}, TextBox::EnterKey::PassOn);
        box(QStringLiteral("txt%1h").arg(column))
            ->chainEnter({box(QStringLiteral("txt%1n").arg(column))}, TextBox::EnterKey::PassOn);
        if (column == 2)
            for (QWidget* w : controls)
                w->hide();
    }

    txt1d = box("txt1d"), txt1h = box("txt1h"), txt1n = box("txt1n");
    txt2d = box("txt2d"), txt2h = box("txt2h"), txt2n = box("txt2n");
}

void Form18::Keisuu()
{
    readBoxes({{"txt1d", &D::wellDiameterD},
               {"txt2d", &D::wellDiameterD2},
               {"txt1h", &D::wellDepthH},
               {"txt2h", &D::wellDepthH2},
               {"txt1n", &D::wellCountN},
               {"txt2n", &D::wellCountN2}});
}

void Form18::Keisan()
{
    DesignCase& rec = app().record;
    // The inflow term depends on the design conditions alone and is always renewed.
    rec.wellInflowQ = wellInflowQ(rec.countermeasureAreaA, rec.runoffCoefficientC);
    if (!filled("txt1d"))
        return;

    const WellInputs in{rec.wellDiameterD, rec.wellCountN, rec.countermeasureAreaA, rec.runoffCoefficientC,
                        rec.soilConductivityKo};
    const WellResult r = wellDepth(in, rec.wellInflowQ);
    rec.wellBottomArea = r.bottomArea;
    rec.wellAreaAi = r.areaAi;
    rec.wellInfiltrationS = r.infiltrationS;
    rec.wellRatioY = r.ratioY;
    rec.wellTermX = r.termX;
    rec.wellCriticalTimeTo = r.criticalTimeTo;
    rec.wellVolumeV = r.volumeV;
    rec.wellEffectiveDepthH = r.effectiveDepthH;
}

std::vector<KeyBox> Form18::keyBoxes() const { return {{txt1d, nullptr}, {txt2d, nullptr}}; }

void Form18::invalidateResults() { app().form<Form11>().voidWellResult(); }

} // namespace akuenza
