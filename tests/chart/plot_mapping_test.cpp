#include "chart/plot_mapping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "platform/errors.h"

namespace {

using Mapping = std::int32_t (*)(float);

struct MappingCase {
    const char* name;
    Mapping mapping;
    float argument;
    std::int32_t pixel;
};

// Pixels from the chart's check values: the box corners, the middle of the θ axis, and the
// single-precision decimals whose scaled form lies a hair off an integer.
const MappingCase kMappingCases[] = {
    {"PlotX_zero_left_edge", PlotX, 0.0f, 20},
    {"PlotX_half_middle", PlotX, 0.5f, 210},
    {"PlotX_one_right_edge", PlotX, 1.0f, 400},
    {"PlotXReversed_zero_right_edge", PlotXReversed, 0.0f, 400},
    {"PlotXReversed_half_middle", PlotXReversed, 0.5f, 210},
    {"PlotXReversed_one_left_edge", PlotXReversed, 1.0f, 20},
    {"PlotY_zero_bottom", PlotY, 0.0f, 500},
    {"PlotY_one_top", PlotY, 1.0f, 40},
    {"PlotYReversed_zero_top", PlotYReversed, 0.0f, 40},
    {"PlotYReversed_one_bottom", PlotYReversed, 1.0f, 500},
    // 0.8f lies above 0.8: 500 − 368.0000057 cuts to 131, not 132.
    {"PlotY_single_0_8_cuts_down", PlotY, 0.8f, 131},
    {"PlotYReversed_single_0_8", PlotYReversed, 0.8f, 408},
    // Limit label rows: plain 476 not 477, reversed 53.
    {"PlotY_single_0_05_label_row", PlotY, 0.05f, 476},
    {"PlotYReversed_single_0_03_label_row", PlotYReversed, 0.03f, 53},
    // −2.8 is cut toward zero, not floored.
    {"PlotX_negative_cuts_toward_zero", PlotX, -0.06f, -2},
    // Each reversed mapping from its own formula, not the plain pixel mirrored.
    {"PlotX_0_001", PlotX, 0.001f, 20},
    {"PlotXReversed_0_001", PlotXReversed, 0.001f, 399},
    // Limit label at LimitTheta 0.3: x 144 plain (134 + 10), 245 reversed (285 − 40).
    {"PlotX_limit_0_3", PlotX, 0.3f, 134},
    {"PlotXReversed_limit_0_3", PlotXReversed, 0.3f, 285},
    // A diverging profile: within 64 bits but past 32 bits, held at the 32-bit edge.
    {"PlotX_far_right_clamped", PlotX, 1e10f, std::numeric_limits<std::int32_t>::max()},
    {"PlotX_far_left_clamped", PlotX, -1e10f, std::numeric_limits<std::int32_t>::min()},
    {"PlotY_far_below_clamped", PlotY, -1e10f, std::numeric_limits<std::int32_t>::max()},
    {"PlotYReversed_far_above_clamped", PlotYReversed, -1e10f,
     std::numeric_limits<std::int32_t>::min()},
};

class PlotMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(PlotMapping, GivesThePixel)
{
    const MappingCase& c = GetParam();
    EXPECT_EQ(c.mapping(c.argument), c.pixel);
}

INSTANTIATE_TEST_SUITE_P(CheckValues, PlotMapping, testing::ValuesIn(kMappingCases),
                         [](const testing::TestParamInfo<MappingCase>& info) {
                             return std::string(info.param.name);
                         });

struct FaultCase {
    const char* name;
    Mapping mapping;
    float argument;
};

// Values whose scaled form has no 64-bit integer: the mapping's own invalid operation.
const FaultCase kFaultCases[] = {
    {"PlotX_nan", PlotX, std::nanf("")},
    {"PlotX_infinity", PlotX, std::numeric_limits<float>::infinity()},
    {"PlotXReversed_beyond_64_bits", PlotXReversed, 1e17f},
    {"PlotY_minus_infinity", PlotY, -std::numeric_limits<float>::infinity()},
    {"PlotYReversed_beyond_64_bits", PlotYReversed, 1e17f},
    {"PlotYReversed_largest_single", PlotYReversed, std::numeric_limits<float>::max()},
};

class PlotMappingFault : public testing::TestWithParam<FaultCase> {};

TEST_P(PlotMappingFault, ThrowsInvalidOp)
{
    const FaultCase& c = GetParam();
    EXPECT_THROW(c.mapping(c.argument), EInvalidOp);
}

INSTANTIATE_TEST_SUITE_P(Unrepresentable, PlotMappingFault, testing::ValuesIn(kFaultCases),
                         [](const testing::TestParamInfo<FaultCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(IsChartReversed, ColderOrEquallyWarmInletIsReversed)
{
    struct Case {
        float initial, inlet;
        bool reversed;
    };
    // 10 -> 50 plain, 50 -> 10 reversed, 20 -> 20 counts as reversed.
    const Case cases[] = {{10, 50, false}, {50, 10, true}, {20, 20, true}, {-0.5f, -0.25f, false}};
    for (const Case& c : cases) {
        TTankParameters params;
        params.InitialTemp = c.initial;
        params.InletTemp = c.inlet;
        EXPECT_EQ(IsChartReversed(params), c.reversed) << c.initial << " -> " << c.inlet;
    }
}

}  // namespace
