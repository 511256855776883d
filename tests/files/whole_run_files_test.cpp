// The result files of a whole model run: the pipe-inlet reference run (10 -> 40 °C, limit 20 °C,
// 3.6 m³/h, 10 m³, 2 m deep, 0.05 m pipe, diffusivity 0.00036, 100 tank and 1000 time divisions).
#include <sstream>

#include <gtest/gtest.h>

#include "files/result_files.h"
#include "model/tank_run.h"
#include "tests/files/temp_folder.h"
#include "tests/model/tank_examples.h"

TEST(WriteResults, ReferenceRunFiles)
{
    TTankParameters params = PipeInletExample(20);
    TTankResults results;
    MemoLines memo;
    RunTankModel(params, results, memo.Sink(), {});
    TempFolder folder;
    ASSERT_TRUE(WriteResults(params, results, memo.Sink(), folder.Path()));

    // Qs, Eta1 and Eta2 agree with the memo's 0.930, 0.914 and 0.929.
    EXPECT_EQ(folder.Read("ts.out"),
              " 0.014094 0.400000 40.000000 0.333333 0.930163 0.914195 0.928905\r\n");

    std::istringstream ondo(folder.Read("ondo.out"));
    std::string line;
    int lines = 0;
    while (std::getline(ondo, line)) {
        ASSERT_EQ(line.back(), '\r');
        ++lines;
    }
    EXPECT_EQ(lines, 101);
}
