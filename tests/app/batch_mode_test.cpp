// The built program run as a separate process in a folder of its own: batch mode, help, usage
// errors and the start without a display.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int ExitCode = -1;
    std::vector<std::string> Out;
    std::vector<std::string> Err;
};

std::vector<std::string> LinesOf(const QByteArray& bytes)
{
    std::vector<std::string> lines;
    for (const QByteArray& line : bytes.split('\n')) lines.push_back(line.toStdString());
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// The whole-run pipe example (100 and 1000 divisions, 10 -> 40 °C, limit 20 °C, 3.6 m³/h, 2 m,
// 0.05 m pipe) as ts.dat. The window shows the diffusivity with four decimals, so 0.00036 m²/h
// would run as 0.0004; 0.0004 m²/h in 9 m³ gives the example's K of 0.4 and survives the display.
const std::string kPipeExampleTsDat =
    "0 100 1000\r\n10.000000 40.000000 20.000000 3.600000\r\n9.000000 2.000000 0.050000 0.000000\r\n0.000400\r\n";

class BatchModeTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "thermocline-batch-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }

    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    void WriteFile(const std::string& name, const std::string& content) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }

    ProgramRun Run(const QStringList& arguments, std::optional<QProcessEnvironment> environment = {}) const
    {
        QProcess program;
        program.setWorkingDirectory(QString::fromStdString(folder_.string()));
        if (environment) program.setProcessEnvironment(*environment);
        program.start(QStringLiteral(THERMOCLINE_PROGRAM), arguments);
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            ADD_FAILURE() << "the program did not finish";
            return {};
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        return {program.exitCode(), LinesOf(program.readAllStandardOutput()), LinesOf(program.readAllStandardError())};
    }

    std::filesystem::path folder_;
};

}  // namespace

TEST_F(BatchModeTest, CompletedRunPrintsEveryMemoLineAndSavesTheChart)
{
    WriteFile("ts.dat", kPipeExampleTsDat);
    const ProgramRun run = Run({"--batch", "--chart", "chart.png"});

    EXPECT_EQ(run.ExitCode, 0);
    // The whole-run example: Ar_in 0.014094067, K 0.40000004, Qs 0.93016, Eta1 0.91420, Eta2 0.92891.
    EXPECT_EQ(run.Out, (std::vector<std::string>{"計算開始", "Ar_in: 0.014", "K    : 0.400", "  ↓  ", "Qs   : 0.930",
                                                 "Eta1 : 0.914", "Eta2 : 0.929", "計算終了"}));
    EXPECT_EQ(run.Err, std::vector<std::string>{});
    for (const char* name : {"ts.out", "ondo.out", "ts.dat"}) EXPECT_TRUE(std::filesystem::exists(folder_ / name)) << name;

    const QImage chart(QString::fromStdString((folder_ / "chart.png").string()));
    ASSERT_FALSE(chart.isNull());
    EXPECT_EQ(chart.size(), QSize(574, 584));
    EXPECT_EQ(chart.pixelColor(210, 270), QColor(0, 255, 255)) << "inside the aqua chart box";
}

namespace {

struct BatchCase {
    const char* Name;
    std::optional<std::string> TsDat;
    bool TsOutBlocked;  // a folder named ts.out stands in the way
    int ExitCode;
    std::vector<std::string> Out;
    std::vector<std::string> Err;
};

void PrintTo(const BatchCase& row, std::ostream* out) { *out << row.Name; }

const std::string kMissingFileLine = "データファイル ts.dat をカレントドライブにおいて実行してください。";
const std::string kDivisionLimitLine = "槽分割数が上限1000を越えています。";

const BatchCase kBatchCases[] = {
    // Without ts.dat the edits stay empty and the run fails on Edit1.
    {"ErrorReport", std::nullopt, false, 1, {kMissingFileLine, "計算開始"}, {"'' は整数ではありません."}},
    // 1001 divisions: the limit line at start-up and again in the refused run.
    {"RefusedAboveTheLimit", "0 1001 1000\n10 40 20 3.6\n9 2 0.05 0\n0.0004\n", false, 2,
     {kDivisionLimitLine, "計算開始", kDivisionLimitLine, "計算終了"}, {}},
    {"RefusedNegative", "0 -3 1000\n10 40 20 3.6\n9 2 0.05 0\n0.0004\n", false, 2,
     {"計算開始", "槽分割数は1以上にしてください。", "計算終了"}, {}},
    {"FileNotWritten", kPipeExampleTsDat, true, 3,
     {"計算開始", "Ar_in: 0.014", "K    : 0.400", "  ↓  ", "Qs   : 0.930", "Eta1 : 0.914", "Eta2 : 0.929",
      "File not found", "計算終了"},
     {}},
};

}  // namespace

class BatchExitTest : public BatchModeTest, public testing::WithParamInterface<BatchCase> {};

TEST_P(BatchExitTest, ExitStatusTellsHowTheRunEnded)
{
    const BatchCase& batch = GetParam();
    if (batch.TsDat) WriteFile("ts.dat", *batch.TsDat);
    if (batch.TsOutBlocked) std::filesystem::create_directory(folder_ / "ts.out");
    const ProgramRun run = Run({"--batch"});
    EXPECT_EQ(run.ExitCode, batch.ExitCode);
    EXPECT_EQ(run.Out, batch.Out);
    EXPECT_EQ(run.Err, batch.Err);
}

INSTANTIATE_TEST_SUITE_P(Endings, BatchExitTest, testing::ValuesIn(kBatchCases),
                         [](const testing::TestParamInfo<BatchCase>& info) { return info.param.Name; });

TEST_F(BatchModeTest, HelpExplainsBothModes)
{
    const ProgramRun run = Run({"--help"});
    EXPECT_EQ(run.ExitCode, 0);
    std::string text;
    for (const std::string& line : run.Out) text += line + "\n";
    EXPECT_NE(text.find("--batch"), std::string::npos);
    EXPECT_NE(text.find("--chart"), std::string::npos);
    EXPECT_NE(text.find("window"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "ts.dat")) << "help runs nothing";
}

TEST_F(BatchModeTest, UnknownArgumentGivesUsageLine)
{
    const ProgramRun run = Run({"--fast"});
    EXPECT_EQ(run.ExitCode, 64);
    ASSERT_EQ(run.Err.size(), 1u);
    EXPECT_EQ(run.Err[0].rfind("usage:", 0), 0u) << run.Err[0];
    EXPECT_TRUE(run.Out.empty());
}

TEST_F(BatchModeTest, WindowModeWithoutDisplayPointsToBatch)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QString::fromLatin1(name));
    const ProgramRun run = Run({}, environment);
    EXPECT_NE(run.ExitCode, 0);
    ASSERT_EQ(run.Err.size(), 1u);
    EXPECT_NE(run.Err[0].find("--batch"), std::string::npos) << run.Err[0];
    EXPECT_NE(run.Err[0].find("display"), std::string::npos) << run.Err[0];
}
