#include "platform/conversions.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/errors.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Length of the longest prefix of `text` that is a decimal real: sign, digits with an optional
// '.', an optional exponent; 0 when there is no mantissa digit. An exponent marker without digits
// is not part of the number.
std::size_t RealSyntaxLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t mantissaDigits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++mantissaDigits;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++mantissaDigits;
    }
    if (mantissaDigits == 0) return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
        if (exponent < text.size() && IsDigit(text[exponent])) {
            while (exponent < text.size() && IsDigit(text[exponent])) ++exponent;
            pos = exponent;
        }
    }
    return pos;
}

// The C locale, so that '.' is the decimal separator whatever the process locale says.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

[[noreturn]] void ThrowNotInteger(const std::string& text)
{
    throw EConvertError("'" + text + "' は整数ではありません");
}

[[noreturn]] void ThrowNotReal(const std::string& text)
{
    throw EConvertError("'" + text + "' は浮動小数点ではありません");
}

// The exact decimal expansion of a finite, non-negative value as its digits and the number of
// them that stand before the point. Every binary fraction has a finite expansion; asking for as
// many decimals as the value has fractional bits makes the conversion exact.
struct TExactDecimal {
    std::string digits;
    int integerDigits = 0;
};

TExactDecimal ExactDecimal(Extended magnitude)
{
    int fractionalBits = 0;
    if (magnitude != 0) {
        int exponent = 0;
        Extended mantissa = std::frexp(magnitude, &exponent);
        // 64 significand bits; the trailing zero bits of the significand need no decimals.
        fractionalBits = std::max(0, __LDBL_MANT_DIG__ - exponent);
        Extended scaled = std::ldexp(mantissa, __LDBL_MANT_DIG__);
        while (fractionalBits > 0 && std::fmod(scaled, 2.0L) == 0) {
            scaled /= 2;
            --fractionalBits;
        }
    }
    std::vector<char> buffer(static_cast<std::size_t>(fractionalBits) + 5000);
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                std::chars_format::fixed, fractionalBits);
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    TExactDecimal exact;
    std::size_t point = text.find('.');
    if (point == std::string_view::npos) point = text.size();
    exact.integerDigits = static_cast<int>(point);
    exact.digits.assign(text.substr(0, point));
    if (point < text.size()) exact.digits.append(text.substr(point + 1));
    return exact;
}

// C's "%.<precision>G": precision significant digits, the shorter of fixed and exponent style,
// trailing zeros dropped.
std::string GeneralFormat(Extended value, int precision)
{
    char buffer[128];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general,
                                precision);
    std::string text(buffer, result.ptr);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::string IntToStr(std::int64_t value)
{
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::int32_t StrToInt(const std::string& text)
{
    std::string_view number = TrimBlanks(text);
    bool negative = false;
    if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty()) ThrowNotInteger(text);
    std::int64_t magnitude = 0;
    for (char c : number) {
        if (!IsDigit(c)) ThrowNotInteger(text);
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1)
            ThrowNotInteger(text);
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max()) ThrowNotInteger(text);
    return static_cast<std::int32_t>(value);
}

Extended StrToFloat(const std::string& text)
{
    std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty() || RealSyntaxLength(trimmed) != trimmed.size()) ThrowNotReal(text);
    // strtold_l wants a terminated string; the syntax is already known to be plain decimal.
    std::string number(trimmed);
    char* end = nullptr;
    errno = 0;
    Extended value = strtold_l(number.c_str(), &end, CLocale());
    if (end != number.c_str() + number.size()) ThrowNotReal(text);
    // ERANGE with a finite result is underflow, which gives the tiny value without complaint.
    if (errno == ERANGE && std::isinf(value)) ThrowNotReal(text);
    return value;
}

std::string FloatToStrF(Extended value, TFloatFormat, int precision, int digits)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    precision = std::max(precision, 1);
    digits = std::max(digits, 0);

    TExactDecimal exact = ExactDecimal(std::fabs(value));
    std::string& all = exact.digits;

    // Decimal place of the precision-th significant digit, counted like `digits` (1 = tenths).
    std::size_t firstSignificant = all.find_first_not_of('0');
    int significantPlace = digits;
    if (firstSignificant != std::string::npos) {
        int leadingExponent = exact.integerDigits - 1 - static_cast<int>(firstSignificant);
        if (leadingExponent + 1 > precision) return GeneralFormat(value, precision);
        significantPlace = precision - 1 - leadingExponent;
    }
    int roundPlace = std::min(digits, significantPlace);

    // Keep the integer digits and roundPlace decimals (roundPlace >= 0 here), then round half away
    // from zero on the first dropped digit: the expansion is exact, so a 5 there is a tie or more.
    std::size_t kept = static_cast<std::size_t>(exact.integerDigits + roundPlace);
    bool roundUp = kept < all.size() && all[kept] >= '5';
    all.resize(kept, '0');
    int integerDigits = exact.integerDigits;
    if (roundUp) {
        std::size_t i = all.size();
        while (i > 0 && all[i - 1] == '9') all[--i] = '0';
        if (i == 0) {
            all.insert(all.begin(), '1');
            ++integerDigits;
        } else {
            ++all[i - 1];
        }
    }

    std::string integerPart = all.substr(0, static_cast<std::size_t>(integerDigits));
    std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? "0" : integerPart.substr(firstNonZero);
    if (static_cast<int>(integerPart.size()) > precision) return GeneralFormat(value, precision);

    std::string decimals = all.substr(static_cast<std::size_t>(integerDigits));
    decimals.resize(static_cast<std::size_t>(digits), '0');

    bool allZero = integerPart == "0" && decimals.find_first_not_of('0') == std::string::npos;
    std::string text = (std::signbit(value) && !allZero) ? "-" : "";
    text += integerPart;
    if (digits > 0) text += "." + decimals;
    return text;
}
