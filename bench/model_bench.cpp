// Speed of the time loop, the product's hot path: a run costs TimeDivisions × TankDivisions node
// updates. Reports updated nodes per second (items_per_second).
#include <benchmark/benchmark.h>

#include "model/inlet_figures.h"
#include "model/profile_advance.h"
#include "model/tank_run.h"

namespace {

// Pipe inlet, 10 -> 40 °C, limit 20 °C, 3.6 m³/h, 10 m³, 2 m deep, 0.05 m pipe.
TTankParameters PipeRun(float diffusivity, int tankDivisions, int timeDivisions)
{
    TTankParameters p;
    p.InletType = 0;
    p.TankDivisions = tankDivisions;
    p.TimeDivisions = timeDivisions;
    p.InitialTemp = 10;
    p.InletTemp = 40;
    p.LimitTemp = 20;
    p.FlowRate = 3.6f;
    p.TankVolume = 10;
    p.WaterDepth = 2;
    p.InletSize = 0.05f;
    p.Diffusivity = diffusivity;
    return p;
}

// Nodes beyond the mixing layer summed over the run's steps: the updates the stencil makes.
std::int64_t UpdatedNodes(const TTankParameters& params)
{
    TTankResults results;
    const TStepSizes steps = ComputeInletFigures(params, results, [](const std::string&) {});
    TProfileAdvance advance(params, results, steps);
    advance.ResetProfiles();
    std::int64_t updated = 0;
    advance.RunTimeSteps([&](std::int32_t) {
        const std::int32_t edge = advance.LastMixingLayer().MixingNodes;
        if (edge < params.TankDivisions - 1) updated += params.TankDivisions - edge;
    });
    return updated;
}

void RunModel(benchmark::State& state, TTankParameters params)
{
    const std::int64_t updated = UpdatedNodes(params);
    for (auto _ : state) {
        TTankResults results;
        RunTankModel(params, results, [](const std::string&) {}, {});
        benchmark::DoNotOptimize(results.Eta2);
    }
    state.SetItemsProcessed(state.iterations() * updated);
}

// A stable long run: 1000 tank and 100000 time divisions.
void BM_LongStableRun(benchmark::State& state) { RunModel(state, PipeRun(0.0004f, 1000, 100000)); }
BENCHMARK(BM_LongStableRun)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference run: 100 tank and 1000 time divisions, diffusivity 0.00036.
void BM_ReferenceRun(benchmark::State& state) { RunModel(state, PipeRun(0.00036f, 100, 1000)); }
BENCHMARK(BM_ReferenceRun)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
