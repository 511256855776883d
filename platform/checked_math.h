// Extended-precision arithmetic with the faults of a floating-point unit whose invalid-operation,
// division-by-zero and overflow exceptions are enabled, written as explicit checks.
//
// Formulas are evaluated in Extended (the x87 64-bit significand) in the order written; a value is
// rounded only where it is stored, and the store is where an out-of-range value faults. Underflow
// and inexact results are not faults.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/errors.h"

using Extended = long double;

static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "the numerics need the x87 extended format (64-bit significand)");

// x / y. A zero divisor is a division-by-zero fault, or an invalid operation for 0/0; so is
// infinity over infinity.
inline Extended Divide(Extended x, Extended y)
{
    if (y == 0) [[unlikely]] {
        if (x == 0 || std::isnan(x)) throw EInvalidOp();
        throw EZeroDivide();
    }
    if (std::isinf(x) && std::isinf(y)) [[unlikely]] throw EInvalidOp();
    return x / y;
}

// Rounding an Extended to single precision: a finite value at or beyond the midpoint between
// FLT_MAX and 2^128 rounds to infinity, which is the overflow fault.
inline float StoreSingle(Extended x)
{
    constexpr Extended kOverflowBound = 0x1.ffffffp127L;
    if (!(x < kOverflowBound && x > -kOverflowBound)) [[unlikely]] {
        if (std::isfinite(x)) throw EOverflow();
    }
    return static_cast<float>(x);
}

inline double StoreDouble(Extended x)
{
    constexpr Extended kOverflowBound = 0x1.fffffffffffffcp1023L;
    if (!(x < kOverflowBound && x > -kOverflowBound)) [[unlikely]] {
        if (std::isfinite(x)) throw EOverflow();
    }
    return static_cast<double>(x);
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
