#pragma once

#include "CategoryKind.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace orvelane {

class WindowState;

/// One stretch of the disk's bar.
struct DiskUsageSegment
{
    enum class Part { otherUse, category, free };

    Part part = Part::otherUse;
    std::optional<CategoryKind> category;
    /// The true figure, which the legend shows even where the bar had to squeeze the stretch.
    std::int64_t bytes = 0;
    /// Of the bar's width; the segments together fill the bar exactly.
    double fraction = 0;

    friend bool operator==(const DiskUsageSegment&, const DiskUsageSegment&) = default;
};

/**
 * @brief The home's disk split into what everything else uses, what each category could give
 * back, and what is free.
 *
 * The scan counts sizes, not where they lie: the Trash or a folder mounted into the home can put
 * more "reclaimable" bytes than the disk has in use. Then the categories share the used part in
 * proportion, nothing is said of everything else, and no category claims a share of the disk.
 */
struct DiskUsage
{
    std::int64_t total = 0;
    std::int64_t available = 0;
    std::int64_t used = 0;
    std::int64_t reclaimable = 0;
    bool reclaimableFits = true;
    /// Drawing order: everything else, the categories in the order given, free; none of 0 bytes.
    std::vector<DiskUsageSegment> segments;

    /// What `bytes` of reclaimable space is of the whole disk; nothing where that cannot be said.
    std::optional<double> shareOfDisk(std::int64_t bytes) const;
};

using CategoryTotals = std::vector<std::pair<CategoryKind, std::int64_t>>;

/// Nothing for a disk of unknown or no size. Negative figures count as none; free space beyond
/// the disk's size as the whole disk.
std::optional<DiskUsage> diskUsage(std::int64_t available, std::int64_t total, const CategoryTotals& reclaimable);

/// The window's disk and the totals of the categories that can be cleaned (insights are other
/// tools' stores and stay out); before the first result only the disk.
std::optional<DiskUsage> diskUsageOf(const WindowState& state);

/**
 * @brief Pixel widths for the segments' fractions across `width`: every segment at least
 * `minimum` wide so that none vanishes, the others narrowed in proportion, together exactly
 * `width`. When the minimums alone overfill the bar the segments share it equally.
 */
std::vector<double> drawnWidths(const std::vector<double>& fractions, double width, double minimum);

} // namespace orvelane
