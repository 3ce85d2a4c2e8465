#include "core/facilities/infiltration_formulas.h"

#include "core/record/digit_format.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace akuenza;

namespace {
constexpr double kTol = 1e-12;
}

TEST(SquareBasin, SidesAndBottomCheckExample)
{
    const auto k = squareSidesAndBottom(0.5, 1.0);
    EXPECT_NEAR(k.a, 1.045, kTol);
    EXPECT_NEAR(k.b, 4.7385, kTol);
    ASSERT_TRUE(k.c.has_value());
    EXPECT_NEAR(*k.c, 1.146, kTol);
    EXPECT_NEAR(k.Kf, 6.9295, kTol);
    const auto r = infiltrationRates(k.Kf, 0.015, 0.81, 2);
    EXPECT_NEAR(r.Qf, 3.74193, kTol);
    EXPECT_NEAR(r.Q, 3.0309633, kTol);
    EXPECT_NEAR(r.Fc, 6.0619266, kTol);
    EXPECT_EQ(formatDigits(r.Fc, "0.000"), "6.062");
}

TEST(SquareBasin, WidthRangesSplitAtOneAndTen)
{
    // W = 1 still belongs to the small range (with its c term) ...
    const auto one = squareSidesAndBottom(1.0, 2.0);
    ASSERT_TRUE(one.c.has_value());
    EXPECT_NEAR(one.a, 1.105, kTol);
    EXPECT_NEAR(one.Kf, 1.105 * 4 + 8.657 * 2 + 2.575, 1e-9);
    // ... just above it the c term is gone and Kf = aH + b.
    const auto above = squareSidesAndBottom(1.000001, 2.0);
    EXPECT_FALSE(above.c.has_value());
    EXPECT_NEAR(above.Kf, above.a * 2.0 + above.b, kTol);
    // W = 10 uses the middle row, W = 10.001 the large one.
    EXPECT_NEAR(squareSidesAndBottom(10.0, 0).a, -45.3 + 82.89 + 0.753, 1e-9);
    EXPECT_NEAR(squareSidesAndBottom(10.001, 0).a, 0.747 * 10.001 + 21.355, 1e-9);
    EXPECT_NEAR(squareBottomOnly(10.0, 0).b, 134.5 + 7.36 + 0.251, 1e-9);
    EXPECT_NEAR(squareBottomOnly(10.001, 0).b, 1.259 * 10.001 * 10.001 + 2.336 * 10.001 - 8.130, 1e-9);
}

TEST(SquareBasin, BottomOnlyLargeWidthKeepsANegativeA)
{
    const auto k = squareBottomOnly(12.0, 1.5);
    EXPECT_NEAR(k.a, -0.49, kTol);
    EXPECT_NEAR(k.b, 201.198, 1e-9);
    EXPECT_NEAR(k.Kf, 200.463, 1e-9);
    EXPECT_FALSE(k.c.has_value());
}

TEST(SquareBasin, ZeroAndNegativeWidthsFallIntoTheSmallRange)
{
    const auto zero = squareSidesAndBottom(0.0, 0.0);
    ASSERT_TRUE(zero.c.has_value());
    EXPECT_NEAR(zero.Kf, -0.283, kTol); // H = 0 leaves Kf = c
    EXPECT_NEAR(squareBottomOnly(-1.0, 0.0).Kf, 1.496 - 0.671 - 0.015, kTol);
}

TEST(RectangularBasin, CheckValuesAndZeroSizes)
{
    const auto k = rectangularBasin(1.0, 2.0, 1.0);
    EXPECT_NEAR(k.a, 13.228, 1e-9);
    EXPECT_NEAR(k.b, 4.55, 1e-9);
    EXPECT_NEAR(k.Kf, 17.778, 1e-9);
    const auto zero = rectangularBasin(0.0, 0.0, 2.0);
    EXPECT_NEAR(zero.a, 4.663, kTol);
    EXPECT_NEAR(zero.b, -0.834, kTol);
    EXPECT_NEAR(zero.Kf, 4.663 * 2 - 0.834, kTol);
    EXPECT_NEAR(rectangularBasin(0.8, 0.0, 0.0).Kf, 1.214 * 0.8 - 0.834, kTol);
}

TEST(CircularBasin, CheckValues)
{
    const auto s1 = circularSidesAndBottom(0.5, 1.0);
    EXPECT_NEAR(s1.a, 1.1825, kTol);
    EXPECT_NEAR(s1.b, 4.045, kTol);
    EXPECT_NEAR(*s1.c, 1.097, kTol);
    EXPECT_NEAR(s1.Kf, 6.3245, kTol);
    EXPECT_EQ(formatDigits(s1.a, "0.000"), "1.183");
    const auto s2 = circularSidesAndBottom(1.5, 2.0);
    EXPECT_NEAR(s2.a, 12.219, 1e-9);
    EXPECT_NEAR(s2.b, 3.7285, 1e-9);
    EXPECT_NEAR(s2.Kf, 28.1665, 1e-9);
    EXPECT_FALSE(s2.c.has_value());
    const auto b1 = circularBottomOnly(0.8, 1.0);
    EXPECT_NEAR(b1.a, 1.0976, kTol);
    EXPECT_NEAR(b1.b, 1.2226, kTol);
    EXPECT_NEAR(b1.Kf, 2.3202, kTol);
    const auto b2 = circularBottomOnly(1.5, 2.0);
    EXPECT_NEAR(b2.a, 1.782, 1e-9);
    EXPECT_NEAR(b2.b, 3.4815, 1e-9);
    EXPECT_NEAR(b2.Kf, 7.0455, 1e-9);
}

