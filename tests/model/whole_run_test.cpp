// Whole runs of the model, from the record to the memo lines, against the pipe-inlet reference
// run (10 -> 40 °C, 3.6 m³/h, 10 m³, 2 m deep, 0.05 m pipe, 100 tank and 1000 time divisions).
#include "model/tank_run.h"

#include "model/inlet_figures.h"
#include "model/profile_advance.h"
#include "model/supply_figures.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/checked_math.h"

#include "tests/model/bit_pattern.h"
#include "tests/model/tank_examples.h"

namespace {

struct ModelRun {
    TTankParameters params;
    TTankResults results;
    std::vector<std::string> memo;
    std::vector<std::string> events;

    void Go(const TTankParameters& p)
    {
        params = p;
        memo.clear();
        events.clear();
        TRunNotifications n;
        n.OnSnapshotTaken = [this](int row) { events.push_back("snapshot " + std::to_string(row)); };
        n.OnLimitProfileStored = [this] { events.push_back("limit profile"); };
        n.OnLimitFiguresStored = [this] { events.push_back("limit figures"); };
        RunTankModel(params, results, [this](const std::string& l) { memo.push_back(l); }, n);
    }
};

}  // namespace

// Limit 20 °C: the outlet first passes θ 0.33333334 in step 958 (0.33464, after 0.33090).
TEST(RunTankModel, ReferenceRunPassingTheLimit)
{
    ModelRun run;
    run.Go(PipeInletExample(20));
    EXPECT_EQ(run.params.SnapshotInterval, 200);
    EXPECT_NEAR(run.results.Eta1, 0.91420f, 5e-6);
    EXPECT_NEAR(run.results.Qs, 0.93016f, 5e-6);
    EXPECT_NEAR(run.results.Eta2, 0.92891f, 5e-6);
    EXPECT_EQ(run.memo, (std::vector<std::string>{"Ar_in: 0.014", "K    : 0.400", "  ↓  ",
                                                   "Qs   : 0.930", "Eta1 : 0.914", "Eta2 : 0.929"}));
    // The limit falls between the snapshots after steps 800 and 1000.
    EXPECT_EQ(run.events, (std::vector<std::string>{"snapshot 0", "snapshot 1", "snapshot 2",
                                                     "snapshot 3", "limit profile", "limit figures",
                                                     "snapshot 4"}));
    EXPECT_NEAR(run.results.LimitProfile[99], 0.33464f, 5e-6);  // the outlet node
    // The last snapshot and Eta2 describe the same profile.
    float sum = 0;
    for (int k = 0; k < 100; ++k) sum = StoreSingle(Extended(run.results.Snapshots[4][k]) + sum);
    EXPECT_NEAR(sum / 100, run.results.Eta2, 1e-6);
    EXPECT_NEAR(run.results.Snapshots[4][99], 0.480666f, 5e-7);

    // Every stored entry to the bit (entries 0 to 100 of the five rows and the limit profile),
    // as an independent, straightforward implementation of the model also stores them.
    std::uint64_t bits = BitPattern(run.results.LimitProfile.data(), 101);
    for (const TStoredProfile& row : run.results.Snapshots) bits = BitPattern(row.data(), 101, bits);
    EXPECT_EQ(bits, 0xc0144ccbe91c9680u) << std::hex << bits;
}

// The same run stepped by hand: the outlet first passes 0.33333334 in step 958.
TEST(RunTankModel, ReferenceRunPassesTheLimitInStep958)
{
    TTankParameters params = PipeInletExample(20);
    TTankResults results;
    SetSnapshotInterval(params);
    const TStepSizes steps = ComputeInletFigures(params, results, [](const std::string&) {});
    TProfileAdvance advance(params, results, steps);
    advance.ResetProfiles();
    int firedIn = 0;
    int step = 0;
    double outletBefore = 0;
    TRunNotifications notifications;
    notifications.OnLimitProfileStored = [&] { firedIn = step; };
    TSupplyWatch watch(params, results, notifications, steps.TimeStep);
    for (step = 1; step <= params.TimeDivisions && firedIn == 0; ++step) {
        outletBefore = advance.State().Theta()[100];
        advance.AdvanceProfile(step);
        watch.AfterStep(step, advance.State().Theta());
    }
    EXPECT_EQ(firedIn, 958);
    EXPECT_NEAR(outletBefore, 0.33090, 5e-6);
    EXPECT_NEAR(advance.State().Theta()[100], 0.33464, 5e-6);
}

