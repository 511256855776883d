#include "model/mixing_layer.h"

#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "platform/checked_math.h"

namespace {

// Nodes −1 to 1002, all zero unless a test sets them; Theta()[i] is node i.
struct Profile {
    std::array<double, 1004> storage{};
    double* Theta() { return storage.data() + 1; }
};

TMixingInputs Inputs(int inletType, float arIn, float depthRatio, int timeDivisions,
                     int tankDivisions)
{
    TMixingInputs in;
    in.InletType = inletType;
    in.Ar_in = arIn;
    in.DepthRatio = depthRatio;
    in.TimeStep = 1.0f / float(timeDivisions);
    in.TankDivisions = tankDivisions;
    return in;
}

}  // namespace

struct LayerCase {
    const char* name;
    int inletType;
    float arIn, depthRatio;
    int step;
    int nodes;
    float fittedDepth;
    double thetaMixOnZeroProfile;
};

class MixingLayerSteps : public testing::TestWithParam<LayerCase> {};

// 100 time and 100 tank divisions. The node counts of steps 25, 50 and 100 are the ones that
// rounding the depth to single before counting moves by one.
TEST_P(MixingLayerSteps, CountsNodesFromTheSingleDepth)
{
    const LayerCase& c = GetParam();
    Profile profile;
    const TMixingLayer layer =
        UpdateMixingLayer(Inputs(c.inletType, c.arIn, c.depthRatio, 100, 100), c.step, profile.Theta());
    EXPECT_EQ(layer.MixingNodes, c.nodes);
    EXPECT_EQ(layer.MixingDepth, c.fittedDepth);
    EXPECT_EQ(layer.MixingMean, 0.0);
    EXPECT_NEAR(layer.ThetaMix, c.thetaMixOnZeroProfile, 5e-8);
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceSteps, MixingLayerSteps,
    testing::Values(
        // 1 − exp(−1/7): a layer of 7 nodes relaxing for one step.
        LayerCase{"PipeStep1", 0, 1, 10, 1, 7, 0.07f, 0.1331221},
        LayerCase{"PipeStep25", 0, 1, 10, 25, 17, 0.17f, 1 - std::exp(-0.01 / 0.17f)},
        LayerCase{"PipeStep50", 0, 1, 10, 50, 26, 0.26f, 1 - std::exp(-0.01 / 0.26f)},
        LayerCase{"PipeStep100", 0, 1, 10, 100, 46, 0.46f, 1 - std::exp(-0.01 / 0.46f)},
        LayerCase{"SlotStep1", 1, 1, 10, 1, 20, 0.2f, 0.0487706},
        // A thin layer spans no node: the depth becomes one spacing, and dt equals it.
        LayerCase{"NoNodeStep1", 0, 100, 100, 1, 0, 0.01f, 0.6321206}),
    [](const testing::TestParamInfo<LayerCase>& info) { return std::string(info.param.name); });

// With TimeStep and the fitted depth the same single, x is −1 exactly.
TEST(UpdateMixingLayer, LayerWithoutNodesRelaxesByExactlyOneTimeConstant)
{
    Profile profile;
    const TMixingLayer layer = UpdateMixingLayer(Inputs(0, 100, 100, 100, 100), 1, profile.Theta());
    EXPECT_EQ(layer.ThetaMix, double(1.0L - Extended(std::exp(-1.0))));
    EXPECT_TRUE(std::signbit(layer.MixingMean));  // 0 / −1
}

TEST(UpdateMixingLayer, MeanLeavesNodeOneOut)
{
    Profile profile;
    profile.Theta()[1] = 0.9;
    profile.Theta()[2] = 0.5;
    profile.Theta()[3] = 0.3;
    // Pipe, Ar 1, depth ratio 25: 0.028 + 0.004 spans 3 of 100 spacings in step 1.
    const TMixingLayer layer = UpdateMixingLayer(Inputs(0, 1, 25, 100, 100), 1, profile.Theta());
    ASSERT_EQ(layer.MixingNodes, 3);
    EXPECT_EQ(layer.MixingMean, 0.4);
}

TEST(UpdateMixingLayer, DeepLayerStopsOneNodeShortOfTheOutlet)
{
    Profile profile;
    const TMixingLayer layer = UpdateMixingLayer(Inputs(0, 1e-6f, 1, 100, 100), 1, profile.Theta());
    EXPECT_EQ(layer.MixingNodes, 99);
    EXPECT_EQ(layer.MixingDepth, 0.99f);
}

TEST(UpdateMixingLayer, SingleSpacingTankHasNoLayerNodes)
{
    Profile profile;
    const TMixingLayer layer = UpdateMixingLayer(Inputs(0, 1, 10, 100, 1), 50, profile.Theta());
    EXPECT_EQ(layer.MixingNodes, 0);
    EXPECT_EQ(layer.MixingDepth, 1.0f);
}

// A depth near 1e24 water depths: the node count is beyond even 64 bits, yet finite.
TEST(UpdateMixingLayer, HugeFiniteDepthCountsAsTheDeepestLayer)
{
    Profile profile;
    const TMixingLayer layer = UpdateMixingLayer(Inputs(1, 1e-40f, 1, 100, 1000), 1, profile.Theta());
    EXPECT_EQ(layer.MixingNodes, 999);
}

TEST(UpdateMixingLayer, Faults)
{
    Profile profile;
    // Pipe, Ar 100, depth ratio 10, dt 0.01: depth 0.007 + 0.008 in step 2 spans one spacing and
    // the mean over nodes 2..1 is 0/0.
    EXPECT_THROW(UpdateMixingLayer(Inputs(0, 100, 10, 100, 100), 2, profile.Theta()), EInvalidOp);
    EXPECT_THROW(UpdateMixingLayer(Inputs(0, 0, 10, 100, 100), 1, profile.Theta()), EInvalidOp);
    EXPECT_THROW(UpdateMixingLayer(Inputs(1, -0.5f, 10, 100, 100), 1, profile.Theta()), EInvalidOp);
    EXPECT_THROW(UpdateMixingLayer(Inputs(0, 1, 0, 100, 100), 1, profile.Theta()), EZeroDivide);
}
