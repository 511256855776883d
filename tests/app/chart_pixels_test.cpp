// The chart as the run leaves it on the window's drawing surface, read back pixel by pixel.
#include <QColor>
#include <QImage>

#include "chart/plot_mapping.h"
#include "form_fixture.h"
#include "platform/conversions.h"
#include "platform/image_canvas.h"

namespace {

// Texts drawn alone on a white surface the way the chart draws them, cropped to their box.
QImage TextAlone(const std::string& text, int size, TColor colour, TColor box)
{
    TImageCanvas alone(160, 40, clWhite);
    alone.Font.Name = "MS ゴシック";
    alone.Font.Size = size;
    alone.Font.Color = colour;
    alone.Brush.Color = box;
    alone.TextOut(0, 0, text);
    int width = 0;
    int height = 0;
    for (int y = 0; y < alone.Image().height(); ++y)
        for (int x = 0; x < alone.Image().width(); ++x)
            if (alone.Image().pixelColor(x, y) != ToQColor(clWhite)) {
                width = std::max(width, x + 1);
                height = std::max(height, y + 1);
            }
    return alone.Image().copy(0, 0, width, height);
}

// A label of the curves: navy, 8 points, on an aqua box.
QImage LabelAlone(const std::string& text) { return TextAlone(text, 8, clNavy, clAqua); }

bool Shows(const QImage& chart, int x, int y, const QImage& text)
{
    return chart.copy(x, y, text.width(), text.height()) == text;
}

struct Point {
    int X, Y;
};

struct LabelPlace {
    const char* Text;
    int X, Y;
};

// The five time labels for 100 tank divisions, plain and reversed.
const LabelPlace kPlainTimeLabels[] = {
    {"t*=0.2", 250, 111}, {"t*=0.4", 250, 203}, {"t*=0.6", 250, 295}, {"t*=0.8", 250, 387}, {"t*=1.0", 250, 480}};
const LabelPlace kReversedTimeLabels[] = {
    {"t*=0.2", 130, 418}, {"t*=0.4", 130, 326}, {"t*=0.6", 130, 234}, {"t*=0.8", 130, 142}, {"t*=1.0", 130, 50}};

}  // namespace

class ChartPixelsTest : public FormTest {
protected:
    QColor PixelAt(int x, int y) const { return form_->CanvasImage().pixelColor(x, y); }

    void RunPipeExample(const char* initialTemp = "10.0", const char* inletTemp = "40.0", const char* limitTemp = "20.0")
    {
        OpenForm();
        form_->RadioGroup1->SetItemIndex(0);
        TTypedInputs inputs = PipeExample();
        inputs.Texts[2] = initialTemp;
        inputs.Texts[3] = inletTemp;
        inputs.Texts[4] = limitTemp;
        Type(inputs);
        ClickRun();
        ASSERT_TRUE(reports_.empty()) << reports_.front();
    }

    Point PlainPoint(const TStoredProfile& profile, int i) const
    {
        return {PlotX(profile[i]), PlotY(results_->NodeHeights[i])};
    }
};

// Zero divisions fault right after the frame: the frame alone stays on the window.
TEST_F(ChartPixelsTest, FrameIsAnAquaBoxOutlinedWithTheFirstPen)
{
    OpenForm();
    form_->RadioGroup1->SetItemIndex(0);
    TTypedInputs inputs = PipeExample();
    inputs.Texts[0] = "0";
    Type(inputs);
    ClickRun();
    ASSERT_EQ(reports_, std::vector<std::string>{"無効な浮動小数点操作."});

    const QColor aqua = ToQColor(clAqua);
    for (const Point inside : {Point{21, 41}, Point{398, 498}, Point{210, 270}}) {
        EXPECT_EQ(PixelAt(inside.X, inside.Y), aqua) << inside.X << "," << inside.Y;
    }
    // Rectangle (20, 500)-(400, 40) leaves out its right and bottom edge: 20..399 by 40..499.
    for (const Point corner : {Point{20, 40}, Point{399, 40}, Point{20, 499}, Point{399, 499}}) {
        EXPECT_EQ(PixelAt(corner.X, corner.Y), ToQColor(clBlack)) << corner.X << "," << corner.Y;
    }
    const QColor background = form_->palette().color(QPalette::Window);
    EXPECT_EQ(PixelAt(400, 300), background);
    EXPECT_EQ(PixelAt(19, 300), background);
    EXPECT_EQ(PixelAt(200, 500), background);

    // The window paints the kept picture: a repaint brings the chart back.
    const QImage shown = form_->grab().toImage();
    EXPECT_EQ(shown.pixelColor(210, 270), aqua);
}

