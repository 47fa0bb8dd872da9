#pragma once

#include <chrono>
#include <string>

namespace orvelane {

/**
 * @brief A duration in seconds with a fixed number of decimals (0 to 9), e.g. "1.250", always
 * with a dot: log records read the same whatever the process locale (printf's "%f" would write
 * "1,250" under a Turkish one). Rounded half away from zero.
 */
std::string secondsText(std::chrono::nanoseconds duration, int decimals);

} // namespace orvelane
