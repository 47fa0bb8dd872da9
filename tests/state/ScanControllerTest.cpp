// The window's scans: what a full scan publishes and announces, and what it covers on a layout.
#include "CategoryItemsModel.h"
#include "PublishLater.h"
#include "QmlEnums.h"
#include "ScanSession.h"
#include "TidySettings.h"
#include "WindowStateTest.h"

#include <QPromise>
#include <QSignalSpy>
#include <QThread>

#include <set>
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

// Projects whose sources were last changed this many days ago, each with its dependencies
// freshly installed (large enough to be offered); "bare" holds nothing but them, so its
// project's date is unknown.
class UntouchedProjectsTest : public WindowStateTest
{
protected:
    void SetUp() override
    {
        WindowStateTest::SetUp();
        for (const auto& [name, days] : {std::pair{"old", 200}, {"idle", 100}, {"month", 45}, {"fresh", 2}}) {
            const std::filesystem::path project = std::filesystem::path("code") / name;
            for (const char* file : {"package.json", "src/index.js"}) {
                home.file(project / file);
                home.setModified(project / file, Clock::now() - std::chrono::hours(24 * days));
            }
            home.allocated(project / "node_modules/x/index.js", 6 * kMiB);
        }
        home.allocated("code/bare/node_modules/x/index.js", 6 * kMiB);
    }

    std::filesystem::path buildFolder(const std::string& project) const
    {
        return home / "code" / project / "node_modules";
    }

    /// The projects whose build folders are ticked, by name, in name order.
    std::string tickedProjects() const
    {
        std::set<std::string> projects;
        for (const ScannedItem& item : state.selection()->selectedItems(CategoryKind::devArtifacts))
            projects.insert(item.path.parent_path().filename().string());
        std::string names;
        for (const std::string& project : projects)
            names += (names.empty() ? "" : " ") + project;
        return names;
    }

    QVariant shown(const std::string& project, CategoryItemsModel::Role role) const
    {
        const auto* model =
            static_cast<const CategoryItemsModel*>(state.results()->itemsModel(qml::Category::DevArtifacts));
        for (int row = 0; row < model->count(); ++row)
            if (model->items()[std::size_t(row)].path == buildFolder(project))
                return model->data(model->index(row), int(role));
        ADD_FAILURE() << project << " is not listed";
        return {};
    }
};

// Select Untouched ticks the build folders of projects idle for the settings' period, read
// again when asked; ticks already made stay, and an unknown date never counts as old.
TEST_F(UntouchedProjectsTest, SelectUntouchedTicksOnlyProjectsIdleForTheSettingsPeriod)
{
    struct Row
    {
        std::optional<int> untouchedDays; ///< nothing: the setting was never made
        const char* ticked;
    };
    const Row rows[] = {
        {std::nullopt, "idle old"}, {30, "idle month old"}, {180, "old"}, {100, "idle old"}, {365, ""},
    };
    scanAndWait();
    ASSERT_EQ(listed(CategoryKind::devArtifacts).size(), 5u);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.untouchedDays.value_or(0));
        TidySettings settings;
        if (row.untouchedDays) {
            settings.choices.untouchedDays = *row.untouchedDays;
            ASSERT_EQ(TidySettingsStore::save(settings), std::nullopt);
        }
        state.selection()->deselectAll(qml::Category::DevArtifacts);
        state.selection()->readUntouchedPeriod();
        EXPECT_EQ(state.selection()->untouchedDays(), settings.choices.untouchedDays);
        state.selection()->selectUntouched(qml::Category::DevArtifacts);
        EXPECT_EQ(tickedProjects(), row.ticked);
        EXPECT_EQ(state.selection()->untouchedItems(CategoryKind::devArtifacts).empty(),
                  std::string(row.ticked).empty());
    }

    TidySettings halfYear;
    halfYear.choices.untouchedDays = 180;
    ASSERT_EQ(TidySettingsStore::save(halfYear), std::nullopt);
    state.selection()->select(buildFolder("fresh"), true);
    state.selection()->select(buildFolder("bare"), true);
    state.selection()->selectUntouched(qml::Category::DevArtifacts);
    EXPECT_EQ(tickedProjects(), "bare fresh") << "the period is the one last read until read again";
    state.selection()->readUntouchedPeriod();
    state.selection()->selectUntouched(qml::Category::DevArtifacts);
    EXPECT_EQ(tickedProjects(), "bare fresh old") << "what was ticked stays ticked";
}

// Each build folder's row says how long its project has slept, from the project's own files
// (its freshly installed dependencies do not count); the project worked on this week says why
// it is left for review.
TEST_F(UntouchedProjectsTest, EachBuildFolderRowSaysHowLongItsProjectHasSlept)
{
    using Role = CategoryItemsModel::Role;
    scanAndWait();
    EXPECT_EQ(shown("old", Role::projectUntouched).toString(), "Project untouched for 6 months");
    EXPECT_EQ(shown("month", Role::projectUntouched).toString(), "Project untouched for 1 month");
    EXPECT_FALSE(shown("fresh", Role::projectUntouched).isValid()) << "its reason says this week's work instead";
    EXPECT_FALSE(shown("bare", Role::projectUntouched).isValid());
    EXPECT_EQ(shown("fresh", Role::safetyReason).toString(), "projectActive");
    EXPECT_EQ(shown("fresh", Role::safetyLevel).toInt(), qml::Safety::Review);
    EXPECT_NE(shown("old", Role::safetyReason).toString(), "projectActive");
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
