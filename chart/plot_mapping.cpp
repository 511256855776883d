#include "chart/plot_mapping.h"

#include <algorithm>
#include <limits>

#include "platform/checked_math.h"

namespace {

// A diverging profile can scale past what a pixel coordinate holds; it is drawn at the edge
// of the 32-bit range rather than wrapped around to the other side.
std::int32_t ToPixel(Extended scaled)
{
    const std::int64_t cut = TruncToInt64(scaled);
    return std::int32_t(std::clamp<std::int64_t>(cut, std::numeric_limits<std::int32_t>::min(),
                                                  std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t PlotX(float theta)
{
    const Extended v = theta;
    return ToPixel(v * 380 + 20);
}

std::int32_t PlotXReversed(float theta)
{
    const Extended v = theta;
    return ToPixel(400 - v * 380);
}

std::int32_t PlotY(float height)
{
    const Extended v = height;
    return ToPixel(500 - v * 460);
}

std::int32_t PlotYReversed(float height)
{
    const Extended v = height;
    return ToPixel(v * 460 + 40);
}

bool IsChartReversed(const TTankParameters& params)
{
    return params.InitialTemp >= params.InletTemp;
}
