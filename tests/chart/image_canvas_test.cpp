#include "platform/image_canvas.h"
#include "tests/chart/pixel_colours.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <chrono>

namespace {

// The main window's client area.
class ImageCanvas : public testing::Test {
protected:
    TImageCanvas canvas{574, 584, clWhite};

    QRgb At(int x, int y) const { return canvas.Image().pixel(x, y); }

    int CountInColumn(int x, QRgb colour) const
    {
        int count = 0;
        for (int y = 0; y < canvas.Image().height(); ++y) count += At(x, y) == colour;
        return count;
    }
};

TEST_F(ImageCanvas, StartsWithTheWindowsDrawingState)
{
    EXPECT_EQ(canvas.Image().size(), QSize(574, 584));
    EXPECT_EQ(canvas.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(At(0, 0), kWhite);
    EXPECT_EQ(canvas.Font.Name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(canvas.Font.Size, 9);
    EXPECT_EQ(canvas.Font.Color, clWindowText);
    EXPECT_EQ(canvas.Brush.Color, clWhite);
    EXPECT_EQ(canvas.Pen.Color, clBlack);
    EXPECT_EQ(canvas.Pen.Width, 1);
}

TEST_F(ImageCanvas, RectangleLeavesOutRightAndBottomEdge)
{
    // The chart box, given bottom-left first: (20, 500) and (400, 40) cover x 20..399, y 40..499.
    canvas.Brush.Color = clAqua;
    canvas.Rectangle(20, 500, 400, 40);

    EXPECT_EQ(At(200, 300), kAqua);
    EXPECT_EQ(At(21, 41), kAqua);
    EXPECT_EQ(At(398, 498), kAqua);
    for (const QPoint outline : {QPoint(20, 40), QPoint(399, 40), QPoint(20, 499), QPoint(399, 499),
                                 QPoint(20, 300), QPoint(399, 300), QPoint(200, 40),
                                 QPoint(200, 499)})
        EXPECT_EQ(At(outline.x(), outline.y()), kBlack) << outline.x() << ", " << outline.y();
    for (const QPoint outside : {QPoint(400, 300), QPoint(200, 500), QPoint(19, 300),
                                 QPoint(200, 39), QPoint(400, 500)})
        EXPECT_EQ(At(outside.x(), outside.y()), kWhite) << outside.x() << ", " << outside.y();
}

TEST_F(ImageCanvas, RectangleOutlineTakesThePenWidthInsideTheBox)
{
    // A second run's box: outlined with the last curve's pen, olive and 2 wide.
    canvas.Brush.Color = clAqua;
    canvas.Pen.Color = clOlive;
    canvas.Pen.Width = 2;
    canvas.Rectangle(20, 500, 400, 40);

    EXPECT_EQ(At(20, 300), kOlive);
    EXPECT_EQ(At(21, 300), kOlive);
    EXPECT_EQ(At(22, 300), kAqua);
    EXPECT_EQ(At(398, 300), kOlive);
    EXPECT_EQ(At(397, 300), kAqua);
    EXPECT_EQ(At(400, 300), kWhite);
    EXPECT_EQ(At(200, 498), kOlive);
    EXPECT_EQ(At(200, 500), kWhite);
}

TEST_F(ImageCanvas, LineToDrawsWithThePenAndLeavesOutTheLastPixel)
{
    struct Segment {
        const char* name;
        QPoint from, to, inside;
    };
    const Segment segments[] = {
        {"down", {10, 10}, {10, 30}, {10, 20}},
        {"right", {30, 50}, {60, 50}, {45, 50}},
        {"up-left", {120, 90}, {100, 70}, {110, 80}},
        {"steep", {200, 100}, {203, 160}, {200, 100}},
    };
    canvas.Pen.Color = clOlive;
    for (const Segment& s : segments) {
        canvas.MoveTo(s.from.x(), s.from.y());
        canvas.LineTo(s.to.x(), s.to.y());
        EXPECT_EQ(At(s.from.x(), s.from.y()), kOlive) << s.name;
        EXPECT_EQ(At(s.inside.x(), s.inside.y()), kOlive) << s.name;
        EXPECT_EQ(At(s.to.x(), s.to.y()), kWhite) << s.name;
    }
    // A width-1 line is one pixel across.
    EXPECT_EQ(CountInColumn(45, kOlive), 1);
}

TEST_F(ImageCanvas, LineToContinuesFromTheEndOfTheLastLine)
{
    canvas.Pen.Color = clLime;
    canvas.MoveTo(300, 300);
    canvas.LineTo(320, 300);
    canvas.LineTo(320, 330);
    EXPECT_EQ(At(319, 300), kLime);
    // The corner pixel left out by the first line is the first pixel of the second.
    EXPECT_EQ(At(320, 300), kLime);
    EXPECT_EQ(At(320, 329), kLime);
    EXPECT_EQ(At(320, 330), kWhite);
}

TEST_F(ImageCanvas, WidthTwoPenDrawsTwoPixelsAcross)
{
    canvas.Pen.Color = clOlive;
    canvas.Pen.Width = 2;
    canvas.MoveTo(50, 100);
    canvas.LineTo(80, 100);
    EXPECT_EQ(CountInColumn(65, kOlive), 2);
    EXPECT_EQ(At(65, 100), kOlive);
    EXPECT_TRUE(At(65, 99) == kOlive || At(65, 101) == kOlive) << "the two rows are side by side";
    EXPECT_EQ(CountInColumn(80, kOlive), 0) << "the end column is left out";
}

TEST_F(ImageCanvas, FarAwayLinesReturnQuicklyAndKeepTheirVisiblePart)
{
    canvas.Pen.Color = clOlive;
    canvas.Pen.Width = 2;
    const auto start = std::chrono::steady_clock::now();
    canvas.MoveTo(10, 10);
    canvas.LineTo(2000000000, -2000000000);
    canvas.LineTo(-2000000000, 2000000000);
    canvas.MoveTo(-2147483647 - 1, 300);
    canvas.LineTo(2147483647, 300);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(1));

    // The first line leaves (10, 10) at 45° up and to the right.
    EXPECT_EQ(At(12, 8), kOlive);
    // The across-the-int32-range line crosses the whole picture at y 300.
    EXPECT_EQ(At(0, 300), kOlive);
    EXPECT_EQ(At(573, 300), kOlive);
}

TEST_F(ImageCanvas, LineWhollyOutsideDrawsNothing)
{
    const QImage before = canvas.Image();
    canvas.MoveTo(-500000000, -500000000);
    canvas.LineTo(-400000000, 5);
    // Passes x 0 to 573 at about y −12.
    canvas.LineTo(2000000000, -100);
    EXPECT_TRUE(canvas.Image() == before);
}

// The smallest rectangle holding every pixel that is not white.
QRect Drawn(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(ImageCanvas, TextStandsOnAnOpaqueBoxInTheBrushColour)
{
    // A time label of the chart: navy on aqua, 8 points (11 pixels high).
    canvas.Font.Name = "MS ゴシック";
    canvas.Font.Size = 8;
    canvas.Font.Color = clNavy;
    canvas.Brush.Color = clAqua;
    canvas.TextOut(250, 111, "t*=0.2");

    const QRect box = Drawn(canvas.Image());
    EXPECT_EQ(box.topLeft(), QPoint(250, 111));
    EXPECT_GE(box.height(), 11);
    EXPECT_LE(box.height(), 13);
    EXPECT_GT(box.width(), 20);
    int navy = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb pixel = At(x, y);
            ASSERT_TRUE(pixel == kAqua || pixel == kNavy) << x << ", " << y;
            navy += pixel == kNavy;
        }
    EXPECT_GT(navy, 10) << "the glyphs are drawn in the font colour, without antialiasing";
    EXPECT_EQ(At(250, 111), kAqua);
}

TEST_F(ImageCanvas, TextBoxCoversWhatLayUnderIt)
{
    // A frame text over an earlier run's curve: the silver box hides the lime line.
    canvas.Pen.Color = clLime;
    canvas.MoveTo(0, 14);
    canvas.LineTo(200, 14);
    canvas.Brush.Color = clSilver;
    canvas.TextOut(6, 8, "高さ[m]");
    EXPECT_EQ(At(5, 14), kLime);
    EXPECT_NE(At(6, 14), kLime);
    int lime = 0;
    for (int x = 6; x < 30; ++x) lime += At(x, 14) == kLime;
    EXPECT_EQ(lime, 0);
    EXPECT_EQ(At(6, 8), kSilver);
}

TEST_F(ImageCanvas, TextOffThePictureIsHarmless)
{
    const QImage before = canvas.Image();
    canvas.TextOut(-2147483647 - 1, 2147483647, "t*=1.0");
    canvas.TextOut(2147483647, -2147483647 - 1, "t*=1.0");
    EXPECT_TRUE(canvas.Image() == before);
}

TEST(FontFace, WindowFacesMapToTheInstalledGothic)
{
    const std::pair<std::string, QString> cases[] = {
        {"MS ゴシック", "IPAGothic"},     // the chart's font, half-width MS
        {"ＭＳ ゴシック", "IPAGothic"},   // the figures memo's font
        {"ＭＳ Ｐゴシック", "IPAPGothic"}, // the window's proportional font
        {"DejaVu Sans", "DejaVu Sans"},
    };
    for (const auto& [name, face] : cases) EXPECT_EQ(FontFace(name), face) << name;
}

TEST(FontFace, GothicFacesAreInstalled)
{
    for (const char* face : {"IPAGothic", "IPAPGothic"})
        EXPECT_EQ(QFontInfo(QFont(face)).family(), face) << "fonts-ipafont-gothic is missing";
}

TEST(FontPixelHeight, PointsAt96DpiRoundHalfAwayFromZero)
{
    // 10 pt is the frame's 13-pixel font, 9 pt the window's 12, 8 pt the labels' 11.
    const std::pair<int, int> cases[] = {{10, 13}, {9, 12}, {8, 11}, {12, 16}, {3, 4}, {0, 1}};
    for (const auto& [points, pixels] : cases) EXPECT_EQ(FontPixelHeight(points), pixels) << points;
}

}  // namespace
