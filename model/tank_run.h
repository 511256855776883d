// The model's part of one run, after the chart frame and the node heights: the snapshot
// interval, the inlet figures, the time loop with its after-step watch, and the closing figures.
#pragma once

#include <functional>

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "platform/line_sink.h"

// What the outside world sees while the model steps. Any of them may be left empty.
struct TRunNotifications {
    std::function<void(int row)> OnSnapshotTaken;  // row of Snapshots just stored, from 0
    std::function<void()> OnLimitProfileStored;    // LimitProfile just stored
    std::function<void()> OnLimitFiguresStored;    // Eta1 and Qs just stored
};

// Runs the model on the record as the input phase left it: sets SnapshotInterval, stores the
// figures and profiles in `results` as it goes and appends the figure lines to the figures memo.
// Expects 1 <= TankDivisions <= 1000 (0 faults earlier, in the node heights). Throws the
// arithmetic errors of platform/errors.h at the operation that faults; what was stored before
// the fault stays stored.
void RunTankModel(TTankParameters& params, TTankResults& results, const LineSink& figuresMemo,
                  const TRunNotifications& notifications);
