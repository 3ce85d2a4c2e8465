// The facility family tables: the boxes in the order the project file keeps
// them, each kind's key box and fields, and Keisuu / Keisan walking them.
#include "core/facilities/facility_families.h"

#include "core/facilities/infiltration_formulas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace akuenza;

namespace {

std::vector<std::string> boxNames(int selector)
{
    std::vector<std::string> out;
    for (const FacilityBox& b : facilityFamily(selector)->boxes)
        out.emplace_back(b.name);
    return out;
}

using V = std::vector<std::string>;

} // namespace

TEST(FacilityFamilies, BoxesStandInTheOrderOfTheSavedCase)
{
    EXPECT_EQ(boxNames(1), (V{"txt11w", "txt11h", "txt11n", "txt12w", "txt12h", "txt12n", "txt21w", "txt21h",
                              "txt21n", "txt22w", "txt22h", "txt22n"}));
    EXPECT_EQ(boxNames(2), (V{"txt1w", "txt1l", "txt1h", "txt1n", "txt2w", "txt2l", "txt2h", "txt2n"}));
    EXPECT_EQ(boxNames(3), (V{"txt11d", "txt11h", "txt11n", "txt12d", "txt12h", "txt12n", "txt21d", "txt21h",
                              "txt21n", "txt22d", "txt22h", "txt22n"}));
    EXPECT_EQ(boxNames(4), (V{"txt11w", "txt11h", "txt11l", "txt12w", "txt12h", "txt12l", "txt21w", "txt21h",
                              "txt21l", "txt22w", "txt22h", "txt22l"}));
    EXPECT_EQ(boxNames(5), (V{"txt1h", "txt1s", "txt2h", "txt2s"}));
    EXPECT_EQ(boxNames(6), (V{"txt1d", "txt1h", "txt1n", "txt2d", "txt2h", "txt2n"}));
    EXPECT_EQ(facilityFamily(1)->checks.size(), 2u);
    EXPECT_TRUE(facilityFamily(2)->checks.empty());
    EXPECT_TRUE(facilityFamily(6)->checks.empty());
    EXPECT_EQ(facilityFamily(7), nullptr);
}

TEST(FacilityFamilies, EveryKindIsDecidedByTheBoxOfItsWidthDiameterOrHeight)
{
    std::set<std::string> prefixes;
    for (const FacilityFamily& family : facilityFamilies()) {
        SCOPED_TRACE(family.form);
        std::set<std::string> names;
        for (const FacilityBox& b : family.boxes)
            EXPECT_TRUE(names.insert(b.name).second) << "box named twice: " << b.name;
        for (const FacilityKind& kind : family.kinds) {
            SCOPED_TRACE(kind.prefix);
            EXPECT_TRUE(prefixes.insert(kind.prefix).second);
            ASSERT_LT(kind.keyBox, family.boxes.size());
            EXPECT_EQ(family.box(kind.keyBox).field, kind.W ? kind.W : kind.H);
            // The kind's dimensions are all read from boxes of its own dialog.
            for (CaseField f : {kind.W, kind.L, kind.H, kind.quantity}) {
                if (!f)
                    continue;
                bool found = false;
                for (const FacilityBox& b : family.boxes)
                    found = found || b.field == f;
                EXPECT_TRUE(found);
            }
        }
    }
    EXPECT_EQ(prefixes.size(), 16u);
    // Only basins infiltrating through sides and bottom have a c term.
    for (int selector : {1, 3}) {
        const auto& kinds = facilityFamily(selector)->kinds;
        EXPECT_NE(kinds[0].c, nullptr);
        EXPECT_NE(kinds[1].c, nullptr);
        EXPECT_EQ(kinds[2].c, nullptr);
        EXPECT_EQ(kinds[3].c, nullptr);
    }
}

TEST(FacilityFamilies, KeisuuReadsEveryBoxLeniently)
{
    const FacilityFamily& well = *facilityFamily(6);
    DesignCase rec;
    readBoxes(well, rec, {"2.0", " 1 .5m", "5", "", "abc", "3"});
    EXPECT_EQ(double(rec.wellDiameterD), 2.0);
    EXPECT_EQ(double(rec.wellDepthH), 1.5);
    EXPECT_EQ(double(rec.wellCountN), 5.0);
    EXPECT_TRUE(rec.wellDiameterD2.isSet());
    EXPECT_EQ(double(rec.wellDiameterD2), 0.0);
    EXPECT_EQ(double(rec.wellDepthH2), 0.0);
    EXPECT_EQ(double(rec.wellCountN2), 3.0);
}

