#include "chart/temperature_chart.h"

#include <algorithm>
#include <string>

#include "platform/checked_math.h"
#include "platform/conversions.h"

namespace {

// The run refuses more divisions than the arrays hold; the chart never reads or writes past
// them even if a caller skipped that check.
int LastNode(const TTankParameters& params)
{
    return std::min(params.TankDivisions, kMaxTankDivisions);
}

}  // namespace

TTemperatureChart::TTemperatureChart(TCanvas& canvas, const TTankParameters& params,
                                     TTankResults& results)
    : canvas_(canvas), params_(params), results_(results)
{
}

void TTemperatureChart::DrawChartFrame()
{
    canvas_.Font.Name = "MS ゴシック";
    canvas_.Font.Size = 10;
    canvas_.Brush.Color = clSilver;
    canvas_.TextOut(6, 8, "高さ[m]");
    canvas_.TextOut(8, 23, FloatToStrF(params_.WaterDepth, ffFixed, 6, 2));
    canvas_.TextOut(8, 485, "0");
    canvas_.TextOut(280, 500, "温度[℃]");

    // The colder water always stands at the left end of the θ axis.
    const bool reversed = IsChartReversed(params_);
    const float lower = reversed ? params_.InletTemp : params_.InitialTemp;
    const float higher = reversed ? params_.InitialTemp : params_.InletTemp;
    canvas_.TextOut(20, 500, FloatToStrF(lower, ffFixed, 4, 1));
    canvas_.TextOut(370, 500, FloatToStrF(higher, ffFixed, 4, 1));

    canvas_.Brush.Color = clAqua;
    // The reversed mappings span the same box, so the plain ones serve both orientations.
    canvas_.Rectangle(PlotX(0), PlotY(0), PlotX(1), PlotY(1));
    canvas_.Font.Color = clNavy;
}

void TTemperatureChart::FillNodeHeights()
{
    // 1 − i/N: exactly 1 at the inlet end, exactly 0 at the outlet; N = 0 is 0/0 at once.
    const int last = LastNode(params_);
    for (int i = 0; i <= last; ++i)
        results_.NodeHeights[i] = StoreSingle(1 - Divide(i, params_.TankDivisions));
}

void TTemperatureChart::DrawProfileCurve(const TStoredProfile& profile)
{
    const bool reversed = IsChartReversed(params_);
    const auto x = [&](int i) { return reversed ? PlotXReversed(profile[i]) : PlotX(profile[i]); };
    const auto y = [&](int i) {
        const float height = results_.NodeHeights[i];
        return reversed ? PlotYReversed(height) : PlotY(height);
    };

    // Each segment by its own move and line, as the curve has always been drawn.
    const int last = LastNode(params_);
    for (int i = 1; i <= last; ++i) {
        const int fromX = x(i - 1);
        const int fromY = y(i - 1);
        canvas_.MoveTo(fromX, fromY);
        const int toX = x(i);
        const int toY = y(i);
        canvas_.LineTo(toX, toY);
    }
}

void TTemperatureChart::DrawSnapshotCurve(int row)
{
    // Only the stored rows have a curve; a snapshot step past the fifth has nowhere to be kept.
    if (row < 0 || row >= kSnapshotRows) return;
    canvas_.Pen.Color = clOlive;
    canvas_.Pen.Width = 2;
    DrawProfileCurve(results_.Snapshots[row]);
}

void TTemperatureChart::DrawTimeLabels()
{
    canvas_.Font.Size = 8;
    const bool reversed = IsChartReversed(params_);
    const double step = 0.2;
    for (int k = 1; k <= 5; ++k) {
        const std::string text = "t*=" + FloatToStrF(k * Extended(step), ffFixed, 3, 1);
        const int row = IntDiv(params_.TankDivisions, 5) * k;
        // Without tank nodes the rows fall below the heights array: such a label has no place.
        if (row < 0 || row >= kProfileEntries) continue;
        const float height = results_.NodeHeights[row];
        if (reversed)
            canvas_.TextOut(PlotXReversed(0.5f) - 80, PlotYReversed(height) + 10, text);
        else
            canvas_.TextOut(PlotX(0.5f) + 40, PlotY(height) - 20, text);
    }
}

void TTemperatureChart::DrawLimitCurve()
{
    canvas_.Pen.Color = clLime;
    DrawProfileCurve(results_.LimitProfile);
}

void TTemperatureChart::DrawLimitLabel()
{
    canvas_.Font.Size = 8;
    const std::string text = "t*=" + FloatToStrF(results_.Qs, ffFixed, 5, 3);
    if (IsChartReversed(params_))
        canvas_.TextOut(PlotXReversed(results_.LimitTheta) - 40, PlotYReversed(0.03f), text);
    else
        canvas_.TextOut(PlotX(results_.LimitTheta) + 10, PlotY(0.05f), text);
}
