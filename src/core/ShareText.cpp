#include "ShareText.h"

#include "ByteFormatter.h"
#include "DisplayText.h"

#include <algorithm>
#include <cmath>

namespace orvelane::ShareText {
namespace {

constexpr long kTenthsOfWhole = 1000;

std::string tenthsText(long tenths)
{
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0)
        text.append(currentByteFormatLocale().decimalPoint).append(std::to_string(tenths % 10));
    return text;
}

} // namespace

std::string percent(double fraction)
{
    fraction = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    long tenths = std::lround(fraction * kTenthsOfWhole);
    if (fraction < 1.0)
        tenths = std::min(tenths, kTenthsOfWhole - 1);
    if (tenths == 0 && fraction > 0.0)
        return localizedFormat(DISPLAY_TEXT("under %@ %%"), {tenthsText(1)});
    return localizedFormat(DISPLAY_TEXT("%@ %%"), {tenthsText(tenths)});
}

} // namespace orvelane::ShareText
