// The sessions both front ends drive: what a scan covers and reports, what a clean takes and
// leaves behind, and what putting an entry back asks to be scanned again.
#include "CleanSession.h"
#include "CleanUndo.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "RestoreSession.h"
#include "ScanSession.h"
#include "TrashLocation.h"
#include "UndoJournal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

using namespace orvelane;
using orvelane::testing::FakeHome;
using orvelane::testing::LogCapture;

namespace {

using Kinds = std::vector<CategoryKind>;
constexpr auto caches = CategoryKind::caches;
constexpr auto trash = CategoryKind::trash;
constexpr auto insights = CategoryKind::insights;
constexpr auto xcode = CategoryKind::xcode;
constexpr auto downloads = CategoryKind::downloads;

ScannedItem listed(const std::filesystem::path& path, std::int64_t size)
{
    return ScannedItem{path, path.filename().string(), size, std::nullopt, SafetyLevel::safe,
                       SafetyReason::oldRegenerable, std::nullopt, JunkScanner::inodeOf(path)};
}

struct CategoriesRow
{
    const char* tag;
    JunkScanner::LayoutId layout;
    Kinds asked;
    Kinds expected;
};
void PrintTo(const CategoriesRow& row, std::ostream* out) { *out << row.tag; }

class ScanSessionCategories : public ::testing::TestWithParam<CategoriesRow>
{};

TEST_P(ScanSessionCategories, AreTheLayoutsOwnInCatalogueOrderEachOnce)
{
    const ScanSession session(JunkScanner::layoutFor(GetParam().layout));
    EXPECT_EQ(session.categories(GetParam().asked), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScanSessionCategories,
    ::testing::Values(
        CategoriesRow{"allOfMacos", JunkScanner::LayoutId::macos, {},
                      {caches, CategoryKind::logs, xcode, CategoryKind::devCaches, CategoryKind::devArtifacts, downloads,
                       trash, insights}},
        CategoriesRow{"allOfLinux", JunkScanner::LayoutId::linux, {},
                      {caches, CategoryKind::logs, CategoryKind::devCaches, CategoryKind::devArtifacts, downloads, trash,
                       insights}},
        CategoriesRow{"askedBackwardsAndTwice", JunkScanner::LayoutId::macos, {trash, caches, trash}, {caches, trash}},
        CategoriesRow{"notOfferedIsLeftOut", JunkScanner::LayoutId::linux, {xcode, downloads}, {downloads}}),
    [](const auto& info) { return std::string(info.param.tag); });

TEST(ScanSession, RefusesACategoryItsLayoutDoesNotOfferAndNamesTheOnesItDoes)
{
    const ScanSession linux(JunkScanner::linuxLayout());
    EXPECT_EQ(linux.refusal(xcode), "the linux layout has no category 'xcode' (it has: caches logs devCaches "
                                    "devArtifacts downloads trash insights)");
    EXPECT_FALSE(linux.refusal(trash));
    EXPECT_FALSE(ScanSession(JunkScanner::macLayout()).refusal(xcode));
}

TEST(ScanSession, TheGrandTotalLeavesOutTheGuidanceOnlyCategory)
{
    CategoryResults results;
    EXPECT_EQ(grandTotal(results), 0);
    results[caches].items = {listed("/h/a", 300), listed("/h/b", 200)};
    results[trash].items = {listed("/h/c", 40)};
    results[insights].items = {listed("/h/d", 1'000'000)};
    results[downloads].skipped = {{"/h/e", "e", 5'000, SkipReason::belowSizeThreshold}};
    EXPECT_EQ(grandTotal(results), 540);
}

class ScanSessionRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        home.file("Library/Caches/com.alpha/blob", 20'000);
        home.file("Downloads/tool.dmg", 5'000);
        home.file(".local/share/Trash/files/old.pdf", 3'000);
    }

    FakeHome home;
    LogCapture log;
    const ScanSession session{JunkScanner::macLayout()};
};

TEST_F(ScanSessionRun, HandsOverEachCategoryOnceAsTheOneScanOfItWould)
{
    const Kinds asked{caches, downloads, trash};
    std::mutex mutex;
    std::vector<CategoryKind> reported;
    std::set<std::thread::id> threads;
    CategoryResults results;
    session.scanEach(asked, {}, [&](CategoryKind kind, ScanResult result) {
        std::lock_guard lock(mutex);
        reported.push_back(kind);
        threads.insert(std::this_thread::get_id());
        results.emplace(kind, std::move(result));
    });
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, asked);
    EXPECT_FALSE(threads.contains(std::this_thread::get_id())) << "each category on a thread of its own";
    for (CategoryKind kind : asked) {
        const ScanResult alone = session.scanCategory(kind, {});
        EXPECT_EQ(results.at(kind).items, alone.items) << rawValue(kind);
        EXPECT_EQ(results.at(kind).skipped, alone.skipped) << rawValue(kind);
    }
    ASSERT_EQ(results.at(caches).items.size(), 1u);
    EXPECT_EQ(session.scanAll(asked, {}).at(trash).items, results.at(trash).items);
    EXPECT_EQ(log.count(LogLevel::info, "Starting full system scan - 3 categories"), 2u);
    EXPECT_EQ(log.count(LogLevel::debug, "Scanning category: downloads"), 3u);
    EXPECT_EQ(log.countStartingWith("Category 'caches' scan completed - 1 items found in "), 3u);
}

TEST_F(ScanSessionRun, ACancelledScanHandsOverNothingMore)
{
    const std::atomic<bool> cancel{true};
    int reported = 0;
    session.scanEach({caches, trash}, {}, [&](CategoryKind, ScanResult) { ++reported; }, &cancel);
    EXPECT_EQ(reported, 0);
    EXPECT_EQ(log.countStartingWith("Scanning category: "), 0u) << "nothing starts once cancelled";
}

TEST_F(ScanSessionRun, TheProgressOfAFullScanHearsOfEveryCategory)
{
    std::vector<CategoryKind> heard;
    const CategoryResults results = session.scanAll(session.categories(), {}, [&](CategoryKind kind) { heard.push_back(kind); });
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, session.categories());
    EXPECT_EQ(results.size(), 8u);
}

struct RescanRow
{
    CategoryKind cleaned;
    Kinds rescans;
};
void PrintTo(const RescanRow& row, std::ostream* out) { *out << rawValue(row.cleaned); }

class CleanSessionRescans : public ::testing::TestWithParam<RescanRow>
{};

TEST_P(CleanSessionRescans, ShowTheCategoryAndTheTrashItsItemsWentTo)
{
    EXPECT_EQ(CleanSession::rescansAfter(GetParam().cleaned), GetParam().rescans);
}

INSTANTIATE_TEST_SUITE_P(Rows, CleanSessionRescans,
                         ::testing::Values(RescanRow{caches, {caches, trash}}, RescanRow{downloads, {downloads, trash}},
                                           RescanRow{trash, {trash}}),
                         [](const auto& info) { return std::string(rawValue(info.param.cleaned)); });

class CleanSessionRun : public ::testing::Test
{
protected:
    FakeHome home;
    LogCapture log;
    const CleanSession session{JunkScanner::macLayout()};
};

TEST_F(CleanSessionRun, NothingCleanableTickedIsRefusedAndSaidSo)
{
    const auto a = listed(home.file("Library/Caches/a/f", 1'000).parent_path(), 100);
    auto guarded = listed(home.file("Library/Caches/b/f", 1'000).parent_path(), 200);
    guarded.safetyLevel = SafetyLevel::protected_;
    EXPECT_TRUE(CleanSession::chooseItems(caches, {a, guarded}, {guarded.path}).empty());
    EXPECT_TRUE(CleanSession::chooseItems(insights, {a}, {a.path}).empty());
    EXPECT_EQ(log.count(LogLevel::warning, "Clean attempted with no items selected"), 2u);
    EXPECT_EQ(CleanSession::chooseItems(caches, {a, guarded}, {a.path, guarded.path}), std::vector<ScannedItem>{a});

    const CleanReport report = session.run(caches, {}, home.root(), {});
    EXPECT_EQ(report.result, CleanResult::notStarted);
    EXPECT_EQ(rawValue(report.result), "notStarted");
    EXPECT_FALSE(report.undoId);
    EXPECT_TRUE(std::filesystem::exists(a.path));
}

TEST_F(CleanSessionRun, ACleanRemovesRecordsForAnUndoAndLogsItsStartAndEnd)
{
    const auto a = listed(home.file("Library/Caches/a/f", 1'000).parent_path(), 100);
    const auto gone = listed(home.file("Library/Caches/b/f", 1'000).parent_path(), 200);
    std::filesystem::remove_all(gone.path);

    const CleanReport report = session.run(caches, {a, gone}, home.root(), {});
    EXPECT_EQ(report.result, CleanResult::completed);
    EXPECT_EQ(rawValue(report.result), "completed");
    EXPECT_EQ(report.outcome.cleaned, 100);
    ASSERT_EQ(report.outcome.errors.size(), 1u);
    EXPECT_TRUE(report.outcome.errors[0].starts_with("b: ")) << report.outcome.errors[0];
    EXPECT_FALSE(std::filesystem::exists(a.path));
    ASSERT_TRUE(report.undoId);
    const auto journal = UndoJournal::readStack(UndoJournal::location(home.root()));
    ASSERT_TRUE(journal);
    ASSERT_EQ(journal->size(), 1u);
    EXPECT_EQ(journal->back().id, *report.undoId);
    EXPECT_EQ(log.count(LogLevel::info, "Starting move to trash for 2 items in 'Application Caches' (300 bytes)"), 1u);
    EXPECT_EQ(log.count(LogLevel::warning, "Clean completed with 1 errors - cleaned 100 bytes"), 1u);

    // Deleted for good, nothing can come back; the clean before, still in the Trash, can.
    const auto old = listed(home.file(".local/share/Trash/files/old.log", 1'000), 4'096);
    const CleanReport deleted = session.run(trash, {old}, home.root(), {});
    EXPECT_TRUE(deleted.outcome.errors.empty());
    EXPECT_FALSE(deleted.undoId);
    EXPECT_EQ(UndoJournal::readStack(UndoJournal::location(home.root())), journal);
    EXPECT_EQ(log.count(LogLevel::info, "Starting permanent delete for 1 items in 'Trash' (4 kB)"), 1u);
    EXPECT_EQ(log.count(LogLevel::info, "Clean completed successfully - cleaned 4 kB"), 1u);
}

TEST_F(CleanSessionRun, AnEntryPutBackAsksForTheCategoriesThatHoldItsPlace)
{
    const auto a = listed(home.file("Library/Caches/a/f", 1'000).parent_path(), 100);
    ASSERT_TRUE(session.run(caches, {a}, home.root(), {}).undoId);
    const auto entry = trashItemsFolder(home.root()) / "a";
    const RestoreSession restore(JunkScanner::macLayout());
    EXPECT_TRUE(RestoreSession::canPutBack(entry, home.root()));

    const PutBackReport report = restore.putBack(entry, "a", JunkScanner::inodeOf(entry), home.root());
    EXPECT_FALSE(report.message) << *report.message;
    EXPECT_EQ(report.original, a.path);
    EXPECT_EQ(report.rescans, Kinds{caches});
    EXPECT_TRUE(std::filesystem::exists(a.path / "f"));
    EXPECT_EQ(log.count(LogLevel::info, "Putting back from the Trash: a"), 1u);

    const PutBackReport again = restore.putBack(entry, "a", std::nullopt, home.root());
    ASSERT_TRUE(again.message);
    EXPECT_TRUE(again.message->starts_with("a")) << *again.message;
    EXPECT_TRUE(again.rescans.empty());
    EXPECT_FALSE(RestoreSession::canPutBack(entry, home.root()));
}

// The undo journal as a stack of cleans, which cleans and undos running at the same time (in
// threads here, as in processes: the lock is per open journal) each change under its lock.
class UndoStack : public CleanSessionRun
{
protected:
    // Caches of their own for each clean: `count` folders under Library/Caches/<prefix>-<n>.
    std::vector<ScannedItem> caches(const std::string& prefix, int count)
    {
        std::vector<ScannedItem> items;
        for (int i = 0; i < count; ++i)
            items.push_back(listed(home.file("Library/Caches/" + prefix + "-" + std::to_string(i) + "/f", 100).parent_path(), 100));
        return items;
    }

    static bool allBack(const std::vector<ScannedItem>& items)
    {
        return std::all_of(items.begin(), items.end(), [](const ScannedItem& item) { return std::filesystem::exists(item.path / "f"); });
    }
    static bool noneBack(const std::vector<ScannedItem>& items)
    {
        return std::none_of(items.begin(), items.end(), [](const ScannedItem& item) { return std::filesystem::exists(item.path); });
    }

    std::filesystem::path journal() const { return UndoJournal::location(home.root()); }
};

TEST_F(UndoStack, CleansAreUndoneNewestFirstEachInTurnAndOnlyTheOneAskedFor)
{
    const auto first = caches("first", 2), second = caches("second", 3), third = caches("third", 1);
    std::vector<std::string> ids;
    for (const auto* items : {&first, &second, &third})
        ids.push_back(*session.run(CategoryKind::caches, *items, home.root(), {}).undoId);
    const auto listedCleans = undoableCleans(home.root());
    ASSERT_TRUE(listedCleans);
    ASSERT_EQ(listedCleans->size(), 3u);
    EXPECT_EQ(listedCleans->at(0).id, ids[2]);
    EXPECT_EQ(listedCleans->at(1).items, 3u);
    EXPECT_EQ(listedCleans->at(1).bytes, 300);
    EXPECT_EQ(listedCleans->at(2).id, ids[0]);

    // Asked by id, only that clean comes back; an id no longer in the journal brings back nothing.
    EXPECT_EQ(undoClean(home.root(), ids[1]).restoredCount, 3u);
    EXPECT_TRUE(allBack(second));
    EXPECT_TRUE(noneBack(first) && noneBack(third));
    EXPECT_FALSE(undoClean(home.root(), ids[1]).started);
    EXPECT_FALSE(undoClean(home.root(), "no such clean").started);
    EXPECT_TRUE(noneBack(first) && noneBack(third));

    EXPECT_EQ(undoClean(home.root()).restoredCount, 1u);
    EXPECT_TRUE(allBack(third));
    EXPECT_TRUE(noneBack(first));
    EXPECT_EQ(undoClean(home.root()).restoredCount, 2u);
    EXPECT_TRUE(allBack(first));
    EXPECT_FALSE(undoClean(home.root()).started);
    EXPECT_FALSE(std::filesystem::exists(journal()));
}

TEST_F(UndoStack, TwoCleansAndAnUndoAtOnceLoseNoEntry)
{
    const auto before = caches("before", 20);
    ASSERT_TRUE(session.run(CategoryKind::caches, before, home.root(), {}).undoId);
    const auto left = caches("left", 60), right = caches("right", 60);
    UndoOutcome racing;
    {
        std::jthread a([&] { session.run(CategoryKind::caches, left, home.root(), {}); });
        std::jthread b([&] { session.run(CategoryKind::caches, right, home.root(), {}); });
        std::jthread undo([&] { racing = undoClean(home.root()); });
    }
    // The undo took one whole clean back, whichever was newest as it began; the journal keeps
    // the other two, and undoing them brings back everything.
    EXPECT_TRUE(racing.started);
    EXPECT_TRUE(racing.errors.empty()) << racing.errors.front();
    const auto kept = undoableCleans(home.root());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->size(), 2u);
    EXPECT_EQ(allBack(before) + allBack(left) + allBack(right), 1);
    // Two undos at once take the other two, one each, and leave no stale journal behind.
    UndoOutcome one, other;
    {
        std::jthread a([&] { one = undoClean(home.root()); });
        std::jthread b([&] { other = undoClean(home.root()); });
    }
    EXPECT_TRUE(one.started && other.started);
    EXPECT_TRUE(one.errors.empty() && other.errors.empty());
    EXPECT_TRUE(allBack(before) && allBack(left) && allBack(right));
    EXPECT_FALSE(std::filesystem::exists(journal()));
}

TEST_F(UndoStack, CleansWhoseItemsLeftTheTrashDropOutAndAVolumeNotAttachedSaysNothing)
{
    const auto emptied = caches("emptied", 2), half = caches("half", 2);
    ASSERT_TRUE(session.run(CategoryKind::caches, emptied, home.root(), {}).undoId);
    ASSERT_TRUE(session.run(CategoryKind::caches, half, home.root(), {}).undoId);
    auto stack = UndoJournal::readStack(journal());
    ASSERT_TRUE(stack);
    for (const UndoEntry& entry : stack->at(0).entries)
        std::filesystem::remove_all(entry.trashedAs);
    std::filesystem::remove_all(stack->at(1).entries.at(0).trashedAs);
    // An entry in a trash that is not there just now (its volume detached) may come back later.
    UndoRecord detached{UndoJournal::newId(), stack->at(1).entries, 1};
    detached.entries.at(0).trashedAs = home.top() / "unplugged/.Trash-1000/files/x";
    stack->insert(stack->begin(), detached);
    ASSERT_FALSE(UndoJournal::writeStack(journal(), *stack));

    const auto cleans = undoableCleans(home.root());
    ASSERT_TRUE(cleans);
    ASSERT_EQ(cleans->size(), 2u);
    EXPECT_EQ(cleans->at(0).items, 1u) << "the half that is still in the Trash";
    EXPECT_EQ(cleans->at(1).id, detached.id);
    EXPECT_EQ(undoClean(home.root()).restoredCount, 1u);
    EXPECT_TRUE(noneBack(emptied));
}

TEST_F(UndoStack, ACleanWhoseEntryCannotBeKeptSaysSoAndTheOneBeforeStaysUndoable)
{
    const auto before = caches("before", 1), after = caches("after", 1);
    ASSERT_TRUE(session.run(CategoryKind::caches, before, home.root(), {}).undoId);
    // The journal is busy all the while (another process holds it), then it cannot be written.
    {
        std::string why;
        const auto held = UndoJournal::Lock::acquire(journal(), std::chrono::milliseconds(0), why);
        ASSERT_TRUE(held) << why;
        std::optional<std::string> failure;
        std::jthread other([&] {
            failure = recordCleanForUndo({100, {}, 0, UndoJournal::readStack(journal())->at(0).entries}, home.root()).failure;
        });
        other.join();
        ASSERT_TRUE(failure);
        EXPECT_TRUE(failure->starts_with("This clean cannot be undone: ")) << *failure;
    }
    std::filesystem::rename(journal(), journal().parent_path() / "kept");
    std::filesystem::create_directory(journal()); // the journal's place is taken: it cannot be written
    const CleanReport cleaned = session.run(CategoryKind::caches, after, home.root(), {});
    EXPECT_TRUE(noneBack(after));
    EXPECT_FALSE(cleaned.undoId);
    ASSERT_TRUE(cleaned.undoFailure);
    std::filesystem::remove(journal());
    std::filesystem::rename(journal().parent_path() / "kept", journal());
    EXPECT_EQ(undoClean(home.root()).restoredCount, 1u);
    EXPECT_TRUE(allBack(before));
    EXPECT_TRUE(noneBack(after)) << "a clean with no entry is never taken for another";
}

TEST_F(UndoStack, AnItemExcludedSinceItWasListedStaysAsSpelledAndWhereItReallyIs)
{
    auto items = caches("kept", 4);
    const std::filesystem::path linked = home.top() / "linked-home";
    std::filesystem::create_directory_symlink(home.root(), linked);
    // Excluded as listed; through a linked spelling of the home; by its real path while it was
    // listed through the link. The fourth goes.
    items[2].path = linked / "Library/Caches/kept-2";
    const ExclusionList exclusions({items[0].path, linked / "Library/Caches/kept-1", home / "Library/Caches/kept-2"});
    const CleanReport report = session.run(CategoryKind::caches, items, home.root(), exclusions);
    for (int kept = 0; kept < 3; ++kept)
        EXPECT_TRUE(std::filesystem::exists(home / ("Library/Caches/kept-" + std::to_string(kept)) / "f")) << kept;
    EXPECT_FALSE(std::filesystem::exists(items[3].path));
    EXPECT_EQ(report.outcome.cleaned, 100);
    EXPECT_EQ(report.outcome.errors, (std::vector<std::string>{"kept-0: Excluded by you", "kept-1: Excluded by you",
                                                              "kept-2: Excluded by you"}));
}

} // namespace
