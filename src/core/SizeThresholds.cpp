#include "SizeThresholds.h"

namespace orvelane {
namespace {

constexpr std::int64_t kMiB = 1'048'576;

} // namespace

std::optional<std::int64_t> sizeThreshold(CategoryKind kind)
{
    switch (kind) {
    case CategoryKind::insights:
        return 500 * kMiB;
    case CategoryKind::downloads:
        return 10 * kMiB;
    case CategoryKind::devArtifacts:
        return 5 * kMiB;
    default:
        return std::nullopt;
    }
}

} // namespace orvelane