TEST(FacilityFamilies, KeisanComputesOnlyKindsWithAKeyBoxAndKeepsTheOthers)
{
    const FacilityFamily& square = *facilityFamily(1);
    DesignCase rec;
    rec.soilConductivityKo = 0.015;
    rec.influenceCoefficientC = 0.81;
    rec.square12Fc = 99.0; // an earlier result of a kind now left empty
    rec.square12c = 7.0;
    const BoxTexts texts = {"0.5", "1.0", "2", "", "5", "5", "12", "1.5", "1", "", "", ""};
    readBoxes(square, rec, texts);
    computeKinds(square, rec, texts);
    // The worked example: W = 0.5, H = 1.0, N = 2, Ko = 0.015, C = 0.81.
    EXPECT_NEAR(double(rec.square11a), 1.045, 1e-12);
    EXPECT_NEAR(double(rec.square11b), 4.7385, 1e-12);
    EXPECT_NEAR(double(rec.square11c), 1.146, 1e-12);
    EXPECT_NEAR(double(rec.square11Kf), 6.9295, 1e-12);
    EXPECT_NEAR(double(rec.square11Qf), 3.74193, 1e-12);
    EXPECT_NEAR(double(rec.square11Q), 3.0309633, 1e-12);
    EXPECT_NEAR(double(rec.square11Fc), 6.0619266, 1e-12);
    EXPECT_EQ(double(rec.square12Fc), 99.0);
    EXPECT_EQ(double(rec.square12c), 7.0);
    // Bottom only, W = 12, H = 1.5.
    EXPECT_NEAR(double(rec.square21a), -0.49, 1e-12);
    EXPECT_NEAR(double(rec.square21Kf), 200.463, 1e-9);
    EXPECT_FALSE(rec.square22Kf.isSet());
}

TEST(FacilityFamilies, AWidthOfOnlyBlanksStillComputesItsKind)
{
    const FacilityFamily& rect = *facilityFamily(2);
    DesignCase rec;
    const BoxTexts texts = {"  ", "", "", "", "", "", "", ""};
    readBoxes(rect, rec, texts);
    computeKinds(rect, rec, texts);
    EXPECT_NEAR(double(rec.rect1a), 4.663, 1e-12);
    EXPECT_NEAR(double(rec.rect1b), -0.834, 1e-12);
    EXPECT_EQ(double(rec.rect1Fc), 0.0);
    EXPECT_FALSE(rec.rect2Kf.isSet());
    EXPECT_FALSE(allKeyBoxesEmpty(rect, texts));
    EXPECT_TRUE(allKeyBoxesEmpty(rect, {"", "2", "1", "3", "", "2", "", ""}));
}

TEST(FacilityFamilies, DitchAndPipeTypesUseTheirOwnLength)
{
    const FacilityFamily& linear = *facilityFamily(4);
    DesignCase rec;
    rec.soilConductivityKo = 0.015;
    rec.influenceCoefficientC = 0.81;
    const BoxTexts texts = {"0.5", "1.0", "10", "0.5", "1.0", "20", "", "", "", "0.5", "1.0", "5"};
    readBoxes(linear, rec, texts);
    computeKinds(linear, rec, texts);
    EXPECT_NEAR(double(rec.ditch1Fc), 19.42056, 1e-9);
    EXPECT_NEAR(double(rec.ditch2Fc), 2 * 19.42056, 1e-9);
    EXPECT_FALSE(rec.pipe1Fc.isSet());
    EXPECT_NEAR(double(rec.pipe2Fc), 19.42056 / 2, 1e-9);
    EXPECT_EQ(double(rec.ditch1a), 3.093);
}

TEST(FacilityFamilies, TheWellRenewsItsInflowAlwaysAndItsDepthOnlyWithADiameter)
{
    const FacilityFamily& well = *facilityFamily(6);
    DesignCase rec;
    rec.countermeasureAreaA = 1000;
    rec.runoffCoefficientC = 0.9;
    rec.soilConductivityKo = 0.05;
    rec.wellEffectiveDepthH = 0.0;
    BoxTexts texts = {"", "3", "5", "", "", ""};
    readBoxes(well, rec, texts);
    computeKinds(well, rec, texts);
    EXPECT_NEAR(double(rec.wellInflowQ), 0.015, 1e-15);
    EXPECT_EQ(double(rec.wellEffectiveDepthH), 0.0);
    EXPECT_FALSE(rec.wellAreaAi.isSet());

    texts[0] = "2.0";
    readBoxes(well, rec, texts);
    computeKinds(well, rec, texts);
    EXPECT_NEAR(double(rec.wellBottomArea), 3.14159, 1e-12);
    EXPECT_NEAR(double(rec.wellAreaAi), 15.70795, 1e-12);
    EXPECT_NEAR(double(rec.wellEffectiveDepthH), 1.5884, 1e-4);
    EXPECT_EQ(double(rec.wellDepthH), 3.0);
}
