// The window's cleans: what they remove, report and rescan, the stop for quitting, and the
// success card's time.
#include "GatedRemover.h"
#include "WindowStateTest.h"

#include <QElapsedTimer>
#include <QSignalSpy>

#include <fstream>
#include <sstream>

using namespace orvelane;
using namespace orvelane::testing;

namespace {

using CleanControllerTest = WindowStateTest;

TEST_F(CleanControllerTest, AStopFinishesTheItemInHandAndLeavesTheRest)
{
    scanAndWait();
    GatedRemover remover;
    state.cleaning()->setRemover(&remover);
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selection()->selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);

    QFuture<CleanResult> future = state.cleaning()->cleanSelected(CategoryKind::caches);
    ASSERT_TRUE(remover.waitForRequests(1));
    state.cleaning()->stopAfterCurrentItem();
    remover.open();
    ASSERT_TRUE(QTest::qWaitFor([&future] { return future.isFinished(); }, 60'000));
    EXPECT_EQ(remover.names(), std::vector<std::string>{chosen[0].name}) << "the rest were never touched";
    EXPECT_FALSE(state.cleaning()->running());
    EXPECT_EQ(log.count(LogLevel::info, "Clean stopped after 1 of 3 items"), 1u);
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Application Caches"), 0u)
        << "a clean stopped for quitting rescans nothing";

    // A stop asked for while nothing runs does not cut the next clean short.
    state.cleaning()->stopAfterCurrentItem();
    selectAllOf(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(remover.names().size(), 4u);
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Application Caches"), 1u);
}

TEST_F(CleanControllerTest, CleanRefusesWithoutSelectionOrWhileBusy)
{
    scanAndWait();
    selectAllOf(CategoryKind::insights);
    EXPECT_EQ(cleanAndWait(CategoryKind::insights), CleanResult::notStarted);
    EXPECT_EQ(log.count(LogLevel::warning, "Clean attempted with no items selected"), 1u);

    selectAllOf(CategoryKind::caches);
    state.scanning()->scanAll();
    EXPECT_EQ(state.cleaning()->cleanSelected(CategoryKind::caches).result(), CleanResult::notStarted)
        << "a full scan is running";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));

    selectAllOf(CategoryKind::caches);
    QFuture<CleanResult> first = state.cleaning()->cleanSelected(CategoryKind::caches);
    EXPECT_TRUE(state.cleaning()->running());
    EXPECT_EQ(state.cleaning()->cleanSelected(CategoryKind::caches).result(), CleanResult::notStarted);
    ASSERT_TRUE(QTest::qWaitFor([&first] { return first.isFinished(); }, 60'000));
    EXPECT_EQ(first.result(), CleanResult::completed);
    EXPECT_FALSE(state.cleaning()->running());
}

TEST_F(CleanControllerTest, ThreeItemsOfWhichTheSecondChangedAfterTheScan)
{
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selection()->selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    // Replace the second item by a new folder of the same name: a different file-system object.
    // The old one stays alive elsewhere meanwhile, so the new one cannot reuse its inode.
    const auto parked = home.root() / "parked";
    std::filesystem::rename(chosen[1].path, parked);
    home.file(std::filesystem::relative(chosen[1].path, home.root()) / "other", 4'000);
    std::filesystem::remove_all(parked);

    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    ASSERT_EQ(state.cleaning()->errors().size(), 1);
    EXPECT_TRUE(state.cleaning()->errors()[0].startsWith(QString::fromStdString(chosen[1].name + ": ")))
        << state.cleaning()->errors()[0].toStdString();
    EXPECT_EQ(state.cleaning()->totalCleaned(), chosen[0].size + chosen[2].size);
    EXPECT_EQ(state.successCard()->justCleaned(), chosen[0].size + chosen[2].size);
    for (const auto& item : chosen)
        EXPECT_FALSE(state.selection()->paths().contains(item.path));
    EXPECT_FALSE(std::filesystem::exists(chosen[0].path));
    EXPECT_TRUE(std::filesystem::exists(chosen[1].path));
    EXPECT_FALSE(std::filesystem::exists(chosen[2].path));
    // The Trash keeps a record naming where the item came from, so it can be restored.
    std::ifstream record(home.root() / ".local/share/Trash/info" / (chosen[0].path.filename().string() + ".trashinfo"));
    std::stringstream text;
    text << record.rdbuf();
    EXPECT_NE(text.str().find("Path=" + chosen[0].path.string() + "\n"), std::string::npos) << text.str();

    // The rescans show what is left and what the Trash now holds.
    ASSERT_EQ(state.results()->items(CategoryKind::caches).size(), 1u);
    EXPECT_EQ(state.results()->items(CategoryKind::caches)[0].path, chosen[1].path);
    EXPECT_EQ(state.results()->items(CategoryKind::trash).size(), 2u);
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Application Caches"), 1u);
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Trash"), 1u);
}

TEST_F(CleanControllerTest, JustCleanedLastsAboutTwoSeconds)
{
    scanAndWait();
    selectAllOf(CategoryKind::downloads);
    QElapsedTimer sinceClean;
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    sinceClean.start();
    ASSERT_TRUE(state.successCard()->justCleaned());
    EXPECT_GT(*state.successCard()->justCleaned(), 0);
    QSignalSpy cleared(state.successCard(), &SuccessCard::justCleanedChanged);
    ASSERT_TRUE(cleared.wait(5'000));
    EXPECT_FALSE(state.successCard()->justCleaned());
    EXPECT_GE(sinceClean.elapsed(), 1'700);
}

TEST_F(CleanControllerTest, CleaningTheTrashDeletesPermanentlyAndRescansOnlyTheTrash)
{
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    ASSERT_EQ(state.results()->items(CategoryKind::trash).size(), 3u);
    const auto trashed = state.results()->items(CategoryKind::trash);

    selectAllOf(CategoryKind::trash);
    const int cacheRescansBefore = log.count(LogLevel::debug, "Rescanning category: Application Caches");
    ASSERT_EQ(cleanAndWait(CategoryKind::trash), CleanResult::completed);
    EXPECT_TRUE(state.cleaning()->errors().isEmpty()) << state.cleaning()->errors().join('\n').toStdString();
    EXPECT_TRUE(state.results()->items(CategoryKind::trash).empty());
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Application Caches"), cacheRescansBefore);
    for (const auto& item : trashed) {
        EXPECT_FALSE(std::filesystem::exists(item.path));
        const auto record = home.root() / ".local/share/Trash/info" / (item.path.filename().string() + ".trashinfo");
        EXPECT_FALSE(std::filesystem::exists(record)) << record;
    }
}

TEST_F(CleanControllerTest, ASuccessfulCleanReplacesEarlierMessages)
{
    scanAndWait();
    state.cleaning()->setErrors({QStringLiteral("old: message")});
    selectAllOf(CategoryKind::downloads);
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    EXPECT_TRUE(state.cleaning()->errors().isEmpty());
}

TEST_F(CleanControllerTest, TheSessionTotalAddsUpEveryCleanAndNoCardFollowsACleanThatFreedNothing)
{
    scanAndWait();
    selectAllOf(CategoryKind::downloads);
    const std::int64_t downloads = state.results()->totalSize(CategoryKind::downloads);
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    ASSERT_EQ(state.cleaning()->totalCleaned(), downloads);
    QSignalSpy cardCleared(state.successCard(), &SuccessCard::justCleanedChanged);
    ASSERT_TRUE(cardCleared.wait(5'000));

    // Every chosen cache is gone before the clean: nothing is freed, so no success card.
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selection()->selectedItems(CategoryKind::caches);
    for (const ScannedItem& item : chosen)
        std::filesystem::remove_all(item.path);
    QSignalSpy card(state.successCard(), &SuccessCard::justCleanedChanged);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.cleaning()->errors().size(), static_cast<qsizetype>(chosen.size()));
    EXPECT_EQ(card.count(), 0);
    EXPECT_FALSE(state.successCard()->justCleaned());
    EXPECT_EQ(state.cleaning()->totalCleaned(), downloads) << "a clean that freed nothing leaves the total as it was";

    home.file("Library/Caches/com.delta/blob", 40'000);
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    const std::int64_t caches = state.results()->totalSize(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.cleaning()->totalCleaned(), downloads + caches) << "added to, not replaced";
}

// "Cleaned this session" counts each byte once and only while it stays cleaned: an item put
// back is taken off, and emptying the Trash of what this window moved there adds nothing new,
// while emptying what was in the Trash before adds its size.
TEST_F(CleanControllerTest, TheSessionTotalCountsEachByteOnceAndOnlyWhileItStaysCleaned)
{
    home.file(".local/share/Trash/files/older.pdf", 7'000);
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma", "com.alpha"}), CleanResult::completed);
    const qint64 bothCaches = state.cleaning()->totalCleaned();
    ASSERT_GT(bothCaches, 0);
    const ScannedItem* gamma = named(listed(CategoryKind::trash), "com.gamma");
    ASSERT_TRUE(gamma);
    const qint64 gammaSize = gamma->size;

    ASSERT_EQ(wait(state.restoring()->putBack(*gamma)), CleanResult::completed);
    ASSERT_TRUE(std::filesystem::exists(home / "Library/Caches/com.gamma/blob"));
    EXPECT_EQ(state.cleaning()->totalCleaned(), bothCaches - gammaSize) << "put back: not cleaned after all";

    // Emptying the Trash frees the older file for the first time; alpha was counted already.
    const ScannedItem* older = named(listed(CategoryKind::trash), "older.pdf");
    ASSERT_TRUE(older);
    const qint64 olderSize = older->size;
    ASSERT_EQ(clean(CategoryKind::trash), CleanResult::completed);
    EXPECT_TRUE(listed(CategoryKind::trash).empty());
    EXPECT_EQ(state.cleaning()->totalCleaned(), bothCaches - gammaSize + olderSize);
}

} // namespace
