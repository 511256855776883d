// The fully mixed layer that the incoming water stirs up next to the inlet.
#pragma once

#include <cstdint>

// The layer of one time step, worked out afresh at the start of every step.
struct TMixingLayer {
    float MixingDepth = 0;      // fraction of the water depth, fitted to the node grid
    std::int32_t MixingNodes = 0;  // N: grid spacings the layer spans; node N is its edge node
    double MixingMean = 0;      // mean of the current profile over nodes 2 to N
    double ThetaMix = 0;        // temperature of the layer at the end of the step
};

// What the layer depends on besides the step number and the profile; fixed for a run.
struct TMixingInputs {
    std::int32_t InletType = 0;      // 0 pipe, otherwise slot/weir
    std::int32_t TankDivisions = 0;  // Nx, at least 1
    float Ar_in = 0;
    float DepthRatio = 0;
    float TimeStep = 0;
};

// Layer of step j (1-based) over the profile `theta` (theta[i] is node i; nodes 2 to N are read).
// Throws EInvalidOp when the layer spans exactly one spacing or Ar_in gives no finite depth, and
// EZeroDivide for a zero DepthRatio.
TMixingLayer UpdateMixingLayer(const TMixingInputs& inputs, std::int32_t step, const double* theta);
