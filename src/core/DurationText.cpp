#include "DurationText.h"

#include <algorithm>
#include <cstdint>

namespace orvelane {

std::string secondsText(std::chrono::nanoseconds duration, int decimals)
{
    decimals = std::clamp(decimals, 0, 9);
    std::int64_t unit = 1'000'000'000;
    for (int i = 0; i < decimals; ++i)
        unit /= 10;
    const std::int64_t ns = duration.count();
    // Computed on the magnitude, so that INT64_MIN cannot overflow on negation.
    const auto magnitude =
        ns < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(ns) : static_cast<std::uint64_t>(ns);
    const auto step = static_cast<std::uint64_t>(unit);
    const std::uint64_t steps = magnitude / step + (magnitude % step >= (step + 1) / 2 ? 1 : 0);
    std::uint64_t perSecond = 1;
    for (int i = 0; i < decimals; ++i)
        perSecond *= 10;

    std::string text = ns < 0 && steps != 0 ? "-" : "";
    text += std::to_string(steps / perSecond);
    if (decimals > 0) {
        std::string fraction = std::to_string(steps % perSecond);
        text += '.';
        text.append(static_cast<std::size_t>(decimals) - fraction.size(), '0');
        text += fraction;
    }
    return text;
}

} // namespace orvelane
