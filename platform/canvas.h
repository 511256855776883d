// A drawing surface in the manner of the chart's needs: a font, a brush and a pen that persist
// between calls, and four drawing operations in integer pixel coordinates of the window's client
// area (origin top left, y downwards). The chart draws only through this interface.
#pragma once

#include <cstdint>
#include <string>

// 0x00BBGGRR: blue in bits 16 to 23, green in 8 to 15, red in 0 to 7.
using TColor = std::uint32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWindowText = clBlack;
constexpr TColor clNavy = 8388608;
constexpr TColor clOlive = 32896;
constexpr TColor clSilver = 12632256;
constexpr TColor clAqua = 16776960;
constexpr TColor clLime = 65280;
constexpr TColor clWhite = 0xFFFFFF;

struct TFont {
    std::string Name;  // UTF-8
    int Size = 9;      // points at 96 pixels per inch
    TColor Color = clWindowText;
};

struct TBrush {
    TColor Color = clWhite;  // setting a colour makes the brush solid; there is no other style
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
};

class TCanvas {
public:
    virtual ~TCanvas() = default;

    TFont Font;
    TBrush Brush;
    TPen Pen;

    // Text with its top-left corner at (x, y), over an opaque box in the brush colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    // Filled with the brush and outlined with the pen; the right and bottom edge are left out.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position to (x, y) with the pen, its last pixel left out; (x, y)
    // becomes the current position.
    virtual void LineTo(int x, int y) = 0;
};
