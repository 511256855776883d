// ts.out (the seven figures of a run) and ondo.out (the stored profiles, one line per entry).
#pragma once

#include <filesystem>

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "platform/line_sink.h"

// Writes <folder>/ts.out and then <folder>/ondo.out from the results record. A file is replaced
// only by a complete new one; when ts.out cannot be written, "File not found" goes to the figures
// memo and ondo.out is left alone; when ondo.out cannot be written, "File not found" goes to the
// figures memo. A refused run (TankDivisions outside 1 to 1000) leaves ondo.out as it was.
// Returns false when any file could not be written.
bool WriteResults(const TTankParameters& params, const TTankResults& results,
                  const LineSink& figuresMemo, const std::filesystem::path& folder = ".");
