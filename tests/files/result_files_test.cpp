#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/result_files.h"
#include "temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

class WriteResultsTest : public testing::Test {
protected:
    WriteResultsTest()
    {
        // Ar_in to LimitTheta: the 10 -> 40 °C pipe-inlet example with a 30 °C limit; the
        // other three are exact binary fractions, chosen for this test.
        results.Ar_in = 0.014094067f;
        results.K = 0.40000004f;
        results.DepthRatio = 40;
        results.LimitTheta = 0.66666669f;
        results.Qs = 0.75f;
        results.Eta1 = 0.5f;
        results.Eta2 = 1;
    }

    TTankParameters params;
    TTankResults results;
    TempFolder folder;
    MemoLines figures;
};

// Figures 0.014094067, 0.40000004, 40, 0.66666669 write as 0.014094 0.400000 40.000000 0.666667.
const std::string kFiguresLine =
    " 0.014094 0.400000 40.000000 0.666667 0.750000 0.500000 1.000000\r\n";

TEST_F(WriteResultsTest, SmallRecordByteForByte)
{
    params.TankDivisions = 1;
    const float snapshotEntry1[] = {0.25f, 0.5f, 0.75f, 0.875f, 1};
    for (int row = 0; row < kSnapshotRows; ++row) {
        results.Snapshots[row][0] = 1;
        results.Snapshots[row][1] = snapshotEntry1[row];
        results.Snapshots[row][2] = 9;  // beyond the run's nodes: never written
    }
    results.LimitProfile[0] = 0.96875f;
    results.LimitProfile[1] = -0.0625f;

    EXPECT_TRUE(WriteResults(params, results, figures.Sink(), folder.Path()));
    EXPECT_EQ(folder.Read("ts.out"), kFiguresLine);
    EXPECT_EQ(folder.Read("ondo.out"),
              "1.000000 1.000000 1.000000 1.000000 1.000000 0.968750\r\n"
              "0.250000 0.500000 0.750000 0.875000 1.000000 -0.062500\r\n");
    EXPECT_TRUE(figures.lines.empty());
    EXPECT_EQ(folder.Names(), (Lines{"ondo.out", "ts.out"}));
}

// Line i holds entry i: the first column carries i itself to show which entry landed where.
TEST_F(WriteResultsTest, OneLinePerNodeUpToTheOutlet)
{
    for (int i = 0; i < kProfileEntries; ++i) results.Snapshots[0][i] = static_cast<float>(i);
    for (int divisions : {1, 100, kMaxTankDivisions}) {
        SCOPED_TRACE(divisions);
        params.TankDivisions = divisions;
        ASSERT_TRUE(WriteResults(params, results, figures.Sink(), folder.Path()));
        Lines lines = SplitCrLf(folder.Read("ondo.out"));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(divisions) + 1);
        EXPECT_EQ(lines.front(), "0.000000 0.000000 0.000000 0.000000 0.000000 0.000000");
        EXPECT_EQ(lines.back(), std::to_string(divisions) +
                                    ".000000 0.000000 0.000000 0.000000 0.000000 0.000000");
    }
}

// A refused run (or a division count no run could use) rewrites ts.out and leaves ondo.out.
TEST_F(WriteResultsTest, RefusedRunLeavesOndoOut)
{
    for (int divisions : {kMaxTankDivisions + 1, 0, -1}) {
        SCOPED_TRACE(divisions);
        params.TankDivisions = divisions;
        folder.Write("ts.out", "old figures\r\n");
        folder.Write("ondo.out", "old profiles\r\n");
        EXPECT_TRUE(WriteResults(params, results, figures.Sink(), folder.Path()));
        EXPECT_EQ(folder.Read("ts.out"), kFiguresLine);
        EXPECT_EQ(folder.Read("ondo.out"), "old profiles\r\n");
        EXPECT_TRUE(figures.lines.empty());
    }
}

TEST_F(WriteResultsTest, UnwritableTsOutLeavesBothFiles)
{
    params.TankDivisions = 1;
    std::filesystem::create_directory(folder.Path() / "ts.out");
    folder.Write("ondo.out", "old profiles\r\n");
    EXPECT_FALSE(WriteResults(params, results, figures.Sink(), folder.Path()));
    EXPECT_EQ(figures.lines, Lines{"File not found"});
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "ts.out"));
    EXPECT_EQ(folder.Read("ondo.out"), "old profiles\r\n");
    EXPECT_EQ(folder.Names(), (Lines{"ondo.out", "ts.out"}));
}

// No process exit: the run goes on to save ts.dat, and the memo says what failed.
TEST_F(WriteResultsTest, UnwritableOndoOutAfterTsOutWasWritten)
{
    params.TankDivisions = 1;
    std::filesystem::create_directory(folder.Path() / "ondo.out");
    folder.Write("ondo.out/old", "old profiles");
    EXPECT_FALSE(WriteResults(params, results, figures.Sink(), folder.Path()));
    EXPECT_EQ(figures.lines, Lines{"File not found"});
    EXPECT_EQ(folder.Read("ts.out"), kFiguresLine);
    EXPECT_EQ(folder.Read("ondo.out/old"), "old profiles");
    EXPECT_EQ(folder.Names(), (Lines{"ondo.out", "ts.out"}));
}

TEST_F(WriteResultsTest, MissingFolderWritesNothing)
{
    params.TankDivisions = 1;
    EXPECT_FALSE(WriteResults(params, results, figures.Sink(), folder.Path() / "absent"));
    EXPECT_EQ(figures.lines, Lines{"File not found"});
}

}  // namespace
