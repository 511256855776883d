#include "model/supply_figures.h"

#include "platform/checked_math.h"
#include "platform/conversions.h"

void SetSnapshotInterval(TTankParameters& params)
{
    params.SnapshotInterval = IntDiv(params.TimeDivisions, 5);
}

float ProfileMean(const double* theta, std::int32_t tankDivisions)
{
    // θ is measured from the initial tank water (0), so the sum is the stored heat.
    float sum = 0;
    for (std::int32_t i = 1; i <= tankDivisions; ++i)
        sum = StoreSingle((Extended(theta[i]) - 0) + sum);
    return StoreSingle(Divide(sum, tankDivisions));
}

TSupplyWatch::TSupplyWatch(const TTankParameters& params, TTankResults& results,
                           const TRunNotifications& notifications, float timeStep)
    : params_(params), results_(results), notifications_(notifications), timeStep_(timeStep)
{
}

void TSupplyWatch::AfterStep(std::int32_t step, const double* theta)
{
    TakeSnapshot(step, theta);
    AccumulateOutflow(theta);
    CheckSupplyLimit(theta);
}

// Entry k holds node k + 1; entry Nx holds the outlet mirror entry as the last update left it.
void TSupplyWatch::StoreProfile(const double* theta, TStoredProfile& profile) const
{
    for (std::int32_t k = 0; k <= params_.TankDivisions; ++k) profile[k] = StoreSingle(theta[k + 1]);
}

void TSupplyWatch::TakeSnapshot(std::int32_t step, const double* theta)
{
    // Fewer than five steps make the interval 0: then every step is a snapshot step. Beyond the
    // five rows further snapshot steps store and signal nothing.
    if (snapshotCount_ >= kSnapshotRows) return;
    const std::int32_t interval = params_.SnapshotInterval > 0 ? params_.SnapshotInterval : 1;
    if (IntMod(step, interval) != 0) return;

    StoreProfile(theta, results_.Snapshots[snapshotCount_]);
    if (notifications_.OnSnapshotTaken) notifications_.OnSnapshotTaken(snapshotCount_);
    ++snapshotCount_;
}

void TSupplyWatch::AccumulateOutflow(const double* theta)
{
    outflowIntegral_ = StoreDouble(Extended(theta[params_.TankDivisions]) * timeStep_ + outflowIntegral_);
}

void TSupplyWatch::CheckSupplyLimit(const double* theta)
{
    // Strictly above the limit, and only the first time.
    if (!(theta[params_.TankDivisions] > double(results_.LimitTheta)) || limitPassed_) return;

    StoreProfile(theta, results_.LimitProfile);
    if (notifications_.OnLimitProfileStored) notifications_.OnLimitProfileStored();
    limitPassed_ = true;

    // Dividing by 1, the θ span from initial to inlet water, keeps the figures in units of a full
    // charge. Qs adds the heat already discharged, this step's share included.
    const float mean = ProfileMean(theta, params_.TankDivisions);
    results_.Eta1 = StoreSingle(Extended(mean) / 1);
    results_.Qs = StoreSingle(Extended(mean) / 1 + outflowIntegral_);
    if (notifications_.OnLimitFiguresStored) notifications_.OnLimitFiguresStored();
}

void TSupplyWatch::FinishFigures(const double* theta, const LineSink& figuresMemo)
{
    results_.Eta2 = StoreSingle(Extended(ProfileMean(theta, params_.TankDivisions)) / 1);
    figuresMemo("Qs   : " + FloatToStrF(results_.Qs, ffFixed, 5, 3));
    figuresMemo("Eta1 : " + FloatToStrF(results_.Eta1, ffFixed, 5, 3));
    figuresMemo("Eta2 : " + FloatToStrF(results_.Eta2, ffFixed, 5, 3));
}
