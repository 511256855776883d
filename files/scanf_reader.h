// Reading numbers from a text the way the C library's scanf "%d" and "%f" do, without its
// locale: '.' is always the decimal separator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TScanfReader {
public:
    explicit TScanfReader(std::string text);

    // "%d": skips whitespace, then an optional sign and decimal digits. A value beyond the 32-bit
    // range is held at the nearest end of it. On success stores into `field` and returns true.
    bool ReadInt(std::int32_t& field);

    // "%f": skips whitespace, then an optional sign, digits with an optional '.', an optional
    // exponent; stores the nearest float (an overflow gives infinity, an underflow a denormal
    // or zero) and returns true.
    bool ReadFloat(float& field);

    // On failure `field` keeps its value and the reader stays where the failed read stopped: what
    // could still have begun a number (a sign, a lone '.', an exponent marker and its sign) has
    // been consumed, the character that broke it has not, so the next read starts there again.

private:
    void SkipWhitespace();
    bool AtDigit() const;
    void SkipDigits();
    bool Accept(char c);

    std::string text_;
    std::size_t pos_ = 0;
};
