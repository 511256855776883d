// The temperature chart: θ across, height in the tank up, in the fixed box x 20..400, y 40..500
// of the window's client area, drawn through a TCanvas while the model steps.
#pragma once

#include "chart/plot_mapping.h"
#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "platform/canvas.h"

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
