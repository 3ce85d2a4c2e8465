#include "core/facilities/adequacy.h"

#include "core/facilities/facility_families.h"
#include "core/facilities/soil_table.h"

#include "core/record/digit_format.h"

#include <gtest/gtest.h>

using namespace akuenza;

TEST(Adequacy, CountermeasureRainwaterVolume)
{
    EXPECT_NEAR(countermeasureQ1(0.9, 50, 1000), 45.0, 1e-12);
    EXPECT_EQ(countermeasureQ1(0, 50, 1000), 0.0);
}

TEST(Adequacy, IncreaseFactorAndIncreasedVolume)
{
    EXPECT_EQ(formatDigits(increaseFactor(25), "0.0#"), "1.25");
    EXPECT_EQ(formatDigits(increaseFactor(20), "0.0#"), "1.2");
    EXPECT_EQ(formatDigits(increaseFactor(0), "0.0#"), "1.0");
    EXPECT_EQ(formatDigits(increaseFactor(12.5), "0.0#"), "1.13");
    EXPECT_NEAR(increasedQ1(25, 40.0), 50.0, 1e-12);
}

TEST(Adequacy, TotalAddsTheSixteenVolumesInOrder)
{
    using D = DesignCase;
    const std::vector<CaseField> designedOrder = {
        &D::square11Fc,   &D::square12Fc,   &D::square21Fc,   &D::square22Fc, &D::rect1Fc,  &D::rect2Fc,
        &D::circular11Fc, &D::circular12Fc, &D::circular21Fc, &D::circular22Fc, &D::ditch1Fc, &D::ditch2Fc,
        &D::pipe1Fc,      &D::pipe2Fc,      &D::pavementFc,   &D::pondFc};
    EXPECT_EQ(facilityInfiltrationVolumes(), designedOrder);
    DesignCase rec;
    double expected = 0;
    int i = 1;
    for (CaseField f : designedOrder) {
        rec.*f = i * 1.5;
        expected += i * 1.5;
        ++i;
    }
    EXPECT_EQ(totalInfiltration(rec), expected);
    // Unset fields count as 0.
    EXPECT_EQ(totalInfiltration(DesignCase{}), 0.0);
    // The order matters for rounding: 1e16 + 1 + 1 differs from 1 + 1 + 1e16.
    DesignCase order;
    order.square11Fc = 1e16;
    order.square12Fc = 1;
    order.pondFc = 1;
    EXPECT_EQ(totalInfiltration(order), (1e16 + 1) + 1);
}

TEST(Adequacy, EqualityIsAdequate)
{
    EXPECT_TRUE(isAdequate(10.0, 10.0));
    EXPECT_TRUE(isAdequate(9.0, 10.0));
    EXPECT_FALSE(isAdequate(10.000001, 10.0));
}

TEST(Adequacy, SoilTable)
{
    EXPECT_STREQ(kSoils[3].name, "細砂");
    EXPECT_EQ(kSoils[3].conductivityKo, 0.015);
    EXPECT_EQ(kSoils[0].conductivityKo, 0.000003);
    EXPECT_EQ(kSoils[6].conductivityKo, 3.0);
}
