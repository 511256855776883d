#include "chart/temperature_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "tests/chart/recording_canvas.h"

namespace {

struct Spot {
    int x, y;
    bool operator==(const Spot&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Spot& spot)
{
    return out << "(" << spot.x << ", " << spot.y << ")";
}

Spot At(const TCanvasCall& call) { return {call.x1, call.y1}; }

// A stale value that no run of the chart computes, to see what a run left alone.
constexpr float kUntouched = -7.5f;

class TemperatureChart : public testing::Test {
protected:
    TRecordingCanvas canvas;
    TTankParameters params;
    TTankResults results;
    TTemperatureChart chart{canvas, params, results};

    void Charge(float initial, float inlet, int divisions)
    {
        params.InitialTemp = initial;
        params.InletTemp = inlet;
        params.TankDivisions = divisions;
        params.WaterDepth = 5;
    }

    // The run's order: frame, heights, then the curves as the model steps.
    void StartRun()
    {
        chart.DrawChartFrame();
        chart.FillNodeHeights();
        canvas.calls.clear();
    }
};

struct FrameCase {
    const char* name;
    float initial, inlet;
    const char* left;   // the lower temperature, at (20, 500)
    const char* right;  // the higher one, at (370, 500)
};

// Orientation examples: 10 -> 50 plain, 50 -> 10 reversed, 20 and 20 reversed with equal texts.
const FrameCase kFrameCases[] = {
    {"warmer_inlet_plain", 10, 50, "10.0", "50.0"},
    {"colder_inlet_reversed", 50, 10, "10.0", "50.0"},
    {"equal_temperatures_reversed", 20, 20, "20.0", "20.0"},
};

class ChartFrame : public TemperatureChart, public testing::WithParamInterface<FrameCase> {};

TEST_P(ChartFrame, DrawsTextsThenTheBoxThenTurnsTheFontNavy)
{
    const FrameCase& c = GetParam();
    Charge(c.initial, c.inlet, 100);
    chart.DrawChartFrame();

    struct Text {
        Spot at;
        std::string text;
    };
    // A 5 m depth shows as 5.00 at the top of the height axis.
    const std::vector<Text> texts = {{{6, 8}, "高さ[m]"},   {{8, 23}, "5.00"},
                                     {{8, 485}, "0"},       {{280, 500}, "温度[℃]"},
                                     {{20, 500}, c.left},   {{370, 500}, c.right}};
    ASSERT_EQ(canvas.calls.size(), texts.size() + 1);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const TCanvasCall& call = canvas.calls[i];
        ASSERT_EQ(call.kind, TCanvasCall::Text) << i;
        EXPECT_EQ(At(call), texts[i].at) << i;
        EXPECT_EQ(call.text, texts[i].text) << i;
        // Half-width MS, a space, full-width katakana; 10 points on silver, still the
        // window's text colour at the first run.
        EXPECT_EQ(call.font.Name, "MS ゴシック");
        EXPECT_EQ(call.font.Size, 10);
        EXPECT_EQ(call.font.Color, clWindowText);
        EXPECT_EQ(call.brush.Color, clSilver);
    }
    const TCanvasCall& box = canvas.calls.back();
    ASSERT_EQ(box.kind, TCanvasCall::Box);
    // Always through the plain mappings: (PlotX 0, PlotY 0) and (PlotX 1, PlotY 1).
    EXPECT_EQ((std::vector<int>{box.x1, box.y1, box.x2, box.y2}),
              (std::vector<int>{20, 500, 400, 40}));
    EXPECT_EQ(box.brush.Color, clAqua);
    EXPECT_EQ(box.pen.Color, clBlack);
    EXPECT_EQ(box.pen.Width, 1);

