// A main window opened in a folder of its own, with the error report captured instead of shown,
// and the files of that folder at hand.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/form1.h"

// The inputs of a run as typed into Edit1 to Edit12.
struct TTypedInputs {
    std::string Texts[12];
};

// The whole-run pipe example: 100 tank and 1000 time divisions, 10 -> 40 °C, limit 20 °C,
// 3.6 m³/h, 10 m³, 2 m deep, 0.05 m pipe, diffusivity 0.00036 m²/h.
TTypedInputs PipeExample();

class FormTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void WriteFile(const std::string& name, const std::string& content) const;
    std::string ReadFile(const std::string& name) const;
    bool FileExists(const std::string& name) const;

    // Opens the window in the test's folder, as the program does at start-up.
    TForm1& OpenForm();
    void Type(const TTypedInputs& inputs);
    void ClickRun();

    std::filesystem::path folder_;
    TTankParameters parameters_{};
    std::unique_ptr<TTankResults> results_ = std::make_unique<TTankResults>();
    std::vector<std::string> reports_;
    std::unique_ptr<TForm1> form_;
};

std::vector<std::string> SplitCrLfLines(const std::string& text);