// Limit 30 °C: the outlet (θ 0.48067 at the end) never reaches 0.66666669. A fresh record prints
// zeros for Qs and Eta1; a record that passed before keeps and prints those figures.
TEST(RunTankModel, ReferenceRunNeverPassingKeepsEarlierFigures)
{
    ModelRun run;
    run.Go(PipeInletExample(30));
    EXPECT_NEAR(run.results.Eta2, 0.92891f, 5e-6);
    EXPECT_EQ(run.memo[3], "Qs   : 0.000");
    EXPECT_EQ(run.memo[4], "Eta1 : 0.000");
    EXPECT_EQ(run.memo[5], "Eta2 : 0.929");
    EXPECT_EQ(run.events.size(), 5u);

    run.Go(PipeInletExample(20));
    const TStoredProfile limitProfile = run.results.LimitProfile;
    run.Go(PipeInletExample(30));
    EXPECT_EQ(run.memo[3], "Qs   : 0.930");
    EXPECT_EQ(run.memo[4], "Eta1 : 0.914");
    EXPECT_EQ(run.results.LimitProfile, limitProfile);
}

TEST(RunTankModel, NegativeTimeDivisionsTakeNoStep)
{
    ModelRun run;
    run.Go(PipeInletExample(20));
    TTankParameters p = PipeInletExample(20);
    p.TimeDivisions = -5;
    run.Go(p);
    EXPECT_EQ(run.results.Eta2, 0.0f);
    EXPECT_NEAR(run.results.Qs, 0.93016f, 5e-6);
    EXPECT_TRUE(run.events.empty());
}

// 3 and 5 °C have equal single densities: Ar_in 0 passes the figures but the layer of the first
// step has no finite depth.
TEST(RunTankModel, EqualDensitiesFaultInTheFirstStep)
{
    TTankParameters p = PipeInletExample(4);
    p.InitialTemp = 3;
    p.InletTemp = 5;
    ModelRun run;
    EXPECT_THROW(run.Go(p), EInvalidOp);
    EXPECT_EQ(run.memo.size(), 3u);
}

// 3 and 5 °C with zero water depth: the infinite base depth over the zero ratio stays infinite, and
// counting its nodes is the invalid operation, not a division by zero.
TEST(RunTankModel, EqualDensitiesAndZeroDepthFaultAsInvalid)
{
    TTankParameters p = PipeInletExample(4);
    p.InitialTemp = 3;
    p.InletTemp = 5;
    p.WaterDepth = 0;
    ModelRun run;
    EXPECT_THROW(run.Go(p), EInvalidOp);
}

// Zero water depth: the figures pass and the layer's base depth divides by the zero ratio.
TEST(RunTankModel, ZeroDepthFaultsInTheFirstStep)
{
    TTankParameters p = PipeInletExample(20);
    p.WaterDepth = 0;
    ModelRun run;
    EXPECT_THROW(run.Go(p), EZeroDivide);
    EXPECT_EQ(run.memo.size(), 3u);
}

// A 0.01 m pipe at 0.036 m³/h: a thin layer (Ar 0.045, 1.65 spacings) that spans exactly one
// spacing, where its mean has nothing to average.
TEST(RunTankModel, LayerOfOneSpacingFaults)
{
    TTankParameters p = PipeInletExample(20);
    p.InletSize = 0.01f;
    p.FlowRate = 0.036f;
    ModelRun run;
    EXPECT_THROW(run.Go(p), EInvalidOp);
}

// Water at θ 1 flowing in for t* 0.958 carries at most 0.958 of a full charge: the heat found in the
// tank and at the outlet by the limit's step cannot be more, and the scheme loses little of it.
TEST(RunTankModel, HeatBalanceAtTheLimit)
{
    ModelRun run;
    run.Go(PipeInletExample(20));
    EXPECT_LT(run.results.Qs, 0.958f);
    EXPECT_GT(run.results.Qs, 0.9f);
    EXPECT_GT(run.results.Qs - run.results.Eta1, 0.0f);  // some heat has left through the outlet
}
