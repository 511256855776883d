// The chart's drawing surface as an off-screen picture: a TCanvas that paints into a QImage,
// without antialiasing, so that every pixel is the one the drawing calls ask for.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "platform/canvas.h"

class TImageCanvas : public TCanvas {
public:
    TImageCanvas(int width, int height, TColor background);

    const QImage& Image() const { return image_; }

    void TextOut(int x, int y, const std::string& text) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;

private:
    QImage image_;
    int penX_ = 0;
    int penY_ = 0;
};

// 0x00BBGGRR to the colour it names.
QColor ToQColor(TColor color);

// The installed face that stands in for a font name of the window.
QString FontFace(const std::string& name);

// Points at 96 pixels per inch to a character height in pixels, rounded half away from zero.
int FontPixelHeight(int points);
