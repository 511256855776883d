// Watching the profile after every step: five snapshots, the heat leaving through the outlet, the
// first passing of the supply limit, and the performance figures Qs, Eta1 and Eta2.
#pragma once

#include <cstdint>

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "model/tank_run.h"
#include "platform/line_sink.h"

// SnapshotInterval = TimeDivisions div 5.
void SetSnapshotInterval(TTankParameters& params);

// Mean θ of the tank nodes 1 to Nx (theta[i] is node i), summed in single precision.
float ProfileMean(const double* theta, std::int32_t tankDivisions);

class TSupplyWatch {
public:
    TSupplyWatch(const TTankParameters& params, TTankResults& results,
                 const TRunNotifications& notifications, float timeStep);

    // TakeSnapshot, AccumulateOutflow and CheckSupplyLimit, in that order, after step j.
    void AfterStep(std::int32_t step, const double* theta);
    // Eta2 from the final profile and the three figure lines.
    void FinishFigures(const double* theta, const LineSink& figuresMemo);

    void TakeSnapshot(std::int32_t step, const double* theta);
    void AccumulateOutflow(const double* theta);
    void CheckSupplyLimit(const double* theta);

    int SnapshotCount() const { return snapshotCount_; }

private:
    void StoreProfile(const double* theta, TStoredProfile& profile) const;

    const TTankParameters& params_;
    TTankResults& results_;
    const TRunNotifications& notifications_;
    float timeStep_;
    int snapshotCount_ = 0;
    bool limitPassed_ = false;
    double outflowIntegral_ = 0;
};
