// The water column beyond the mixing layer, stepped by ∂θ/∂t = K ∂²θ/∂z² − DepthRatio ∂θ/∂z with
// fourth-order central differences in z and a two-step Adams–Bashforth step in t.
#pragma once

#include <cstdint>
#include <functional>

#include "files/tank_parameters.h"
#include "model/inlet_figures.h"
#include "model/mixing_layer.h"
#include "model/profile_state.h"
#include "model/stencil.h"
#include "model/tank_results.h"
#include "platform/checked_math.h"

class TProfileAdvance {
public:
    // Expects 1 <= TankDivisions <= 1000.
    TProfileAdvance(const TTankParameters& params, const TTankResults& results, TStepSizes steps);

    void ResetProfiles();
    // One time step: the mixing layer, the update beyond its edge node, the fill, the copy.
    void AdvanceProfile(std::int32_t step);
    // Steps 1 to TimeDivisions, each followed by `afterStep(step)`, which may read State().
    void RunTimeSteps(const std::function<void(std::int32_t step)>& afterStep);

    const TProfileState& State() const { return state_; }
    const TMixingLayer& LastMixingLayer() const { return layer_; }

private:
    void SetBoundaryEntries(std::int32_t edgeNode, double thetaMix);
    void UpdateBeyondEdge(std::int32_t edgeNode);
    void ComputeStencilCoefficients();

    TProfileState state_;
    TMixingInputs mixing_;
    TMixingLayer layer_;
    std::int32_t tankDivisions_;
    std::int32_t timeDivisions_;
    float K_;
    float depthRatio_;
    TStepSizes steps_;
    // The coefficients are worked out in the first step that updates, where the per-node formula
    // would first divide by them.
    TStencil stencil_;
    bool coefficientsReady_ = false;
};
