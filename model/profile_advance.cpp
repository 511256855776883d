#include "model/profile_advance.h"

#include <cmath>

#include "platform/checked_math.h"

TProfileAdvance::TProfileAdvance(const TTankParameters& params, const TTankResults& results,
                                 TStepSizes steps)
    : tankDivisions_(params.TankDivisions),
      timeDivisions_(params.TimeDivisions),
      K_(results.K),
      depthRatio_(results.DepthRatio),
      steps_(steps)
{
    mixing_.InletType = params.InletType;
    mixing_.TankDivisions = params.TankDivisions;
    mixing_.Ar_in = results.Ar_in;
    mixing_.DepthRatio = results.DepthRatio;
    mixing_.TimeStep = steps.TimeStep;
}

void TProfileAdvance::ResetProfiles()
{
    state_ = TProfileState{};
    coefficientsReady_ = false;
}

void TProfileAdvance::RunTimeSteps(const std::function<void(std::int32_t step)>& afterStep)
{
    // A 64-bit counter lets the loop end after step TimeDivisions even for the largest int32.
    for (std::int64_t step = 1; step <= timeDivisions_; ++step) {
        AdvanceProfile(static_cast<std::int32_t>(step));
        if (afterStep) afterStep(static_cast<std::int32_t>(step));
    }
}

void TProfileAdvance::AdvanceProfile(std::int32_t step)
{
    layer_ = UpdateMixingLayer(mixing_, step, state_.Theta());
    const std::int32_t edgeNode = layer_.MixingNodes;
    const std::int32_t nx = tankDivisions_;

    // Once the layer reaches Nx − 1 nothing lies beyond it but the outlet node, which then keeps
    // its last value; the previous terms are left alone.
    if (edgeNode < nx - 1) {
        SetBoundaryEntries(edgeNode, layer_.ThetaMix);
        UpdateBeyondEdge(edgeNode);
    }
    for (std::int32_t i = 1; i <= edgeNode; ++i) state_.ThetaNext[i] = layer_.ThetaMix;

    double* theta = state_.Theta();
    for (std::int32_t i = 1; i <= nx; ++i) theta[i] = state_.ThetaNext[i];
}

void TProfileAdvance::SetBoundaryEntries(std::int32_t edgeNode, double thetaMix)
{
    double* theta = state_.Theta();
    const std::int32_t nx = tankDivisions_;
    // Even mirror about the outlet node: zero gradient at the outlet end. Written before the edge
    // node, so with N = Nx − 2 the mirror keeps the older value of that node.
    theta[nx + 1] = theta[nx - 1];
    theta[nx + 2] = theta[nx - 2];
    // The edge node holds the layer's temperature; the odd mirror about it fixes that value.
    theta[edgeNode] = thetaMix;
    theta[edgeNode - 1] = StoreDouble(2.0L * thetaMix - Extended(theta[edgeNode + 1]));
}

void TProfileAdvance::ComputeStencilCoefficients()
{
    const Extended dz = steps_.GridStep;
    diffusionCoefficient_ = Divide(K_, (12.0L * dz) * dz);
    advectionCoefficient_ = Divide(depthRatio_, 12.0L * dz);
    coefficientsReady_ = true;
}

// For every node beyond the edge node, from the profile at the start of the step:
//   D = K/(12dz²) · (−θ[i−2] + 16θ[i−1] − 30θ[i] + 16θ[i+1] − θ[i+2])
//   A = DepthRatio/(12dz) · (θ[i−2] − 8θ[i−1] + 8θ[i+1] − θ[i+2])
//   θ'[i] = ((D − A)·1.5 − (D_prev − A_prev)·0.5)·dt + θ[i]
// D and A are rounded to single before they are combined: that rounding is part of the scheme.
// A double times 8, 16 or 30 is exact in extended precision, so 16θ is formed as 8θ + 8θ.
//
// Overflow is the only fault the loop can meet: every operand is finite and no sum comes near the
// extended range, so a store overflowed exactly when a stored value is not finite. The loop stores
// unchecked and the stored values are checked before the step ends; nothing outside the step's
// arrays sees them in between, so the run ends in the same step with the same error, three
// branches per node cheaper.
void TProfileAdvance::UpdateBeyondEdge(std::int32_t edgeNode)
{
    if (!coefficientsReady_) ComputeStencilCoefficients();
    const Extended cD = diffusionCoefficient_;
    const Extended cA = advectionCoefficient_;
    // Read as a single from memory in every node: otherwise it is widened once and reloaded as an
    // 80-bit value, which costs the x87 unit more than the 32-bit load.
    volatile const float dt = steps_.TimeStep;
    const double* theta = state_.Theta();
    double* next = state_.ThetaNext.data();
    float* diffusionPrev = state_.DiffusionPrev.data();
    float* advectionPrev = state_.AdvectionPrev.data();
    const std::int32_t first = edgeNode + 1;
    const std::int32_t last = tankDivisions_;

    for (std::int32_t i = first; i <= last; ++i) {
        const Extended t2m = theta[i - 2], t0 = theta[i], t2p = theta[i + 2];
        const Extended t1m8 = 8.0L * theta[i - 1], t1p8 = 8.0L * theta[i + 1];
        const float diffusion =
            static_cast<float>(cD * ((((-t2m + (t1m8 + t1m8)) - 30.0L * t0) + (t1p8 + t1p8)) - t2p));
        const float advection = static_cast<float>(cA * (((t2m - t1m8) + t1p8) - t2p));
        next[i] = static_cast<double>(((Extended(diffusion) - advection) * 1.5L -
                                       (Extended(diffusionPrev[i]) - advectionPrev[i]) * 0.5L) * dt +
                                      t0);
        diffusionPrev[i] = diffusion;
        advectionPrev[i] = advection;
    }

    bool finite = true;
    for (std::int32_t i = first; i <= last; ++i)
        finite &= std::isfinite(diffusionPrev[i]) & std::isfinite(advectionPrev[i]) & std::isfinite(next[i]);
    if (!finite) throw EOverflow();
}
