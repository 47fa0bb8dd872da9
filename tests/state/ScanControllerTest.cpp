// The window's scans: what a full scan publishes and announces, and what it covers on a layout.
#include "PublishLater.h"
#include "ScanSession.h"
#include "WindowStateTest.h"

#include <QPromise>
#include <QSignalSpy>
#include <QThread>

#include <thread>

using namespace orvelane;
using namespace orvelane::testing;

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

// Besides the caches and the installer, a large store another tool manages: an insight.
class ScanControllerTest : public WindowStateTest
{
protected:
    void SetUp() override
    {
        WindowStateTest::SetUp();
        home.allocated("Library/Containers/com.docker.docker/Data/disk.img", 600 * kMiB);
    }
};

TEST_F(ScanControllerTest, StartsEmptyWithAccessAssumed)
{
    EXPECT_FALSE(state.scanning()->hasScanned());
    EXPECT_TRUE(state.scanning()->trashReadable());
    EXPECT_TRUE(state.results()->byCategory().empty()) << "no items, no skipped paths";
    EXPECT_EQ(state.results()->grandTotal(), 0);
    EXPECT_EQ(state.results()->totalSize(CategoryKind::caches), 0);
    EXPECT_FALSE(state.successCard()->justCleaned());
    EXPECT_FALSE(state.cleaning()->running());
}

TEST_F(ScanControllerTest, FullScanPublishesEveryCategoryAndTotalsLeaveOutInsights)
{
    QSignalSpy scanning(state.scanning(), &ScanController::scanningKindsChanged);
    state.scanning()->scanAll();
    EXPECT_TRUE(state.scanning()->hasScanned());
    EXPECT_EQ(state.scanning()->scanningKinds().size(), 8u);
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(scanning.count(), 9) << "one change to start, one per published category";
    EXPECT_EQ(state.results()->byCategory().size(), 8u) << "items and skipped paths of every category";

    const auto& caches = state.results()->items(CategoryKind::caches);
    ASSERT_EQ(caches.size(), 3u);
    EXPECT_EQ(caches[0].name, "com.gamma") << "largest first";
    std::int64_t cacheBytes = 0;
    for (const auto& item : caches)
        cacheBytes += item.size;
    EXPECT_EQ(state.results()->totalSize(CategoryKind::caches), cacheBytes);

    const auto& insights = state.results()->items(CategoryKind::insights);
    ASSERT_EQ(insights.size(), 1u);
    EXPECT_EQ(insights[0].safetyLevel, SafetyLevel::protected_);
    EXPECT_GE(state.results()->totalSize(CategoryKind::insights), 600 * kMiB);
    std::int64_t expected = 0;
    for (CategoryKind kind : allCategoryKinds)
        if (kind != CategoryKind::insights)
            expected += state.results()->totalSize(kind);
    EXPECT_EQ(state.results()->grandTotal(), expected);
    EXPECT_LT(state.results()->grandTotal(), 600 * kMiB);
    EXPECT_EQ(log.count(LogLevel::info, "Starting full system scan - 8 categories"), 1u);
}

TEST_F(ScanControllerTest, AFirstScanIsAnnouncedOnlyWithEveryCategoryScanning)
{
    // A view woken by any notice of the start must never see "scanned" without "scanning": it
    // would show a size of zero that nobody measured.
    std::vector<std::size_t> scanningWhenAnnounced;
    std::vector<bool> scannedWhenScanningAnnounced;
    QObject::connect(state.scanning(), &ScanController::hasScannedChanged, &state,
                     [&] { scanningWhenAnnounced.push_back(state.scanning()->scanningKinds().size()); });
    QObject::connect(state.scanning(), &ScanController::scanningKindsChanged, &state,
                     [&] { scannedWhenScanningAnnounced.push_back(state.scanning()->hasScanned()); });
    state.scanning()->scanAll();
    EXPECT_EQ(scanningWhenAnnounced, std::vector<std::size_t>{8});
    ASSERT_FALSE(scannedWhenScanningAnnounced.empty());
    EXPECT_TRUE(scannedWhenScanningAnnounced.front());
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    state.scanning()->scanAll();
    EXPECT_EQ(scanningWhenAnnounced.size(), 1u) << "announced once, on the first scan";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
}

