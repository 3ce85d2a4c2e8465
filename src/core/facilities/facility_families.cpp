#include "core/facilities/facility_families.h"

#include "core/facilities/infiltration_formulas.h"
#include "core/record/lenient_number.h"

namespace akuenza {

namespace {

using D = DesignCase;

constexpr const char* kMetre = "ｍ";
constexpr const char* kPieces = "個";
constexpr const char* kBasin = "浸透桝";

std::vector<FacilityFamily> buildFamilies()
{
    std::vector<FacilityFamily> families;

    // chk1: square crushed-stone basin. Column 1 infiltrates through the
    // sides and the bottom, column 2 through the bottom only.
    families.push_back({1, "Form2", "正方形砕石層", {"chk1", "chk2"},
        {
            {"txt11w", &D::square11W, "lbl111w", "巾　 Ｗ＝", "lbl112w", kMetre},
            {"txt11h", &D::square11H, "lbl111h", "高さ Ｈ＝", "lbl112h", kMetre},
            {"txt11n", &D::square11N, "lbl111n", "個数 Ｎ＝", "lbl112n", kPieces},
            {"txt12w", &D::square12W, "lbl121w", "巾　 Ｗ＝", "lbl122w", kMetre},
            {"txt12h", &D::square12H, "lbl121h", "高さ Ｈ＝", "lbl122h", kMetre},
            {"txt12n", &D::square12N, "lbl121n", "個数 Ｎ＝", "lbl122n", kPieces},
            {"txt21w", &D::square21W, "lbl211w", "巾　 Ｗ＝", "lbl212w", kMetre},
            {"txt21h", &D::square21H, "lbl211h", "高さ Ｈ＝", "lbl212h", kMetre},
            {"txt21n", &D::square21N, "lbl211n", "個数 Ｎ＝", "lbl212n", kPieces},
            {"txt22w", &D::square22W, "lbl221w", "巾　 Ｗ＝", "lbl222w", kMetre},
            {"txt22h", &D::square22H, "lbl221h", "高さ Ｈ＝", "lbl222h", kMetre},
            {"txt22n", &D::square22N, "lbl221n", "個数 Ｎ＝", "lbl222n", kPieces},
        },
        {
            {"square11", 0, KfFormula::SquareSidesAndBottom, PerUnit::Piece, &D::square11W, nullptr, &D::square11H,
             &D::square11N, &D::square11a, &D::square11b, &D::square11c, &D::square11Kf, &D::square11Qf,
             &D::square11Q, &D::square11Fc, {kBasin, 38, true}},
            {"square12", 3, KfFormula::SquareSidesAndBottom, PerUnit::Piece, &D::square12W, nullptr, &D::square12H,
             &D::square12N, &D::square12a, &D::square12b, &D::square12c, &D::square12Kf, &D::square12Qf,
             &D::square12Q, &D::square12Fc, {kBasin}},
            {"square21", 6, KfFormula::SquareBottomOnly, PerUnit::Piece, &D::square21W, nullptr, &D::square21H,
             &D::square21N, &D::square21a, &D::square21b, nullptr, &D::square21Kf, &D::square21Qf, &D::square21Q,
             &D::square21Fc, {kBasin}},
            {"square22", 9, KfFormula::SquareBottomOnly, PerUnit::Piece, &D::square22W, nullptr, &D::square22H,
             &D::square22N, &D::square22a, &D::square22b, nullptr, &D::square22Kf, &D::square22Qf, &D::square22Q,
             &D::square22Fc, {kBasin}},
        },
        {0, 3, 6, 9}});

    // chk2: rectangular crushed-stone basin, sides and bottom, types ① and ②.
    families.push_back({2, "Form5", "長方形砕石層", {},
        {
            {"txt1w", &D::rect1W, "lbl11w", "巾  Ｗ＝", "lbl12w", kMetre},
            {"txt1l", &D::rect1L, "lbl11l", "長さ Ｌ＝", "lbl12l", kMetre},
            {"txt1h", &D::rect1H, "lbl11h", "高さ Ｈ＝", "lbl12h", kMetre},
            {"txt1n", &D::rect1N, "lbl11n", "個数 Ｎ＝", "lbl12n", kPieces},
            {"txt2w", &D::rect2W, "lbl21w", "巾  Ｗ＝", "lbl22w", kMetre},
            {"txt2l", &D::rect2L, "lbl21l", "長さ Ｌ＝", "lbl22l", kMetre},
            {"txt2h", &D::rect2H, "lbl21h", "高さ Ｈ＝", "lbl22h", kMetre},
            {"txt2n", &D::rect2N, "lbl21n", "個数 Ｎ＝", "lbl22n", kPieces},
        },
        {
            {"rect1", 0, KfFormula::Rectangular, PerUnit::Piece, &D::rect1W, &D::rect1L, &D::rect1H, &D::rect1N,
             &D::rect1a, &D::rect1b, nullptr, &D::rect1Kf, &D::rect1Qf, &D::rect1Q, &D::rect1Fc, {kBasin}},
            {"rect2", 4, KfFormula::Rectangular, PerUnit::Piece, &D::rect2W, &D::rect2L, &D::rect2H, &D::rect2N,
             &D::rect2a, &D::rect2b, nullptr, &D::rect2Kf, &D::rect2Qf, &D::rect2Q, &D::rect2Fc, {kBasin}},
        },
        {0, 4}});

    // chk3: circular crushed-stone basin, the square basin's pattern with a diameter.
    families.push_back({3, "Form6", "円形砕石層", {"chk1", "chk2"},
        {
            {"txt11d", &D::circular11D, "lbl111d", "直径 Ｄ＝", "lbl112d", kMetre},
            {"txt11h", &D::circular11H, "lbl111h", "高さ Ｈ＝", "lbl112h", kMetre},
            {"txt11n", &D::circular11N, "lbl111n", "個数 Ｎ＝", "lbl112n", kPieces},
            {"txt12d", &D::circular12D, "lbl121d", "直径 Ｄ＝", "lbl122d", kMetre},
            {"txt12h", &D::circular12H, "lbl121h", "高さ Ｈ＝", "lbl122h", kMetre},
            {"txt12n", &D::circular12N, "lbl121n", "個数 Ｎ＝", "lbl122n", kPieces},
            {"txt21d", &D::circular21D, "lbl211d", "直径 Ｄ＝", "lbl212d", kMetre},
            {"txt21h", &D::circular21H, "lbl211h", "高さ Ｈ＝", "lbl212h", kMetre},
            {"txt21n", &D::circular21N, "lbl211n", "個数 Ｎ＝", "lbl212n", kPieces},
            {"txt22d", &D::circular22D, "lbl221d", "直径 Ｄ＝", "lbl222d", kMetre},
            {"txt22h", &D::circular22H, "lbl221h", "高さ Ｈ＝", "lbl222h", kMetre},
            {"txt22n", &D::circular22N, "lbl221n", "個数 Ｎ＝", "lbl222n", kPieces},
        },
        {
            {"circular11", 0, KfFormula::CircularSidesAndBottom, PerUnit::Piece, &D::circular11D, nullptr,
             &D::circular11H, &D::circular11N, &D::circular11a, &D::circular11b, &D::circular11c, &D::circular11Kf,
             &D::circular11Qf, &D::circular11Q, &D::circular11Fc, {kBasin}},
            {"circular12", 3, KfFormula::CircularSidesAndBottom, PerUnit::Piece, &D::circular12D, nullptr,
             &D::circular12H, &D::circular12N, &D::circular12a, &D::circular12b, &D::circular12c, &D::circular12Kf,
             &D::circular12Qf, &D::circular12Q, &D::circular12Fc, {kBasin}},
            {"circular21", 6, KfFormula::CircularBottomOnly, PerUnit::Piece, &D::circular21D, nullptr,
             &D::circular21H, &D::circular21N, &D::circular21a, &D::circular21b, nullptr, &D::circular21Kf,
             &D::circular21Qf, &D::circular21Q, &D::circular21Fc, {kBasin}},
            {"circular22", 9, KfFormula::CircularBottomOnly, PerUnit::Piece, &D::circular22D, nullptr,
             &D::circular22H, &D::circular22N, &D::circular22a, &D::circular22b, nullptr, &D::circular22Kf,
             &D::circular22Qf, &D::circular22Q, &D::circular22Fc, {kBasin}},
        },
        {0, 3, 6, 9}});

    // chk4: infiltration side ditch (column 1) and pipe or trench (column 2),
    // per metre; a type's volume is its rate times its own length.
    families.push_back({4, "Form14", "浸透側溝、管", {"chk1", "chk2"},
        {
            {"txt11w", &D::ditch1W, "lbl111w", "巾　 Ｗ＝", "lbl112w", kMetre},
            {"txt11h", &D::ditch1H, "lbl111h", "高さ Ｈ＝", "lbl112h", kMetre},
            {"txt11l", &D::ditch1L, "lbl111l", "長さ Ｌ＝", "lbl112l", kMetre},
            {"txt12w", &D::ditch2W, "lbl121w", "巾　 Ｗ＝", "lbl122w", kMetre},
            {"txt12h", &D::ditch2H, "lbl121h", "高さ Ｈ＝", "lbl122h", kMetre},
            {"txt12l", &D::ditch2L, "lbl121l", "長さ Ｌ＝", "lbl122l", kMetre},
            {"txt21w", &D::pipe1W, "lbl211w", "巾　 Ｗ＝", "lbl212w", kMetre},
            {"txt21h", &D::pipe1H, "lbl211h", "高さ Ｈ＝", "lbl212h", kMetre},
            {"txt21l", &D::pipe1L, "lbl211l", "長さ Ｌ＝", "lbl212l", kMetre},
            {"txt22w", &D::pipe2W, "lbl221w", "巾　 Ｗ＝", "lbl222w", kMetre},
            {"txt22h", &D::pipe2H, "lbl221h", "高さ Ｈ＝", "lbl222h", kMetre},
            {"txt22l", &D::pipe2L, "lbl221l", "長さ Ｌ＝", "lbl222l", kMetre},
        },
        {
            {"ditch1", 0, KfFormula::Linear, PerUnit::Metre, &D::ditch1W, &D::ditch1L, &D::ditch1H, &D::ditch1L,
             &D::ditch1a, &D::ditch1b, nullptr, &D::ditch1Kf, &D::ditch1Qf, &D::ditch1Q, &D::ditch1Fc, {"浸透側溝"}},
            {"ditch2", 3, KfFormula::Linear, PerUnit::Metre, &D::ditch2W, &D::ditch2L, &D::ditch2H, &D::ditch2L,
             &D::ditch2a, &D::ditch2b, nullptr, &D::ditch2Kf, &D::ditch2Qf, &D::ditch2Q, &D::ditch2Fc, {"浸透側溝"}},
            {"pipe1", 6, KfFormula::Linear, PerUnit::Metre, &D::pipe1W, &D::pipe1L, &D::pipe1H, &D::pipe1L,
             &D::pipe1a, &D::pipe1b, nullptr, &D::pipe1Kf, &D::pipe1Qf, &D::pipe1Q, &D::pipe1Fc, {"浸透管(トレンチ)"}},
            {"pipe2", 9, KfFormula::Linear, PerUnit::Metre, &D::pipe2W, &D::pipe2L, &D::pipe2H, &D::pipe2L,
             &D::pipe2a, &D::pipe2b, nullptr, &D::pipe2Kf, &D::pipe2Qf, &D::pipe2Q, &D::pipe2Fc, {"浸透管(トレンチ)"}},
        },
        {0, 3, 6, 9}});

    // chk5: permeable pavement (column 1) and infiltration pond (column 2),
    // per square metre; the height box decides whether each is computed.
    families.push_back({5, "Form15", "浸透舗装、池", {"chk1", "chk2"},
        {
            {"txt1h", &D::pavementH, "lbl11h", "高さ Ｈ＝", "lbl12h", kMetre},
            {"txt1s", &D::pavementS, "lbl11s", "面積 Ｓ＝", "lbl12s", "ｍ2"},
            {"txt2h", &D::pondH, "lbl21h", "高さ Ｈ＝", "lbl22h", kMetre},
            {"txt2s", &D::pondS, "lbl21s", "面積 Ｓ＝", "lbl22s", "ｍ2"},
        },
        {
            {"pavement", 0, KfFormula::Area, PerUnit::SquareMetre, nullptr, nullptr, &D::pavementH, &D::pavementS,
             &D::pavementCoefA, &D::pavementCoefB, nullptr, &D::pavementKf, &D::pavementQf, &D::pavementQ,
             &D::pavementFc, {"浸透舗装", 37}},
            {"pond", 2, KfFormula::Area, PerUnit::SquareMetre, nullptr, nullptr, &D::pondH, &D::pondS,
             &D::pondCoefA, &D::pondCoefB, nullptr, &D::pondKf, &D::pondQf, &D::pondQ, &D::pondFc, {"浸透池"}},
        },
        {0, 2}});

    // chk6: the infiltration well. Column ② is stored but never computed.
    families.push_back({6, "Form18", "浸透井(吸込槽)", {},
        {
            {"txt1d", &D::wellDiameterD, "lbl11d", "直径 Ｄ＝", "lbl12d", kMetre},
            {"txt1h", &D::wellDepthH, "lbl11h", "深さ Ｈ＝", "lbl12h", kMetre},
            {"txt1n", &D::wellCountN, "lbl11n", "個数 ｎ＝", "lbl12n", "本"},
            {"txt2d", &D::wellDiameterD2, "lbl21d", "直径 Ｄ＝", "lbl22d", kMetre},
            {"txt2h", &D::wellDepthH2, "lbl21h", "深さ Ｈ＝", "lbl22h", kMetre},
            {"txt2n", &D::wellCountN2, "lbl21n", "個数 ｎ＝", "lbl22n", "本"},
        },
        {},
        {0, 3},
        true});
    return families;
}

KfCoefficients coefficientsOf(const FacilityKind& kind, const DesignCase& rec)
{
    const double W = kind.W ? double(rec.*kind.W) : 0.0;
    const double H = rec.*kind.H;
    switch (kind.formula) {
    case KfFormula::SquareSidesAndBottom: return squareSidesAndBottom(W, H);
    case KfFormula::SquareBottomOnly: return squareBottomOnly(W, H);
    case KfFormula::Rectangular: return rectangularBasin(W, rec.*kind.L, H);
    case KfFormula::CircularSidesAndBottom: return circularSidesAndBottom(W, H);
    case KfFormula::CircularBottomOnly: return circularBottomOnly(W, H);
    case KfFormula::Linear: return linearFacility(W, H);
    case KfFormula::Area: return areaFacility(H);
    }
    return {};
}

// Coefficients are stored first; Kf, then the rates, are taken from the
// stored values. A c the method does not compute keeps its earlier value.
void computeKind(const FacilityKind& kind, DesignCase& rec)
{
    const KfCoefficients k = coefficientsOf(kind, rec);
    rec.*kind.a = k.a;
    rec.*kind.b = k.b;
    if (k.c && kind.c)
        rec.*kind.c = *k.c;
    rec.*kind.Kf = k.Kf;
    const InfiltrationRates r =
        infiltrationRates(rec.*kind.Kf, rec.soilConductivityKo, rec.influenceCoefficientC, rec.*kind.quantity);
    rec.*kind.Qf = r.Qf;
    rec.*kind.Q = r.Q;
    rec.*kind.Fc = r.Fc;
}

void computeWell(DesignCase& rec, const BoxTexts& texts)
{
    // The inflow term depends on the design conditions alone and is always renewed.
    rec.wellInflowQ = wellInflowQ(rec.countermeasureAreaA, rec.runoffCoefficientC);
    if (texts.empty() || texts[0].empty())
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

const std::string& textOf(const BoxTexts& texts, std::size_t i)
{
    static const std::string empty;
    return i < texts.size() ? texts[i] : empty;
}

} // namespace

std::size_t FacilityFamily::boxIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (name == boxes[i].name)
            return i;
    return boxes.size();
}

const std::vector<FacilityFamily>& facilityFamilies()
{
    static const std::vector<FacilityFamily> families = buildFamilies();
    return families;
}

const FacilityFamily* facilityFamily(int selector)
{
    for (const FacilityFamily& f : facilityFamilies())
        if (f.selector == selector)
            return &f;
    return nullptr;
}

void readBoxes(const FacilityFamily& family, DesignCase& record, const BoxTexts& texts)
{
    for (std::size_t i = 0; i < family.boxes.size(); ++i)
        record.*family.boxes[i].field = lenientNumber(textOf(texts, i));
}

void computeKinds(const FacilityFamily& family, DesignCase& record, const BoxTexts& texts)
{
    if (family.well) {
        computeWell(record, texts);
        return;
    }
    for (const FacilityKind& kind : family.kinds)
        if (!textOf(texts, kind.keyBox).empty())
            computeKind(kind, record);
}

bool allKeyBoxesEmpty(const FacilityFamily& family, const BoxTexts& texts)
{
    for (std::size_t key : family.keyBoxes)
        if (!textOf(texts, key).empty())
            return false;
    return true;
}

std::vector<CaseField> infiltrationVolumes(const FacilityFamily& family)
{
    std::vector<CaseField> out;
    for (const FacilityKind& kind : family.kinds)
        out.push_back(kind.Fc);
    return out;
}

const std::vector<CaseField>& facilityInfiltrationVolumes()
{
    static const std::vector<CaseField> all = [] {
        std::vector<CaseField> out;
        for (const FacilityFamily& family : facilityFamilies())
            for (const FacilityKind& kind : family.kinds)
                out.push_back(kind.Fc);
        return out;
    }();
    return all;
}

} // namespace akuenza
