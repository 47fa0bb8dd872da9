#pragma once

#include <cstdint>
#include <limits>

namespace orvelane {

/**
 * @brief Adds two byte counts, holding at the largest (or smallest) count instead of wrapping.
 *
 * Sizes come from the disk but also from saved scan documents that anybody can write; a sum of
 * claimed sizes must never turn negative on screen or in a report.
 */
constexpr std::int64_t addBytes(std::int64_t total, std::int64_t more)
{
    std::int64_t sum = 0;
    if (!__builtin_add_overflow(total, more, &sum))
        return sum;
    return more > 0 ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min();
}

/// The saturating sum of the sizes of records that have a `size` member.
template <typename Records>
constexpr std::int64_t sumOfSizes(const Records& records)
{
    std::int64_t total = 0;
    for (const auto& record : records)
        total = addBytes(total, record.size);
    return total;
}

} // namespace orvelane