TEST_F(ScanControllerTest, ASecondScanWhileOneRunsIsRefusedOnce)
{
    state.scanning()->scanAll();
    state.scanning()->scanAll();
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(log.count(LogLevel::warning, "Scan already in progress"), 1u);
    EXPECT_EQ(log.count(LogLevel::info, "Starting full system scan - 8 categories"), 1u);
    EXPECT_EQ(log.count(LogLevel::debug, "Scanning category: caches"), 1u);
}

TEST_F(ScanControllerTest, SelectionSpansCategoriesButNeverYieldsInsightsOrProtectedItems)
{
    scanAndWait();
    selectAllOf(CategoryKind::insights);
    selectAllOf(CategoryKind::caches);
    selectAllOf(CategoryKind::downloads);
    EXPECT_TRUE(state.selection()->selectedItems(CategoryKind::insights).empty());
    const auto chosen = state.selection()->selectedItems(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_EQ(chosen, state.results()->items(CategoryKind::caches)) << "listed order";
    EXPECT_EQ(state.selection()->selectedItems(CategoryKind::downloads).size(), 1u);

    // A clean of one category leaves the other's ticks alone; a new full scan clears them all.
    ASSERT_EQ(cleanAndWait(CategoryKind::caches), CleanResult::completed);
    EXPECT_EQ(state.selection()->selectedItems(CategoryKind::downloads).size(), 1u);
    scanAndWait();
    EXPECT_TRUE(state.selection()->paths().empty());
}

TEST_F(ScanControllerTest, TheWindowListsExactlyWhatTheCommandLinesScanFinds)
{
    // The command line writes what ScanSession::scanAll returns; the window publishes the same
    // session's results as they come. On one home both say the same, category by category.
    scanAndWait();
    const ScanSession session(JunkScanner::macLayout());
    const CategoryResults direct = session.scanAll(session.categories(), {});
    ASSERT_EQ(state.results()->byCategory().size(), direct.size());
    for (const auto& [kind, result] : direct) {
        EXPECT_EQ(state.results()->items(kind), result.items) << rawValue(kind);
        EXPECT_EQ(state.results()->skipped(kind), result.skipped) << rawValue(kind);
    }
    EXPECT_EQ(state.results()->grandTotal(), grandTotal(direct));
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

} // namespace

TEST(ScanControllerLayout, AFullScanCoversTheCategoriesTheLayoutOffersAndNoOther)
{
    FakeHome home;
    home.file(".cache/fontconfig/cache-7", 20'000);
    home.file("Library/Developer/Xcode/DerivedData/App/x", 20'000); // found only where Xcode is a category
    LogCapture log;
    WindowState state(JunkScanner::linuxLayout());
    using qml::Category;
    EXPECT_EQ(state.desktop()->categories(), (QList<int>{Category::Caches, Category::Logs, Category::DevCaches,
                                                         Category::DevArtifacts, Category::Downloads, Category::Trash,
                                                         Category::Insights}));
    QSignalSpy scanning(state.scanning(), &ScanController::scanningKindsChanged);
    state.scanning()->scanAll();
    EXPECT_EQ(state.scanning()->scanningKinds().size(), 7u);
    EXPECT_FALSE(state.scanning()->scanningKinds().contains(CategoryKind::xcode));
    ASSERT_TRUE(QTest::qWaitFor([&state] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_FALSE(state.results()->byCategory().contains(CategoryKind::xcode));
    EXPECT_EQ(state.results()->items(CategoryKind::caches).size(), 1u);
    EXPECT_EQ(state.results()->totalSize(CategoryKind::xcode), 0);
    EXPECT_EQ(log.count(LogLevel::info, "Starting full system scan - 7 categories"), 1u);
    EXPECT_EQ(scanning.count(), 8) << "one start and one finish per category";
}
