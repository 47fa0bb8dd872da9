#pragma once

#include "CategoryKind.h"
#include "ItemReading.h"
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

/**
 * @brief The judgement of an offered item the layout knows more of: a place it always wants
 * reviewed, a reason that says better why a safe item is safe (a diagnostic log), a download's
 * kind (an unfinished download is safe once a day has passed without a change).
 */
SafetyJudgement judgedItem(CategoryKind kind, const std::filesystem::path& path, std::optional<Date> modified,
                           Date now, const ItemReading& reading, std::optional<Date> projectTouched = std::nullopt);

/// How recently a project must have been touched for its build folders to count as in use.
inline constexpr std::chrono::hours kActiveProjectPeriod{7 * 24};

/// The command or place that rebuilds or manages the item, where there is one.
std::optional<std::string> actionHint(const Layout& layout, CategoryKind kind, const std::filesystem::path& path);

} // namespace orvelane::JunkScanner
