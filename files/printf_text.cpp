#include "files/printf_text.h"

#include <charconv>

std::string PrintfFixed(float value)
{
    // FLT_MAX has 39 integer digits; room to spare for the sign, point and decimals.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                std::chars_format::fixed, 6);
    return std::string(buffer, result.ptr);
}
