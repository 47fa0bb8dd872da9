#pragma once

#include <string>

namespace orvelane {

/// A duration in seconds with a fixed number of fraction digits and always a decimal point:
/// log lines read the same whatever locale the process runs under (a Turkish one writes commas).
std::string secondsText(double seconds, int fractionDigits);

} // namespace orvelane