    EXPECT_EQ(canvas.Font.Color, clNavy);
    EXPECT_EQ(canvas.Brush.Color, clAqua);
}

INSTANTIATE_TEST_SUITE_P(Orientations, ChartFrame, testing::ValuesIn(kFrameCases),
                         [](const testing::TestParamInfo<FrameCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(TemperatureChart, SecondRunFrameCarriesTheLastCurvesPenAndNavyText)
{
    Charge(10, 50, 5);
    StartRun();
    chart.DrawSnapshotCurve(0);
    chart.DrawTimeLabels();
    chart.DrawLimitCurve();
    canvas.calls.clear();

    chart.DrawChartFrame();
    const std::vector<TCanvasCall> texts = canvas.Of(TCanvasCall::Text);
    ASSERT_EQ(texts.size(), 6u);
    for (const TCanvasCall& text : texts) {
        EXPECT_EQ(text.font.Color, clNavy);
        EXPECT_EQ(text.font.Size, 10) << "the labels' 8 points are reset by the frame";
    }
    const std::vector<TCanvasCall> boxes = canvas.Of(TCanvasCall::Box);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].pen.Color, clLime);
    EXPECT_EQ(boxes[0].pen.Width, 2);
}

TEST_F(TemperatureChart, NodeHeightsRunFromOneAtTheInletToZeroAtTheOutlet)
{
    struct Case {
        int divisions;
        std::vector<float> heights;
    };
    // 4 divisions: exact quarters; 3: the single-precision values nearest 2/3 and 1/3.
    const Case cases[] = {
        {4, {1.0f, 0.75f, 0.5f, 0.25f, 0.0f}},
        {3, {1.0f, 0x1.555556p-1f, 0x1.555556p-2f, 0.0f}},
        {1, {1.0f, 0.0f}},
    };
    for (const Case& c : cases) {
        results.NodeHeights.fill(kUntouched);
        params.TankDivisions = c.divisions;
        chart.FillNodeHeights();
        for (std::size_t i = 0; i < c.heights.size(); ++i)
            EXPECT_EQ(results.NodeHeights[i], c.heights[i]) << c.divisions << " entry " << i;
        EXPECT_EQ(results.NodeHeights[c.heights.size()], kUntouched) << c.divisions;
    }
}

TEST_F(TemperatureChart, NodeHeightsOfMultiplesOfFiveHitTheLabelHeights)
{
    // The label rows of 100 divisions hold the single-precision 0.8, 0.6, 0.4, 0.2 and 0.
    params.TankDivisions = 100;
    chart.FillNodeHeights();
    EXPECT_EQ(results.NodeHeights[20], 0.8f);
    EXPECT_EQ(results.NodeHeights[40], 0.6f);
    EXPECT_EQ(results.NodeHeights[60], 0.4f);
    EXPECT_EQ(results.NodeHeights[80], 0.2f);
    EXPECT_EQ(results.NodeHeights[100], 0.0f);
}

TEST_F(TemperatureChart, NoDivisionsIsAnInvalidOperation)
{
    // 0 divisions: the first height is 0/0.
    results.NodeHeights.fill(kUntouched);
    params.TankDivisions = 0;
    EXPECT_THROW(chart.FillNodeHeights(), EInvalidOp);
    EXPECT_EQ(results.NodeHeights[0], kUntouched);
}

TEST_F(TemperatureChart, NegativeDivisionsWriteNoHeights)
{
    results.NodeHeights.fill(kUntouched);
    params.TankDivisions = -3;
    chart.FillNodeHeights();
    for (float height : results.NodeHeights) ASSERT_EQ(height, kUntouched);
}

struct CurveCase {
    const char* name;
    float initial, inlet;
    std::vector<Spot> points;
};

// A linear profile θ = 0, .25, .5, .75, 1 over 4 divisions, worked out from the four mappings:
// x 20 + 380θ (or 400 − 380θ), y 500 − 460h (or 40 + 460h).
const CurveCase kCurveCases[] = {
    {"plain", 10, 50, {{20, 40}, {115, 155}, {210, 270}, {305, 385}, {400, 500}}},
    {"reversed", 50, 10, {{400, 500}, {305, 385}, {210, 270}, {115, 155}, {20, 40}}},
};

class ProfileCurve : public TemperatureChart, public testing::WithParamInterface<CurveCase> {};

TEST_P(ProfileCurve, SnapshotRowIsDrawnSegmentBySegmentInOlive)
{
    const CurveCase& c = GetParam();
    Charge(c.initial, c.inlet, 4);
    StartRun();
    results.Snapshots[2] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    chart.DrawSnapshotCurve(2);

    ASSERT_EQ(canvas.calls.size(), 8u);
    for (std::size_t i = 1; i < c.points.size(); ++i) {
        const TCanvasCall& move = canvas.calls[2 * (i - 1)];
        const TCanvasCall& line = canvas.calls[2 * (i - 1) + 1];
        EXPECT_EQ(move.kind, TCanvasCall::Move);
        EXPECT_EQ(At(move), c.points[i - 1]) << "segment " << i;
        EXPECT_EQ(line.kind, TCanvasCall::Line);
        EXPECT_EQ(At(line), c.points[i]) << "segment " << i;
        EXPECT_EQ(line.pen.Color, clOlive);
        EXPECT_EQ(line.pen.Width, 2);
    }
}

TEST_P(ProfileCurve, LimitProfileIsDrawnInLime)
{
    const CurveCase& c = GetParam();
    Charge(c.initial, c.inlet, 4);
    StartRun();
    results.LimitProfile = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f};
    chart.DrawLimitCurve();

