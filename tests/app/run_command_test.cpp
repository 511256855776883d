// The run button: what a completed, a refused and a failed run leave in the window, the records
// and the three files.
#include <algorithm>
#include <sstream>

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPaintEvent>

#include "form_fixture.h"

namespace {

const std::string kMissingFileLine = "データファイル ts.dat をカレントドライブにおいて実行してください。";

// The layout example of the parameter file (pipe inlet, 100 and 500 divisions, 5 -> 15 °C).
const std::string kExampleTsDat =
    "0 100 500\r\n5.000000 15.000000 10.000000 36.000000\r\n500.000000 10.000000 0.200000 1.000000\r\n"
    "0.000540\r\n";

// Memo1 after the whole-run pipe example with limit 20 °C: Ar_in 0.014094067, K 0.40000004,
// Qs 0.93016, Eta1 0.91420, Eta2 0.92891.
const std::vector<std::string> kPipeExampleFigures = {"Ar_in: 0.014", "K    : 0.400", "  ↓  ",
                                                      "Qs   : 0.930", "Eta1 : 0.914", "Eta2 : 0.929"};

std::vector<double> NumbersOf(const std::string& line)
{
    std::istringstream in(line);
    std::vector<double> numbers;
    for (double value; in >> value;) numbers.push_back(value);
    return numbers;
}

}  // namespace

class RunCommandTest : public FormTest {};

TEST_F(RunCommandTest, PipeRunPrintsFiguresEmptiesWeirEditsAndWritesThreeFiles)
{
    TForm1& form = OpenForm();
    form.RadioGroup1->SetItemIndex(0);
    TTypedInputs inputs = PipeExample();
    inputs.Texts[9] = "0.100";  // weir edits that hold numbers are emptied all the same
    inputs.Texts[10] = "0.500";
    Type(inputs);
    ClickRun();

    EXPECT_TRUE(reports_.empty()) << reports_.front();
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Completed);
    EXPECT_EQ(form.Memo1->Lines(), kPipeExampleFigures);
    EXPECT_EQ(form.Memo2->Lines(), (std::vector<std::string>{"", kMissingFileLine, "計算開始", "計算終了"}));
    EXPECT_EQ(form.Edit9->Text(), "0.050");
    EXPECT_EQ(form.Edit10->Text(), "");
    EXPECT_EQ(form.Edit11->Text(), "");

    // The weir width is not read in pipe mode: it keeps the zero of a start without ts.dat.
    EXPECT_EQ(ReadFile("ts.dat"),
              "0 100 1000\r\n10.000000 40.000000 20.000000 3.600000\r\n10.000000 2.000000 0.050000 0.000000\r\n"
              "0.000360\r\n");

    // ts.out of the whole-run example: 0.014094 0.400000 40.000000 0.333333, then Qs 0.93016,
    // Eta1 0.91420 and Eta2 0.92891, given to five digits (half a unit, plus the file's rounding).
    const std::vector<std::string> tsOut = SplitCrLfLines(ReadFile("ts.out"));
    ASSERT_EQ(tsOut.size(), 1u);
    EXPECT_EQ(tsOut[0].substr(0, 37), " 0.014094 0.400000 40.000000 0.333333");
    const std::vector<double> figures = NumbersOf(tsOut[0]);
    ASSERT_EQ(figures.size(), 7u);
    EXPECT_NEAR(figures[4], 0.93016, 5.5e-6);
    EXPECT_NEAR(figures[5], 0.91420, 5.5e-6);
    EXPECT_NEAR(figures[6], 0.92891, 5.5e-6);

    // 100 tank divisions: 101 lines of five snapshots and the limit profile.
    const std::vector<std::string> ondoOut = SplitCrLfLines(ReadFile("ondo.out"));
    ASSERT_EQ(ondoOut.size(), 101u);
    for (const std::string& line : ondoOut) EXPECT_EQ(NumbersOf(line).size(), 6u) << line;
}

// With no item selected (a start without ts.dat) the run takes the slot/weir inlet.
// Slot example: 200 and 500 divisions, 15 -> 5 °C, limit 8 °C, 18 m³/h, 50 m³, 4 m deep,
// weir 0.1 m high and 0.5 m wide, diffusivity 0.0005: Ar_in 0.084976964, K 0.13888890.
TEST_F(RunCommandTest, SlotRunWithoutSelectionReadsTheWeirEditsAndEmptiesEdit9)
{
    TForm1& form = OpenForm();
    ASSERT_EQ(form.RadioGroup1->ItemIndex(), -1);
    Type({{"200", "500", "15.0", "5.0", "8.0", "18.000", "50.000", "4.000", "0.300", "0.100", "0.500", "0.0005"}});
    ClickRun();

    EXPECT_TRUE(reports_.empty()) << reports_.front();
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Completed);
    const std::vector<std::string> figures = form.Memo1->Lines();
    ASSERT_EQ(figures.size(), 6u);
    EXPECT_EQ(figures[0], "Ar_in: 0.085");
    EXPECT_EQ(figures[1], "K    : 0.139");
    EXPECT_EQ(figures[2], "  ↓  ");
    EXPECT_EQ(figures[3].substr(0, 7), "Qs   : ");
    EXPECT_EQ(figures[4].substr(0, 7), "Eta1 : ");
    EXPECT_EQ(figures[5].substr(0, 7), "Eta2 : ");
    EXPECT_EQ(form.Edit9->Text(), "");
    EXPECT_EQ(form.Edit10->Text(), "0.100");
    EXPECT_EQ(form.Edit11->Text(), "0.500");
    EXPECT_EQ(parameters_.InletType, 1);

    const std::vector<std::string> tsDat = SplitCrLfLines(ReadFile("ts.dat"));
    ASSERT_EQ(tsDat.size(), 4u);
    EXPECT_EQ(tsDat[0], "1 200 500");
    EXPECT_EQ(tsDat[2], "50.000000 4.000000 0.100000 0.500000");
    EXPECT_EQ(SplitCrLfLines(ReadFile("ondo.out")).size(), 201u);
}

