// Never offering an item again, in the window: excluded at once, kept across restarts, offered
// again on request.
#include "WindowStateTest.h"

#include "ExcludedPaths.h"
#include "ExclusionStore.h"

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

namespace {

// Taken out of the never-offer-again list in the settings window: exactly that exclusion leaves
// the store, and the category that skipped it is scanned and offers the item again.
TEST_F(ExclusionControllerTest, AnExclusionTakenOutInTheSettingsIsOfferedAgainByItsBytes)
{
    const fs::path odd = cache(std::string("com.\xff\xfe-odd"), 15'000);
    scanAndWait();
    ASSERT_TRUE(state.exclusions()->exclude(*named(listed(CategoryKind::caches), odd.filename()), CategoryKind::caches));
    // The command line excludes a folder around another cache while the window is open.
    const fs::path wider = home / "Library/Caches";
    ASSERT_EQ(ExclusionStore::add(wider), std::nullopt);

    ExcludedPaths settings;
    // The shell hands every exclusion taken out on to each main window, as this test does.
    QObject::connect(&settings, &ExcludedPaths::offeredAgain, [this](const QString& key) {
        state.exclusions()->forgetExcluded(pathFromItemKey(key));
    });
    ASSERT_EQ(settings.entries().size(), 2) << "read from the store, with what the command line added";
    const QVariantMap shown = settings.entries().at(0).toMap();
    EXPECT_EQ(pathFromItemKey(shown["key"].toString()), odd) << "the bytes behind the row";
    EXPECT_TRUE(shown["text"].toString().startsWith("~/Library/Caches/com.")) << shown["text"].toString().toStdString();
    EXPECT_EQ(settings.entries().at(1).toMap()["text"].toString(), "~/Library/Caches");

    ASSERT_EQ(ExclusionStore::remove(wider), std::nullopt); // changed behind the window's back
    settings.reload();
    ASSERT_EQ(settings.entries().size(), 1);
    QSignalSpy changed(&settings, &ExcludedPaths::changed);
    settings.offerAgain(shown["key"].toString());
    EXPECT_TRUE(settings.entries().isEmpty());
    EXPECT_GE(changed.count(), 1);
    EXPECT_TRUE(settings.message().isEmpty());
    EXPECT_FALSE(ExclusionStore::load().excludes(odd)) << "gone from the store";
    EXPECT_FALSE(state.exclusions()->list().excludes(odd)) << "and from the window's own list";
    ASSERT_TRUE(QTest::qWaitFor([&] { return lists(listed(CategoryKind::caches), odd); }, 60'000))
        << "the caches were scanned again";
    EXPECT_FALSE(skippedAt(state.results()->skipped(CategoryKind::caches), odd));
}

TEST_F(ExclusionControllerTest, TakingOneExclusionOutKeepsTheWiderAndTheNarrowerOnes)
{
    scanAndWait();
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    ASSERT_TRUE(state.exclusions()->exclude(beta, CategoryKind::caches));
    const fs::path inner = beta.path / "blob";
    const fs::path wider = home / "Library";
    ASSERT_EQ(ExclusionStore::add(inner), std::nullopt);
    ASSERT_EQ(ExclusionStore::add(wider), std::nullopt);
    state.exclusions()->reload();

    ExcludedPaths settings;
    QObject::connect(&settings, &ExcludedPaths::offeredAgain, [this](const QString& key) {
        state.exclusions()->forgetExcluded(pathFromItemKey(key));
    });
    settings.offerAgain(keyOf(beta.path));
    const ExclusionList left = ExclusionStore::load();
    EXPECT_EQ(left.paths(), (std::vector<fs::path>{inner, wider})) << "only the row pressed goes";
    EXPECT_TRUE(state.exclusions()->list().excludes(beta.path)) << "the wider one still holds it back";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_FALSE(lists(listed(CategoryKind::caches), beta.path));
}

} // namespace