    const std::vector<TCanvasCall> lines = canvas.Of(TCanvasCall::Line);
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(At(lines[i]), c.points[i + 1]);
        EXPECT_EQ(lines[i].pen.Color, clLime);
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, ProfileCurve, testing::ValuesIn(kCurveCases),
                         [](const testing::TestParamInfo<CurveCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(TemperatureChart, HundredDivisionsDrawHundredSegments)
{
    Charge(10, 50, 100);
    StartRun();
    chart.DrawSnapshotCurve(0);
    EXPECT_EQ(canvas.Of(TCanvasCall::Move).size(), 100u);
    EXPECT_EQ(canvas.Of(TCanvasCall::Line).size(), 100u);
    // A cold tank: every point at θ 0, from the top of the box down to its bottom.
    EXPECT_EQ(At(canvas.calls.front()), (Spot{20, 40}));
    EXPECT_EQ(At(canvas.calls.back()), (Spot{20, 500}));
}

TEST_F(TemperatureChart, LimitCurvePenWidthIsWhateverTheLastCurveLeft)
{
    Charge(10, 50, 4);
    StartRun();
    // Limit passed before any snapshot of the process: the initial 1-pixel pen.
    chart.DrawLimitCurve();
    ASSERT_FALSE(canvas.Of(TCanvasCall::Line).empty());
    EXPECT_EQ(canvas.Of(TCanvasCall::Line).front().pen.Width, 1);

    chart.DrawSnapshotCurve(0);
    canvas.calls.clear();
    // A later run: the snapshot curve left the pen 2 wide.
    StartRun();
    chart.DrawLimitCurve();
    ASSERT_FALSE(canvas.Of(TCanvasCall::Line).empty());
    EXPECT_EQ(canvas.Of(TCanvasCall::Line).front().pen.Color, clLime);
    EXPECT_EQ(canvas.Of(TCanvasCall::Line).front().pen.Width, 2);
}

struct LabelCase {
    const char* name;
    int divisions;
    float initial, inlet;
    std::vector<Spot> spots;
};

// Label places of the time-label table (100 divisions), the 12-division rows 2 to 10, and the
// single place that 1 to 4 divisions give every label.
const LabelCase kLabelCases[] = {
    {"hundred_plain", 100, 10, 50, {{250, 111}, {250, 203}, {250, 295}, {250, 387}, {250, 480}}},
    {"hundred_reversed", 100, 50, 10, {{130, 418}, {130, 326}, {130, 234}, {130, 142}, {130, 50}}},
    {"twelve_plain", 12, 10, 50, {{250, 96}, {250, 173}, {250, 250}, {250, 326}, {250, 403}}},
    {"twelve_reversed", 12, 50, 10, {{130, 433}, {130, 356}, {130, 280}, {130, 203}, {130, 126}}},
    {"three_plain", 3, 10, 50, {{250, 20}, {250, 20}, {250, 20}, {250, 20}, {250, 20}}},
    {"three_reversed", 3, 50, 10, {{130, 510}, {130, 510}, {130, 510}, {130, 510}, {130, 510}}},
};

class TimeLabels : public TemperatureChart, public testing::WithParamInterface<LabelCase> {};

TEST_P(TimeLabels, FiveLabelsAtTheirRows)
{
    const LabelCase& c = GetParam();
    Charge(c.initial, c.inlet, c.divisions);
    StartRun();
    chart.DrawTimeLabels();

    const std::vector<std::string> texts = {"t*=0.2", "t*=0.4", "t*=0.6", "t*=0.8", "t*=1.0"};
    ASSERT_EQ(canvas.calls.size(), 5u);
    for (std::size_t k = 0; k < 5; ++k) {
        const TCanvasCall& call = canvas.calls[k];
        ASSERT_EQ(call.kind, TCanvasCall::Text);
        EXPECT_EQ(At(call), c.spots[k]) << texts[k];
        EXPECT_EQ(call.text, texts[k]);
        // Navy on aqua from the frame, 8 points.
        EXPECT_EQ(call.font.Size, 8);
        EXPECT_EQ(call.font.Color, clNavy);
        EXPECT_EQ(call.brush.Color, clAqua);
    }
}

INSTANTIATE_TEST_SUITE_P(Divisions, TimeLabels, testing::ValuesIn(kLabelCases),
                         [](const testing::TestParamInfo<LabelCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(TemperatureChart, LimitLabelBesideTheLimitTheta)
{
    struct Case {
        float limitTheta, initial, inlet;
        Spot spot;
    };
    // LimitTheta 0.3 reversed stands at (245, 53), not 246; 0.5 at x 220 plain, 170 reversed;
    // rows 476 plain (single 0.05) and 53 reversed (single 0.03).
    const Case cases[] = {
        {0.3f, 50, 10, {245, 53}},
        {0.3f, 10, 50, {144, 476}},
        {0.5f, 10, 50, {220, 476}},
        {0.5f, 50, 10, {170, 53}},
    };
    for (const Case& c : cases) {
        Charge(c.initial, c.inlet, 100);
        StartRun();
        results.LimitTheta = c.limitTheta;
        results.Qs = 0.8534f;  // shows as t*=0.853
        chart.DrawLimitLabel();
        ASSERT_EQ(canvas.calls.size(), 1u);
        EXPECT_EQ(At(canvas.calls[0]), c.spot) << c.limitTheta << " from " << c.initial;
        EXPECT_EQ(canvas.calls[0].text, "t*=0.853");
        EXPECT_EQ(canvas.calls[0].font.Size, 8);
    }
}

TEST_F(TemperatureChart, DivergedLimitThetaEndsInTheMapping)
{
    Charge(10, 50, 100);
    StartRun();
    results.LimitTheta = 1e30f;
    EXPECT_THROW(chart.DrawLimitLabel(), EInvalidOp);
    EXPECT_TRUE(canvas.Of(TCanvasCall::Text).empty());
}

TEST_F(TemperatureChart, RowsOutsideTheArraysDrawNothing)
{
    Charge(10, 50, 100);
    StartRun();
    // A snapshot step beyond the five stored rows.
    chart.DrawSnapshotCurve(5);
    chart.DrawSnapshotCurve(-1);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_EQ(canvas.Pen.Color, clBlack);

    // Without tank nodes the label rows fall below entry 0: −10 divisions gives rows −2k.
    params.TankDivisions = -10;
    chart.DrawTimeLabels();
    EXPECT_TRUE(canvas.Of(TCanvasCall::Text).empty());
    // −3 divisions: every row is 0, the height a run last left in entry 0.
    params.TankDivisions = -3;
    chart.DrawTimeLabels();
    EXPECT_EQ(canvas.Of(TCanvasCall::Text).size(), 5u);
}

}  // namespace