TEST_F(RunCommandTest, SecondRunReplacesFiguresAndAddsStatusLines)
{
    WriteFile("ts.dat", kExampleTsDat);
    TForm1& form = OpenForm();
    Type(PipeExample());
    ClickRun();
    ClickRun();

    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(form.Memo1->Lines(), kPipeExampleFigures);
    EXPECT_EQ(form.Memo2->Lines(), (std::vector<std::string>{"", "計算開始", "計算終了", "計算開始", "計算終了"}));
}

namespace {

struct FailingRun {
    const char* Name;
    int Edit;  // 1 to 12
    const char* Text;
    std::string Report;
    bool InInputPhase;  // fails before the unused inlet edits are emptied
};

void PrintTo(const FailingRun& row, std::ostream* out) { *out << row.Name; }

const FailingRun kFailingRuns[] = {
    // StrToInt of an empty text; nothing between the apostrophes.
    {"EmptyTankDivisions", 1, "", "'' は整数ではありません.", true},
    {"LettersInTimeDivisions", 2, "12x", "'12x' は整数ではありません.", true},
    {"LettersInPipeDiameter", 9, "abc", "'abc' は浮動小数点ではありません.", true},
    // A real beyond the single-precision range overflows when it is stored.
    {"InitialTempBeyondSingle", 3, "1e39", "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ.", true},
    // Zero divisions: the first node height is 0/0, after the frame is drawn.
    {"ZeroTankDivisions", 1, "0", "無効な浮動小数点操作.", false},
    // Inlet as warm as the tank (10 °C) with the limit at 20 °C: the limit θ divides by zero.
    {"InletAsWarmAsTank", 4, "10.0", "浮動小数点ｴﾗｰ: ｾﾞﾛによる除算.", false},
};

}  // namespace

class FailingRunTest : public FormTest, public testing::WithParamInterface<FailingRun> {};

TEST_P(FailingRunTest, ErrorIsReportedOnceAndNothingIsWritten)
{
    const FailingRun& run = GetParam();
    WriteFile("ts.dat", kExampleTsDat);
    TForm1& form = OpenForm();
    TTypedInputs inputs = PipeExample();
    inputs.Texts[9] = "0.100";
    inputs.Texts[10] = "0.500";
    inputs.Texts[run.Edit - 1] = run.Text;
    Type(inputs);
    ClickRun();

    EXPECT_EQ(reports_, std::vector<std::string>{run.Report});
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Interrupted);
    EXPECT_EQ(form.Memo2->Lines().back(), "計算開始");
    EXPECT_EQ(ReadFile("ts.dat"), kExampleTsDat);
    EXPECT_FALSE(FileExists("ts.out"));
    EXPECT_FALSE(FileExists("ondo.out"));
    if (run.InInputPhase) {
        // Failing before the inlet edits are emptied, all three keep their texts.
        EXPECT_EQ(form.Edit10->Text(), "0.100");
        EXPECT_EQ(form.Edit11->Text(), "0.500");
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FailingRunTest, testing::ValuesIn(kFailingRuns),
                         [](const testing::TestParamInfo<FailingRun>& info) { return info.param.Name; });

TEST_F(RunCommandTest, FailedRunKeepsFieldsReadBeforeTheFaultAndNextRunSavesTheWindow)
{
    WriteFile("ts.dat", kExampleTsDat);
    TForm1& form = OpenForm();
    TTypedInputs inputs = PipeExample();
    inputs.Texts[8] = "abc";
    Type(inputs);
    ClickRun();

    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(parameters_.WaterDepth, 2.0f) << "read before the failing pipe diameter";
    EXPECT_EQ(parameters_.InletSize, 0.2f) << "still the value of ts.dat";
    EXPECT_EQ(form.Memo1->Lines(), std::vector<std::string>{});

    form.Edit9->SetText("0.050");
    ClickRun();
    EXPECT_EQ(reports_.size(), 1u);
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Completed);
    EXPECT_EQ(form.Memo1->Lines(), kPipeExampleFigures);
    EXPECT_EQ(SplitCrLfLines(ReadFile("ts.dat"))[0], "0 100 1000");
}

