#include "forms/facilities/square_basin_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {
const ColumnDialogDesign kDesign{
    "浸透桝　正方形砕石層",
    {"浸透面　側面及び底面", "浸透面　底面"},
    {{'w', "巾　 Ｗ＝", "ｍ"}, {'h', "高さ Ｈ＝", "ｍ"}, {'n', "個数 Ｎ＝", "個"}},
    5460,
    5640,
    2760,
};

struct SquareKind {
    const char* widthBox;
    CaseField W, H, N;
    ResultFields results;
    KfCoefficients (*formula)(double W, double H);
};

using D = DesignCase;
const SquareKind kKinds[] = {
    {"txt11w", &D::square11W, &D::square11H, &D::square11N,
     {&D::square11a, &D::square11b, &D::square11c, &D::square11Kf, &D::square11Qf, &D::square11Q, &D::square11Fc},
     squareSidesAndBottom},
    {"txt12w", &D::square12W, &D::square12H, &D::square12N,
     {&D::square12a, &D::square12b, &D::square12c, &D::square12Kf, &D::square12Qf, &D::square12Q, &D::square12Fc},
     squareSidesAndBottom},
    {"txt21w", &D::square21W, &D::square21H, &D::square21N,
     {&D::square21a, &D::square21b, nullptr, &D::square21Kf, &D::square21Qf, &D::square21Q, &D::square21Fc},
     squareBottomOnly},
    {"txt22w", &D::square22W, &D::square22H, &D::square22N,
     {&D::square22a, &D::square22b, nullptr, &D::square22Kf, &D::square22Qf, &D::square22Q, &D::square22Fc},
     squareBottomOnly},
};
} // namespace

Form2::Form2(App& app) : ColumnFacilityDialog(app, kDesign)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("正方形砕石層"));
    auto* drawing = new SquareBasinSchematic(this);
    drawing->setObjectName(QStringLiteral("schematic"));
    placeTwips(drawing, 120, 420, 5220, 2280);

    txt11w = box("txt11w"), txt11h = box("txt11h"), txt11n = box("txt11n");
    txt12w = box("txt12w"), txt12h = box("txt12h"), txt12n = box("txt12n");
    txt21w = box("txt21w"), txt21h = box("txt21h"), txt21n = box("txt21n");
    txt22w = box("txt22w"), txt22h = box("txt22h"), txt22n = box("txt22n");
}

void Form2::Keisuu()
{
    readBoxes({{"txt11w", &D::square11W}, {"txt11h", &D::square11H}, {"txt11n", &D::square11N},
               {"txt12w", &D::square12W}, {"txt12h", &D::square12H}, {"txt12n", &D::square12N},
               {"txt21w", &D::square21W}, {"txt21h", &D::square21H}, {"txt21n", &D::square21N},
               {"txt22w", &D::square22W}, {"txt22h", &D::square22H}, {"txt22n", &D::square22N}});
}

void Form2::Keisan()
{
    DesignCase& rec = app().record;
    for (const SquareKind& k : kKinds)
        if (filled(k.widthBox))
            storeResults(rec, k.results, k.formula(rec.*k.W, rec.*k.H), rec.*k.N);
}

std::vector<KeyBox> Form2::keyBoxes() const
{
    return {{txt11w, &D::square11Fc}, {txt12w, &D::square12Fc}, {txt21w, &D::square21Fc}, {txt22w, &D::square22Fc}};
}

} // namespace akuenza
