// The temperature chart: θ across, height in the tank up, in the fixed box x 20..400, y 40..500
// of the window's client area, drawn through a TCanvas while the model steps.
#pragma once

#include <cstdint>

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "platform/canvas.h"

// The coordinate mappings: the product and sum in extended precision from the single-precision
// argument, cut toward zero. NaN or a value beyond the 64-bit range throws EInvalidOp; a value
// within 64 bits but beyond the 32-bit range is clamped to it.
std::int32_t PlotX(float theta);          // trunc(v × 380 + 20)
std::int32_t PlotXReversed(float theta);  // trunc(400 − v × 380)
std::int32_t PlotY(float height);         // trunc(500 − v × 460)
std::int32_t PlotYReversed(float height); // trunc(v × 460 + 40)

// Charging with colder (or equally warm) water draws the inlet end at the bottom.
bool IsChartReversed(const TTankParameters& params);

class TTemperatureChart {
public:
    TTemperatureChart(TCanvas& canvas, const TTankParameters& params, TTankResults& results);

    void DrawChartFrame();
    void FillNodeHeights();  // writes results.NodeHeights[0..TankDivisions]

    void DrawSnapshotCurve(int row);
    void DrawTimeLabels();
    void DrawLimitCurve();
    void DrawLimitLabel();

private:
    void DrawProfileCurve(const TStoredProfile& profile);

    TCanvas& canvas_;
    const TTankParameters& params_;
    TTankResults& results_;
};
