// The program with its window: build the main window, show it, and wait until it is closed.
#pragma once

#include "files/tank_parameters.h"
#include "model/tank_results.h"

// Needs a QApplication with a display. Returns the process exit status, 0.
int RunWindow(TTankParameters& parameters, TTankResults& results);
