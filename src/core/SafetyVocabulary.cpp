#include "SafetyVocabulary.h"

#include "ByteFormatter.h"
#include "DisplayText.h"


namespace orvelane {
namespace {

struct VocabularyEntry
{
    std::string_view raw;
    const char* text;
};

constexpr std::array<VocabularyEntry, 3> kLevels{{
    {"safe", DISPLAY_TEXT("Safe")},
    {"review", DISPLAY_TEXT("Review")},
    {"protected", DISPLAY_TEXT("Protected")},
}};

constexpr std::array<VocabularyEntry, 19> kReasons{{
    {"oldRegenerable", DISPLAY_TEXT("Regenerable data that has not changed recently.")},
    {"recentlyActive", DISPLAY_TEXT("Recently active — close the related app and review before cleaning.")},
    {"expensiveToRegenerate", DISPLAY_TEXT("Regenerable, but rebuilding it may take significant time or data.")},
    {"requiresRebuild", DISPLAY_TEXT("Removing this requires rebuilding the project before it works again.")},
    {"userFile", DISPLAY_TEXT("This is one of your files; Orvelane cannot determine whether you still need it.")},
    {"permanentDeletion", DISPLAY_TEXT("Cleaning Trash deletes this permanently and cannot be undone.")},
    {"managedByAnotherTool", DISPLAY_TEXT("Read-only insight — manage this storage with the app or command shown.")},
    {"diagnosticLog", DISPLAY_TEXT("A diagnostic log that has not changed recently; nothing needs it to work.")},
    {"mayHoldHistory",
     DISPLAY_TEXT("Logs of an app Orvelane does not know; they may hold a history you keep, such as chats.")},
    {"mayHoldUserData",
     DISPLAY_TEXT("Mostly regenerable, but it may also hold something of yours that cannot be downloaded again.")},
    {"installer", DISPLAY_TEXT("An installer or app package you downloaded — check whether you still need it.")},
    {"diskImage", DISPLAY_TEXT("A disk image you downloaded; you can download it again if you need it.")},
    {"archive", DISPLAY_TEXT("An archive you downloaded; keep it unless you have unpacked what you need.")},
    {"unfinishedDownload", DISPLAY_TEXT("An unfinished download that has not changed for over a day.")},
    {"downloadInProgress", DISPLAY_TEXT("An unfinished download that changed today — it may still be in progress.")},
    {"dependencyFolder",
     DISPLAY_TEXT("The project's installed dependencies: removing them means installing them again, which needs the network.")},
    {"toolCache", DISPLAY_TEXT("A tool's cache inside the project: the tool's next run is only a little slower.")},
    {"currentSessionLog", DISPLAY_TEXT("Written by your current login session — clean it after you log out.")},
    {"projectActive", DISPLAY_TEXT("You worked on this project this week — rebuilding costs time")},
}};

constexpr std::array<VocabularyEntry, 3> kSkipReasons{{
    {"emptyOrInaccessible", DISPLAY_TEXT("Empty or inaccessible")},
    {"belowSizeThreshold", DISPLAY_TEXT("Below the display threshold")},
    {"excludedByUser", DISPLAY_TEXT("Excluded by you")},
}};

template <typename Enum, std::size_t N>
std::optional<Enum> fromRaw(const std::array<VocabularyEntry, N>& table, std::string_view raw)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].raw == raw)
            return static_cast<Enum>(i);
    return std::nullopt;
}

template <typename Enum, std::size_t N>
const VocabularyEntry& entry(const std::array<VocabularyEntry, N>& table, Enum value)
{
    return table[static_cast<std::size_t>(value)];
}

} // namespace

std::string_view rawValue(SafetyLevel level) { return entry(kLevels, level).raw; }
std::string_view rawValue(SafetyReason reason) { return entry(kReasons, reason).raw; }
std::string_view rawValue(SkipReason reason) { return entry(kSkipReasons, reason).raw; }

std::optional<SafetyLevel> safetyLevelFromRawValue(std::string_view raw)
{
    return fromRaw<SafetyLevel>(kLevels, raw);
}
std::optional<SafetyReason> safetyReasonFromRawValue(std::string_view raw)
{
    return fromRaw<SafetyReason>(kReasons, raw);
}
std::optional<SkipReason> skipReasonFromRawValue(std::string_view raw)
{
    return fromRaw<SkipReason>(kSkipReasons, raw);
}

std::string title(SafetyLevel level) { return localizedText(entry(kLevels, level).text); }
std::string explanation(SafetyReason reason) { return localizedText(entry(kReasons, reason).text); }
std::string explanation(SkipReason reason) { return localizedText(entry(kSkipReasons, reason).text); }

std::string explanation(SafetyReason reason, const std::optional<std::string>& application)
{
    if (reason == SafetyReason::recentlyActive && application)
        return localizedFormat(DISPLAY_TEXT("Recently active — close %@ and review before cleaning."), {*application});
    return explanation(reason);
}

std::string explanation(SkipReason reason, std::optional<std::int64_t> threshold)
{
    if (reason == SkipReason::belowSizeThreshold && threshold)
        return localizedFormat(DISPLAY_TEXT("Below the display threshold of %@"), {formatBytes(*threshold)});
    return explanation(reason);
}

} // namespace orvelane
