#include "model/stencil.h"

#include <cmath>
#include <limits>

// The unchecked stores rely on IEEE conversion: a value beyond the range becomes infinity.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559);

// For every node i, from the profile at the start of the step:
//   D = K/(12dz²) · (−θ[i−2] + 16θ[i−1] − 30θ[i] + 16θ[i+1] − θ[i+2])
//   A = DepthRatio/(12dz) · (θ[i−2] − 8θ[i−1] + 8θ[i+1] − θ[i+2])
//   θ'[i] = ((D − A)·1.5 − (D_prev − A_prev)·0.5)·dt + θ[i]
// D and A are rounded to single before they are combined: that rounding is part of the scheme.
// A double times 8, 16 or 30 is exact in extended precision, so 16θ is formed as 8θ + 8θ.
//
// Overflow is the only fault this loop can meet: every operand is finite and no sum comes near
// the extended range, so a store overflowed exactly when the stored value is not finite. The
// loop stores unchecked and the caller checks the stored values before the step ends; nothing
// outside the step's arrays sees them in between, so the run ends in the same step with the same
// error, three branches per node cheaper.
void UpdateNodeRange(const TStencil& stencil, TProfileState& state, std::int32_t first,
                     std::int32_t last)
{
    const Extended cD = stencil.DiffusionCoefficient;
    const Extended cA = stencil.AdvectionCoefficient;
    // Read as a single from memory in every node: otherwise it is widened once and reloaded as an
    // 80-bit value, which costs the x87 unit more than the 32-bit load.
    volatile const float dt = stencil.TimeStep;
    const double* theta = state.Theta();
    double* next = state.ThetaNext.data();
    float* diffusionPrev = state.DiffusionPrev.data();
    float* advectionPrev = state.AdvectionPrev.data();

    for (std::int32_t i = first; i <= last; ++i) {
        // The previous step's share first: it does not wait for this step's terms.
        const Extended previous = (Extended(diffusionPrev[i]) - advectionPrev[i]) * 0.5L;
        const Extended t2m = theta[i - 2], t0 = theta[i], t2p = theta[i + 2];
        const Extended t1m8 = 8.0L * theta[i - 1], t1p8 = 8.0L * theta[i + 1];
        const float diffusion =
            static_cast<float>(cD * ((((-t2m + (t1m8 + t1m8)) - 30.0L * t0) + (t1p8 + t1p8)) - t2p));
        const float advection = static_cast<float>(cA * (((t2m - t1m8) + t1p8) - t2p));
        diffusionPrev[i] = diffusion;
        advectionPrev[i] = advection;
        next[i] = static_cast<double>(((Extended(diffusion) - advection) * 1.5L - previous) * dt + t0);
    }
}

bool IsRangeFinite(const TProfileState& state, std::int32_t first, std::int32_t last)
{
    bool finite = true;
    for (std::int32_t i = first; i <= last; ++i)
        finite &= std::isfinite(state.DiffusionPrev[i]) & std::isfinite(state.AdvectionPrev[i]) &
                  std::isfinite(state.ThetaNext[i]);
    return finite;
}
