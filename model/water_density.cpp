#include "model/water_density.h"

#include "platform/checked_math.h"

// ρ(T) = 0.999868 + 6.72307e-5·T − 8.87995e-6·T² + 8.0389e-8·T³ − 4.78507e-10·T⁴, each power built by
// repeated multiplication from its coefficient, all in extended precision, rounded once on return.
float WaterDensity(float T)
{
    const Extended t = T;
    Extended rho = Extended(6.72307e-5) * t + Extended(0.999868);
    rho = rho - (Extended(8.87995e-6) * t) * t;
    rho = rho + ((Extended(8.0389e-8) * t) * t) * t;
    rho = rho - (((Extended(4.78507e-10) * t) * t) * t) * t;
    return StoreSingle(rho);
}
