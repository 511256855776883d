#include "model/supply_figures.h"

#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A watch over a hand-made profile of Nx nodes; `events` records what the run would draw.
struct Watch {
    TTankParameters params;
    TTankResults results;
    TRunNotifications notifications;
    std::vector<std::string> events;
    std::array<double, 1004> storage{};

    explicit Watch(int tankDivisions, int timeDivisions, float limitTheta = 0.5f)
    {
        params.TankDivisions = tankDivisions;
        params.TimeDivisions = timeDivisions;
        results.LimitTheta = limitTheta;
        SetSnapshotInterval(params);
        notifications.OnSnapshotTaken = [this](int row) { events.push_back("snapshot " + std::to_string(row)); };
        notifications.OnLimitProfileStored = [this] { events.push_back("limit profile"); };
        notifications.OnLimitFiguresStored = [this] { events.push_back("limit figures"); };
    }
    double* Theta() { return storage.data() + 1; }
};

}  // namespace

struct SnapshotCase {
    int timeDivisions;
    std::vector<int> snapshotSteps;
};

class SnapshotSteps : public testing::TestWithParam<SnapshotCase> {};

// Node 1 carries the step number, so each stored row tells which step it was taken after.
TEST_P(SnapshotSteps, StoresAtMostFiveRows)
{
    const SnapshotCase& c = GetParam();
    Watch w(4, c.timeDivisions);
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.01f);
    for (int step = 1; step <= c.timeDivisions; ++step) {
        w.Theta()[1] = step;
        watch.TakeSnapshot(step, w.Theta());
    }
    ASSERT_EQ(watch.SnapshotCount(), int(c.snapshotSteps.size()));
    for (size_t row = 0; row < c.snapshotSteps.size(); ++row) {
        EXPECT_EQ(w.results.Snapshots[row][0], float(c.snapshotSteps[row])) << "row " << row;
        EXPECT_EQ(w.events[row], "snapshot " + std::to_string(row));
    }
    EXPECT_EQ(w.events.size(), c.snapshotSteps.size());
}

INSTANTIATE_TEST_SUITE_P(
    TimeDivisions, SnapshotSteps,
    testing::Values(SnapshotCase{1000, {200, 400, 600, 800, 1000}},
                    SnapshotCase{11, {2, 4, 6, 8, 10}},
                    SnapshotCase{27, {5, 10, 15, 20, 25}},
                    SnapshotCase{5, {1, 2, 3, 4, 5}},
                    SnapshotCase{3, {1, 2, 3}},       // interval 0: every step
                    SnapshotCase{7, {1, 2, 3, 4, 5}}  // steps 6 and 7 find the rows full
                    ));

TEST(TakeSnapshot, StoresNodeKPlusOneAndTheOutletMirror)
{
    Watch w(4, 5);
    for (int i = 1; i <= 5; ++i) w.Theta()[i] = 0.1 * i;
    w.Theta()[0] = 9;
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.2f);
    watch.TakeSnapshot(1, w.Theta());
    const TStoredProfile& row = w.results.Snapshots[0];
    EXPECT_EQ(row[0], 0.1f);  // node 1; node 0 is never stored
    EXPECT_EQ(row[3], 0.4f);  // the outlet node
    EXPECT_EQ(row[4], 0.5f);  // the outlet mirror entry
    EXPECT_EQ(row[5], 0.0f);  // beyond Nx nothing is written
}

// Nodes 1 to 4 at 1, 0.75, 0.5, 0.25 when the outlet first passes, with 0.2 discharged.
TEST(CheckSupplyLimit, FiguresAtTheFirstPassing)
{
    Watch w(4, 5, 0.1f);
    const double nodes[] = {1, 0.75, 0.5, 0.25};
    for (int i = 0; i < 4; ++i) w.Theta()[i + 1] = nodes[i];
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.8f);  // 0.25 × 0.8 = 0.2
    watch.AccumulateOutflow(w.Theta());
    watch.CheckSupplyLimit(w.Theta());
    EXPECT_EQ(w.results.Eta1, 0.625f);
    EXPECT_EQ(w.results.Qs, 0.825f);
    std::vector<std::string> memo;
    watch.FinishFigures(w.Theta(), [&](const std::string& line) { memo.push_back(line); });
    EXPECT_EQ(memo, (std::vector<std::string>{"Qs   : 0.825", "Eta1 : 0.625", "Eta2 : 0.625"}));
}

TEST(CheckSupplyLimit, FiresOnlyStrictlyAboveAndOnlyOnce)
{
    Watch w(2, 10, 0.5f);
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.1f);
    const double outlet[] = {0.4, 0.5, 0.6, 0.3, 0.9};
    for (double value : outlet) {
        w.Theta()[1] = value;
        w.Theta()[2] = value;
        watch.CheckSupplyLimit(w.Theta());
    }
    EXPECT_EQ(w.events, (std::vector<std::string>{"limit profile", "limit figures"}));
    EXPECT_EQ(w.results.LimitProfile[1], 0.6f);  // stored at the first value above 0.5
}

// Step 5 with 25 time divisions is a snapshot step and, here, the first past the limit.
TEST(AfterStep, SnapshotComesBeforeTheLimitAndOutflowCountsInQs)
{
    Watch w(2, 25, 0.5f);
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.5f);
    for (int step = 1; step <= 5; ++step) {
        w.Theta()[1] = w.Theta()[2] = step == 5 ? 1.0 : 0.0;
        watch.AfterStep(step, w.Theta());
    }
    EXPECT_EQ(w.events, (std::vector<std::string>{"snapshot 0", "limit profile", "limit figures"}));
    EXPECT_EQ(w.results.Qs, 1.5f);  // mean 1 plus this step's 1 × 0.5 discharged
}

TEST(FinishFigures, RunWithoutPassingPrintsTheStaleFigures)
{
    Watch w(2, 5, 0.9f);
    w.results.Qs = 0.93016344f;
    w.results.Eta1 = 0.91419542f;
    w.results.LimitProfile[0] = 0.25f;
    TSupplyWatch watch(w.params, w.results, w.notifications, 0.2f);
    w.Theta()[1] = 0.5;
    w.Theta()[2] = 0.5;
    for (int step = 1; step <= 5; ++step) watch.AfterStep(step, w.Theta());
    std::vector<std::string> memo;
    watch.FinishFigures(w.Theta(), [&](const std::string& line) { memo.push_back(line); });
    EXPECT_EQ(memo, (std::vector<std::string>{"Qs   : 0.930", "Eta1 : 0.914", "Eta2 : 0.500"}));
    EXPECT_EQ(w.results.LimitProfile[0], 0.25f);
}

TEST(ProfileMean, SumsTankNodesInSinglePrecision)
{
    std::array<double, 1004> storage{};
    double* theta = storage.data() + 1;
    theta[0] = 100;  // node 0 and the mirror entries are not tank nodes
    theta[1] = 1;
    theta[2] = 0.5;
    theta[3] = 100;
    EXPECT_EQ(ProfileMean(theta, 2), 0.75f);
    // Each partial sum is a single: every 2^-25 added to 1 is lost, so nine nodes 1, 2^-25, ...
    // average to the single nearest 1/9, where a double sum would keep 8 · 2^-25.
    for (int i = 2; i <= 9; ++i) theta[i] = 0x1p-25;
    EXPECT_EQ(ProfileMean(theta, 9), 0x1.c71c72p-4f);
}
