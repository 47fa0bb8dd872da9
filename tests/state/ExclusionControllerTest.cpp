// Never offering an item again, in the window: excluded at once, kept across restarts, offered
// again on request.
#include "WindowStateTest.h"

#include <QSignalSpy>

using namespace orvelane;
using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

using ExclusionControllerTest = WindowStateTest;

TEST_F(ExclusionControllerTest, AnExcludedItemIsSkippedByYouAcrossRestartsUntilOfferedAgain)
{
    // A name that is not UTF-8 must be excluded and offered again byte for byte.
    const fs::path odd = cache(std::string("com.\xff\xfe-odd"), 15'000);
    const fs::path beside = cache(std::string("com.\xff\xfe-odder"), 12'000);
    scanAndWait();
    const ScannedItem item = *std::find_if(listed(CategoryKind::caches).begin(), listed(CategoryKind::caches).end(),
                                           [&](const ScannedItem& found) { return found.path == odd; });
    state.selection()->select(item.path, true);
    EXPECT_TRUE(state.exclusions()->canExclude(keyOf(item.path)));
    QSignalSpy published(state.results(), &ScanResults::changed);
    state.exclusions()->excludeItem(keyOf(item.path));
    EXPECT_EQ(published.count(), 1) << "at once, no scan needed";
    EXPECT_FALSE(lists(listed(CategoryKind::caches), odd));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), beside)) << "a longer name is not below it";
    EXPECT_FALSE(state.selection()->paths().contains(odd));
    const SkippedItem* skipped = skippedAt(state.results()->skipped(CategoryKind::caches), odd);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->reason, SkipReason::excludedByUser);
    const QVariantList entries = state.results()->skippedEntries(qml::Category::Caches);
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const QVariant& value) { return value.toMap()["key"] == keyOf(odd); });
    ASSERT_NE(entry, entries.end());
    EXPECT_EQ(entry->toMap()["reason"].toString(), "excludedByUser");
    EXPECT_EQ(fs::file_size(odd / "blob"), 15'000u) << "excluding touches nothing on disk";

    // A new window (the next start of the program) reads the same settings.
    {
        WindowState restarted(JunkScanner::macLayout());
        orvelane::testing::scanAndWait(restarted);
        EXPECT_FALSE(lists(restarted.results()->items(CategoryKind::caches), odd));
        EXPECT_TRUE(lists(restarted.results()->items(CategoryKind::caches), beside));
        const SkippedItem* again = skippedAt(restarted.results()->skipped(CategoryKind::caches), odd);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->reason, SkipReason::excludedByUser);

        restarted.exclusions()->offerAgain(qml::Category::Caches, keyOf(odd));
        ASSERT_TRUE(QTest::qWaitFor([&] { return lists(restarted.results()->items(CategoryKind::caches), odd); }, 60'000));
        EXPECT_FALSE(skippedAt(restarted.results()->skipped(CategoryKind::caches), odd));
    }
    WindowState third(JunkScanner::macLayout());
    orvelane::testing::scanAndWait(third);
    EXPECT_TRUE(lists(third.results()->items(CategoryKind::caches), odd)) << "offering again is saved too";
    EXPECT_TRUE(third.exclusions()->list().paths().empty());
}

TEST_F(ExclusionControllerTest, AChangeOfMindDuringAScanHoldsWhenTheScanEnds)
{
    scanAndWait();
    const ScannedItem gamma = *named(listed(CategoryKind::caches), "com.gamma");
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    ASSERT_TRUE(state.exclusions()->exclude(beta, CategoryKind::caches));

    // The scan started before these changes looks with the old list; its results must not undo them.
    state.scanning()->scanAll();
    ASSERT_TRUE(state.exclusions()->exclude(gamma, CategoryKind::caches));
    state.exclusions()->offerAgain(CategoryKind::caches, beta.path);
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lists(listed(CategoryKind::caches), beta.path); }, 10'000))
        << "offered again during the scan";
    EXPECT_FALSE(lists(listed(CategoryKind::caches), gamma.path)) << "excluded during the scan";
    const SkippedItem* skipped = skippedAt(state.results()->skipped(CategoryKind::caches), gamma.path);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->reason, SkipReason::excludedByUser);
    EXPECT_FALSE(skippedAt(state.results()->skipped(CategoryKind::caches), beta.path));
}

TEST_F(ExclusionControllerTest, WhatCannotBeCleanedCannotBeExcluded)
{
    home.allocated("Library/Containers/com.docker.docker/Data/disk.img", 600 * 1024 * 1024);
    scanAndWait();
    const ScannedItem insight = listed(CategoryKind::insights).at(0);
    EXPECT_FALSE(state.exclusions()->canExclude(keyOf(insight.path)));
    EXPECT_FALSE(state.exclusions()->exclude(insight, CategoryKind::insights));
    const ScannedItem cacheItem = listed(CategoryKind::caches).at(0);
    EXPECT_FALSE(state.exclusions()->exclude(cacheItem, CategoryKind::downloads)) << "not listed there";
    ScannedItem guarded = cacheItem;
    guarded.safetyLevel = SafetyLevel::protected_;
    EXPECT_FALSE(state.exclusions()->exclude(guarded, CategoryKind::caches));
    EXPECT_FALSE(state.exclusions()->canExclude(QStringLiteral("not a key")));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), cacheItem.path));
    EXPECT_TRUE(state.exclusions()->list().paths().empty());
}

} // namespace
