#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvelane {

/// How safe removing an item is judged to be. `protected` items are shown but never cleaned.
enum class SafetyLevel { safe, review, protected_ };

/// Why an item has its safety level.
enum class SafetyReason {
    oldRegenerable,
    recentlyActive,
    expensiveToRegenerate,
    requiresRebuild,
    userFile,
    permanentDeletion,
    managedByAnotherTool,
    diagnosticLog,
    mayHoldHistory,
    mayHoldUserData,
    installer,
    diskImage,
    archive,
    unfinishedDownload,
    downloadInProgress,
    dependencyFolder,
    toolCache,
    currentSessionLog,
    projectActive,
};

/// Why an examined path is not offered. `excludedByUser`: the user asked never to be offered it again.
enum class SkipReason { emptyOrInaccessible, belowSizeThreshold, excludedByUser };

inline constexpr std::array<SafetyLevel, 3> allSafetyLevels{SafetyLevel::safe, SafetyLevel::review,
                                                            SafetyLevel::protected_};
inline constexpr std::array<SafetyReason, 19> allSafetyReasons{
    SafetyReason::oldRegenerable,     SafetyReason::recentlyActive,    SafetyReason::expensiveToRegenerate,
    SafetyReason::requiresRebuild,    SafetyReason::userFile,          SafetyReason::permanentDeletion,
    SafetyReason::managedByAnotherTool, SafetyReason::diagnosticLog,   SafetyReason::mayHoldHistory,
    SafetyReason::mayHoldUserData,    SafetyReason::installer,         SafetyReason::diskImage,
    SafetyReason::archive,            SafetyReason::unfinishedDownload, SafetyReason::downloadInProgress,
    SafetyReason::dependencyFolder,   SafetyReason::toolCache,         SafetyReason::currentSessionLog,
    SafetyReason::projectActive,
};
inline constexpr std::array<SkipReason, 3> allSkipReasons{
    SkipReason::emptyOrInaccessible, SkipReason::belowSizeThreshold, SkipReason::excludedByUser};

// Raw values are the case names ("protected" for SafetyLevel::protected_, whose C++ name avoids the keyword).
std::string_view rawValue(SafetyLevel level);
std::string_view rawValue(SafetyReason reason);
std::string_view rawValue(SkipReason reason);

// Exact, case-sensitive construction from a raw value.
std::optional<SafetyLevel> safetyLevelFromRawValue(std::string_view raw);
std::optional<SafetyReason> safetyReasonFromRawValue(std::string_view raw);
std::optional<SkipReason> skipReasonFromRawValue(std::string_view raw);

// Display texts in the current language, looked up on every call.
std::string title(SafetyLevel level);
std::string explanation(SafetyReason reason);
std::string explanation(SkipReason reason);

/// The reason's text naming the program the item belongs to, where the text speaks of it
/// ("close Firefox"); the plain text when the program is not known.
std::string explanation(SafetyReason reason, const std::optional<std::string>& application);

/// The skip reason's text; a size threshold, where one applies, is named in it.
std::string explanation(SkipReason reason, std::optional<std::int64_t> threshold);

} // namespace orvelane

// Hashing goes through the raw value, so a level hashes like its stored name.
template <>
struct std::hash<orvelane::SafetyLevel>
{
    std::size_t operator()(orvelane::SafetyLevel v) const noexcept
    {
        return std::hash<std::string_view>{}(orvelane::rawValue(v));
    }
};
template <>
struct std::hash<orvelane::SafetyReason>
{
    std::size_t operator()(orvelane::SafetyReason v) const noexcept
    {
        return std::hash<std::string_view>{}(orvelane::rawValue(v));
    }
};
template <>
struct std::hash<orvelane::SkipReason>
{
    std::size_t operator()(orvelane::SkipReason v) const noexcept
    {
        return std::hash<std::string_view>{}(orvelane::rawValue(v));
    }
};
