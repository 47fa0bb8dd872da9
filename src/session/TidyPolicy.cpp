#include "TidyPolicy.h"

#include "CleanSelection.h"
#include "CleanUndo.h"
#include "CleanupValidation.h"
#include "Logger.h"

#include <algorithm>
#include <array>

namespace orvelane {
namespace {

constexpr std::chrono::hours kDay{24};

// Older than `days`: a date in the future, or none at all, is never old.
bool olderThan(const std::optional<Date>& date, int days, Date now)
{
    return date && now - *date >= days * kDay;
}

// The reasons a stale build folder may carry and still go: the ones that only cost a rebuild
// or a download. One that may hold something of the user's own is never taken unasked.
bool rebuildsAlone(SafetyReason reason)
{
    constexpr std::array kTaken{SafetyReason::requiresRebuild, SafetyReason::dependencyFolder,
                                SafetyReason::toolCache};
    return std::find(kTaken.begin(), kTaken.end(), reason) != kTaken.end();
}

} // namespace

std::string_view rawValue(TidyVerdict verdict)
{
    switch (verdict) {
    case TidyVerdict::trashed:
        return "trashed";
    case TidyVerdict::deleted:
        return "deleted";
    case TidyVerdict::kept:
        break;
    }
    return "kept";
}

std::vector<CategoryKind> tidyCategories(const TidyChoices& choices)
{
    std::vector<CategoryKind> kinds{CategoryKind::caches, CategoryKind::logs, CategoryKind::devCaches};
    if (choices.includeBuildFolders)
        kinds.push_back(CategoryKind::devArtifacts);
    kinds.push_back(CategoryKind::trash);
    return kinds;
}

bool projectUntouchedFor(const ScannedItem& item, int days, Date now)
{
    return olderThan(item.projectTouched, days, now);
}

std::vector<ScannedItem> untouchedItems(const std::vector<ScannedItem>& items, int days, Date now)
{
    std::vector<ScannedItem> picked;
    std::copy_if(items.begin(), items.end(), std::back_inserter(picked),
                 [&](const ScannedItem& item) { return projectUntouchedFor(item, days, now); });
    return picked;
}

TidyVerdict tidyVerdict(CategoryKind kind, const ScannedItem& item, const TidyChoices& choices, Date now,
                        const ExclusionList& exclusions)
{
    if (!isCleanable(kind, item) || item.safetyLevel == SafetyLevel::protected_)
        return TidyVerdict::kept;
    if (!exclusions.empty() && JunkScanner::isExcluded(JunkScanner::withRealLocations(exclusions), item.path))
        return TidyVerdict::kept;
    switch (kind) {
    case CategoryKind::caches:
    case CategoryKind::logs:
    case CategoryKind::devCaches:
        return item.safetyLevel == SafetyLevel::safe && olderThan(item.modified, choices.days, now)
                   ? TidyVerdict::trashed
                   : TidyVerdict::kept;
    case CategoryKind::devArtifacts:
        return choices.includeBuildFolders && rebuildsAlone(item.safetyReason) &&
                       projectUntouchedFor(item, choices.untouchedDays, now) &&
                       olderThan(item.modified, choices.days, now)
                   ? TidyVerdict::trashed
                   : TidyVerdict::kept;
    case CategoryKind::trash:
        return olderThan(item.deleted, choices.days, now) ? TidyVerdict::deleted : TidyVerdict::kept;
    default:
        return TidyVerdict::kept;
    }
}

bool TidyReport::started() const
{
    return std::any_of(categories.begin(), categories.end(),
                       [](const TidyCategory& category) { return !category.chosen.empty(); });
}

std::vector<std::string> TidyReport::messages() const
{
    std::vector<std::string> all;
    for (const TidyCategory& category : categories)
        all.insert(all.end(), category.report.outcome.errors.begin(), category.report.outcome.errors.end());
    if (undoFailure)
        all.push_back(*undoFailure);
    return all;
}

TidyReport runTidy(const JunkScanner::Layout& layout, const TidyChoices& choices,
                   const std::function<ExclusionList()>& readExclusions, const std::filesystem::path& home,
                   bool dryRun, ItemRemover& remover, Date now)
{
    TidyReport report;
    const ScanSession scanning(layout);
    const std::vector<CategoryKind> kinds = scanning.categories(tidyCategories(choices));
    const CategoryResults found = scanning.scanAll(kinds, readExclusions());
    Logger::info("Tidy " + std::string(dryRun ? "dry run" : "run") + " over " + std::to_string(kinds.size()) +
                 " categories, items older than " + std::to_string(choices.days) + " days");
    CleanOutcome together; // every category's Trash entries, kept as one clean
    const CleanSession cleaning(layout, remover);
    for (const CategoryKind kind : kinds) {
        TidyCategory category{kind, {}, {}};
        // Read again for every category: an exclusion made while the tidy runs still holds.
        const ExclusionList exclusions = readExclusions();
        const auto result = found.find(kind);
        if (result != found.end())
            for (const ScannedItem& item : result->second.items)
                if (tidyVerdict(kind, item, choices, now, exclusions) != TidyVerdict::kept)
                    category.chosen.push_back(item);
        if (!dryRun && !category.chosen.empty()) {
            category.report = cleaning.runUnrecorded(kind, category.chosen, home, exclusions);
            const CleanOutcome& outcome = category.report.outcome;
            (isDeletedPermanently(kind) ? report.deleted : report.trashed) += outcome.cleaned;
            together.trashed.insert(together.trashed.end(), outcome.trashed.begin(), outcome.trashed.end());
        }
        report.categories.push_back(std::move(category));
    }
    if (!together.trashed.empty()) {
        UndoRecording recording = recordCleanForUndo(together, home);
        report.undoId = std::move(recording.id);
        report.undoFailure = std::move(recording.failure);
    }
    return report;
}

} // namespace orvelane