TEST_F(ChartPixelsTest, PlainRunLabelsStandAtTheirPlaces)
{
    RunPipeExample();
    const QImage& chart = form_->CanvasImage();
    for (const LabelPlace& label : kPlainTimeLabels)
        EXPECT_TRUE(Shows(chart, label.X, label.Y, LabelAlone(label.Text))) << label.Text;
    // Limit label: Qs 0.93016 of the whole-run example, at PlotX of LimitTheta 0.33333334 (146)
    // plus 10, and PlotY of 0.05 (476).
    EXPECT_TRUE(Shows(chart, 156, 476, LabelAlone("t*=0.930")));
}

// Charging with colder water (40 -> 10 °C, limit 30 °C) turns the chart upside down.
TEST_F(ChartPixelsTest, ReversedRunLabelsStandAtTheirPlaces)
{
    RunPipeExample("40.0", "10.0", "30.0");
    const QImage& chart = form_->CanvasImage();
    for (const LabelPlace& label : kReversedTimeLabels)
        EXPECT_TRUE(Shows(chart, label.X, label.Y, LabelAlone(label.Text))) << label.Text;
    // LimitTheta (30 - 40) / (10 - 40): PlotXReversed 273, minus 40; PlotYReversed of 0.03 is 53.
    ASSERT_FLOAT_EQ(results_->LimitTheta, 1.0f / 3.0f);
    const std::string limitLabel = "t*=" + FloatToStrF(results_->Qs, ffFixed, 5, 3);
    EXPECT_TRUE(Shows(chart, 233, 53, LabelAlone(limitLabel))) << limitLabel;
    EXPECT_FALSE(Shows(chart, 250, 111, LabelAlone("t*=0.2"))) << "a plain label in a reversed chart";
}

TEST_F(ChartPixelsTest, SnapshotCurvesAreOliveAndTheLimitCurveLime)
{
    RunPipeExample();
    const int nodes = 100;
    const TStoredProfile& lastSnapshot = results_->Snapshots[4];

    // Middle of the tank, clear of the labels: the last snapshot curve is drawn last there.
    const Point middle = PlainPoint(lastSnapshot, 50);
    EXPECT_EQ(PixelAt(middle.X, middle.Y), ToQColor(clOlive));

    // Points of the limit curve that nothing drawn after it (the last snapshot curve, its labels,
    // the limit label) comes near.
    auto nearLaterDrawing = [&](Point p) {
        for (int j = 0; j < nodes; ++j) {
            const Point a = PlainPoint(lastSnapshot, j);
            const Point b = PlainPoint(lastSnapshot, j + 1);
            if (p.X >= std::min(a.X, b.X) - 3 && p.X <= std::max(a.X, b.X) + 3 && p.Y >= std::min(a.Y, b.Y) - 3 &&
                p.Y <= std::max(a.Y, b.Y) + 3)
                return true;
        }
        for (const LabelPlace& label : kPlainTimeLabels)
            if (p.X >= label.X - 2 && p.X < label.X + 60 && p.Y >= label.Y - 2 && p.Y < label.Y + 16) return true;
        return p.X >= 154 && p.X < 220 && p.Y >= 474 && p.Y < 492;
    };
    int checked = 0;
    for (int i = 0; i < nodes; ++i) {
        const Point p = PlainPoint(results_->LimitProfile, i);
        if (nearLaterDrawing(p)) continue;
        EXPECT_EQ(PixelAt(p.X, p.Y), ToQColor(clLime)) << "limit curve point " << i;
        ++checked;
    }
    EXPECT_GE(checked, 5) << "too few points of the limit curve stand clear of later drawings";
}

// The canvas keeps its pen and font colour from one run to the next.
TEST_F(ChartPixelsTest, SecondFrameHasNavyTextsAndTheOutlineOfTheLastCurvesPen)
{
    RunPipeExample();
    // First run: frame texts in the window's text colour on silver, outline with the initial pen.
    EXPECT_TRUE(Shows(form_->CanvasImage(), 6, 8, TextAlone("高さ[m]", 10, clWindowText, clSilver)));
    EXPECT_EQ(PixelAt(200, 40), ToQColor(clBlack));

    ClickRun();
    ASSERT_TRUE(reports_.empty());
    EXPECT_TRUE(Shows(form_->CanvasImage(), 6, 8, TextAlone("高さ[m]", 10, clNavy, clSilver)));
    EXPECT_TRUE(Shows(form_->CanvasImage(), 20, 500, TextAlone("10.0", 10, clNavy, clSilver)));
    // The last curve of the first run was the olive t*=1.0 snapshot, 2 pixels wide.
    EXPECT_EQ(PixelAt(200, 40), ToQColor(clOlive));
    int olive = 0;
    for (int y = 36; y <= 44; ++y) olive += PixelAt(200, y) == ToQColor(clOlive);
    EXPECT_EQ(olive, 2) << "outline width";
}
