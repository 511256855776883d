#include <clocale>
#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "platform/checked_math.h"
#include "platform/conversions.h"
#include "platform/errors.h"

namespace {

struct TRealText {
    const char* name;
    std::string text;
    Extended value;  // the compiler's own correctly rounded reading of the same decimal
};

void PrintTo(const TRealText& c, std::ostream* os) { *os << c.name; }

class StrToFloatAccepts : public testing::TestWithParam<TRealText> {};

TEST_P(StrToFloatAccepts, GivesTheNearestExtended)
{
    Extended value = StrToFloat(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Reals, StrToFloatAccepts,
    testing::Values(TRealText{"Integer", "15", 15.0L},
                    TRealText{"BlanksAround", " \t0.2  ", 0.2L},
                    TRealText{"TenthIsNotADouble", "0.1", 0.1L},
                    TRealText{"Diffusivity", "+0.00054", 0.00054L},
                    TRealText{"NegativeWithExponent", "-1.5e3", -1500.0L},
                    TRealText{"UpperCaseExponent", "1E+2", 100.0L},
                    TRealText{"NegativeExponent", "25e-1", 2.5L},
                    TRealText{"NoIntegerDigits", ".5", 0.5L},
                    TRealText{"NoDecimals", "5.", 5.0L},
                    TRealText{"MinusZero", "-0", -0.0L},
                    TRealText{"NearTheTopOfExtended", "1e4932", 1e4932L},
                    TRealText{"DenormalExtended", "1e-4940", 1e-4940L},
                    TRealText{"UnderflowToZero", "1e-5000", 0.0L},
                    TRealText{"ManyDigits", "3.14159265358979323846264338327950288",
                              3.14159265358979323846264338327950288L}),
    [](const auto& info) { return info.param.name; });

struct TBadText {
    const char* name;
    std::string text;
};

void PrintTo(const TBadText& c, std::ostream* os) { *os << c.name; }

class StrToFloatRefuses : public testing::TestWithParam<TBadText> {};

TEST_P(StrToFloatRefuses, ThrowsConvertErrorQuotingTheText)
{
    const std::string& text = GetParam().text;
    try {
        StrToFloat(text);
        FAIL() << "no error for '" << text << "'";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + text + "' は浮動小数点ではありません");
    }
}

INSTANTIATE_TEST_SUITE_P(
    NotReals, StrToFloatRefuses,
    testing::Values(TBadText{"Empty", ""},
                    TBadText{"OnlyBlanks", "  "},
                    TBadText{"TwoNumbers", "1 2"},
                    TBadText{"LoneSign", "+"},
                    TBadText{"LonePoint", "."},
                    TBadText{"SignAndPoint", "-."},
                    TBadText{"ExponentWithoutDigits", "1e"},
                    TBadText{"ExponentSignWithoutDigits", "1e+"},
                    TBadText{"ExponentOnly", "e5"},
                    TBadText{"Hex", "0x10"},
                    TBadText{"Infinity", "inf"},
                    TBadText{"NotANumber", "nan"},
                    TBadText{"CommaDecimal", "1,5"},
                    TBadText{"TwoPoints", "1.2.3"},
                    TBadText{"Letters", "abc"},
                    TBadText{"BeyondExtended", "1e5000"},
                    TBadText{"BelowExtended", "-1e5000"}),
    [](const auto& info) { return info.param.name; });

// The caller rounds to single where it stores; beyond the float range that store is the fault.
TEST(StrToFloat, ValueBeyondSingleOverflowsWhenStored)
{
    Extended value = StrToFloat("1e39");
    EXPECT_EQ(value, 1e39L);
    EXPECT_THROW(StoreSingle(value), EOverflow);
}

TEST(StrToFloat, IgnoresTheProcessLocale)
{
    const char* chosen = nullptr;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"}) {
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    }
    if (!chosen) GTEST_SKIP() << "no locale with a decimal comma is installed";
    Extended value = StrToFloat("1.5");
    EXPECT_THROW(StrToFloat("1,5"), EConvertError);
    std::string text = FloatToStrF(1.5L, ffFixed, 5, 2);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(value, 1.5L) << chosen;
    EXPECT_EQ(text, "1.50") << chosen;
}

}  // namespace
