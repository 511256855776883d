#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/conversions.h"
#include "platform/errors.h"

namespace {

TEST(IntToStr, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(100), "100");
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-1001), "-1001");
    EXPECT_EQ(IntToStr(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

struct TIntText {
    const char* name;
    std::string text;
    std::int32_t value;
};

void PrintTo(const TIntText& c, std::ostream* os) { *os << c.name; }

class StrToIntAccepts : public testing::TestWithParam<TIntText> {};

TEST_P(StrToIntAccepts, ReadsTheValue)
{
    EXPECT_EQ(StrToInt(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Integers, StrToIntAccepts,
    testing::Values(TIntText{"Plain", "100", 100},
                    TIntText{"BlanksAround", "  42 \t", 42},
                    TIntText{"TabThenMinus", "\t-7", -7},
                    TIntText{"PlusSign", "+5", 5},
                    TIntText{"LeadingZeros", "007", 7},
                    TIntText{"MinusZero", "-0", 0},
                    TIntText{"LargestInt32", "2147483647", 2147483647},
                    TIntText{"SmallestInt32", "-2147483648", -2147483647 - 1},
                    TIntText{"LongRunOfZeros", "000000000000000000001000", 1000}),
    [](const auto& info) { return info.param.name; });

struct TBadText {
    const char* name;
    std::string text;
};

void PrintTo(const TBadText& c, std::ostream* os) { *os << c.name; }

class StrToIntRefuses : public testing::TestWithParam<TBadText> {};

// The message quotes the text exactly as the edit held it, blanks included.
TEST_P(StrToIntRefuses, ThrowsConvertErrorQuotingTheText)
{
    const std::string& text = GetParam().text;
    try {
        StrToInt(text);
        FAIL() << "no error for '" << text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + text + "' は整数ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    NotIntegers, StrToIntRefuses,
    testing::Values(TBadText{"Empty", ""},
                    TBadText{"OnlyBlanks", "   "},
                    TBadText{"TwoNumbers", " 1 2 "},
                    TBadText{"LonePlus", "+"},
                    TBadText{"LoneMinus", "-"},
                    TBadText{"DoubleSign", "--1"},
                    TBadText{"Decimal", "1.0"},
                    TBadText{"Exponent", "1e3"},
                    TBadText{"Hex", "0x10"},
                    TBadText{"Letters", "abc"},
                    TBadText{"TrailingLetter", "100a"},
                    TBadText{"LineBreakIsNoBlank", "100\n"},
                    TBadText{"FullWidthDigit", "１"},
                    TBadText{"AboveInt32", "2147483648"},
                    TBadText{"BelowInt32", "-2147483649"},
                    TBadText{"FarBeyondInt64", "99999999999999999999999"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
