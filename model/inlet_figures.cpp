#include "model/inlet_figures.h"

#include "model/water_density.h"
#include "platform/checked_math.h"
#include "platform/conversions.h"

namespace {

constexpr double kGravity = 9.8;
constexpr double kPi = 3.141592;  // the pipe-area formula has always used this shortened π

}  // namespace

TStepSizes ComputeInletFigures(const TTankParameters& params, TTankResults& results,
                               const LineSink& figuresMemo)
{
    const Extended perSecond = 1.0L / 3600.0L;  // m³/h to m³/s, reciprocal kept in extended
    const Extended d = params.InletSize;

    const float inletFlow = StoreSingle(params.FlowRate * perSecond);

    // Mean velocity through the pipe (4Q/πd²) or over the weir (Q/(d·w)).
    const float inletVelocity =
        params.InletType == 0
            ? StoreSingle(Divide(Divide(4.0L * inletFlow * (1.0L / Extended(kPi)), d), d))
            : StoreSingle(Divide(Divide(inletFlow, d), params.WeirWidth));

    const float initialDensity = WaterDensity(params.InitialTemp);
    float densityDifference =
        StoreSingle(Extended(initialDensity) - WaterDensity(params.InletTemp));
    if (densityDifference < 0) densityDifference = -densityDifference;

    // Buoyancy of the incoming water against its inertia; the same form for both inlets.
    results.Ar_in = StoreSingle(
        Divide(Divide(Divide(d * Extended(kGravity) * densityDifference, initialDensity), inletVelocity),
               inletVelocity));
    results.K = StoreSingle(
        Divide(Divide(Divide(perSecond * params.Diffusivity * params.TankVolume, d), d), inletFlow));
    results.DepthRatio = StoreSingle(Divide(params.WaterDepth, params.InletSize));
    results.LimitTheta = StoreSingle(Divide(Extended(params.LimitTemp) - params.InitialTemp,
                                            Extended(params.InletTemp) - params.InitialTemp));

    figuresMemo("Ar_in: " + FloatToStrF(results.Ar_in, ffFixed, 7, 3));
    figuresMemo("K    : " + FloatToStrF(results.K, ffFixed, 7, 3));
    figuresMemo("  ↓  ");

    TStepSizes steps;
    steps.TimeStep = StoreSingle(Divide(1.0L, params.TimeDivisions));
    steps.GridStep = StoreSingle(Divide(results.DepthRatio, params.TankDivisions));
    return steps;
}
