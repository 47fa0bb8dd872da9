#include "AppState.h"
#include "FakeHome.h"
#include "GatedRemover.h"
#include "Layout.h"
#include "Logger.h"
#include "PublishLater.h"
#include "RecordedLog.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <QThread>

#include <fstream>
#include <thread>
#include <mutex>
#include <sstream>

using namespace orvelane;
using orvelane::testing::FakeHome;
using orvelane::testing::GatedRemover;
using orvelane::testing::RecordedLog;

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;


class AppStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Logger::setSink(log);
        home.file("Library/Caches/com.gamma/blob", 30'000);
        home.file("Library/Caches/com.alpha/blob", 20'000);
        home.file("Library/Caches/com.beta/blob", 10'000);
        const Date monthAgo = Clock::now() - std::chrono::hours(24 * 30);
        for (const char* name : {"com.gamma", "com.alpha", "com.beta"}) {
            home.setModified(std::filesystem::path("Library/Caches") / name / "blob", monthAgo);
            home.setModified(std::filesystem::path("Library/Caches") / name, monthAgo);
        }
        home.file("Downloads/tool.dmg", 5'000);
        home.allocated("Library/Containers/com.docker.docker/Data/disk.img", 600 * kMiB);
    }

    void TearDown() override { Logger::setSink(nullptr); }

    void scanAndWait()
    {
        state.scanAll();
        ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    }

    CleanResult cleanAndWait(CategoryKind kind)
    {
        QFuture<CleanResult> future = state.cleanSelected(kind);
        EXPECT_TRUE(QTest::qWaitFor([&future] { return future.isFinished(); }, 60'000));
        return future.result();
    }

    void selectAllOf(CategoryKind kind)
    {
        for (const ScannedItem& item : state.items().at(kind))
            state.select(item.path, true);
    }

    FakeHome home;
    std::shared_ptr<RecordedLog> log = std::make_shared<RecordedLog>();
    AppState state;
};

TEST_F(AppStateTest, StartsEmptyWithAccessAssumed)
{
    EXPECT_FALSE(state.hasScanned());
    EXPECT_TRUE(state.hasFullDiskAccess());
    EXPECT_TRUE(state.items().empty());
    EXPECT_TRUE(state.skippedItems().empty());
    EXPECT_EQ(state.grandTotal(), 0);
    EXPECT_EQ(state.totalSize(CategoryKind::caches), 0);
    EXPECT_FALSE(state.justCleaned());
    EXPECT_FALSE(state.cleaning());
}

TEST_F(AppStateTest, FullScanPublishesEveryCategoryAndTotalsLeaveOutInsights)
{
    QSignalSpy scanning(&state, &AppState::scanningKindsChanged);
    state.scanAll();
    EXPECT_TRUE(state.hasScanned());
    EXPECT_EQ(state.scanningKinds().size(), 8u);
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(scanning.count(), 9) << "one change to start, one per published category";
    EXPECT_EQ(state.items().size(), 8u);
    EXPECT_EQ(state.skippedItems().size(), 8u);

    const auto& caches = state.items().at(CategoryKind::caches);
    ASSERT_EQ(caches.size(), 3u);
    EXPECT_EQ(caches[0].name, "com.gamma") << "largest first";
    std::int64_t cacheBytes = 0;
    for (const auto& item : caches)
        cacheBytes += item.size;
    EXPECT_EQ(state.totalSize(CategoryKind::caches), cacheBytes);

    const auto& insights = state.items().at(CategoryKind::insights);
    ASSERT_EQ(insights.size(), 1u);
    EXPECT_EQ(insights[0].safetyLevel, SafetyLevel::protected_);
    EXPECT_GE(state.totalSize(CategoryKind::insights), 600 * kMiB);
    std::int64_t expected = 0;
    for (CategoryKind kind : allCategoryKinds)
        if (kind != CategoryKind::insights)
            expected += state.totalSize(kind);
    EXPECT_EQ(state.grandTotal(), expected);
    EXPECT_LT(state.grandTotal(), 600 * kMiB);
    EXPECT_EQ(log->count(LogLevel::info, "Starting full system scan - 8 categories"), 1);
}

TEST(PublishLater, AResultReadyAtOnceStillArrivesThroughTheEventLoop)
{
    QObject receiver;
    std::vector<int> published;
    publishLater(QtFuture::makeReadyFuture(7), &receiver, [&published](int value) { published.push_back(value); });
    EXPECT_TRUE(published.empty()) << "nothing is published inside the call that asked for it";
    ASSERT_TRUE(QTest::qWaitFor([&published] { return !published.empty(); }, 5'000));
    EXPECT_EQ(published, std::vector<int>{7});

    // A result that comes from another thread arrives on the receiver's thread.
    QPromise<int> promise;
    Qt::HANDLE arrivedOn = nullptr;
    publishLater(promise.future(), &receiver, [&arrivedOn](int) { arrivedOn = QThread::currentThreadId(); });
    std::thread worker([&promise] {
        promise.start();
        promise.addResult(8);
        promise.finish();
    });
    worker.join();
    ASSERT_TRUE(QTest::qWaitFor([&arrivedOn] { return arrivedOn != nullptr; }, 5'000));
    EXPECT_EQ(arrivedOn, QThread::currentThreadId());
}

TEST_F(AppStateTest, AFirstScanIsAnnouncedOnlyWithEveryCategoryScanning)
{
    // A view woken by any notice of the start must never see "scanned" without "scanning": it
    // would show a size of zero that nobody measured.
    std::vector<std::size_t> scanningWhenAnnounced;
    std::vector<bool> scannedWhenScanningAnnounced;
    QObject::connect(&state, &AppState::hasScannedChanged, &state,
                     [&] { scanningWhenAnnounced.push_back(state.scanningKinds().size()); });
    QObject::connect(&state, &AppState::scanningKindsChanged, &state,
                     [&] { scannedWhenScanningAnnounced.push_back(state.hasScanned()); });
    state.scanAll();
    EXPECT_EQ(scanningWhenAnnounced, std::vector<std::size_t>{8});
    ASSERT_FALSE(scannedWhenScanningAnnounced.empty());
    EXPECT_TRUE(scannedWhenScanningAnnounced.front());
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    state.scanAll();
    EXPECT_EQ(scanningWhenAnnounced.size(), 1u) << "announced once, on the first scan";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
}

TEST_F(AppStateTest, AStopFinishesTheItemInHandAndLeavesTheRest)
{
    scanAndWait();
    GatedRemover remover;
    state.setRemover(&remover);
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);

    QFuture<CleanResult> future = state.cleanSelected(CategoryKind::caches);
    ASSERT_TRUE(remover.waitForRequests(1));
    state.stopCleaningAfterCurrentItem();
    remover.open();
    ASSERT_TRUE(QTest::qWaitFor([&future] { return future.isFinished(); }, 60'000));
    EXPECT_EQ(remover.names(), std::vector<std::string>{chosen[0].name}) << "the rest were never touched";
    EXPECT_FALSE(state.cleaning());
    EXPECT_EQ(log->count(LogLevel::info, "Clean stopped after 1 of 3 items"), 1);
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Application Caches"), 0)
        << "a clean stopped for quitting rescans nothing";

    // A stop asked for while nothing runs does not cut the next clean short.
    state.stopCleaningAfterCurrentItem();
    selectAllOf(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(remover.names().size(), 4u);
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Application Caches"), 1);
}

TEST_F(AppStateTest, ASecondScanWhileOneRunsIsRefusedOnce)
{
    state.scanAll();
    state.scanAll();
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(log->count(LogLevel::warning, "] Scan already in progress"), 1);
    EXPECT_EQ(log->count(LogLevel::info, "Starting full system scan - 8 categories"), 1);
    EXPECT_EQ(log->count(LogLevel::debug, "Scanning category: caches"), 1);
}

TEST_F(AppStateTest, SelectionSpansCategoriesButNeverYieldsInsightsOrProtectedItems)
{
    scanAndWait();
    selectAllOf(CategoryKind::insights);
    selectAllOf(CategoryKind::caches);
    selectAllOf(CategoryKind::downloads);
    EXPECT_TRUE(state.selectedItems(CategoryKind::insights).empty());
    const auto chosen = state.selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen, state.items().at(CategoryKind::caches)) << "listed order";
    EXPECT_EQ(state.selectedItems(CategoryKind::downloads).size(), 1u);

    // A clean of one category leaves the other's ticks alone; a new full scan clears them all.
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.selectedItems(CategoryKind::downloads).size(), 1u);
    scanAndWait();
    EXPECT_TRUE(state.selection().empty());
}

TEST_F(AppStateTest, CleanRefusesWithoutSelectionOrWhileBusy)
{
    scanAndWait();
    selectAllOf(CategoryKind::insights);
    EXPECT_EQ(cleanAndWait(CategoryKind::insights), CleanResult::notStarted);
    EXPECT_EQ(log->count(LogLevel::warning, "Clean attempted with no items selected"), 1);

    selectAllOf(CategoryKind::caches);
    state.scanAll();
    EXPECT_EQ(state.cleanSelected(CategoryKind::caches).result(), CleanResult::notStarted)
        << "a full scan is running";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));

    selectAllOf(CategoryKind::caches);
    QFuture<CleanResult> first = state.cleanSelected(CategoryKind::caches);
    EXPECT_TRUE(state.cleaning());
    EXPECT_EQ(state.cleanSelected(CategoryKind::caches).result(), CleanResult::notStarted);
    ASSERT_TRUE(QTest::qWaitFor([&first] { return first.isFinished(); }, 60'000));
    EXPECT_EQ(first.result(), CleanResult::completed);
    EXPECT_FALSE(state.cleaning());
}

TEST_F(AppStateTest, ThreeItemsOfWhichTheSecondChangedAfterTheScan)
{
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    // Replace the second item by a new folder of the same name: a different file-system object.
    // The old one stays alive elsewhere meanwhile, so the new one cannot reuse its inode.
    const auto parked = home.root() / "parked";
    std::filesystem::rename(chosen[1].path, parked);
    home.file(std::filesystem::relative(chosen[1].path, home.root()) / "other", 4'000);
    std::filesystem::remove_all(parked);

    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    ASSERT_EQ(state.errors().size(), 1);
    EXPECT_TRUE(state.errors()[0].startsWith(QString::fromStdString(chosen[1].name + ": ")))
        << state.errors()[0].toStdString();
    EXPECT_EQ(state.totalCleaned(), chosen[0].size + chosen[2].size);
    EXPECT_EQ(state.justCleaned(), chosen[0].size + chosen[2].size);
    for (const auto& item : chosen)
        EXPECT_FALSE(state.selection().contains(item.path));
    EXPECT_FALSE(std::filesystem::exists(chosen[0].path));
    EXPECT_TRUE(std::filesystem::exists(chosen[1].path));
    EXPECT_FALSE(std::filesystem::exists(chosen[2].path));
    // The Trash keeps a record naming where the item came from, so it can be restored.
    std::ifstream record(home.root() / ".local/share/Trash/info" / (chosen[0].path.filename().string() + ".trashinfo"));
    std::stringstream text;
    text << record.rdbuf();
    EXPECT_NE(text.str().find("Path=" + chosen[0].path.string() + "\n"), std::string::npos) << text.str();

    // The rescans show what is left and what the Trash now holds.
    ASSERT_EQ(state.items().at(CategoryKind::caches).size(), 1u);
    EXPECT_EQ(state.items().at(CategoryKind::caches)[0].path, chosen[1].path);
    EXPECT_EQ(state.items().at(CategoryKind::trash).size(), 2u);
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Application Caches"), 1);
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Trash"), 1);
}

TEST_F(AppStateTest, JustCleanedLastsAboutTwoSeconds)
{
    scanAndWait();
    selectAllOf(CategoryKind::downloads);
    QElapsedTimer sinceClean;
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    sinceClean.start();
    ASSERT_TRUE(state.justCleaned());
    EXPECT_GT(*state.justCleaned(), 0);
    QSignalSpy cleared(&state, &AppState::justCleanedChanged);
    ASSERT_TRUE(cleared.wait(5'000));
    EXPECT_FALSE(state.justCleaned());
    EXPECT_GE(sinceClean.elapsed(), 1'700);
}

TEST_F(AppStateTest, CleaningTheTrashDeletesPermanentlyAndRescansOnlyTheTrash)
{
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    ASSERT_EQ(state.items().at(CategoryKind::trash).size(), 3u);
    const auto trashed = state.items().at(CategoryKind::trash);

    selectAllOf(CategoryKind::trash);
    const int cacheRescansBefore = log->count(LogLevel::debug, "Rescanning category: Application Caches");
    ASSERT_EQ(cleanAndWait(CategoryKind::trash), CleanResult::completed);
    EXPECT_TRUE(state.errors().isEmpty()) << state.errors().join('\n').toStdString();
    EXPECT_TRUE(state.items().at(CategoryKind::trash).empty());
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Application Caches"), cacheRescansBefore);
    for (const auto& item : trashed) {
        EXPECT_FALSE(std::filesystem::exists(item.path));
        const auto record = home.root() / ".local/share/Trash/info" / (item.path.filename().string() + ".trashinfo");
        EXPECT_FALSE(std::filesystem::exists(record)) << record;
    }
}

TEST_F(AppStateTest, ASuccessfulCleanReplacesEarlierMessages)
{
    scanAndWait();
    state.setErrors({QStringLiteral("old: message")});
    selectAllOf(CategoryKind::downloads);
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    EXPECT_TRUE(state.errors().isEmpty());
}

TEST_F(AppStateTest, TheSessionTotalAddsUpEveryCleanAndNoCardFollowsACleanThatFreedNothing)
{
    scanAndWait();
    selectAllOf(CategoryKind::downloads);
    const std::int64_t downloads = state.totalSize(CategoryKind::downloads);
    ASSERT_EQ(cleanAndWait(CategoryKind::downloads), CleanResult::completed);
    ASSERT_EQ(state.totalCleaned(), downloads);
    QSignalSpy cardCleared(&state, &AppState::justCleanedChanged);
    ASSERT_TRUE(cardCleared.wait(5'000));

    // Every chosen cache is gone before the clean: nothing is freed, so no success card.
    selectAllOf(CategoryKind::caches);
    const auto chosen = state.selectedItems(CategoryKind::caches);
    for (const ScannedItem& item : chosen)
        std::filesystem::remove_all(item.path);
    QSignalSpy card(&state, &AppState::justCleanedChanged);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.errors().size(), static_cast<qsizetype>(chosen.size()));
    EXPECT_EQ(card.count(), 0);
    EXPECT_FALSE(state.justCleaned());
    EXPECT_EQ(state.totalCleaned(), downloads) << "a clean that freed nothing leaves the total as it was";

    home.file("Library/Caches/com.delta/blob", 40'000);
    scanAndWait();
    selectAllOf(CategoryKind::caches);
    const std::int64_t caches = state.totalSize(CategoryKind::caches);
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.totalCleaned(), downloads + caches) << "added to, not replaced";
}

} // namespace

// The same window on the freedesktop layout: the layout decides what a full scan covers.
TEST(AppStateLayout, AFullScanCoversTheCategoriesTheLayoutOffersAndNoOther)
{
    const JunkScanner::LayoutId suite = JunkScanner::activeLayout().id;
    JunkScanner::useLayout(JunkScanner::LayoutId::linux);
    FakeHome home;
    home.file(".cache/fontconfig/cache-7", 20'000);
    home.file("Library/Developer/Xcode/DerivedData/App/x", 20'000); // found only where Xcode is a category
    auto log = std::make_shared<RecordedLog>();
    Logger::setSink(log);
    {
        AppState state;
        EXPECT_EQ(state.property("offeredKinds").toStringList(),
                  (QStringList{"caches", "logs", "devCaches", "devArtifacts", "downloads", "trash", "insights"}));
        QSignalSpy scanning(&state, &AppState::scanningKindsChanged);
        state.scanAll();
        EXPECT_EQ(state.scanningKinds().size(), 7u);
        EXPECT_FALSE(state.scanningKinds().contains(CategoryKind::xcode));
        ASSERT_TRUE(QTest::qWaitFor([&state] { return state.scanningKinds().empty(); }, 60'000));
        EXPECT_FALSE(state.items().contains(CategoryKind::xcode));
        EXPECT_EQ(state.items().at(CategoryKind::caches).size(), 1u);
        EXPECT_EQ(state.totalSize(CategoryKind::xcode), 0);
        EXPECT_EQ(log->count(LogLevel::info, "Starting full system scan - 7 categories"), 1);
        EXPECT_EQ(scanning.count(), 8) << "one start and one finish per category";
    }
    Logger::setSink(nullptr);
    JunkScanner::useLayout(suite);
}
