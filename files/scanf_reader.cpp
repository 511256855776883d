#include "files/scanf_reader.h"

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

bool IsCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace

TScanfReader::TScanfReader(std::string text) : text_(std::move(text)) {}

void TScanfReader::SkipWhitespace()
{
    while (pos_ < text_.size() && IsCSpace(text_[pos_])) ++pos_;
}

bool TScanfReader::AtDigit() const
{
    return pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9';
}

void TScanfReader::SkipDigits()
{
    while (AtDigit()) ++pos_;
}

bool TScanfReader::Accept(char c)
{
    if (pos_ < text_.size() && text_[pos_] == c) {
        ++pos_;
        return true;
    }
    return false;
}

bool TScanfReader::ReadInt(std::int32_t& field)
{
    SkipWhitespace();
    bool negative = Accept('-');
    if (!negative) Accept('+');
    if (!AtDigit()) return false;

    // Saturating keeps the outcome defined where the C library's is not.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; AtDigit(); ++pos_) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (text_[pos_] - '0');
    }
    std::int64_t value = negative ? -std::min(magnitude, kLimit) : std::min(magnitude, kLimit - 1);
    field = static_cast<std::int32_t>(value);
    return true;
}

bool TScanfReader::ReadFloat(float& field)
{
    SkipWhitespace();
    std::size_t start = pos_;
    if (!Accept('-')) Accept('+');
    bool hasDigits = AtDigit();
    SkipDigits();
    if (Accept('.')) {
        hasDigits = hasDigits || AtDigit();
        SkipDigits();
    }
    if (!hasDigits) return false;
    if (Accept('e') || Accept('E')) {
        if (!Accept('-')) Accept('+');
        // "1e" is the start of a number but not a number: the read fails, as C's scanf requires.
        if (!AtDigit()) return false;
        SkipDigits();
    }
    std::string number = text_.substr(start, pos_ - start);
    field = strtof_l(number.c_str(), nullptr, CLocale());
    return true;
}
