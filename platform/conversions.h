// Conversions between numbers and the texts of the window's edits and memos. Locale-independent:
// the decimal separator is always '.'.
#pragma once

#include <cstdint>
#include <string>

#include "platform/checked_math.h"

enum TFloatFormat { ffFixed };

std::string IntToStr(std::int64_t value);

// Optional blanks around, optional sign, decimal digits, within the 32-bit range. Anything else,
// the empty text included, throws EConvertError "'<text>' は整数ではありません".
std::int32_t StrToInt(const std::string& text);

// Optional blanks around, optional sign, digits with an optional '.', an optional exponent.
// The value is the nearest Extended; the caller rounds it where it stores it. Anything else
// throws EConvertError "'<text>' は浮動小数点ではありません".
Extended StrToFloat(const std::string& text);

// The value rounded once, half away from zero, at the coarser of the precision-th significant
// digit and the digits-th decimal, then written with exactly `digits` decimals. A value whose
// integer part needs more than `precision` digits is written like C's "%.<precision>G".
std::string FloatToStrF(Extended value, TFloatFormat format, int precision, int digits);
