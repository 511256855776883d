// What the window shows right after start-up, for the parameter files it may find.
#include <optional>

#include "form_fixture.h"

namespace {

const std::string kMissingFileLine = "データファイル ts.dat をカレントドライブにおいて実行してください。";
const std::string kDivisionLimitLine = "槽分割数が上限1000を越えています。";

struct StartCase {
    const char* Name;
    std::optional<std::string> TsDat;  // nullopt: no file at all
    int ItemIndex;
    TTypedInputs Shown;  // Edit1 to Edit12
    std::vector<std::string> StatusLines;
};

void PrintTo(const StartCase& row, std::ostream* out) { *out << row.Name; }

const StartCase kStartCases[] = {
    // No file: nothing selected, nothing filled, the missing-file line below the initial empty one.
    {"NoFile", std::nullopt, -1, {}, {"", kMissingFileLine}},
    // An empty file reads as all zeros: pipe inlet, zeros in the display formats of each edit.
    {"EmptyFile", "", 0,
     {{"0", "0", "0.0", "0.0", "0.0", "0.000", "0.000", "0.000", "0.000", "", "", "0.0000"}}, {""}},
    // Only the first line "1 50 100": slot/weir inlet, the reals all zero.
    {"FirstLineOnly", "1 50 100\r\n", 1,
     {{"50", "100", "0.0", "0.0", "0.0", "0.000", "0.000", "0.000", "", "0.000", "0.000", "0.0000"}}, {""}},
    // The layout example of the parameter file; its diffusivity 0.000540 shows as 0.0005.
    {"PipeExampleFile",
     "0 100 500\r\n5.000000 15.000000 10.000000 36.000000\r\n500.000000 10.000000 0.200000 1.000000\r\n0.000540\r\n", 0,
     {{"100", "500", "5.0", "15.0", "10.0", "36.000", "500.000", "10.000", "0.200", "", "", "0.0005"}}, {""}},
    // InletType 2 counts as the slot/weir inlet.
    {"InletTypeTwo",
     "2 100 500\r\n5.000000 15.000000 10.000000 36.000000\r\n500.000000 10.000000 0.200000 1.000000\r\n0.000540\r\n", 1,
     {{"100", "500", "5.0", "15.0", "10.0", "36.000", "500.000", "10.000", "", "0.200", "1.000", "0.0005"}}, {""}},
    // 1000 divisions are shown like any other count.
    {"ThousandDivisions", "0 1000 500\n1 2 3 4\n5 6 7 8\n9\n", 0,
     {{"1000", "500", "1.0", "2.0", "3.0", "4.000", "5.000", "6.000", "7.000", "", "", "9.0000"}}, {""}},
    // 1001 divisions: only the radio group, Edit1 and the limit line.
    {"AboveTheLimit", "1 1001 500\n1 2 3 4\n5 6 7 8\n9\n", 1,
     {{"1001", "", "", "", "", "", "", "", "", "", "", ""}}, {"", kDivisionLimitLine}},
};

}  // namespace

class StartUpTest : public FormTest, public testing::WithParamInterface<StartCase> {};

TEST_P(StartUpTest, WindowShowsWhatTheParameterFileHolds)
{
    const StartCase& start = GetParam();
    if (start.TsDat) WriteFile("ts.dat", *start.TsDat);
    TForm1& form = OpenForm();

    EXPECT_EQ(form.RadioGroup1->ItemIndex(), start.ItemIndex);
    const TEdit* edits[] = {form.Edit1, form.Edit2, form.Edit3, form.Edit4,  form.Edit5,  form.Edit6,
                            form.Edit7, form.Edit8, form.Edit9, form.Edit10, form.Edit11, form.Edit12};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(edits[i]->Text(), start.Shown.Texts[i]) << "Edit" << i + 1;
    EXPECT_EQ(form.Memo2->Lines(), start.StatusLines);
    EXPECT_EQ(form.Memo1->Lines(), std::vector<std::string>{""});
    EXPECT_TRUE(reports_.empty());
}

INSTANTIATE_TEST_SUITE_P(ParameterFiles, StartUpTest, testing::ValuesIn(kStartCases),
                         [](const testing::TestParamInfo<StartCase>& info) { return info.param.Name; });
