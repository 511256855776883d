// The inputs of a run. One instance lives for the whole process, zero at start; the window's
// input phase overwrites it field by field, ts.dat carries it from one start to the next.
#pragma once

#include <cstdint>

struct TTankParameters {
    std::int32_t InletType = 0;      // 0 pipe inlet, any other value slot/weir inlet
    std::int32_t TankDivisions = 0;  // layers of the water column; nodes 0 to TankDivisions
    std::int32_t TimeDivisions = 0;  // time steps over the dimensionless time 0 to 1
    float InitialTemp = 0;           // °C, tank water at the start
    float InletTemp = 0;             // °C, water entering through the inlet
    float LimitTemp = 0;             // °C, supply limit of the water leaving the tank
    float FlowRate = 0;              // m³/h
    float TankVolume = 0;            // m³
    float WaterDepth = 0;            // m
    float InletSize = 0;             // m, pipe diameter or weir height
    float WeirWidth = 0;             // m, slot/weir inlet only
    float Diffusivity = 0;           // m²/h
    std::int32_t SnapshotInterval = 0;  // steps between snapshots; set by each run, never saved
};
