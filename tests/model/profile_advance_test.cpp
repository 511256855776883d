#include "model/profile_advance.h"

#include <vector>

#include <gtest/gtest.h>

#include "tests/model/tank_examples.h"

namespace {

// A run set up from the figures directly, bypassing the inlet figures.
struct FigureRun {
    TTankParameters params;
    TTankResults results;
    TStepSizes steps;

    FigureRun(int inletType, float arIn, float k, float depthRatio, int tankDivisions,
              int timeDivisions)
    {
        params.InletType = inletType;
        params.TankDivisions = tankDivisions;
        params.TimeDivisions = timeDivisions;
        results.Ar_in = arIn;
        results.K = k;
        results.DepthRatio = depthRatio;
        steps.TimeStep = StoreSingle(1.0L / timeDivisions);
        steps.GridStep = StoreSingle(Extended(depthRatio) / tankDivisions);
    }

    TProfileAdvance Start() const
    {
        TProfileAdvance advance(params, results, steps);
        advance.ResetProfiles();
        return advance;
    }
};

}  // namespace

// Pipe inlet, Ar 1, K 1, depth ratio 10, 100 tank and 1000 time divisions, from a cold tank: the
// stencil reaches two nodes beyond the layer's edge.
TEST(AdvanceProfile, FirstStepChangesOnlyTwoNodesBeyondTheLayer)
{
    const FigureRun run(0, 1, 1, 10, 100, 1000);
    TProfileAdvance advance = run.Start();
    advance.AdvanceProfile(1);
    const double* theta = advance.State().Theta();
    const double m = advance.LastMixingLayer().ThetaMix;
    ASSERT_EQ(advance.LastMixingLayer().MixingNodes, 7);
    EXPECT_NEAR(m, 0.0141842, 5e-8);
    for (int i = 1; i <= 7; ++i) EXPECT_EQ(theta[i], m) << i;
    EXPECT_NEAR(theta[8], 0.0035460, 5e-8);
    EXPECT_NEAR(theta[9], -0.00035460, 5e-9);
    for (int i = 10; i <= 100; ++i) EXPECT_EQ(theta[i], 0.0) << i;
}

// Pipe inlet, Ar 100, K 1, depth ratio 100, 100 and 100 divisions: the layer spans no node, so
// every carried node is updated and node 0 is the edge node.
TEST(AdvanceProfile, LayerWithoutNodesUpdatesEveryNode)
{
    const FigureRun run(0, 100, 1, 100, 100, 100);
    TProfileAdvance advance = run.Start();
    advance.AdvanceProfile(1);
    const double* theta = advance.State().Theta();
    const double m = advance.LastMixingLayer().ThetaMix;
    ASSERT_EQ(advance.LastMixingLayer().MixingNodes, 0);
    EXPECT_NEAR(m, 0.6321206, 5e-8);
    EXPECT_EQ(theta[0], m);
    EXPECT_EQ(theta[-1], 2 * m);  // odd mirror against the cold node 1
    EXPECT_NEAR(theta[1], 0.4851525, 5e-8);
    EXPECT_NEAR(theta[2], -0.0798052, 5e-8);
}

// The pipe-inlet reference run (10 -> 40 °C, 100 tank and 1000 time divisions), followed step by step.
TEST(AdvanceProfile, ReferenceRunProfiles)
{
    TTankParameters params = PipeInletExample(30);
    TTankResults results;
    const TStepSizes steps = ComputeInletFigures(params, results, [](const std::string&) {});
    TProfileAdvance advance(params, results, steps);
    advance.ResetProfiles();
    const double* theta = advance.State().Theta();
    auto layer = [&] { return advance.LastMixingLayer(); };

    advance.AdvanceProfile(1);
    EXPECT_EQ(layer().MixingNodes, 14);
    EXPECT_NEAR(layer().ThetaMix, 0.00711741, 5e-9);
    EXPECT_NEAR(theta[15], 0.000564944, 5e-10);

    for (int step = 2; step <= 200; ++step) advance.AdvanceProfile(step);
    EXPECT_EQ(layer().MixingNodes, 22);
    EXPECT_NEAR(layer().ThetaMix, 0.663943, 5e-7);
    EXPECT_NEAR(theta[23], 0.648029, 5e-7);
    EXPECT_NEAR(theta[25], 0.593147, 5e-7);

    for (int step = 201; step <= 1000; ++step) advance.AdvanceProfile(step);
    EXPECT_EQ(layer().MixingNodes, 54);
    EXPECT_NEAR(layer().ThetaMix, 0.962854, 5e-7);
    EXPECT_NEAR(theta[75], 0.931512, 5e-7);
    // Near the outlet the scheme leaves values alternating from node to node.
    const double outletEnd[] = {0.9745, 0.5896, 0.9691, 0.5365, 0.9587, 0.4807};
    for (int i = 95; i <= 100; ++i) EXPECT_NEAR(theta[i], outletEnd[i - 95], 5e-5) << i;
    EXPECT_NEAR(theta[99], 0.958739, 5e-7);
    EXPECT_NEAR(theta[100], 0.480666, 5e-7);
}

