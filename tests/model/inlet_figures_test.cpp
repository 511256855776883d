#include "model/inlet_figures.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/errors.h"

#include "tests/model/tank_examples.h"

namespace {

struct FiguresRun {
    TTankResults results;
    std::vector<std::string> memo;
    TStepSizes steps;

    void Compute(const TTankParameters& params)
    {
        steps = ComputeInletFigures(params, results,
                                    [this](const std::string& line) { memo.push_back(line); });
    }
};

// Marks every figure so that a test sees which ones a failing run overwrote.
TTankResults StaleFigures()
{
    TTankResults r;
    r.Ar_in = r.K = r.DepthRatio = r.LimitTheta = -7;
    return r;
}

}  // namespace

// Pipe-inlet example, 10 -> 40 °C, limit 30 °C.
TEST(ComputeInletFigures, PipeInletExampleToTheBit)
{
    FiguresRun run;
    run.Compute(PipeInletExample(30));
    EXPECT_EQ(run.results.Ar_in, 0.014094067f);
    EXPECT_EQ(run.results.K, 0.40000004f);
    EXPECT_EQ(run.results.DepthRatio, 40.0f);
    EXPECT_EQ(run.results.LimitTheta, 0.66666669f);
    EXPECT_EQ(run.steps.TimeStep, 0.001f);
    EXPECT_EQ(run.steps.GridStep, 0.4f);
    EXPECT_EQ(run.memo, (std::vector<std::string>{"Ar_in: 0.014", "K    : 0.400", "  ↓  "}));
}

// Slot-inlet example charging with colder water, 15 -> 5 °C.
TEST(ComputeInletFigures, SlotInletExampleToTheBit)
{
    FiguresRun run;
    run.Compute(SlotInletExample());
    EXPECT_EQ(run.results.Ar_in, 0.084976964f);
    EXPECT_EQ(run.results.K, 0.13888890f);
    EXPECT_EQ(run.results.DepthRatio, 40.0f);
    EXPECT_EQ(run.results.LimitTheta, 0.69999999f);
    EXPECT_EQ(run.steps.TimeStep, 0.002f);
    EXPECT_EQ(run.steps.GridStep, 0.2f);
    EXPECT_EQ(run.memo, (std::vector<std::string>{"Ar_in: 0.085", "K    : 0.139", "  ↓  "}));
}

// The density difference is taken as its magnitude; only ρ0 follows the initial temperature.
TEST(ComputeInletFigures, SwappingTheTemperaturesChangesArOnlyThroughTheInitialDensity)
{
    TTankParameters warm = PipeInletExample(30);
    TTankParameters cold = warm;
    std::swap(cold.InitialTemp, cold.InletTemp);
    FiguresRun a, b;
    a.Compute(warm);
    b.Compute(cold);
    EXPECT_NE(a.results.Ar_in, b.results.Ar_in);
    EXPECT_NEAR(a.results.Ar_in / b.results.Ar_in, 0.99226922f / 0.99972790f, 1e-6);
}

TEST(ComputeInletFigures, PipeInletIgnoresTheWeirWidth)
{
    TTankParameters p = PipeInletExample(30);
    p.WeirWidth = 0;
    FiguresRun run;
    run.Compute(p);
    EXPECT_EQ(run.results.Ar_in, 0.014094067f);
}

struct FaultCase {
    const char* name;
    void (*change)(TTankParameters&);
    enum { ZeroDivide, InvalidOp, Overflow } fault;
    int figuresStored;  // Ar_in, K, DepthRatio, LimitTheta: how many were stored before the fault
    size_t memoLines;
};

class InletFigureFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(InletFigureFaults, StopAtTheFaultingOperation)
{
    const FaultCase& c = GetParam();
    TTankParameters p = PipeInletExample(30);
    c.change(p);
    FiguresRun run;
    run.results = StaleFigures();
    switch (c.fault) {
    case FaultCase::ZeroDivide: EXPECT_THROW(run.Compute(p), EZeroDivide); break;
    case FaultCase::InvalidOp: EXPECT_THROW(run.Compute(p), EInvalidOp); break;
    case FaultCase::Overflow: EXPECT_THROW(run.Compute(p), EOverflow); break;
    }
    const float figures[] = {run.results.Ar_in, run.results.K, run.results.DepthRatio,
                             run.results.LimitTheta};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(figures[i] != -7, i < c.figuresStored) << "figure " << i;
    EXPECT_EQ(run.memo.size(), c.memoLines);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, InletFigureFaults,
    testing::Values(
        FaultCase{"ZeroPipe", [](TTankParameters& p) { p.InletSize = 0; }, FaultCase::ZeroDivide, 0, 0},
        FaultCase{"ZeroPipeAndFlow", [](TTankParameters& p) { p.InletSize = 0; p.FlowRate = 0; },
                  FaultCase::InvalidOp, 0, 0},
        FaultCase{"ZeroWeirWidth", [](TTankParameters& p) { p.InletType = 1; p.WeirWidth = 0; },
                  FaultCase::ZeroDivide, 0, 0},
        FaultCase{"ZeroFlow", [](TTankParameters& p) { p.FlowRate = 0; }, FaultCase::ZeroDivide, 0, 0},
        FaultCase{"ZeroFlowEqualTemperatures",
                  [](TTankParameters& p) { p.FlowRate = 0; p.InletTemp = p.InitialTemp; },
                  FaultCase::InvalidOp, 0, 0},
        FaultCase{"EqualTemperatures", [](TTankParameters& p) { p.InletTemp = p.InitialTemp; },
                  FaultCase::ZeroDivide, 3, 0},
        FaultCase{"AllTemperaturesEqual",
                  [](TTankParameters& p) { p.InletTemp = p.LimitTemp = p.InitialTemp; },
                  FaultCase::InvalidOp, 3, 0},
        FaultCase{"ZeroTimeDivisions", [](TTankParameters& p) { p.TimeDivisions = 0; },
                  FaultCase::ZeroDivide, 4, 3},
        FaultCase{"VanishingVelocity", [](TTankParameters& p) { p.FlowRate = 1e-30f; },
                  FaultCase::Overflow, 0, 0}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(ComputeInletFigures, EqualTemperaturesStoreArZero)
{
    TTankParameters p = PipeInletExample(30);
    p.InletTemp = p.InitialTemp;
    FiguresRun run;
    EXPECT_THROW(run.Compute(p), EZeroDivide);
    EXPECT_EQ(run.results.Ar_in, 0.0f);
}

// 3 and 5 °C have the same single-precision density: Ar_in is 0 but nothing faults yet.
TEST(ComputeInletFigures, EqualDensitiesGiveArZeroAndAllLines)
{
    TTankParameters p = PipeInletExample(4);
    p.InitialTemp = 3;
    p.InletTemp = 5;
    FiguresRun run;
    run.Compute(p);
    EXPECT_EQ(run.results.Ar_in, 0.0f);
    EXPECT_EQ(run.memo.front(), "Ar_in: 0.000");
    EXPECT_EQ(run.memo.size(), 3u);
}

TEST(ComputeInletFigures, ZeroWaterDepthPassesWithZeroSteps)
{
    TTankParameters p = PipeInletExample(30);
    p.WaterDepth = 0;
    FiguresRun run;
    run.Compute(p);
    EXPECT_EQ(run.results.DepthRatio, 0.0f);
    EXPECT_EQ(run.steps.GridStep, 0.0f);
}
