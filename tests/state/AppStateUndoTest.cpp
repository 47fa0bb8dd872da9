// Taking a clean back in the window: undo, put back, never offer again, and the disk's space.

#include "AppState.h"
#include "CleanUndo.h"
#include "FakeHome.h"
#include "ItemKey.h"
#include "Logger.h"
#include "RecordedLog.h"
#include "TestMounts.h"
#include "UndoJournal.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/statvfs.h>

#include <algorithm>
#include <fstream>
#include <mutex>

using namespace orvelane;
using orvelane::testing::FakeHome;
using orvelane::testing::RecordedLog;
using orvelane::testing::TestMounts;

namespace fs = std::filesystem;

namespace {

// By its name, or for a Trash entry by its name in the Trash (its listed name says where it came from).
const ScannedItem* named(const std::vector<ScannedItem>& items, const std::string& name)
{
    const auto found = std::find_if(items.begin(), items.end(), [&](const ScannedItem& item) {
        return item.name == name || item.path.filename() == name;
    });
    return found == items.end() ? nullptr : &*found;
}

bool lists(const std::vector<ScannedItem>& items, const fs::path& url)
{
    return std::any_of(items.begin(), items.end(), [&](const ScannedItem& item) { return item.path == url; });
}

const SkippedItem* skippedAt(const std::vector<SkippedItem>& skipped, const fs::path& url)
{
    const auto found = std::find_if(skipped.begin(), skipped.end(), [&](const SkippedItem& item) { return item.path == url; });
    return found == skipped.end() ? nullptr : &*found;
}

QString keyOf(const fs::path& path) { return itemKey(path); }

// The two things a home trash holds for an item.
fs::path trashEntry(const FakeHome& home, const std::string& name) { return home / ".local/share/Trash/files" / name; }
fs::path trashRecord(const FakeHome& home, const std::string& name)
{
    return home / ".local/share/Trash/info" / (name + ".trashinfo");
}

class AppStateUndoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Logger::setSink(log);
        for (const auto& [name, bytes] : {std::pair{"com.gamma", 30'000}, {"com.alpha", 20'000}, {"com.beta", 10'000}})
            cache(name, static_cast<std::size_t>(bytes));
        home.file("Downloads/tool.dmg", 5'000);
    }
    void TearDown() override { Logger::setSink(nullptr); }

    // A cache folder with one blob, a month old so that it is offered as safe.
    fs::path cache(const std::string& name, std::size_t bytes)
    {
        const fs::path folder = fs::path("Library/Caches") / name;
        home.file(folder / "blob", bytes);
        const Date monthAgo = Clock::now() - std::chrono::hours(24 * 30);
        home.setModified(folder / "blob", monthAgo);
        home.setModified(folder, monthAgo);
        return home / folder;
    }

    static void scanAndWait(AppState& state)
    {
        state.scanAll();
        ASSERT_TRUE(QTest::qWaitFor([&state] { return state.scanningKinds().empty(); }, 60'000));
    }
    void scanAndWait() { scanAndWait(state); }

    static CleanResult wait(QFuture<CleanResult> future)
    {
        EXPECT_TRUE(QTest::qWaitFor([&future] { return future.isFinished(); }, 60'000));
        return future.resultCount() > 0 ? future.result() : CleanResult::notStarted;
    }

    CleanResult clean(CategoryKind kind, const std::vector<std::string>& names = {})
    {
        for (const ScannedItem& item : state.items().at(kind))
            if (names.empty() || std::find(names.begin(), names.end(), item.name) != names.end())
                state.select(item.path, true);
        return wait(state.cleanSelected(kind));
    }

    const std::vector<ScannedItem>& listed(CategoryKind kind) { return state.items().at(kind); }

    FakeHome home;
    std::shared_ptr<RecordedLog> log = std::make_shared<RecordedLog>();
    AppState state;
};

// --- Undo ----------------------------------------------------------------------------------------

TEST_F(AppStateUndoTest, AnUndoPutsTheCleanBackButNeverOverWhatTookAnItemsPlace)
{
    scanAndWait();
    const std::vector<ScannedItem> chosen = listed(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_FALSE(state.canUndo()) << "nothing cleaned yet";
    QSignalSpy undoable(&state, &AppState::canUndoChanged);
    ASSERT_EQ(clean(CategoryKind::caches), CleanResult::completed);
    EXPECT_TRUE(state.canUndo());
    EXPECT_EQ(undoable.count(), 1);
    ASSERT_EQ(listed(CategoryKind::trash).size(), 3u);

    // Something new arrives where the second item was.
    const fs::path newcomer = chosen[1].path / "new";
    home.file(fs::relative(newcomer, home.root()), 4'000);

    ASSERT_TRUE(state.justCleaned());
    QSignalSpy finished(&state, &AppState::undoFinished);
    state.startUndo();
    EXPECT_FALSE(state.justCleaned()) << "no success card for a clean being taken back";
    EXPECT_TRUE(state.cleaning()) << "an undo keeps the window busy as a clean does";
    ASSERT_TRUE(finished.wait(60'000));
    EXPECT_EQ(finished.at(0).at(0).toString(), "completed");
    EXPECT_FALSE(state.cleaning());

    for (const std::size_t back : {0u, 2u}) {
        EXPECT_EQ(fs::file_size(chosen[back].path / "blob"), back == 0 ? 30'000u : 10'000u) << chosen[back].name;
        EXPECT_FALSE(fs::exists(trashRecord(home, chosen[back].path.filename())));
    }
    EXPECT_TRUE(fs::exists(newcomer)) << "what is new stays as it is";
    EXPECT_FALSE(fs::exists(chosen[1].path / "blob")) << "nothing is merged into it";
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.alpha") / "blob"));
    EXPECT_TRUE(fs::exists(trashRecord(home, "com.alpha")));
    EXPECT_EQ(state.errors().join('\n').toStdString(), "com.alpha stays in the Trash: something new is at its old place.");
    EXPECT_EQ(state.totalCleaned(), chosen[1].size) << "what came back was not cleaned after all";
    EXPECT_TRUE(state.errorsFromPutBack()) << "the alert speaks of putting back, not of cleaning";

    // The clean's category and the Trash are scanned again and show where things are now.
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Application Caches"), 2);
    EXPECT_EQ(log->count(LogLevel::debug, "Rescanning category: Trash"), 2);
    EXPECT_EQ(listed(CategoryKind::caches).size(), 3u);
    ASSERT_EQ(listed(CategoryKind::trash).size(), 1u);
    EXPECT_EQ(listed(CategoryKind::trash)[0].name, "com.alpha — from ~/Library/Caches");

    // The item that stayed can still go back once its place is free again, and then nothing is left.
    EXPECT_TRUE(state.canUndo());
    fs::remove_all(chosen[1].path);
    ASSERT_EQ(wait(state.undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(state.errors().isEmpty()) << state.errors().join('\n').toStdString();
    EXPECT_EQ(fs::file_size(chosen[1].path / "blob"), 20'000u);
    EXPECT_EQ(state.totalCleaned(), 0);
    EXPECT_TRUE(listed(CategoryKind::trash).empty());
    EXPECT_FALSE(state.canUndo());
    EXPECT_EQ(wait(state.undoLastClean()), CleanResult::notStarted);
    EXPECT_EQ(log->count(LogLevel::warning, "Undo attempted with no clean to undo"), 1);
}

TEST_F(AppStateUndoTest, TheWindowUndoesOnlyItsLastCleanAndNothingAfterAScanOrAPermanentDeletion)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.canUndo());
    ASSERT_EQ(clean(CategoryKind::downloads), CleanResult::completed);
    ASSERT_TRUE(state.canUndo());

    // Only the downloads come back: an undo never reaches past the last clean.
    ASSERT_EQ(wait(state.undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(fs::exists(home / "Downloads/tool.dmg"));
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.gamma"));
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.gamma")));
    EXPECT_FALSE(state.canUndo());

    // A scan ends the window's offer at once; the journal stays for the command line.
    ASSERT_EQ(clean(CategoryKind::caches, {"com.beta"}), CleanResult::completed);
    ASSERT_TRUE(state.canUndo());
    state.scanAll();
    EXPECT_FALSE(state.canUndo());
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(wait(state.undoLastClean()), CleanResult::notStarted);
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.beta")));
    const auto journal = UndoJournal::read(UndoJournal::location(home.root()));
    ASSERT_TRUE(journal);
    ASSERT_EQ(journal->entries.size(), 1u);
    EXPECT_EQ(journal->entries[0].original, home / "Library/Caches/com.beta");

    // Deleting from the Trash for good leaves nothing to undo, for the window or anyone else.
    ASSERT_EQ(clean(CategoryKind::caches, {"com.alpha"}), CleanResult::completed);
    ASSERT_TRUE(state.canUndo());
    ASSERT_EQ(clean(CategoryKind::trash), CleanResult::completed);
    EXPECT_FALSE(state.canUndo());
    EXPECT_FALSE(fs::exists(UndoJournal::location(home.root())));
    EXPECT_FALSE(orvelane::undoLastClean(home.root()).started);
    EXPECT_EQ(wait(state.undoLastClean()), CleanResult::notStarted);
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.alpha"));
}

TEST_F(AppStateUndoTest, AnUndoIsRefusedWhileTheWindowIsBusyAndAFailedCleanOffersNone)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.canUndo());
    state.scanAll();
    EXPECT_EQ(wait(state.undoLastClean()), CleanResult::notStarted) << "a scan runs";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));

    // Every chosen item vanished before the clean: nothing went to the Trash, nothing to undo,
    // and the previous clean's journal is gone with the offer.
    for (const ScannedItem& item : listed(CategoryKind::caches))
        state.select(item.path, true);
    for (const ScannedItem& item : listed(CategoryKind::caches))
        fs::remove_all(item.path);
    ASSERT_EQ(wait(state.cleanSelected(CategoryKind::caches)), CleanResult::completed);
    EXPECT_EQ(state.errors().size(), 2);
    EXPECT_FALSE(state.canUndo());
    EXPECT_FALSE(state.errorsFromPutBack());
    EXPECT_FALSE(UndoJournal::read(UndoJournal::location(home.root())));
}

// --- Put back --------------------------------------------------------------------------------

TEST_F(AppStateUndoTest, PutBackIsOfferedOnlyForTrashItemsWithARecordThatNamesAPlaceInHome)
{
    // Entries the Trash holds besides our own: one without a record, one whose record points
    // outside the home folder, one whose record is not a record.
    home.file(".local/share/Trash/files/orphan.txt", 3'000);
    home.file(".local/share/Trash/files/elsewhere", 3'000);
    home.folder(".local/share/Trash/info");
    {
        std::ofstream(trashRecord(home, "elsewhere"))
            << "[Trash Info]\nPath=/var/orvelane-put-back-never-lands-here\nDeletionDate=2024-05-01T10:00:00\n";
        std::ofstream(trashRecord(home, "garbled.txt")) << "not a record\n";
    }
    home.file(".local/share/Trash/files/garbled.txt", 3'000);
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    const auto& trash = listed(CategoryKind::trash);
    ASSERT_EQ(trash.size(), 4u);

    const ScannedItem gamma = *named(trash, "com.gamma");
    EXPECT_TRUE(state.canPutBack(gamma));
    EXPECT_TRUE(state.canPutBack(keyOf(gamma.path)));
    for (const char* name : {"orphan.txt", "elsewhere", "garbled.txt"}) {
        ASSERT_TRUE(named(trash, name)) << name;
        EXPECT_FALSE(state.canPutBack(*named(trash, name))) << name;
        EXPECT_FALSE(state.canPutBack(keyOf(named(trash, name)->path))) << name;
    }
    const ScannedItem alpha = *named(listed(CategoryKind::caches), "com.alpha");
    EXPECT_FALSE(state.canPutBack(alpha)) << "not a Trash item";
    EXPECT_EQ(wait(state.putBack(alpha)), CleanResult::notStarted);
    EXPECT_TRUE(fs::exists(alpha.path));
    EXPECT_FALSE(state.canPutBack(QStringLiteral("not a key")));

    // Asked all the same, the record that points away is refused and nothing moves.
    const ScannedItem elsewhere = *named(trash, "elsewhere");
    ASSERT_EQ(wait(state.putBack(elsewhere)), CleanResult::completed);
    ASSERT_EQ(state.errors().size(), 1);
    EXPECT_EQ(state.errors()[0].toStdString(),
              "orvelane-put-back-never-lands-here — from /var: Its Trash record points outside your home folder.");
    EXPECT_FALSE(fs::exists("/var/orvelane-put-back-never-lands-here"));
    EXPECT_TRUE(fs::exists(elsewhere.path));
    EXPECT_TRUE(state.errorsFromPutBack());

    // Ours goes back, its record goes, and both lists show it where it is now.
    state.select(gamma.path, true);
    QSignalSpy finished(&state, &AppState::putBackFinished);
    state.startPutBack(keyOf(gamma.path));
    ASSERT_TRUE(finished.wait(60'000));
    EXPECT_EQ(finished.at(0).at(0).toString(), "completed");
    EXPECT_TRUE(state.errors().isEmpty()) << state.errors().join('\n').toStdString();
    EXPECT_EQ(fs::file_size(home / "Library/Caches/com.gamma/blob"), 30'000u);
    EXPECT_FALSE(fs::exists(gamma.path));
    EXPECT_FALSE(fs::exists(trashRecord(home, "com.gamma")));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), home / "Library/Caches/com.gamma"));
    EXPECT_FALSE(lists(listed(CategoryKind::trash), gamma.path));
    EXPECT_FALSE(state.selection().contains(gamma.path));

    // The messages of a clean that follows are a clean's again.
    ASSERT_EQ(wait(state.putBack(elsewhere)), CleanResult::completed);
    ASSERT_TRUE(state.errorsFromPutBack());
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    state.select(beta.path, true);
    fs::remove_all(beta.path);
    ASSERT_EQ(wait(state.cleanSelected(CategoryKind::caches)), CleanResult::completed);
    ASSERT_EQ(state.errors().size(), 1);
    EXPECT_FALSE(state.errorsFromPutBack());
}

// --- Never offer again -------------------------------------------------------------------------

TEST_F(AppStateUndoTest, AnExcludedItemIsSkippedByYouAcrossRestartsUntilOfferedAgain)
{
    // A name that is not UTF-8 must be excluded and offered again byte for byte.
    const fs::path odd = cache(std::string("com.\xff\xfe-odd"), 15'000);
    const fs::path beside = cache(std::string("com.\xff\xfe-odder"), 12'000);
    scanAndWait();
    const ScannedItem item = *std::find_if(listed(CategoryKind::caches).begin(), listed(CategoryKind::caches).end(),
                                           [&](const ScannedItem& found) { return found.path == odd; });
    state.select(item.path, true);
    EXPECT_TRUE(state.canExclude(keyOf(item.path)));
    QSignalSpy published(&state, &AppState::itemsChanged);
    state.excludeItem(keyOf(item.path));
    EXPECT_EQ(published.count(), 1) << "at once, no scan needed";
    EXPECT_FALSE(lists(listed(CategoryKind::caches), odd));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), beside)) << "a longer name is not below it";
    EXPECT_FALSE(state.selection().contains(odd));
    const SkippedItem* skipped = skippedAt(state.skippedItems().at(CategoryKind::caches), odd);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->reason, SkipReason::excludedByUser);
    const QVariantList entries = state.skippedEntries("caches");
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const QVariant& value) { return value.toMap()["key"] == keyOf(odd); });
    ASSERT_NE(entry, entries.end());
    EXPECT_EQ(entry->toMap()["reason"].toString(), "excludedByUser");
    EXPECT_EQ(fs::file_size(odd / "blob"), 15'000u) << "excluding touches nothing on disk";

    // A new window (the next start of the program) reads the same settings.
    {
        AppState restarted;
        scanAndWait(restarted);
        EXPECT_FALSE(lists(restarted.items().at(CategoryKind::caches), odd));
        EXPECT_TRUE(lists(restarted.items().at(CategoryKind::caches), beside));
        const SkippedItem* again = skippedAt(restarted.skippedItems().at(CategoryKind::caches), odd);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->reason, SkipReason::excludedByUser);

        restarted.offerAgain("caches", keyOf(odd));
        ASSERT_TRUE(QTest::qWaitFor([&] { return lists(restarted.items().at(CategoryKind::caches), odd); }, 60'000));
        EXPECT_FALSE(skippedAt(restarted.skippedItems().at(CategoryKind::caches), odd));
    }
    AppState third;
    scanAndWait(third);
    EXPECT_TRUE(lists(third.items().at(CategoryKind::caches), odd)) << "offering again is saved too";
    EXPECT_TRUE(third.exclusions().paths().empty());
}

TEST_F(AppStateUndoTest, AChangeOfMindDuringAScanHoldsWhenTheScanEnds)
{
    scanAndWait();
    const ScannedItem gamma = *named(listed(CategoryKind::caches), "com.gamma");
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    ASSERT_TRUE(state.exclude(beta, CategoryKind::caches));

    // The scan started before these changes looks with the old list; its results must not undo them.
    state.scanAll();
    ASSERT_TRUE(state.exclude(gamma, CategoryKind::caches));
    state.offerAgain(CategoryKind::caches, beta.path);
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanningKinds().empty(); }, 60'000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lists(listed(CategoryKind::caches), beta.path); }, 10'000))
        << "offered again during the scan";
    EXPECT_FALSE(lists(listed(CategoryKind::caches), gamma.path)) << "excluded during the scan";
    const SkippedItem* skipped = skippedAt(state.skippedItems().at(CategoryKind::caches), gamma.path);
    ASSERT_TRUE(skipped);
    EXPECT_EQ(skipped->reason, SkipReason::excludedByUser);
    EXPECT_FALSE(skippedAt(state.skippedItems().at(CategoryKind::caches), beta.path));
}

TEST_F(AppStateUndoTest, WhatCannotBeCleanedCannotBeExcluded)
{
    home.allocated("Library/Containers/com.docker.docker/Data/disk.img", 600 * 1024 * 1024);
    scanAndWait();
    const ScannedItem insight = listed(CategoryKind::insights).at(0);
    EXPECT_FALSE(state.canExclude(keyOf(insight.path)));
    EXPECT_FALSE(state.exclude(insight, CategoryKind::insights));
    const ScannedItem cacheItem = listed(CategoryKind::caches).at(0);
    EXPECT_FALSE(state.exclude(cacheItem, CategoryKind::downloads)) << "not listed there";
    ScannedItem guarded = cacheItem;
    guarded.safetyLevel = SafetyLevel::protected_;
    EXPECT_FALSE(state.exclude(guarded, CategoryKind::caches));
    EXPECT_FALSE(state.canExclude(QStringLiteral("not a key")));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), cacheItem.path));
    EXPECT_TRUE(state.exclusions().paths().empty());
}

// --- The disk's space ----------------------------------------------------------------------------

std::optional<DiskSpace> byStatvfs(const fs::path& folder)
{
    struct statvfs status{};
    if (::statvfs(folder.c_str(), &status) != 0)
        return std::nullopt;
    return DiskSpace{static_cast<std::int64_t>(status.f_bavail * status.f_frsize),
                     static_cast<std::int64_t>(status.f_blocks * status.f_frsize)};
}

TEST(AppStateDiskSpace, PublishedAtStartAfterEveryScanAndAfterEveryClean)
{
    if (!TestMounts::available())
        GTEST_SKIP() << orvelane::testing::kMountsUnavailable;
    // The home on a file system of its own, which nothing else on the machine writes to.
    FakeHome home;
    TestMounts mounts;
    ASSERT_TRUE(mounts.tmpfs(home.root()));
    home.file("Downloads/big.dmg", 3 * 1024 * 1024); // the file system holds 8 MiB
    home.folder(".local/share/Trash/files");
    home.folder(".local/share/Trash/info");

    AppState state;
    EXPECT_EQ(state.diskAvailable(), -1) << "unknown until the disk answers";
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.diskSpace().has_value(); }, 10'000));
    EXPECT_EQ(state.diskSpace(), byStatvfs(home.root()));
    EXPECT_EQ(state.diskTotal(), byStatvfs(home.root())->total);

    // The state's figure comes from its own thread; wait until it is the disk's.
    const auto settled = [&] {
        return QTest::qWaitFor([&] { return state.diskSpace() == byStatvfs(home.root()); }, 10'000);
    };
    home.file("Downloads/more.dmg", 2 * 1024 * 1024);
    ASSERT_NE(state.diskSpace(), byStatvfs(home.root())) << "the figure is out of date now";
    state.scanAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.scanningKinds().empty(); }, 60'000));
    EXPECT_TRUE(settled()) << "a scan asks the disk again";

    // A clean deletes from the Trash for good: what it freed shows.
    for (const ScannedItem& item : state.items().at(CategoryKind::downloads))
        state.select(item.path, true);
    ASSERT_TRUE(QTest::qWaitFor([f = state.cleanSelected(CategoryKind::downloads)] { return f.isFinished(); }, 60'000));
    ASSERT_TRUE(settled());
    const std::int64_t before = state.diskAvailable();
    ASSERT_EQ(state.items().at(CategoryKind::trash).size(), 2u);
    for (const ScannedItem& item : state.items().at(CategoryKind::trash))
        state.select(item.path, true);
    ASSERT_TRUE(QTest::qWaitFor([f = state.cleanSelected(CategoryKind::trash)] { return f.isFinished(); }, 60'000));
    EXPECT_TRUE(settled()) << "a clean asks the disk again";
    EXPECT_GE(state.diskAvailable() - before, 5 * 1024 * 1024);
    EXPECT_EQ(state.diskTotal(), byStatvfs(home.root())->total);
}

} // namespace
