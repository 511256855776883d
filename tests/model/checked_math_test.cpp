#include "platform/checked_math.h"

#include <cfloat>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

TEST(Divide, FaultsLikeTheFloatingPointUnit)
{
    EXPECT_EQ(Divide(1.0L, 4.0L), 0.25L);
    EXPECT_THROW(Divide(1.0L, 0.0L), EZeroDivide);
    EXPECT_THROW(Divide(-1.0L, -0.0L), EZeroDivide);
    EXPECT_THROW(Divide(0.0L, 0.0L), EInvalidOp);
    EXPECT_THROW(Divide(HUGE_VALL, -HUGE_VALL), EInvalidOp);
    // An infinite depth over a zero ratio stays infinite; the node count then faults.
    EXPECT_EQ(Divide(HUGE_VALL, 0.0L), HUGE_VALL);
    EXPECT_TRUE(std::isnan(Divide(NAN, 0.0L)));
    EXPECT_TRUE(std::signbit(Divide(0.0L, -1.0L)));  // the empty mean of a layer without nodes
}

TEST(StoreSingle, OverflowsExactlyWhereRoundingReachesInfinity)
{
    const Extended roundsToMax = 0x1.fffffefffffffffep127L;  // just below the midpoint
    EXPECT_EQ(StoreSingle(roundsToMax), FLT_MAX);
    EXPECT_THROW(StoreSingle(0x1.ffffffp127L), EOverflow);  // the midpoint ties away to infinity
    EXPECT_THROW(StoreSingle(-1e39L), EOverflow);
    EXPECT_TRUE(std::isinf(StoreSingle(HUGE_VALL)));         // infinity itself is no overflow
    EXPECT_EQ(StoreSingle(1e-50L), 0.0f);                    // underflow is not a fault
}

TEST(StoreDouble, OverflowsExactlyWhereRoundingReachesInfinity)
{
    EXPECT_EQ(StoreDouble(0x1.fffffffffffff7fep1023L), DBL_MAX);
    EXPECT_THROW(StoreDouble(0x1.fffffffffffff8p1023L), EOverflow);
    EXPECT_THROW(StoreDouble(-1e400L), EOverflow);
}

TEST(TruncToInt64, CutsTowardZeroWithinTheIntegerRange)
{
    EXPECT_EQ(TruncToInt64(-2.9L), -2);
    EXPECT_EQ(TruncToInt64(9223372036854775807.5L), INT64_MAX);
    EXPECT_THROW(TruncToInt64(9223372036854775808.0L), EInvalidOp);
    EXPECT_THROW(TruncToInt64(NAN), EInvalidOp);
    EXPECT_THROW(TruncToInt64(-HUGE_VALL), EInvalidOp);
}

TEST(IntDiv, ZeroDivisorIsTheIntegerFault)
{
    EXPECT_EQ(IntDiv(1000, 5), 200);
    EXPECT_EQ(IntDiv(-7, 5), -1);
    EXPECT_EQ(IntMod(27, 5), 2);
    EXPECT_EQ(IntMod(INT32_MIN, -1), 0);
    EXPECT_THROW(IntDiv(3, 0), EDivByZero);
    EXPECT_THROW(IntMod(3, 0), EDivByZero);
}

// The fast sum must agree bit for bit with rounding through extended precision, including the
// sums where that double rounding differs from a plain double addition.
TEST(AddViaExtended, MatchesRoundingThroughExtended)
{
    std::mt19937_64 random(20261211);
    int doubleRoundingCases = 0;
    for (int n = 0; n < 2'000'000; ++n) {
        double a, b;
        if (n % 2 == 0) {
            a = std::ldexp(double(random() >> 11), -53 + int(random() % 20) - 10);
            b = std::ldexp(double(random() >> 11), -53 + int(random() % 20) - 10);
        } else {
            // Near a midpoint: b about half a last place of a, give or take a few extended places.
            a = 1.0 + double(random() >> 12) * 0x1p-52;
            b = 0x1p-53 + double(std::int64_t(random() % 2001) - 1000) * 0x1p-65;
            if (random() & 1) b = -b;
        }
        const double expected = StoreDouble(Extended(a) + b);
        const double fast = AddViaExtended(a, b);
        ASSERT_EQ(std::memcmp(&expected, &fast, sizeof fast), 0) << a << " + " << b;
        const double plain = a + b;
        if (std::memcmp(&expected, &plain, sizeof plain) != 0) ++doubleRoundingCases;
    }
    EXPECT_GT(doubleRoundingCases, 0) << "the table never met a double-rounding case";
    EXPECT_THROW(AddViaExtended(DBL_MAX, DBL_MAX), EOverflow);
}
