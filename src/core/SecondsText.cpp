#include "SecondsText.h"

#include <array>
#include <charconv>

namespace orvelane {

std::string secondsText(double seconds, int fractionDigits)
{
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), seconds, std::chars_format::fixed, fractionDigits);
    if (error != std::errc())
        return "?";
    return std::string(buffer.data(), end);
}

} // namespace orvelane
