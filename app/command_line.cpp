#include "app/command_line.h"

#include <string_view>

TCommandLine ParseCommandLine(int argc, const char* const* argv)
{
    TCommandLine command;
    bool batch = false;
    bool chart = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return {TProgramMode::Help, {}};
        if (argument == "--batch" && !batch) {
            batch = true;
        } else if (argument == "--chart" && !chart && i + 1 < argc) {
            chart = true;
            command.ChartFile = argv[++i];
        } else {
            return {TProgramMode::BadUsage, {}};
        }
    }
    if (chart && !batch) return {TProgramMode::BadUsage, {}};
    if (batch) command.Mode = TProgramMode::Batch;
    return command;
}

std::string UsageLine() { return "usage: thermocline [--batch [--chart FILE.png]] | --help"; }

std::string HelpText()
{
    return UsageLine() + "\n"
           "\n"
           "Temperature distribution in, and efficiency of, a thermally stratified heat-storage tank.\n"
           "\n"
           "Without arguments the window opens, filled from ts.dat in the current folder; each click\n"
           "on 実行 runs the model and writes ts.out, ondo.out and ts.dat there.\n"
           "\n"
           "  --batch         no window and no display needed: do what starting the program here,\n"
           "                  clicking 実行 once and closing would do. Every memo line goes to\n"
           "                  standard output as it appears, an error report to standard error.\n"
           "  --chart FILE    with --batch: save the window's drawing area, chart included, as PNG.\n"
           "  --help          this text.\n"
           "\n"
           "Exit status in batch mode: 0 run completed, 1 error reported, 2 run refused (tank\n"
           "divisions above 1000 or below 0), 3 a file could not be written.\n"
           "Window mode: 0; 69 when there is no display. Unknown arguments: 64.\n";
}
