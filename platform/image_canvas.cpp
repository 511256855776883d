#include "platform/image_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// The part of the half-open box [x1, x2) x [y1, y2) that lies on the picture, worked out in
// 64 bits so that no corner near the 32-bit limit overflows.
QRect VisiblePart(const QImage& image, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                  std::int64_t y2)
{
    const std::int64_t left = std::max<std::int64_t>(x1, 0);
    const std::int64_t top = std::max<std::int64_t>(y1, 0);
    const std::int64_t right = std::min<std::int64_t>(x2, image.width());
    const std::int64_t bottom = std::min<std::int64_t>(y2, image.height());
    if (left >= right || top >= bottom) return {};
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

QFont CanvasFont(const TFont& font)
{
    QFont qfont(FontFace(font.Name));
    qfont.setPixelSize(FontPixelHeight(font.Size));
    qfont.setWeight(QFont::Normal);
    qfont.setStyle(QFont::StyleNormal);
    qfont.setStyleStrategy(QFont::NoAntialias);
    return qfont;
}

}  // namespace

QColor ToQColor(TColor color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString FontFace(const std::string& name)
{
    // The window's Japanese Gothic faces, by their full-width and half-width spellings.
    if (name == "MS ゴシック" || name == "ＭＳ ゴシック") return QStringLiteral("IPAGothic");
    if (name == "ＭＳ Ｐゴシック") return QStringLiteral("IPAPGothic");
    return QString::fromStdString(name);
}

int FontPixelHeight(int points)
{
    // A zero or negative size has no height of its own; the smallest visible one stands in,
    // and no face is drawn taller than any picture could show.
    if (points <= 0) return 1;
    const std::int64_t pixels = (std::int64_t(points) * 96 + 36) / 72;
    return int(std::min<std::int64_t>(pixels, 32767));
}

TImageCanvas::TImageCanvas(int width, int height, TColor background)
    : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(ToQColor(background));
    Font.Name = "ＭＳ Ｐゴシック";
    Font.Size = 9;
    Font.Color = clWindowText;
    Brush.Color = clWhite;
    Pen.Color = clBlack;
    Pen.Width = 1;
}

void TImageCanvas::TextOut(int x, int y, const std::string& text)
{
    const QFont font = CanvasFont(Font);
    const QFontMetrics metrics(font);
    const QString line = QString::fromUtf8(text.data(), qsizetype(text.size()));
    const int width = metrics.horizontalAdvance(line);
    const int height = metrics.ascent() + metrics.descent();
    const QRect box = VisiblePart(image_, x, y, std::int64_t(x) + width, std::int64_t(y) + height);
    if (box.isEmpty()) return;

    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.fillRect(box, ToQColor(Brush.Color));
    painter.setFont(font);
    painter.setPen(ToQColor(Font.Color));
    painter.drawText(QPointF(x, double(y) + metrics.ascent()), line);
}

void TImageCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const std::int64_t left = std::min(x1, x2);
    const std::int64_t right = std::max(x1, x2);
    const std::int64_t top = std::min(y1, y2);
    const std::int64_t bottom = std::max(y1, y2);
    if (left == right || top == bottom) return;

    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect inside = VisiblePart(image_, left, top, right, bottom);
    if (!inside.isEmpty()) painter.fillRect(inside, ToQColor(Brush.Color));

    // The outline lies within the box, a pen width thick, so the box never grows past its
    // right and bottom edge whatever the pen.
    const std::int64_t band = std::max(Pen.Width, 1);
    const QColor outline = ToQColor(Pen.Color);
    const QRect edges[4] = {
        VisiblePart(image_, left, top, right, top + band),
        VisiblePart(image_, left, bottom - band, right, bottom),
        VisiblePart(image_, left, top, left + band, bottom),
        VisiblePart(image_, right - band, top, right, bottom),
    };
    for (const QRect& edge : edges)
        if (!edge.isEmpty()) painter.fillRect(edge, outline);
}

void TImageCanvas::MoveTo(int x, int y)
{
    penX_ = x;
    penY_ = y;
}

void TImageCanvas::LineTo(int x, int y)
{
    const std::int64_t fromX = penX_;
    const std::int64_t fromY = penY_;
    penX_ = x;
    penY_ = y;

    // Stepped along the longer axis, one pixel per step, the end point itself left out. The
    // pen's width is laid across the step, centred on the line.
    const std::int64_t dx = x - fromX;
    const std::int64_t dy = y - fromY;
    const bool alongX = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t steps = alongX ? std::llabs(dx) : std::llabs(dy);
    if (steps == 0) return;
    const std::int64_t major0 = alongX ? fromX : fromY;
    const std::int64_t minor0 = alongX ? fromY : fromX;
    const std::int64_t majorStep = (alongX ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorRise = alongX ? dy : dx;
    const std::int64_t majorSize = alongX ? image_.width() : image_.height();
    const int width = std::max(Pen.Width, 1);
    const std::int64_t spanStart = -(width / 2);

    // Only the steps whose major coordinate lies on the picture are visited, so a line that
    // reaches far beyond it costs no more than one across it.
    std::int64_t first = majorStep > 0 ? -major0 : major0 - (majorSize - 1);
    std::int64_t last = majorStep > 0 ? majorSize - 1 - major0 : major0;
    first = std::max<std::int64_t>(first, 0);
    last = std::min<std::int64_t>(last, steps - 1);

    const QRgb colour = ToQColor(Pen.Color).rgb();
    for (std::int64_t n = first; n <= last; ++n) {
        const std::int64_t major = major0 + n * majorStep;
        // The nearest pixel to the exact line, halves rounded up; 128 bits because the step
        // count times the rise of a far-away line exceeds 64.
        const __int128 twice = __int128(2) * n * minorRise + steps;
        __int128 offset = twice / (2 * steps);
        if (twice % (2 * steps) < 0) --offset;
        for (int k = 0; k < width; ++k) {
            const std::int64_t minor = minor0 + std::int64_t(offset) + spanStart + k;
            const std::int64_t px = alongX ? major : minor;
            const std::int64_t py = alongX ? minor : major;
            if (px >= 0 && py >= 0 && px < image_.width() && py < image_.height())
                image_.setPixel(int(px), int(py), colour);
        }
    }
}
