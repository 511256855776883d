#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "files/scanf_reader.h"

namespace {

constexpr float kUntouched = -7.25f;
constexpr std::int32_t kUntouchedInt = -77;

// One "%f" read, then a "%d" read showing where the first one left the reader.
struct TFloatRead {
    const char* name;
    std::string text;
    std::optional<float> value;        // empty: the read fails and the field keeps its value
    std::optional<std::int32_t> next;  // what the following "%d" gets, empty when it fails
};

void PrintTo(const TFloatRead& c, std::ostream* os) { *os << c.name; }

class ScanfReaderFloat : public testing::TestWithParam<TFloatRead> {};

TEST_P(ScanfReaderFloat, ReadsLikeScanf)
{
    const TFloatRead& c = GetParam();
    TScanfReader reader(c.text);
    float field = kUntouched;
    EXPECT_EQ(reader.ReadFloat(field), c.value.has_value());
    EXPECT_EQ(field, c.value.value_or(kUntouched));
    std::int32_t next = kUntouchedInt;
    EXPECT_EQ(reader.ReadInt(next), c.next.has_value());
    EXPECT_EQ(next, c.next.value_or(kUntouchedInt));
}

const float kInf = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Reals, ScanfReaderFloat,
    testing::Values(
        TFloatRead{"SixDecimals", "15.000000 9", 15.0f, 9},
        TFloatRead{"NearestFloat", "0.000540 9", 0.00054f, 9},
        TFloatRead{"AnyWhitespaceFirst", " \r\n\t\v\f-0.5\r\n9", -0.5f, 9},
        TFloatRead{"PointFirst", "+.5 9", 0.5f, 9},
        TFloatRead{"PointLast", "5. 9", 5.0f, 9},
        TFloatRead{"Exponent", "1E-2 9", 0.01f, 9},
        TFloatRead{"OverflowIsInfinity", "1e39 9", kInf, 9},
        TFloatRead{"NegativeOverflow", "-1e39 9", -kInf, 9},
        TFloatRead{"UnderflowToDenormal", "1e-45 9", std::numeric_limits<float>::denorm_min(), 9},
        TFloatRead{"UnderflowToZero", "1e-50 9", 0.0f, 9},
        // The number ends where its syntax ends; the rest waits for the next read.
        TFloatRead{"StopsAtSecondPoint", "1.2.3", 1.2f, std::nullopt},
        TFloatRead{"NoHex", "0x10", 0.0f, std::nullopt},
        TFloatRead{"IntegerAfterNumber", "2.5-3", 2.5f, -3},
        // Failures: what could have begun a number is consumed, the breaking character is not.
        TFloatRead{"EndOfText", "  \r\n", std::nullopt, std::nullopt},
        TFloatRead{"Letter", "x 9", std::nullopt, std::nullopt},
        TFloatRead{"SignThenLetter", "+x 9", std::nullopt, std::nullopt},
        TFloatRead{"LoneSignConsumed", "- 9", std::nullopt, 9},
        TFloatRead{"LonePointConsumed", ". 9", std::nullopt, 9},
        TFloatRead{"ExponentWithoutDigits", "1e 9", std::nullopt, 9},
        TFloatRead{"ExponentSignWithoutDigits", "1e+ 9", std::nullopt, 9},
        TFloatRead{"NoInfinity", "inf 9", std::nullopt, std::nullopt},
        TFloatRead{"CommaIsNoPoint", ",5 9", std::nullopt, std::nullopt}),
    [](const auto& info) { return info.param.name; });

struct TIntRead {
    const char* name;
    std::string text;
    std::optional<std::int32_t> value;
    std::optional<std::int32_t> next;
};

void PrintTo(const TIntRead& c, std::ostream* os) { *os << c.name; }

class ScanfReaderInt : public testing::TestWithParam<TIntRead> {};

TEST_P(ScanfReaderInt, ReadsLikeScanf)
{
    const TIntRead& c = GetParam();
    TScanfReader reader(c.text);
    std::int32_t field = kUntouchedInt;
    EXPECT_EQ(reader.ReadInt(field), c.value.has_value());
    EXPECT_EQ(field, c.value.value_or(kUntouchedInt));
    std::int32_t next = kUntouchedInt;
    EXPECT_EQ(reader.ReadInt(next), c.next.has_value());
    EXPECT_EQ(next, c.next.value_or(kUntouchedInt));
}

INSTANTIATE_TEST_SUITE_P(
    Integers, ScanfReaderInt,
    testing::Values(
        TIntRead{"Plain", "100 9", 100, 9},
        TIntRead{"Signs", "-5\r\n+9", -5, 9},
        TIntRead{"DecimalStopsAtPoint", "1.5 9", 1, std::nullopt},
        TIntRead{"LargestInt32", "2147483647 9", 2147483647, 9},
        // Beyond the 32-bit range the value is held at its nearest end.
        TIntRead{"SaturatesHigh", "2147483648 9", 2147483647, 9},
        TIntRead{"SaturatesLow", "-99999999999999999999999 9", -2147483647 - 1, 9},
        TIntRead{"Letter", "abc 9", std::nullopt, std::nullopt},
        TIntRead{"LoneSignConsumed", "+ 9", std::nullopt, 9},
        TIntRead{"EndOfText", "", std::nullopt, std::nullopt}),
    [](const auto& info) { return info.param.name; });

}  // namespace
