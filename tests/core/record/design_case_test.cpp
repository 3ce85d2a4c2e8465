#include "core/record/design_case.h"

#include <gtest/gtest.h>

using akuenza::CaseNumber;
using akuenza::DesignCase;

TEST(DesignCase, FieldsStartUnsetAndReadAsZero)
{
    DesignCase record;
    EXPECT_FALSE(record.square11Fc.isSet());
    EXPECT_EQ(double(record.square11Fc), 0.0);
    EXPECT_EQ(record.countermeasureRainwaterQ1 + 1.0, 1.0);
    EXPECT_EQ(record.soilName, "");
    EXPECT_EQ(record.landUseName6, "");
}

TEST(DesignCase, AnAssignedZeroIsToldFromNeverSet)
{
    CaseNumber n;
    n = 0.0;
    EXPECT_TRUE(n.isSet());
    EXPECT_EQ(double(n), 0.0);
    n = 2.5;
    EXPECT_EQ(double(n), 2.5);
    n.clear();
    EXPECT_FALSE(n.isSet());
    EXPECT_EQ(double(n), 0.0);
}

TEST(DesignCase, CopyingAFieldCarriesItsSetState)
{
    DesignCase record;
    record.rect1a = 3.5;
    record.rect2a = record.rect1a;
    EXPECT_TRUE(record.rect2a.isSet());
    record.rect1b = record.pondQ; // never set on the right
    EXPECT_FALSE(record.rect1b.isSet());
}