// Pipe, Ar ≈ 1.16, depth ratio 1, 10 tank and 4 time divisions: the layer spans 7 spacings in
// step 1 and 8 = Nx − 2 in step 2.
TEST(AdvanceProfile, OutletMirrorIsWrittenBeforeTheEdgeNode)
{
    const FigureRun run(0, 1.1597633f, 1, 1, 10, 4);
    TProfileAdvance advance = run.Start();
    advance.AdvanceProfile(1);
    ASSERT_EQ(advance.LastMixingLayer().MixingNodes, 7);
    const double node8AfterStep1 = advance.State().Theta()[8];
    advance.AdvanceProfile(2);
    ASSERT_EQ(advance.LastMixingLayer().MixingNodes, 8);
    EXPECT_EQ(advance.State().Theta()[12], node8AfterStep1);
    EXPECT_NE(node8AfterStep1, advance.LastMixingLayer().ThetaMix);
}

TEST(AdvanceProfile, DeepestLayerFreezesTheOutlet)
{
    // Ar 1e-6 makes the layer reach Nx − 1 from step 1: the outlet is never updated.
    const FigureRun run(0, 1e-6f, 1, 10, 10, 100);
    TProfileAdvance advance = run.Start();
    for (int step = 1; step <= 100; ++step) {
        advance.AdvanceProfile(step);
        const double* theta = advance.State().Theta();
        ASSERT_EQ(advance.LastMixingLayer().MixingNodes, 9);
        EXPECT_EQ(theta[9], advance.LastMixingLayer().ThetaMix);
        EXPECT_EQ(theta[10], 0.0);
    }
}

TEST(AdvanceProfile, SingleSpacingTankNeverUpdates)
{
    const FigureRun run(0, 1, 1, 10, 1, 50);
    TProfileAdvance advance = run.Start();
    int steps = 0;
    advance.RunTimeSteps([&](std::int32_t) {
        ++steps;
        EXPECT_EQ(advance.State().Theta()[1], 0.0);
    });
    EXPECT_EQ(steps, 50);
}

TEST(RunTimeSteps, CallsTheAfterStepOperationInOrder)
{
    const FigureRun run(0, 1, 1, 10, 100, 7);
    TProfileAdvance advance = run.Start();
    std::vector<int> seen;
    advance.RunTimeSteps([&](std::int32_t step) { seen.push_back(step); });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));

    FigureRun negative(0, 1, 1, 10, 100, 7);
    negative.params.TimeDivisions = -3;
    TProfileAdvance none = negative.Start();
    none.RunTimeSteps([&](std::int32_t) { ADD_FAILURE() << "a negative count runs no step"; });
}

// Pipe, Ar 0.1, K 20, depth ratio 100, 1000 tank and 300 time divisions: far too few steps for
// the grid, so the profile oscillates until a term leaves the single range.
TEST(AdvanceProfile, UnstableRunOverflowsInStep35)
{
    const FigureRun run(0, 0.1f, 20, 100, 1000, 300);
    TProfileAdvance advance = run.Start();
    int step = 1;
    try {
        for (; step <= 300; ++step) advance.AdvanceProfile(step);
        FAIL() << "the run stayed in range";
    } catch (const EOverflow&) {
        EXPECT_EQ(step, 35);
    }
}