TEST(CircularBasin, DiameterSplitsAtOne)
{
    EXPECT_TRUE(circularSidesAndBottom(1.0, 1.0).c.has_value());
    EXPECT_FALSE(circularSidesAndBottom(1.0001, 1.0).c.has_value());
    EXPECT_NEAR(circularBottomOnly(1.0, 0).a, 1.397, kTol);
    EXPECT_NEAR(circularBottomOnly(1.0001, 0).a, 2.556 * 1.0001 - 2.052, kTol);
    const auto small = circularBottomOnly(0.05, 1.0);
    EXPECT_NEAR(small.a, -0.02515, kTol);
    EXPECT_NEAR(small.Kf, small.a + small.b, kTol);
}

TEST(LinearFacility, PerMetreCheckExample)
{
    const auto k = linearFacility(0.5, 1.0);
    EXPECT_EQ(k.a, 3.093);
    EXPECT_NEAR(k.b, 1.347, kTol);
    EXPECT_NEAR(k.Kf, 4.44, kTol);
    const auto r = infiltrationRates(k.Kf, 0.015, 0.81, 10);
    EXPECT_NEAR(r.Qf, 2.3976, kTol);
    EXPECT_NEAR(r.Q, 1.942056, kTol);
    EXPECT_NEAR(r.Fc, 19.42056, 1e-11);
    EXPECT_NEAR(linearFacility(0.0, 0.0).Kf, 0.677, kTol);
}

TEST(AreaFacility, PavementAndPondCheckExample)
{
    EXPECT_EQ(areaFacility(0.0).Kf, 1.287);
    const auto k = areaFacility(0.3);
    EXPECT_NEAR(k.Kf, 1.2912, kTol);
    const auto r = infiltrationRates(k.Kf, 0.001, 0.81, 500);
    EXPECT_NEAR(r.Qf, 0.0464832, kTol);
    EXPECT_NEAR(r.Q, 0.037651392, kTol);
    EXPECT_NEAR(r.Fc, 18.825696, 1e-10);
    EXPECT_EQ(infiltrationRates(k.Kf, 0.001, 0.81, 0).Fc, 0.0);
}

TEST(InfiltrationWell, CheckExample)
{
    const double q = wellInflowQ(1000, 0.9);
    EXPECT_NEAR(q, 0.015, kTol);
    const auto w = wellDepth({2.0, 5, 1000, 0.9, 0.05}, q);
    EXPECT_NEAR(w.bottomArea, 3.14159, kTol);
    EXPECT_NEAR(w.areaAi, 15.70795, kTol);
    EXPECT_NEAR(w.infiltrationS, 0.4712385, kTol);
    EXPECT_NEAR(w.ratioY, 0.0261799, 1e-7);
    EXPECT_NEAR(w.termX, 14.3213, 1e-4);
    EXPECT_NEAR(w.criticalTimeTo, 54.197, 1e-3);
    EXPECT_NEAR(w.volumeV, 24.951, 1e-3);
    EXPECT_EQ(formatDigits(w.effectiveDepthH, "0.0000"), "1.5884");
}

TEST(InfiltrationWell, BottomAreaUsesThePiOfTheMethod)
{
    const auto w = wellDepth({0.8, 1, 1000, 0.9, 0.05}, wellInflowQ(1000, 0.9));
    EXPECT_NEAR(w.bottomArea, 0.5026544, kTol);
    const auto ten = wellDepth({0.8, 10, 1000, 0.9, 0.05}, wellInflowQ(1000, 0.9));
    EXPECT_NEAR(ten.areaAi / w.areaAi, 10.0, kTol);
}

TEST(InfiltrationWell, InfiltrationFasterThanTheInflowHasNoCriticalTime)
{
    // From Y = 0.2 on the root X turns negative and to = X^1.5 has no real
    // value: the method gives no depth, and the run must report it.
    const auto w = wellDepth({2.0, 5, 1000, 0.9, 0.5}, wellInflowQ(1000, 0.9));
    EXPECT_GT(w.ratioY, 0.2);
    EXPECT_LT(w.termX, 0.0);
    EXPECT_FALSE(std::isfinite(w.effectiveDepthH));
    // Just below, a shallow but real depth remains.
    const auto ok = wellDepth({2.0, 5, 1000, 0.9, 0.35}, wellInflowQ(1000, 0.9));
    EXPECT_GT(ok.effectiveDepthH, 0.0);
    EXPECT_LT(ok.effectiveDepthH, 0.01);
}

TEST(InfiltrationWell, ZeroInputsGiveNoFiniteDepth)
{
    const double q = wellInflowQ(1000, 0.9);
    EXPECT_FALSE(std::isfinite(wellDepth({0.0, 5, 1000, 0.9, 0.05}, q).effectiveDepthH)); // D = 0
    EXPECT_FALSE(std::isfinite(wellDepth({2.0, 0, 1000, 0.9, 0.05}, q).effectiveDepthH)); // n = 0
    EXPECT_FALSE(std::isfinite(wellDepth({2.0, 5, 1000, 0.9, 0.0}, q).effectiveDepthH));  // Ko = 0
    EXPECT_FALSE(std::isfinite(wellDepth({2.0, 5, 0, 0.9, 0.05}, 0.0).effectiveDepthH));  // A = 0
}
