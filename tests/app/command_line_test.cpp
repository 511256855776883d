// The program's arguments.
#include <vector>

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

struct ArgumentsCase {
    const char* Name;
    std::vector<const char*> Arguments;
    TProgramMode Mode;
    std::string ChartFile;
};

void PrintTo(const ArgumentsCase& row, std::ostream* out) { *out << row.Name; }

const ArgumentsCase kArgumentsCases[] = {
    {"None", {}, TProgramMode::Window, ""},
    {"Batch", {"--batch"}, TProgramMode::Batch, ""},
    {"BatchWithChart", {"--batch", "--chart", "run.png"}, TProgramMode::Batch, "run.png"},
    {"ChartBeforeBatch", {"--chart", "run.png", "--batch"}, TProgramMode::Batch, "run.png"},
    {"Help", {"--help"}, TProgramMode::Help, ""},
    {"HelpWinsOverBatch", {"--batch", "--help"}, TProgramMode::Help, ""},
    {"ChartWithoutBatch", {"--chart", "run.png"}, TProgramMode::BadUsage, ""},
    {"ChartWithoutFile", {"--batch", "--chart"}, TProgramMode::BadUsage, ""},
    {"Unknown", {"--fast"}, TProgramMode::BadUsage, ""},
    {"StrayWord", {"--batch", "ts.dat"}, TProgramMode::BadUsage, ""},
};

}  // namespace

class CommandLineTest : public testing::TestWithParam<ArgumentsCase> {};

TEST_P(CommandLineTest, ArgumentsChooseTheMode)
{
    std::vector<const char*> argv = {"thermocline"};
    argv.insert(argv.end(), GetParam().Arguments.begin(), GetParam().Arguments.end());
    const TCommandLine command = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(command.Mode, GetParam().Mode);
    EXPECT_EQ(command.ChartFile, GetParam().ChartFile);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineTest, testing::ValuesIn(kArgumentsCases),
                         [](const testing::TestParamInfo<ArgumentsCase>& info) { return info.param.Name; });
