#include "form_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include <QTest>

TTypedInputs PipeExample()
{
    return {{"100", "1000", "10.0", "40.0", "20.0", "3.600", "10.000", "2.000", "0.050", "", "", "0.00036"}};
}

void FormTest::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "thermocline-app-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
}

void FormTest::TearDown()
{
    form_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void FormTest::WriteFile(const std::string& name, const std::string& content) const
{
    std::ofstream file(folder_ / name, std::ios::binary);
    file << content;
}

std::string FormTest::ReadFile(const std::string& name) const
{
    std::ifstream file(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FormTest::FileExists(const std::string& name) const { return std::filesystem::exists(folder_ / name); }

TForm1& FormTest::OpenForm()
{
    TFormSetup setup;
    setup.Folder = folder_;
    setup.ReportError = [this](const std::string& text) { reports_.push_back(text); };
    form_ = std::make_unique<TForm1>(parameters_, *results_, setup);
    form_->show();
    return *form_;
}

void FormTest::Type(const TTypedInputs& inputs)
{
    TEdit* const edits[] = {form_->Edit1, form_->Edit2, form_->Edit3,  form_->Edit4,  form_->Edit5,  form_->Edit6,
                            form_->Edit7, form_->Edit8, form_->Edit9, form_->Edit10, form_->Edit11, form_->Edit12};
    for (int i = 0; i < 12; ++i) edits[i]->SetText(inputs.Texts[i]);
}

void FormTest::ClickRun() { QTest::mouseClick(form_->Button1, Qt::LeftButton); }

std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}
