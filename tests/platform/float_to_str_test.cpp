#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/checked_math.h"
#include "platform/conversions.h"

namespace {

struct TFixedCase {
    const char* name;
    Extended value;
    int precision;
    int digits;
    std::string text;
};

void PrintTo(const TFixedCase& c, std::ostream* os) { *os << c.name; }

class FloatToStrFFixed : public testing::TestWithParam<TFixedCase> {};

TEST_P(FloatToStrFFixed, WritesTheRoundedValue)
{
    const TFixedCase& c = GetParam();
    EXPECT_EQ(FloatToStrF(c.value, ffFixed, c.precision, c.digits), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    WindowTexts, FloatToStrFFixed,
    testing::Values(
        // The window's edits filled from the sample ts.dat record.
        TFixedCase{"InletTempEdit", 15.0f, 5, 1, "15.0"},
        TFixedCase{"FlowRateEdit", 36.0f, 8, 3, "36.000"},
        TFixedCase{"InletSizeEdit", 0.2f, 8, 3, "0.200"},
        TFixedCase{"DiffusivityEdit", 0.00054f, 8, 4, "0.0005"},
        // The Ar_in and K memo lines of the 10 -> 40 °C pipe-inlet example.
        TFixedCase{"ArInMemo", 0.014094067f, 7, 3, "0.014"},
        TFixedCase{"KMemo", 0.40000004f, 7, 3, "0.400"},
        // Chart labels: a 5 m depth, a 15 °C end of the temperature axis, a Qs of 0.8534.
        TFixedCase{"DepthLabel", 5.0f, 6, 2, "5.00"},
        TFixedCase{"TemperatureLabel", 15.0f, 4, 1, "15.0"},
        TFixedCase{"LimitLabel", 0.8534f, 5, 3, "0.853"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Rounding, FloatToStrFFixed,
    testing::Values(
        // 0.125 is exact in binary: a true tie, which goes away from zero.
        TFixedCase{"TieGoesUp", 0.125L, 5, 2, "0.13"},
        TFixedCase{"NegativeTieGoesDown", -0.125L, 5, 2, "-0.13"},
        TFixedCase{"TieToWholeNumber", 2.5L, 5, 0, "3"},
        TFixedCase{"NegativeTieToWholeNumber", -2.5L, 5, 0, "-3"},
        // The double nearest 0.15 lies below it, the extended nearest above: the binary value
        // decides, not its shortest decimal text.
        TFixedCase{"DoubleJustBelowTie", 0.15, 5, 1, "0.1"},
        TFixedCase{"ExtendedJustAboveTie", 0.15L, 5, 1, "0.2"},
        // Rounded once at the second decimal; rounding at the fifth digit first would give 0.45.
        TFixedCase{"NoDoubleRounding", 0.444996L, 5, 2, "0.44"},
        // The precision is the coarser position here: three digits, then padded to `digits`.
        TFixedCase{"PrecisionBeforeDigits", 1.125L, 3, 3, "1.130"},
        TFixedCase{"PrecisionAtUnits", 12345.678L, 5, 2, "12346.00"},
        TFixedCase{"DigitsBeforePrecision", 3.14159L, 8, 2, "3.14"},
        TFixedCase{"CarryIntoNewDigit", 9.9996L, 5, 3, "10.000"},
        TFixedCase{"CarryBelowOne", 0.99996L, 4, 4, "1.0000"},
        TFixedCase{"CarryStillFits", 9999.96L, 5, 1, "10000.0"},
        TFixedCase{"LargestFixedWidth", 99999.0L, 5, 1, "99999.0"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    ZeroAndSign, FloatToStrFFixed,
    testing::Values(TFixedCase{"Zero", 0.0L, 5, 1, "0.0"},
                    TFixedCase{"NegativeZero", -0.0L, 5, 1, "0.0"},
                    TFixedCase{"NegativeRoundsToZero", -0.0001L, 5, 3, "0.000"},
                    TFixedCase{"NegativeJustBelowHalf", -0.04L, 5, 1, "0.0"},
                    TFixedCase{"NegativeKeepsSign", -0.06L, 5, 1, "-0.1"},
                    TFixedCase{"NoDecimals", 36.0L, 8, 0, "36"},
                    TFixedCase{"TinySingle", 1e-30f, 5, 3, "0.000"},
                    TFixedCase{"SmallestDenormalExtended",
                               std::numeric_limits<Extended>::denorm_min(), 8, 4, "0.0000"}),
    [](const auto& info) { return info.param.name; });

// An integer part longer than the precision is written like C's "%.<precision>G".
INSTANTIATE_TEST_SUITE_P(
    GeneralFormat, FloatToStrFFixed,
    testing::Values(TFixedCase{"NineDigitsAtEight", 123456789.0L, 8, 3, "1.2345679E+08"},
                    TFixedCase{"SixDigitsAtFive", 100000.0L, 5, 1, "1E+05"},
                    TFixedCase{"CarryPastPrecision", 99999.6L, 5, 1, "1E+05"},
                    TFixedCase{"Negative", -123456.0L, 5, 1, "-1.2346E+05"},
                    TFixedCase{"LargeSingle", 1e20f, 5, 1, "1E+20"},
                    TFixedCase{"LargestExtended", std::numeric_limits<Extended>::max(), 5, 1,
                               "1.1897E+4932"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    NotFinite, FloatToStrFFixed,
    testing::Values(TFixedCase{"NaN", std::numeric_limits<Extended>::quiet_NaN(), 5, 3, "NAN"},
                    TFixedCase{"Infinity", std::numeric_limits<Extended>::infinity(), 5, 3,
                               "INF"},
                    TFixedCase{"MinusInfinity", -std::numeric_limits<Extended>::infinity(), 5, 3,
                               "-INF"}),
    [](const auto& info) { return info.param.name; });

// The chart's time labels: k times the double 0.2, formed in extended, at precision 3, 1 digit.
TEST(FloatToStrF, TimeLabelsReadOneTenthSteps)
{
    const char* labels[] = {"0.2", "0.4", "0.6", "0.8", "1.0"};
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        Extended time = k * static_cast<Extended>(0.2);
        EXPECT_EQ(FloatToStrF(time, ffFixed, 3, 1), labels[k - 1]);
    }
}

}  // namespace
