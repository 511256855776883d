// Thermocline: the temperature distribution in, and the efficiency of, a thermally stratified
// heat-storage tank charged through a pipe or a slot inlet. Run with --help for the two modes.
#include <cstdlib>
#include <iostream>
#include <memory>

#include <QApplication>

#include "app/batch_run.h"
#include "app/command_line.h"
#include "app/window_run.h"
#include "files/tank_parameters.h"
#include "model/tank_results.h"

namespace {

constexpr int kUsageError = 64;   // as sysexits' EX_USAGE
constexpr int kNoDisplay = 69;    // as sysexits' EX_UNAVAILABLE

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt would abort without a display; say what works instead.
bool HasDisplay() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"); }

// The one parameter record and the one results record, for the life of the process.
struct TProgramRecords {
    TTankParameters Parameters;
    TTankResults Results;
};

}  // namespace

int main(int argc, char** argv)
{
    const TCommandLine command = ParseCommandLine(argc, argv);
    switch (command.Mode) {
    case TProgramMode::Help:
        std::cout << HelpText();
        return 0;
    case TProgramMode::BadUsage:
        std::cerr << UsageLine() << std::endl;
        return kUsageError;
    case TProgramMode::Batch:
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        KeepStandardErrorForReports();
        break;
    case TProgramMode::Window:
        if (!HasDisplay()) {
            std::cerr << "thermocline: no display to open the window on; --batch runs without one." << std::endl;
            return kNoDisplay;
        }
        break;
    }

    QApplication application(argc, argv);
    const auto records = std::make_unique<TProgramRecords>();
    if (command.Mode == TProgramMode::Batch)
        return RunBatch(records->Parameters, records->Results, command.ChartFile);
    return RunWindow(records->Parameters, records->Results);
}
