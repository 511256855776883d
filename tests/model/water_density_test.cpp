#include "model/water_density.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

struct DensityCase {
    float temperature;
    float density;
};

class WaterDensityTable : public testing::TestWithParam<DensityCase> {};

// Reference densities of the model's water-density polynomial, in single precision.
TEST_P(WaterDensityTable, GivesTheSinglePrecisionDensity)
{
    EXPECT_EQ(WaterDensity(GetParam().temperature), GetParam().density);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, WaterDensityTable,
                         testing::Values(DensityCase{0, 0.99986798f}, DensityCase{4, 0.99999988f},
                                         DensityCase{10, 0.99972790f}, DensityCase{20, 0.99822718f},
                                         DensityCase{40, 0.99226922f}, DensityCase{80, 0.96997428f}));

// 3 and 5 °C lie on both sides of the density maximum and meet in the same single.
TEST(WaterDensity, EqualOnBothSidesOfTheMaximum)
{
    EXPECT_EQ(WaterDensity(3), 0.99999189f);
    EXPECT_EQ(WaterDensity(5), WaterDensity(3));
}

TEST(WaterDensity, OverflowsForAnAbsurdTemperature)
{
    EXPECT_THROW(WaterDensity(1e30f), EOverflow);
}
