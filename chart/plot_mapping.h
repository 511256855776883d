// The chart's coordinate mappings from dimensionless θ and height to pixels of the client area,
// and the orientation rule that picks the plain or the reversed pair.
#pragma once

#include <cstdint>

#include "files/tank_parameters.h"

// The product and sum in extended precision from the single-precision argument, cut toward
// zero. NaN or a value beyond the 64-bit range throws EInvalidOp; a value within 64 bits but
// beyond the 32-bit range is clamped to it.
std::int32_t PlotX(float theta);          // trunc(v × 380 + 20)
std::int32_t PlotXReversed(float theta);  // trunc(400 − v × 380)
std::int32_t PlotY(float height);         // trunc(500 − v × 460)
std::int32_t PlotYReversed(float height); // trunc(v × 460 + 40)

// Charging with colder (or equally warm) water draws the inlet end at the bottom.
bool IsChartReversed(const TTankParameters& params);
