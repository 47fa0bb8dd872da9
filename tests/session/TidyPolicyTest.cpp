// What a tidy takes, item by item, and what "Select Untouched" picks.

#include "TidyPolicy.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using namespace std::chrono_literals;

const Date kNow = Date(std::chrono::seconds(1'750'000'000));

Date daysAgo(double days) { return kNow - std::chrono::duration_cast<Clock::duration>(days * 24h); }

TEST(TidyPolicy, TakesOnlySafeOldItemsOfItsCategoriesAndOldTrashEntries)
{
    using K = CategoryKind;
    using L = SafetyLevel;
    using R = SafetyReason;
    using V = TidyVerdict;
    constexpr double unknown = -1;
    constexpr double future = -2;
    struct Row
    {
        K kind;
        L level;
        R reason;
        double modifiedDays;  ///< the item's newest change
        double deletedDays;   ///< Trash entries: when deleted
        double projectDays;   ///< build folders: when the project was last touched
        bool excluded;
        bool buildFolders;    ///< the user's choice to take stale build folders
        V expected;
    };
    const Row rows[] = {
        {K::caches, L::safe, R::oldRegenerable, 31, unknown, unknown, false, false, V::trashed},
        {K::caches, L::safe, R::oldRegenerable, 30, unknown, unknown, false, false, V::trashed}, // the day count itself
        {K::caches, L::safe, R::oldRegenerable, 29.9, unknown, unknown, false, false, V::kept},
        {K::caches, L::review, R::recentlyActive, 90, unknown, unknown, false, true, V::kept},
        {K::caches, L::review, R::expensiveToRegenerate, 400, unknown, unknown, false, true, V::kept},
        {K::caches, L::protected_, R::mayHoldUserData, 400, unknown, unknown, false, true, V::kept},
        {K::caches, L::safe, R::oldRegenerable, 400, unknown, unknown, true, false, V::kept},
        {K::caches, L::safe, R::oldRegenerable, unknown, unknown, unknown, false, false, V::kept},
        {K::caches, L::safe, R::oldRegenerable, future, unknown, unknown, false, false, V::kept},
        {K::logs, L::safe, R::diagnosticLog, 45, unknown, unknown, false, false, V::trashed},
        {K::logs, L::review, R::mayHoldHistory, 450, unknown, unknown, false, true, V::kept},
        {K::devCaches, L::safe, R::oldRegenerable, 45, unknown, unknown, false, false, V::trashed},
        {K::devCaches, L::safe, R::oldRegenerable, 45, unknown, unknown, true, false, V::kept},
        {K::downloads, L::safe, R::unfinishedDownload, 400, unknown, unknown, false, true, V::kept},
        {K::downloads, L::review, R::installer, 400, unknown, unknown, false, true, V::kept},
        {K::xcode, L::safe, R::oldRegenerable, 400, unknown, unknown, false, true, V::kept},
        {K::insights, L::protected_, R::managedByAnotherTool, 400, unknown, unknown, false, true, V::kept},
        {K::insights, L::safe, R::oldRegenerable, 400, unknown, unknown, false, true, V::kept},
        {K::trash, L::review, R::permanentDeletion, 1, 31, unknown, false, false, V::deleted},
        {K::trash, L::review, R::permanentDeletion, 400, 29, unknown, false, false, V::kept},
        {K::trash, L::review, R::permanentDeletion, 400, unknown, unknown, false, false, V::kept},
        {K::trash, L::review, R::permanentDeletion, 400, future, unknown, false, false, V::kept},
        {K::trash, L::review, R::permanentDeletion, 400, 400, unknown, true, false, V::kept},
        {K::devArtifacts, L::review, R::requiresRebuild, 200, unknown, 200, false, false, V::kept},
        {K::devArtifacts, L::review, R::requiresRebuild, 200, unknown, 200, false, true, V::trashed},
        {K::devArtifacts, L::review, R::dependencyFolder, 200, unknown, 90, false, true, V::trashed},
        {K::devArtifacts, L::review, R::toolCache, 200, unknown, 120, false, true, V::trashed},
        {K::devArtifacts, L::review, R::requiresRebuild, 200, unknown, 89, false, true, V::kept},
        {K::devArtifacts, L::review, R::projectActive, 200, unknown, 3, false, true, V::kept},
        {K::devArtifacts, L::review, R::mayHoldUserData, 200, unknown, 300, false, true, V::kept},
        {K::devArtifacts, L::review, R::requiresRebuild, 200, unknown, unknown, false, true, V::kept},
        {K::devArtifacts, L::review, R::requiresRebuild, 5, unknown, 300, false, true, V::kept}, // built this week
        {K::devArtifacts, L::review, R::requiresRebuild, 200, unknown, 300, true, true, V::kept},
        {K::devArtifacts, L::protected_, R::requiresRebuild, 200, unknown, 300, false, true, V::kept},
    };
    const auto date = [](double days) -> std::optional<Date> {
        if (days == unknown)
            return std::nullopt;
        return days == future ? kNow + 24h : daysAgo(days);
    };
    const ExclusionList exclusions({"/home/u/kept"});
    int line = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE("row " + std::to_string(++line) + ": " + std::string(rawValue(row.kind)));
        ScannedItem item;
        item.path = std::string(row.excluded ? "/home/u/kept/" : "/home/u/") + "item" + std::to_string(line);
        item.safetyLevel = row.level;
        item.safetyReason = row.reason;
        item.modified = date(row.modifiedDays);
        item.deleted = date(row.deletedDays);
        item.projectTouched = date(row.projectDays);
        TidyChoices choices;
        choices.includeBuildFolders = row.buildFolders;
        EXPECT_EQ(rawValue(tidyVerdict(row.kind, item, choices, kNow, exclusions)), rawValue(row.expected));
    }
}

TEST(TidyPolicy, TheDayCountsAreTheUsersAndBuildFoldersAreScannedOnlyWhenChosen)
{
    ScannedItem cache;
    cache.path = "/home/u/.cache/app";
    cache.safetyLevel = SafetyLevel::safe;
    cache.modified = daysAgo(10);
    ScannedItem build = cache;
    build.path = "/home/u/code/app/node_modules";
    build.safetyLevel = SafetyLevel::review;
    build.safetyReason = SafetyReason::dependencyFolder;
    build.projectTouched = daysAgo(20);
    TidyChoices choices{7, true, 14};
    EXPECT_EQ(tidyVerdict(CategoryKind::caches, cache, choices, kNow, {}), TidyVerdict::trashed);
    EXPECT_EQ(tidyVerdict(CategoryKind::devArtifacts, build, choices, kNow, {}), TidyVerdict::trashed);
    choices.untouchedDays = 21;
    EXPECT_EQ(tidyVerdict(CategoryKind::devArtifacts, build, choices, kNow, {}), TidyVerdict::kept);
    choices.days = 11;
    EXPECT_EQ(tidyVerdict(CategoryKind::caches, cache, choices, kNow, {}), TidyVerdict::kept);

    const auto scanned = [](const TidyChoices& asked) { return tidyCategories(asked); };
    EXPECT_EQ(scanned({}), (std::vector{CategoryKind::caches, CategoryKind::logs, CategoryKind::devCaches,
                                        CategoryKind::trash}));
    EXPECT_EQ(scanned({30, true, 90}), (std::vector{CategoryKind::caches, CategoryKind::logs, CategoryKind::devCaches,
                                                    CategoryKind::devArtifacts, CategoryKind::trash}));
}

TEST(TidyPolicy, SelectUntouchedPicksProjectsIdleForThePeriodInListOrder)
{
    std::vector<ScannedItem> items(5);
    const std::optional<Date> touched[] = {daysAgo(200), daysAgo(10), std::nullopt, daysAgo(90), kNow + 24h};
    for (std::size_t i = 0; i < items.size(); ++i) {
        items[i].path = "/home/u/p" + std::to_string(i) + "/node_modules";
        items[i].projectTouched = touched[i];
    }
    std::vector<std::filesystem::path> picked;
    for (const ScannedItem& item : untouchedItems(items, 90, kNow))
        picked.push_back(item.path);
    EXPECT_EQ(picked, (std::vector<std::filesystem::path>{items[0].path, items[3].path}));
    EXPECT_TRUE(untouchedItems(items, 201, kNow).empty());
}

} // namespace
} // namespace orvelane
