#include "forms/facilities/circular_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {
const ColumnDialogDesign kDesign{
    "浸透桝　円形砕石層",
    {"浸透面　側面及び底面", "浸透面　底面"},
    {{'d', "直径 Ｄ＝", "ｍ"}, {'h', "高さ Ｈ＝", "ｍ"}, {'n', "個数 Ｎ＝", "個"}},
    5460,
    5640,
    2760,
};

struct CircularKind {
    const char* diameterBox;
    CaseField D, H, N;
    ResultFields results;
    KfCoefficients (*formula)(double D, double H);
};

using D = DesignCase;
const CircularKind kKinds[] = {
    {"txt11d", &D::circular11D, &D::circular11H, &D::circular11N,
     {&D::circular11a, &D::circular11b, &D::circular11c, &D::circular11Kf, &D::circular11Qf, &D::circular11Q,
      &D::circular11Fc},
     circularSidesAndBottom},
    {"txt12d", &D::circular12D, &D::circular12H, &D::circular12N,
     {&D::circular12a, &D::circular12b, &D::circular12c, &D::circular12Kf, &D::circular12Qf, &D::circular12Q,
      &D::circular12Fc},
     circularSidesAndBottom},
    {"txt21d", &D::circular21D, &D::circular21H, &D::circular21N,
     {&D::circular21a, &D::circular21b, nullptr, &D::circular21Kf, &D::circular21Qf, &D::circular21Q,
      &D::circular21Fc},
     circularBottomOnly},
    {"txt22d", &D::circular22D, &D::circular22H, &D::circular22N,
     {&D::circular22a, &D::circular22b, nullptr, &D::circular22Kf, &D::circular22Qf, &D::circular22Q,
      &D::circular22Fc},
     circularBottomOnly},
};
} // namespace

Form6::Form6(App& app) : ColumnFacilityDialog(app, kDesign)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("円形砕石層"));
    auto* drawing = new CircularBasinSchematic(this);
    drawing->setObjectName(QStringLiteral("schematic"));
    placeTwips(drawing, 120, 420, 5220, 2280);

    txt11d = box("txt11d"), txt11h = box("txt11h"), txt11n = box("txt11n");
    txt12d = box("txt12d"), txt12h = box("txt12h"), txt12n = box("txt12n");
    txt21d = box("txt21d"), txt21h = box("txt21h"), txt21n = box("txt21n");
    txt22d = box("txt22d"), txt22h = box("txt22h"), txt22n = box("txt22n");
}

void Form6::Keisuu()
{
    readBoxes({{"txt11d", &D::circular11D}, {"txt11h", &D::circular11H}, {"txt11n", &D::circular11N},
               {"txt12d", &D::circular12D}, {"txt12h", &D::circular12H}, {"txt12n", &D::circular12N},
               {"txt21d", &D::circular21D}, {"txt21h", &D::circular21H}, {"txt21n", &D::circular21N},
               {"txt22d", &D::circular22D}, {"txt22h", &D::circular22H}, {"txt22n", &D::circular22N}});
}

void Form6::Keisan()
{
    DesignCase& rec = app().record;
    for (const CircularKind& k : kKinds)
        if (filled(k.diameterBox))
            storeResults(rec, k.results, k.formula(rec.*k.D, rec.*k.H), rec.*k.N);
}

std::vector<KeyBox> Form6::keyBoxes() const
{
    return {{txt11d, &D::circular11Fc},
            {txt12d, &D::circular12Fc},
            {txt21d, &D::circular21Fc},
            {txt22d, &D::circular22Fc}};
}

} // namespace akuenza
