#include <gtest/gtest.h>

#include "chart/temperature_chart.h"
#include "platform/image_canvas.h"
#include "tests/chart/pixel_colours.h"

namespace {

// The chart of a warm charge over 4 divisions, drawn into the window's client area.
class ChartOnImage : public testing::Test {
protected:
    TImageCanvas canvas{574, 584, clWhite};
    TTankParameters params;
    TTankResults results;
    TTemperatureChart chart{canvas, params, results};

    void SetUp() override
    {
        params.InitialTemp = 10;
        params.InletTemp = 50;
        params.WaterDepth = 5;
        params.TankDivisions = 4;
        chart.DrawChartFrame();
        chart.FillNodeHeights();
    }

    QRgb At(int x, int y) const { return canvas.Image().pixel(x, y); }

    // How many pixels of the box [x1, x2) x [y1, y2) have the colour.
    int Count(int x1, int y1, int x2, int y2, QRgb colour) const
    {
        int count = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) count += At(x, y) == colour;
        return count;
    }
};

TEST_F(ChartOnImage, FrameIsAnAquaBoxWithSilverTexts)
{
    EXPECT_EQ(At(200, 300), kAqua);
    EXPECT_EQ(At(20, 300), kBlack);
    EXPECT_EQ(At(399, 40), kBlack);
    EXPECT_EQ(At(400, 300), kWhite);
    EXPECT_EQ(At(280, 500), kSilver) << "the temperature axis title's box";
    EXPECT_EQ(At(200, 510), kWhite) << "between the scale texts";
}

TEST_F(ChartOnImage, FirstRunFrameTextsAreWindowTextOnSilver)
{
    // "0" at (8, 485), 13 pixels high: silver box, black glyph, nothing else.
    const int silver = Count(8, 485, 14, 498, kSilver);
    const int black = Count(8, 485, 14, 498, kBlack);
    EXPECT_GT(silver, 0);
    EXPECT_GT(black, 0);
    EXPECT_EQ(silver + black, 6 * 13);
}

TEST_F(ChartOnImage, SnapshotCurveAndLabelsShowOnTheBox)
{
    // A linear profile: points (400, 40), (305, 155), (210, 270), (115, 385), (20, 500).
    results.Snapshots[0] = {1.0f, 0.75f, 0.5f, 0.25f, 0.0f};
    chart.DrawSnapshotCurve(0);
    chart.DrawTimeLabels();

    EXPECT_EQ(At(305, 155), kOlive);
    EXPECT_EQ(At(210, 270), kOlive);
    EXPECT_EQ(At(115, 385), kOlive);
    // With fewer than 5 divisions every label stands at (250, 20), above the box: navy on aqua.
    EXPECT_GT(Count(250, 20, 270, 31, kNavy), 10);
    EXPECT_EQ(Count(250, 20, 270, 31, kWhite), 0);
}

}  // namespace
