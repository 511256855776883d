#include "model/profile_advance.h"

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
    stencil_.DiffusionCoefficient = Divide(K_, (12.0L * dz) * dz);
    stencil_.AdvectionCoefficient = Divide(depthRatio_, 12.0L * dz);
    stencil_.TimeStep = steps_.TimeStep;
    coefficientsReady_ = true;
}

void TProfileAdvance::UpdateBeyondEdge(std::int32_t edgeNode)
{
    if (!coefficientsReady_) ComputeStencilCoefficients();
    const std::int32_t first = edgeNode + 1;
    const std::int32_t last = tankDivisions_;
    UpdateNodeRange(stencil_, state_, first, last);
    if (!IsRangeFinite(state_, first, last)) throw EOverflow();
}
