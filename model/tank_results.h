// The outputs of a run. One instance lives for the whole process, zero at start, never reset:
// a value a run does not set keeps the value of the last run that set it.
#pragma once

#include <array>

constexpr int kMaxTankDivisions = 1000;
constexpr int kProfileEntries = kMaxTankDivisions + 1;
constexpr int kSnapshotRows = 5;

// Entry k holds node k + 1 of the model; entry TankDivisions holds the outlet mirror entry.
using TStoredProfile = std::array<float, kProfileEntries>;

struct TTankResults {
    float Ar_in = 0;       // inlet Archimedes number
    float K = 0;           // dimensionless diffusion figure
    float DepthRatio = 0;  // water depth in inlet sizes
    float LimitTheta = 0;  // supply limit as a dimensionless temperature
    float Qs = 0;          // heat brought in when the outlet first passed the limit
    float Eta1 = 0;        // stored fraction at that moment
    float Eta2 = 0;        // stored fraction at the end of the run
    std::array<TStoredProfile, kSnapshotRows> Snapshots{};
    TStoredProfile LimitProfile{};
    std::array<float, kProfileEntries> NodeHeights{};  // 1 − i/TankDivisions, for the chart
};
