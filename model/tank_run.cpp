#include "model/tank_run.h"

#include <memory>

#include "model/inlet_figures.h"
#include "model/profile_advance.h"
#include "model/supply_figures.h"

void RunTankModel(TTankParameters& params, TTankResults& results, const LineSink& figuresMemo,
                  const TRunNotifications& notifications)
{
    SetSnapshotInterval(params);
    const TStepSizes steps = ComputeInletFigures(params, results, figuresMemo);

    auto advance = std::make_unique<TProfileAdvance>(params, results, steps);
    advance->ResetProfiles();
    TSupplyWatch watch(params, results, notifications, steps.TimeStep);
    advance->RunTimeSteps(
        [&](std::int32_t step) { watch.AfterStep(step, advance->State().Theta()); });
    watch.FinishFigures(advance->State().Theta(), figuresMemo);
}
