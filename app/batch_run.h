// One run without a window: start, click the run button once, close. Memo lines go to standard
// output as they appear, the error report to standard error.
#pragma once

#include <string>

#include "files/tank_parameters.h"
#include "model/tank_results.h"

// Exit status: 0 run completed, 1 error reported, 2 run refused, 3 a file not written.
enum TBatchStatus { kBatchCompleted = 0, kBatchError = 1, kBatchRefused = 2, kBatchFileNotWritten = 3 };

// Standard error carries only the error report: Qt's own notices (a missing runtime folder and
// the like) are dropped, its critical messages kept. Call before the QApplication is built.
void KeepStandardErrorForReports();

// Needs a QApplication; chartFile empty saves no image.
int RunBatch(TTankParameters& parameters, TTankResults& results, const std::string& chartFile);
