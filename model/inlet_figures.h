#pragma once

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "platform/line_sink.h"

// The run's steps in dimensionless time and in inlet sizes.
struct TStepSizes {
    float TimeStep = 0;  // dt = 1 / TimeDivisions
    float GridStep = 0;  // dz = DepthRatio / TankDivisions
};

// Turns the physical inputs into the figures the model works with: stores Ar_in, K, DepthRatio
// and LimitTheta in `results` one after the other (a fault leaves the later ones as they were),
// appends their lines to the figures memo and returns the step sizes.
TStepSizes ComputeInletFigures(const TTankParameters& params, TTankResults& results,
                               const LineSink& figuresMemo);
