// ts.dat: the twelve inputs of a run, four lines of "%d" and "%f" numbers, CR LF line ends.
#pragma once

#include <filesystem>

#include "files/tank_parameters.h"
#include "platform/line_sink.h"

// Reads <folder>/ts.dat into the record with scanf semantics: a number that is missing or does not
// convert leaves its field as it was, and reading never skips a token it could not convert.
// When the file cannot be opened, appends the missing-file line to the status memo and returns
// false; the record is then untouched.
bool LoadParameters(TTankParameters& params, const LineSink& statusMemo,
                    const std::filesystem::path& folder = ".");

// Rewrites <folder>/ts.dat from the record. The old file is replaced only by a complete new one;
// when that cannot be done, appends "File not found" to the figures memo, leaves the old file
// as it was and returns false.
bool SaveParameters(const TTankParameters& params, const LineSink& figuresMemo,
                    const std::filesystem::path& folder = ".");
