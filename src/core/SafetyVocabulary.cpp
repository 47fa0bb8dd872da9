#include "SafetyVocabulary.h"

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

constexpr std::array<VocabularyEntry, 7> kReasons{{
    {"oldRegenerable", DISPLAY_TEXT("Regenerable data that has not changed recently.")},
    {"recentlyActive", DISPLAY_TEXT("Recently active — close the related app and review before cleaning.")},
    {"expensiveToRegenerate", DISPLAY_TEXT("Regenerable, but rebuilding it may take significant time or data.")},
    {"requiresRebuild", DISPLAY_TEXT("Removing this requires rebuilding the project before it works again.")},
    {"userFile", DISPLAY_TEXT("This is one of your files; Orvelane cannot determine whether you still need it.")},
    {"permanentDeletion", DISPLAY_TEXT("Cleaning Trash deletes this permanently and cannot be undone.")},
    {"managedByAnotherTool", DISPLAY_TEXT("Read-only insight — manage this storage with the app or command shown.")},
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

} // namespace orvelane
