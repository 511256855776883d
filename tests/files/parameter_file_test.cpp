#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "files/parameter_file.h"
#include "temp_folder.h"

namespace {

using Lines = std::vector<std::string>;

// What a field holds when the reader did not touch it: unlike zero, it cannot pass by chance.
constexpr std::int32_t kKeptInt = 7;
constexpr float kKeptReal = 7.5f;
constexpr float kInf = std::numeric_limits<float>::infinity();

TTankParameters Record(std::int32_t inletType, std::int32_t tankDivisions,
                       std::int32_t timeDivisions, std::array<float, 9> reals)
{
    TTankParameters p;
    p.InletType = inletType;
    p.TankDivisions = tankDivisions;
    p.TimeDivisions = timeDivisions;
    p.InitialTemp = reals[0];
    p.InletTemp = reals[1];
    p.LimitTemp = reals[2];
    p.FlowRate = reals[3];
    p.TankVolume = reals[4];
    p.WaterDepth = reals[5];
    p.InletSize = reals[6];
    p.WeirWidth = reals[7];
    p.Diffusivity = reals[8];
    p.SnapshotInterval = kKeptInt;
    return p;
}

constexpr float K = kKeptReal;

TTankParameters Untouched() { return Record(kKeptInt, kKeptInt, kKeptInt, {K, K, K, K, K, K, K, K, K}); }

// The sample run: pipe inlet, 5 -> 15 °C with a 6 °C limit, 36 m³/h, 500 m³, 10 m, 0.2 m pipe.
TTankParameters Sample()
{
    return Record(0, 100, 1000, {5, 15, 6, 36, 500, 10, 0.2f, 1, 0.00054f});
}

const std::string kSampleFile =
    "0 100 1000\r\n"
    "5.000000 15.000000 6.000000 36.000000\r\n"
    "500.000000 10.000000 0.200000 1.000000\r\n"
    "0.000540\r\n";

void ExpectSameRecord(const TTankParameters& actual, const TTankParameters& expected)
{
    EXPECT_EQ(actual.InletType, expected.InletType);
    EXPECT_EQ(actual.TankDivisions, expected.TankDivisions);
    EXPECT_EQ(actual.TimeDivisions, expected.TimeDivisions);
    EXPECT_EQ(actual.InitialTemp, expected.InitialTemp);
    EXPECT_EQ(actual.InletTemp, expected.InletTemp);
    EXPECT_EQ(actual.LimitTemp, expected.LimitTemp);
    EXPECT_EQ(actual.FlowRate, expected.FlowRate);
    EXPECT_EQ(actual.TankVolume, expected.TankVolume);
    EXPECT_EQ(actual.WaterDepth, expected.WaterDepth);
    EXPECT_EQ(actual.InletSize, expected.InletSize);
    EXPECT_EQ(actual.WeirWidth, expected.WeirWidth);
    EXPECT_EQ(actual.Diffusivity, expected.Diffusivity);
    EXPECT_EQ(actual.SnapshotInterval, expected.SnapshotInterval);
}

struct TLoadCase {
    const char* name;
    std::string file;
    TTankParameters expected;
};

void PrintTo(const TLoadCase& c, std::ostream* os) { *os << c.name; }

class LoadParametersReads : public testing::TestWithParam<TLoadCase> {};

TEST_P(LoadParametersReads, FieldsAsScanfLeavesThem)
{
    TempFolder folder;
    folder.Write("ts.dat", GetParam().file);
    MemoLines status;
    TTankParameters params = Untouched();
    EXPECT_TRUE(LoadParameters(params, status.Sink(), folder.Path()));
    ExpectSameRecord(params, GetParam().expected);
    EXPECT_TRUE(status.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LoadParametersReads,
    testing::Values(
        TLoadCase{"AsSaved", kSampleFile, Sample()},
        TLoadCase{"LineFeedsOnly",
                  "0 100 1000\n5.000000 15.000000 6.000000 36.000000\n"
                  "500.000000 10.000000 0.200000 1.000000\n0.000540\n",
                  Sample()},
        TLoadCase{"AllOnOneLine", "0 100 1000 5 15 6 36 500 10 0.2 1 0.00054", Sample()},
        TLoadCase{"FirstLineSpread",
                  "0\r\n100\r\n\r\n  1000\r\n5.000000 15.000000 6.000000 36.000000\r\n"
                  "500.000000 10.000000 0.200000 1.000000\r\n0.000540\r\n",
                  Sample()},
        TLoadCase{"Empty", "", Untouched()},
        TLoadCase{"OnlyFirstLine", "1 50 100\r\n", Record(1, 50, 100, {K, K, K, K, K, K, K, K, K})},
        // Any non-zero inlet type is held as read; so is a division count a run would refuse.
        TLoadCase{"InletTypeTwo", "2 100 1000 5 15 6 36 500 10 0.2 1 0.00054",
                  Record(2, 100, 1000, {5, 15, 6, 36, 500, 10, 0.2f, 1, 0.00054f})},
        TLoadCase{"MoreThanThousandDivisions", "0 1001 1000 5 15 6 36 500 10 0.2 1 0.00054",
                  Record(0, 1001, 1000, {5, 15, 6, 36, 500, 10, 0.2f, 1, 0.00054f})},
        TLoadCase{"IntegersSaturate", "99999999999 -99999999999 0",
                  Record(2147483647, -2147483647 - 1, 0, {K, K, K, K, K, K, K, K, K})},
        TLoadCase{"SingleOverflowIsInfinity", "0 1 1 1e39 -1e39",
                  Record(0, 1, 1, {kInf, -kInf, K, K, K, K, K, K, K})}),
    [](const auto& info) { return info.param.name; });

// A token that does not convert is never skipped: every later read starts at it again. A read
// that fails ends its own line's conversions; the next read takes up whatever follows.
INSTANTIATE_TEST_SUITE_P(
    FailedConversions, LoadParametersReads,
    testing::Values(
        TLoadCase{"LetterStopsEverythingAfterIt",
                  "0 100 1000\r\n5.000000 abc 6.000000 36.000000\r\n"
                  "500.000000 10.000000 0.200000 1.000000\r\n0.000540\r\n",
                  Record(0, 100, 1000, {5, K, K, K, K, K, K, K, K})},
        TLoadCase{"LetterInFirstLine", "0 x 1000 5 15 6 36 500 10 0.2 1 0.00054",
                  Record(0, kKeptInt, kKeptInt, {K, K, K, K, K, K, K, K, K})},
        TLoadCase{"LoneSignEndsItsLine", "1 - 5 15 6 36 500 10 0.2 1 0.00054",
                  Record(1, kKeptInt, kKeptInt, {5, 15, 6, 36, 500, 10, 0.2f, 1, 0.00054f})},
        TLoadCase{"ExponentWithoutDigitsEndsItsLine", "0 100 1000 5e 7 8 9 10 11",
                  Record(0, 100, 1000, {K, K, K, K, 7, 8, 9, 10, 11})},
        TLoadCase{"FractionInIntegerFieldGoesToNextLine", "0 1.5 7 8 9 10 11 12 13 14",
                  Record(0, 1, kKeptInt, {0.5f, 7, 8, 9, 10, 11, 12, 13, 14})}),
    [](const auto& info) { return info.param.name; });

TEST(LoadParameters, MissingFileLeavesRecordAndAsksForTheFile)
{
    TempFolder folder;
    for (bool folderNamedLikeTheFile : {false, true}) {
        SCOPED_TRACE(folderNamedLikeTheFile ? "ts.dat is a folder" : "no ts.dat");
        if (folderNamedLikeTheFile) std::filesystem::create_directory(folder.Path() / "ts.dat");
        MemoLines status;
        TTankParameters params = Untouched();
        EXPECT_FALSE(LoadParameters(params, status.Sink(), folder.Path()));
        ExpectSameRecord(params, Untouched());
        EXPECT_EQ(status.lines,
                  Lines{"データファイル ts.dat をカレントドライブにおいて実行してください。"});
    }
}

// The sample file in examples/ is exactly what saving the sample record writes.
TEST(SaveParameters, WritesTheSampleFileByteForByte)
{
    std::ifstream in(std::filesystem::path(THERMOCLINE_EXAMPLES_DIR) / "ts.dat", std::ios::binary);
    ASSERT_TRUE(in.is_open());
    std::string golden(std::istreambuf_iterator<char>(in), {});
    ASSERT_EQ(golden, kSampleFile);

    TempFolder folder;
    MemoLines figures;
    EXPECT_TRUE(SaveParameters(Sample(), figures.Sink(), folder.Path()));
    EXPECT_EQ(folder.Read("ts.dat"), golden);
    EXPECT_TRUE(figures.lines.empty());
}

// Six decimals of the value widened to double: digits beyond the sixth are lost.
TEST(SaveParameters, WritesSixDecimalsOfEveryReal)
{
    TTankParameters params = Record(-1, 0, -5, {-2.5f, 1e10f, 0.0000004f, 0.1f, 0, -0.0f,
                                                0.00054f, 1.0000005f, 0.0000006f});
    TempFolder folder;
    MemoLines figures;
    EXPECT_TRUE(SaveParameters(params, figures.Sink(), folder.Path()));
    // 1e10f is 10000000000 exactly; the float nearest 1.0000005 lies just below the half.
    EXPECT_EQ(folder.Read("ts.dat"),
              "-1 0 -5\r\n"
              "-2.500000 10000000000.000000 0.000000 0.100000\r\n"
              "0.000000 -0.000000 0.000540 1.000000\r\n"
              "0.000001\r\n");
}

TEST(SaveParameters, RoundTripKeepsWhatSixDecimalsHold)
{
    // A slot/weir record whose every real is a whole number of millionths.
    TTankParameters saved = Record(1, 1000, 500, {10, 40, 20, 36, 500, 10, 0.25f, 1.5f, 0.00054f});
    TempFolder folder;
    MemoLines memo;
    ASSERT_TRUE(SaveParameters(saved, memo.Sink(), folder.Path()));
    TTankParameters loaded = Untouched();
    ASSERT_TRUE(LoadParameters(loaded, memo.Sink(), folder.Path()));
    ExpectSameRecord(loaded, saved);
    EXPECT_TRUE(memo.lines.empty());
}

TEST(SaveParameters, UnwritableFileKeepsOldContentAndSaysFileNotFound)
{
    TempFolder folder;
    MemoLines figures;
    EXPECT_FALSE(SaveParameters(Sample(), figures.Sink(), folder.Path() / "absent"));
    EXPECT_EQ(figures.lines, Lines{"File not found"});

    std::filesystem::create_directory(folder.Path() / "ts.dat");
    folder.Write("ts.dat/old", "old");
    EXPECT_FALSE(SaveParameters(Sample(), figures.Sink(), folder.Path()));
    EXPECT_EQ(figures.lines, (Lines{"File not found", "File not found"}));
    EXPECT_EQ(folder.Read("ts.dat/old"), "old");
    EXPECT_EQ(folder.Names(), Lines{"ts.dat"});
}

}  // namespace
