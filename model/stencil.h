// The advection–diffusion update of a range of nodes, the time loop's inner loop.
#pragma once

#include <cstdint>

#include "model/profile_state.h"
#include "platform/checked_math.h"

struct TStencil {
    Extended DiffusionCoefficient = 0;  // K/(12·dz²)
    Extended AdvectionCoefficient = 0;  // DepthRatio/(12·dz)
    float TimeStep = 0;
};

// Updates nodes first to last (inclusive) into ThetaNext, DiffusionPrev and AdvectionPrev, from
// Theta alone: ranges can be updated in any order or at the same time. Stores unchecked; see
// IsRangeFinite.
void UpdateNodeRange(const TStencil& stencil, TProfileState& state, std::int32_t first,
                     std::int32_t last);

// Whether every value the range stored is finite, i.e. no store overflowed.
bool IsRangeFinite(const TProfileState& state, std::int32_t first, std::int32_t last);
