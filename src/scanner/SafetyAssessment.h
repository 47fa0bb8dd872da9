#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>

namespace orvelane::JunkScanner {

struct Layout;

/// How long after its last change a regenerable item still counts as in use; none for
/// categories with a fixed judgement.
std::optional<std::chrono::seconds> recentActivityThreshold(CategoryKind kind);

struct SafetyJudgement
{
    SafetyLevel level;
    SafetyReason reason;
    friend bool operator==(const SafetyJudgement&, const SafetyJudgement&) = default;
};

/// The level and reason of an offered item. Pure: no disk access, no logging.
SafetyJudgement safetyAssessment(CategoryKind kind, const std::filesystem::path& url,
                                 std::optional<Date> modified, Date now);

/// The command or place that rebuilds or manages the item, where there is one.
std::optional<std::string> actionHint(const Layout& layout, CategoryKind kind, const std::filesystem::path& path);

} // namespace orvelane::JunkScanner