namespace {

struct RefusedRun {
    const char* Name;
    const char* TankDivisions;
    std::string StatusLine;
};

void PrintTo(const RefusedRun& row, std::ostream* out) { *out << row.Name; }

const RefusedRun kRefusedRuns[] = {
    {"AboveTheLimit", "1001", "槽分割数が上限1000を越えています。"},
    {"Negative", "-5", "槽分割数は1以上にしてください。"},
};

}  // namespace

class RefusedRunTest : public FormTest, public testing::WithParamInterface<RefusedRun> {};

TEST_P(RefusedRunTest, OnlyInletTypeAndDivisionsAreReadAndSaved)
{
    const RefusedRun& run = GetParam();
    WriteFile("ts.dat", kExampleTsDat);
    WriteFile("ondo.out", "profiles of an earlier run\r\n");
    TForm1& form = OpenForm();
    const QImage chartBefore = form.CanvasImage();
    form.RadioGroup1->SetItemIndex(1);
    form.Edit1->SetText(run.TankDivisions);
    form.Edit2->SetText("not read");

    ClickRun();

    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Refused);
    EXPECT_EQ(form.Memo2->Lines(), (std::vector<std::string>{"", "計算開始", run.StatusLine, "計算終了"}));
    EXPECT_EQ(form.Memo1->Lines(), std::vector<std::string>{});
    EXPECT_EQ(form.Edit9->Text(), "0.200") << "the inlet edits are not emptied";
    EXPECT_TRUE(form.CanvasImage() == chartBefore) << "nothing is drawn";

    // The new inlet type and the refused count; every other field as ts.dat held it.
    EXPECT_EQ(ReadFile("ts.dat"), std::string("1 ") + run.TankDivisions +
                                      " 500\r\n5.000000 15.000000 10.000000 36.000000\r\n"
                                      "500.000000 10.000000 0.200000 1.000000\r\n0.000540\r\n");
    // No run has stored figures yet: seven zeros.
    EXPECT_EQ(ReadFile("ts.out"), " 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000 0.000000\r\n");
    EXPECT_EQ(ReadFile("ondo.out"), "profiles of an earlier run\r\n");
}

INSTANTIATE_TEST_SUITE_P(TankDivisions, RefusedRunTest, testing::ValuesIn(kRefusedRuns),
                         [](const testing::TestParamInfo<RefusedRun>& info) { return info.param.Name; });

TEST_F(RunCommandTest, ThousandDivisionsAreNotRefused)
{
    TForm1& form = OpenForm();
    form.RadioGroup1->SetItemIndex(0);
    TTypedInputs inputs = PipeExample();
    inputs.Texts[0] = "1000";
    inputs.Texts[1] = "10";
    Type(inputs);
    ClickRun();

    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::Completed);
    EXPECT_TRUE(reports_.empty());
    const std::vector<std::string> status = form.Memo2->Lines();
    EXPECT_EQ(std::find(status.begin(), status.end(), "槽分割数が上限1000を越えています。"), status.end());
    ASSERT_FALSE(form.Memo1->Lines().empty());
    EXPECT_EQ(form.Memo1->Lines().front(), "Ar_in: 0.014");
}

// Records, for every paint of the chart's middle, how many errors had been reported by then.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget& window, const std::vector<std::string>& reports) : window_(window), reports_(reports)
    {
        window_.installEventFilter(this);
    }
    std::vector<std::size_t> reportsAtPaint;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Paint &&
            static_cast<QPaintEvent*>(event)->region().contains(QPoint(210, 270)))
            reportsAtPaint.push_back(reports_.size());
        return false;
    }

private:
    QWidget& window_;
    const std::vector<std::string>& reports_;
};

// Zero tank divisions fault in the node heights, right after the frame is drawn: the window shows
// that frame before the report, not the picture of before the click.
TEST_F(RunCommandTest, FrameDrawnBeforeAFaultIsShownWithTheReport)
{
    TForm1& form = OpenForm();
    form.RadioGroup1->SetItemIndex(0);
    TTypedInputs inputs = PipeExample();
    inputs.Texts[0] = "0";
    Type(inputs);
    QApplication::processEvents();
    PaintWatch watch(form, reports_);
    ClickRun();

    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(std::find(watch.reportsAtPaint.begin(), watch.reportsAtPaint.end(), 0u), watch.reportsAtPaint.end());
}

TEST_F(RunCommandTest, UnwritableResultFileIsReportedInTheFiguresMemo)
{
    std::filesystem::create_directory(folder_ / "ts.out");  // a folder in the way of the file
    TForm1& form = OpenForm();
    form.RadioGroup1->SetItemIndex(0);
    Type(PipeExample());
    ClickRun();

    EXPECT_TRUE(reports_.empty());
    EXPECT_EQ(form.LastRunOutcome(), TRunOutcome::FileNotWritten);
    EXPECT_EQ(form.Memo1->Lines().back(), "File not found");
    EXPECT_EQ(form.Memo2->Lines().back(), "計算終了");
    EXPECT_FALSE(FileExists("ondo.out"));
    EXPECT_EQ(SplitCrLfLines(ReadFile("ts.dat"))[0], "0 100 1000");
}
