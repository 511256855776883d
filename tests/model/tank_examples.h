// Input records of the reference runs the model tests share.
#pragma once

#include "files/tank_parameters.h"

// Pipe inlet charging 10 -> 40 °C: 3.6 m³/h into 10 m³, 2 m deep, 0.05 m pipe, 100 tank and 1000
// time divisions. Its figures, profiles and performance figures are the model's reference run.
inline TTankParameters PipeInletExample(float limitTemp)
{
    TTankParameters p;
    p.InletType = 0;
    p.TankDivisions = 100;
    p.TimeDivisions = 1000;
    p.InitialTemp = 10;
    p.InletTemp = 40;
    p.LimitTemp = limitTemp;
    p.FlowRate = 3.6f;
    p.TankVolume = 10;
    p.WaterDepth = 2;
    p.InletSize = 0.05f;
    p.Diffusivity = 0.00036f;
    return p;
}

// Slot/weir inlet charging with colder water, 15 -> 5 °C.
inline TTankParameters SlotInletExample()
{
    TTankParameters p;
    p.InletType = 1;
    p.TankDivisions = 200;
    p.TimeDivisions = 500;
    p.InitialTemp = 15;
    p.InletTemp = 5;
    p.LimitTemp = 8;
    p.FlowRate = 18;
    p.TankVolume = 50;
    p.WaterDepth = 4;
    p.InletSize = 0.1f;
    p.WeirWidth = 0.5f;
    p.Diffusivity = 0.0005f;
    return p;
}
