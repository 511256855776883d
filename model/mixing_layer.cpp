#include "model/mixing_layer.h"

#include <cmath>

#include "platform/checked_math.h"

namespace {

// Base depth of the layer in inlet sizes: 0.7·Ar^−0.5 behind a pipe, 2.0·Ar^−0.6 behind a weir.
constexpr double kPipeCoefficient = 0.7;
constexpr double kPipeExponent = -0.5;
constexpr float kSlotCoefficient = 2.0f;
constexpr double kSlotExponent = -0.6;
// The layer deepens by 0.4 water depths per unit of dimensionless time.
constexpr double kGrowthRate = 0.4;

// How many grid spacings a layer of `depth` (fraction of the water depth) spans, cut toward zero
// and kept within 0 to Nx − 1 so that at least the outlet node lies beyond it.
std::int32_t NodesSpanned(float depth, std::int32_t tankDivisions)
{
    const Extended spanned = Extended(tankDivisions) * depth;
    if (!std::isfinite(spanned)) throw EInvalidOp();
    const std::int32_t deepest = tankDivisions - 1;
    if (spanned >= deepest) return deepest;
    if (spanned <= 0) return 0;
    return static_cast<std::int32_t>(TruncToInt64(spanned));
}

}  // namespace

TMixingLayer UpdateMixingLayer(const TMixingInputs& in, std::int32_t step, const double* theta)
{
    const bool pipe = in.InletType == 0;
    const double arPower = std::pow(double(in.Ar_in), pipe ? kPipeExponent : kSlotExponent);
    const Extended base = pipe ? Divide(arPower * Extended(kPipeCoefficient), in.DepthRatio)
                               : Divide(arPower * Extended(kSlotCoefficient), in.DepthRatio);
    const Extended growth = (Extended(kGrowthRate) * in.TimeStep) * step;

    TMixingLayer layer;
    // Rounding the depth to single before counting nodes is part of the model: it moves the count
    // by one in ordinary steps.
    layer.MixingDepth = StoreSingle(base + growth);
    layer.MixingNodes = NodesSpanned(layer.MixingDepth, in.TankDivisions);
    const std::int32_t n = layer.MixingNodes;
    layer.MixingDepth = StoreSingle(Divide(n == 0 ? 1 : n, in.TankDivisions));

    // Node 1 stays out of the mean; N = 1 leaves nothing to average (0/0).
    double sum = 0;
    for (std::int32_t i = 2; i <= n; ++i) sum = AddViaExtended(theta[i], sum);
    layer.MixingMean = StoreDouble(Divide(sum, n - 1));

    // Relaxation toward the inlet temperature over one step, time constant = the layer's depth.
    const double exponent = StoreDouble(Divide(-Extended(in.TimeStep), layer.MixingDepth));
    const double decay = std::exp(exponent);
    layer.ThetaMix = StoreDouble(1.0L - Extended(decay) * (1.0L - Extended(layer.MixingMean)));
    return layer;
}
