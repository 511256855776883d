// The thin widget layer: memo lines, the radio group's selection, and the one error report.
#include <stdexcept>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/errors.h"
#include "platform/widgets/button.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/error_report.h"
#include "platform/widgets/form.h"
#include "platform/widgets/memo.h"
#include "platform/widgets/radio_group.h"

#include <gtest/gtest.h>

TEST(MemoTest, LinesFollowAppendsClearsAndTypedText)
{
    TForm form(200, 100, "memo", "ＭＳ Ｐゴシック", 12);
    TMemo memo(&form, ssBoth);
    std::vector<std::string> told;
    memo.OnLineAppended = [&told](const std::string& line) { told.push_back(line); };

    EXPECT_EQ(memo.Lines(), std::vector<std::string>{});
    memo.SetLines({""});
    EXPECT_EQ(memo.Lines(), std::vector<std::string>{""});
    memo.Append("計算開始");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"", "計算開始"}));

    // A last line typed without a line break stays a line of its own.
    memo.moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo, "typed");
    memo.Append("計算終了");
    EXPECT_EQ(memo.Lines(), (std::vector<std::string>{"", "計算開始", "typed", "計算終了"}));

    memo.Clear();
    EXPECT_EQ(memo.Lines(), std::vector<std::string>{});
    memo.Append("Ar_in: 0.014");
    EXPECT_EQ(memo.Lines(), std::vector<std::string>{"Ar_in: 0.014"});
    EXPECT_EQ(told, (std::vector<std::string>{"計算開始", "計算終了", "Ar_in: 0.014"}));
}

// A value wider than its box shows from its first digit: 500.000 must not read 00.000.
TEST(EditTest, FilledTextShowsItsBeginning)
{
    TForm form(200, 100, "edit", "ＭＳ Ｐゴシック", 12);
    TEdit edit(&form);
    edit.setGeometry(0, 0, 45, 23);
    form.show();
    edit.SetText("500.000");
    EXPECT_EQ(edit.Text(), "500.000");
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST(RadioGroupTest, ItemIndexCanBeSetAndClearedAgain)
{
    TForm form(200, 100, "radio", "ＭＳ Ｐゴシック", 12);
    TRadioGroup group(&form, {"円管入力", "スロット・せき入力"});
    EXPECT_EQ(group.ItemIndex(), -1);
    group.SetItemIndex(1);
    EXPECT_EQ(group.ItemIndex(), 1);
    group.SetItemIndex(0);
    EXPECT_EQ(group.ItemIndex(), 0);
    group.SetItemIndex(-1);
    EXPECT_EQ(group.ItemIndex(), -1);
}

namespace {

struct ReportCase {
    const char* Name;
    std::function<void()> Fault;
    std::string Text;
};

void PrintTo(const ReportCase& row, std::ostream* out) { *out << row.Name; }

const ReportCase kReportCases[] = {
    {"ConvertError", [] { throw EConvertError("'abc' は浮動小数点ではありません"); },
     "'abc' は浮動小数点ではありません."},
    {"IntegerDivision", [] { throw EDivByZero(); }, "0 による除算."},
    {"Overflow", [] { throw EOverflow(); }, "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ."},
    // Anything else that escapes a command is still reported, not passed to Qt.
    {"StandardLibrary", [] { throw std::runtime_error("out of memory"); }, "out of memory."},
};

}  // namespace

class ClickReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(ClickReportTest, ErrorOfAClickGoesToTheReporterWithAFullStop)
{
    TForm form(200, 100, "report", "ＭＳ Ｐゴシック", 12);
    std::vector<std::string> reports;
    form.SetErrorReporter([&reports](const std::string& text) { reports.push_back(text); });
    auto* button = new TButton(form, "実行");
    button->OnClick = GetParam().Fault;
    form.show();

    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(reports, std::vector<std::string>{GetParam().Text});
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(reports.size(), 2u) << "the window takes the next command";
}

INSTANTIATE_TEST_SUITE_P(Errors, ClickReportTest, testing::ValuesIn(kReportCases),
                         [](const testing::TestParamInfo<ReportCase>& info) { return info.param.Name; });

TEST(ErrorBoxTest, ShowsTheTextWithTheErrorIconAndOneOkButton)
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box == nullptr || !box->isVisible()) continue;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        }
    });
    answer.start();
    ShowErrorBox(nullptr, "0 による除算.");

    EXPECT_EQ(title.toStdString(), "Thermocline");
    EXPECT_EQ(text.toStdString(), "0 による除算.");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, 1);
}
