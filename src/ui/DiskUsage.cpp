#include "DiskUsage.h"

#include "DiskSpaceController.h"
#include "ScanResults.h"
#include "WindowState.h"

#include <algorithm>
#include <limits>

namespace orvelane {
namespace {

double ratio(std::int64_t part, std::int64_t whole)
{
    return static_cast<double>(static_cast<long double>(part) / static_cast<long double>(whole));
}

void add(DiskUsage& usage, DiskUsageSegment segment)
{
    if (segment.bytes > 0)
        usage.segments.push_back(segment);
}

} // namespace

std::optional<double> DiskUsage::shareOfDisk(std::int64_t bytes) const
{
    if (!reclaimableFits || total <= 0)
        return std::nullopt;
    return std::clamp(ratio(bytes, total), 0.0, 1.0);
}

std::optional<DiskUsage> diskUsage(std::int64_t available, std::int64_t total, const CategoryTotals& reclaimable)
{
    if (total <= 0)
        return std::nullopt;
    DiskUsage usage;
    usage.total = total;
    usage.available = std::clamp<std::int64_t>(available, 0, total);
    usage.used = total - usage.available;
    // Added wide: sizes the scan could not place may add up beyond 64 bits.
    long double exact = 0;
    for (const auto& entry : reclaimable)
        exact += static_cast<long double>(std::max<std::int64_t>(entry.second, 0));
    constexpr auto kLargest = std::numeric_limits<std::int64_t>::max();
    usage.reclaimable = exact >= static_cast<long double>(kLargest) ? kLargest : static_cast<std::int64_t>(exact);
    usage.reclaimableFits = exact <= static_cast<long double>(usage.used);

    using Part = DiskUsageSegment::Part;
    if (usage.reclaimableFits)
        add(usage, {Part::otherUse, std::nullopt, usage.used - usage.reclaimable, ratio(usage.used - usage.reclaimable, total)});
    // Squeezed into the used part, each category keeps its proportion to the others.
    const double scale = usage.reclaimableFits ? 1.0 : static_cast<double>(static_cast<long double>(usage.used) / exact);
    for (const auto& [kind, bytes] : reclaimable)
        add(usage, {Part::category, kind, bytes, ratio(std::max<std::int64_t>(bytes, 0), total) * scale});
    add(usage, {Part::free, std::nullopt, usage.available, ratio(usage.available, total)});
    return usage;
}

std::optional<DiskUsage> diskUsageOf(const WindowState& state)
{
    const DiskSpaceController& disk = *state.diskSpace();
    if (!disk.known())
        return std::nullopt;
    CategoryTotals totals;
    for (const auto& [kind, result] : state.results()->byCategory())
        if (!isGuidanceOnly(kind))
            totals.emplace_back(kind, state.results()->totalSize(kind));
    return diskUsage(disk.available(), disk.total(), totals);
}

std::vector<double> drawnWidths(const std::vector<double>& fractions, double width, double minimum)
{
    std::vector<double> widths(fractions.size(), 0.0);
    const auto shown = static_cast<double>(std::count_if(fractions.begin(), fractions.end(), [](double f) { return f > 0; }));
    if (shown == 0 || width <= 0)
        return widths;
    if (shown * minimum >= width) {
        for (std::size_t i = 0; i < fractions.size(); ++i)
            widths[i] = fractions[i] > 0 ? width / shown : 0.0;
        return widths;
    }
    // Pin the segments that proportion would draw thinner than the minimum, then share what is
    // left among the rest; pinning narrows the rest, which may pin more.
    std::vector<bool> pinned(fractions.size(), false);
    double pinnedCount = 0;
    for (bool pinnedMore = true; pinnedMore;) {
        pinnedMore = false;
        double restSum = 0;
        for (std::size_t i = 0; i < fractions.size(); ++i)
            if (fractions[i] > 0 && !pinned[i])
                restSum += fractions[i];
        const double restWidth = width - pinnedCount * minimum;
        for (std::size_t i = 0; i < fractions.size(); ++i) {
            if (fractions[i] <= 0 || pinned[i])
                continue;
            widths[i] = fractions[i] / restSum * restWidth;
            if (widths[i] < minimum) {
                pinned[i] = true;
                pinnedCount += 1;
                pinnedMore = true;
            }
        }
    }
    for (std::size_t i = 0; i < fractions.size(); ++i)
        if (pinned[i])
            widths[i] = minimum;
    return widths;
}

} // namespace orvelane
