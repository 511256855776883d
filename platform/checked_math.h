// Extended-precision arithmetic with the faults of a floating-point unit whose invalid-operation,
// division-by-zero and overflow exceptions are enabled, written as explicit checks.
//
// Formulas are evaluated in Extended (the x87 64-bit significand) in the order written; a value is
// rounded only where it is stored, and the store is where an out-of-range value faults. Underflow
// and inexact results are not faults.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

#include "platform/errors.h"

using Extended = long double;

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "the numerics need the x87 extended format (64-bit significand)");

// x / y. A finite non-zero value over zero is a division-by-zero fault, 0/0 and infinity over
// infinity are invalid operations; infinity (or NaN) over zero passes as infinity (or NaN), as it
// does in the floating-point unit.
inline Extended Divide(Extended x, Extended y)
{
    if (y == 0) [[unlikely]] {
        if (x == 0) throw EInvalidOp();
        if (std::isfinite(x)) throw EZeroDivide();
        return x / y;
    }
    if (std::isinf(x) && std::isinf(y)) [[unlikely]] throw EInvalidOp();
    return x / y;
}

// Rounding an Extended to single precision: a finite value at or beyond the midpoint between
// FLT_MAX and 2^128 rounds to infinity, which is the overflow fault.
inline float StoreSingle(Extended x)
{
    // Fast path against FLT_MAX (a cheap constant); the exact rounding bound only off it.
    if (!(std::fabs(x) <= Extended(__FLT_MAX__))) [[unlikely]] {
        constexpr Extended kOverflowBound = 0x1.ffffffp127L;
        if (std::isfinite(x) && !(std::fabs(x) < kOverflowBound)) throw EOverflow();
    }
    return static_cast<float>(x);
}

inline double StoreDouble(Extended x)
{
    if (!(std::fabs(x) <= Extended(__DBL_MAX__))) [[unlikely]] {
        constexpr Extended kOverflowBound = 0x1.fffffffffffff8p1023L;
        if (std::isfinite(x) && !(std::fabs(x) < kOverflowBound)) throw EOverflow();
    }
    return static_cast<double>(x);
}

// StoreDouble(Extended(a) + b) for two doubles, with one double addition on the fast path.
// Rounding the exact sum first to extended and then to double differs from rounding it once only
// when the extended value lands exactly halfway between two doubles, which needs the error of the
// double sum to lie next to half (or, below a power of two, a quarter) of its last place. The
// exact error of the double sum (Knuth's two-sum) shows when that can be; those few sums, and
// zero, subnormal or non-finite ones, take the extended path.
inline double AddViaExtended(double a, double b)
{
    const double sum = a + b;
    const double bVirtual = sum - a;
    const double error = (a - (sum - bVirtual)) + (b - bVirtual);

    const std::uint64_t exponentBits = std::bit_cast<std::uint64_t>(sum) & 0x7ff0000000000000u;
    const double halfLastPlace = std::bit_cast<double>(exponentBits) * 0x1p-53;
    const double distance = std::fabs(error);
    const double margin = halfLastPlace * 0x1p-9;
    const bool nearMidpoint = !(std::fabs(distance - halfLastPlace) > margin &&
                                std::fabs(distance - 0.5 * halfLastPlace) > margin);
    if (nearMidpoint || exponentBits == 0 || exponentBits == 0x7ff0000000000000u) [[unlikely]]
        return StoreDouble(Extended(a) + b);
    return sum;
}

// Truncation toward zero into a 64-bit integer; NaN, infinity or a value outside the 64-bit range
// is an invalid operation.
inline std::int64_t TruncToInt64(Extended x)
{
    if (!(x > -9223372036854775809.0L && x < 9223372036854775808.0L)) [[unlikely]]
        throw EInvalidOp();
    return static_cast<std::int64_t>(x);
}

// Integer division and remainder, cut toward zero; a zero divisor is an integer fault.
inline std::int32_t IntDiv(std::int32_t a, std::int32_t b)
{
    if (b == 0) [[unlikely]] throw EDivByZero();
    if (b == -1) return static_cast<std::int32_t>(-static_cast<std::int64_t>(a));
    return a / b;
}

inline std::int32_t IntMod(std::int32_t a, std::int32_t b)
{
    if (b == 0) [[unlikely]] throw EDivByZero();
    if (b == -1) return 0;
    return a % b;
}
