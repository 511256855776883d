// The working arrays of one run: the current profile, the profile being built, and each node's
// terms of the step before (the second Adams–Bashforth level).
#pragma once

#include <array>

#include "model/tank_results.h"

struct TProfileState {
    // Theta covers nodes −1 to 1002: node 0 and node −1 serve the odd mirror about the inlet-side
    // edge node, nodes Nx + 1 and Nx + 2 the even mirror about the outlet.
    static constexpr int kFirstNode = -1;
    static constexpr int kLastNode = kMaxTankDivisions + 2;

    std::array<double, kLastNode - kFirstNode + 1> thetaStorage{};
    std::array<double, kLastNode + 1> ThetaNext{};
    std::array<float, kProfileEntries> DiffusionPrev{};
    std::array<float, kProfileEntries> AdvectionPrev{};

    // Theta[i] is node i.
    double* Theta() { return thetaStorage.data() - kFirstNode; }
    const double* Theta() const { return thetaStorage.data() - kFirstNode; }
};
