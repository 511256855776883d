// The program's arguments: none for the window, --batch [--chart FILE] for one run without it.
#pragma once

#include <string>

enum class TProgramMode { Window, Batch, Help, BadUsage };

struct TCommandLine {
    TProgramMode Mode = TProgramMode::Window;
    std::string ChartFile;  // empty: no chart image is saved
};

TCommandLine ParseCommandLine(int argc, const char* const* argv);

std::string UsageLine();
std::string HelpText();
