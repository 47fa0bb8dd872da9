#include "Layout.h"
#include "CleanSelection.h"
#include "CleaningWorker.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "Logger.h"
#include "TestMounts.h"
#include "TrashLocation.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <sstream>

#include <mutex>

using namespace orvelane;
using orvelane::testing::FakeHome;
using orvelane::testing::TestMounts;

namespace {

// Records what it was asked to remove; fails the items it is told to.
class RecordingRemover final : public ItemRemover
{
public:
    std::optional<std::string> moveToTrash(const ScannedItem& item, const std::filesystem::path&) override
    {
        trashed.push_back(item.name);
        if (raiseWhenCalled)
            raiseWhenCalled->store(true); // as if Quit came while this item was being moved
        return failureFor(item);
    }
    std::optional<std::string> removePermanently(const ScannedItem& item, const std::filesystem::path&) override
    {
        deleted.push_back(item.name);
        return failureFor(item);
    }
    std::optional<std::string> failureFor(const ScannedItem& item)
    {
        if (item.name == failing)
            return std::string("Permission denied");
        return std::nullopt;
    }
    std::string failing;
    std::atomic<bool>* raiseWhenCalled = nullptr;
    std::vector<std::string> trashed;
    std::vector<std::string> deleted;
};

class CapturingSink : public LogSink
{
public:
    void write(LogLevel level, const std::string& record) override
    {
        std::lock_guard lock(mutex);
        if (level != LogLevel::debug || record.find("Processing") != std::string::npos ||
            record.find("trash") != std::string::npos || record.find("deleted") != std::string::npos)
            lines.push_back(record.substr(record.find("] ") + 2));
    }
    std::mutex mutex;
    std::vector<std::string> lines;
};

ScannedItem scanned(const std::filesystem::path& url, std::int64_t size, SafetyLevel level = SafetyLevel::safe)
{
    return ScannedItem{url, url.filename().string(), size, std::nullopt, level, SafetyReason::oldRegenerable,
                       std::nullopt, JunkScanner::inodeOf(url)};
}

TEST(CleanableSelection, KeepsListedOrderAndDropsProtectedAndInsights)
{
    const std::vector<ScannedItem> listed{
        {"/h/a", "a", 3, {}, SafetyLevel::safe, SafetyReason::oldRegenerable, {}, 1},
        {"/h/b", "b", 2, {}, SafetyLevel::protected_, SafetyReason::managedByAnotherTool, {}, 2},
        {"/h/c", "c", 1, {}, SafetyLevel::review, SafetyReason::recentlyActive, {}, 3},
    };
    const std::set<std::filesystem::path> all{"/h/c", "/h/b", "/h/a", "/elsewhere"};
    const auto chosen = cleanableSelection(CategoryKind::caches, listed, all);
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_EQ(chosen[0].name, "a");
    EXPECT_EQ(chosen[1].name, "c");
    EXPECT_TRUE(cleanableSelection(CategoryKind::insights, listed, all).empty());
    EXPECT_TRUE(cleanableSelection(CategoryKind::caches, listed, {}).empty());
}

class CleaningWorkerTest : public ::testing::Test
{
protected:
    void SetUp() override { Logger::setSink(log); }
    void TearDown() override { Logger::setSink(nullptr); }

    FakeHome home;
    RecordingRemover remover;
    std::shared_ptr<CapturingSink> log = std::make_shared<CapturingSink>();
};

TEST_F(CleaningWorkerTest, EveryItemIsValidatedAndTheBatchNeverStopsEarly)
{
    const auto a = scanned(home.file("Library/Caches/a/f", 1000).parent_path(), 100);
    const auto b = scanned(home.file("Library/Caches/b/f", 1000).parent_path(), 200);
    const auto c = scanned(home.file("Library/Caches/c/f", 1000).parent_path(), 300);
    const auto d = scanned(home.file("Library/Caches/d/f", 1000).parent_path(), 400);
    std::filesystem::remove_all(b.path); // gone before the clean: refused by validation
    remover.failing = "c";              // refused by the file system

    const CleanOutcome outcome = runCleaningWorker(JunkScanner::macLayout(), {a, b, c, d}, CategoryKind::caches, home.root(), remover);
    EXPECT_EQ(outcome.cleaned, 100 + 400);
    ASSERT_EQ(outcome.errors.size(), 2u);
    EXPECT_TRUE(outcome.errors[0].starts_with("b: ")) << outcome.errors[0];
    EXPECT_EQ(outcome.errors[1], "c: Permission denied");
    EXPECT_EQ(remover.trashed, (std::vector<std::string>{"a", "c", "d"}));
    EXPECT_TRUE(remover.deleted.empty());

    const std::vector<std::string> expected{
        "[1/4] Processing: a",
        "Moved to trash: a",
        "[2/4] Processing: b",
        "Cleanup validation rejected an item: " + outcome.errors[0].substr(3),
        "[3/4] Processing: c",
        "Failed to clean 'c': Permission denied",
        "[4/4] Processing: d",
        "Moved to trash: d",
    };
    EXPECT_EQ(log->lines, expected);
}

TEST_F(CleaningWorkerTest, AStopLetsTheItemInHandFinishAndTouchesNoOther)
{
    const auto a = scanned(home.file("Library/Caches/a/f", 1000).parent_path(), 100);
    const auto b = scanned(home.file("Library/Caches/b/f", 1000).parent_path(), 200);
    const auto c = scanned(home.file("Library/Caches/c/f", 1000).parent_path(), 300);
    std::atomic<bool> stop{false};
    remover.raiseWhenCalled = &stop;

    const CleanOutcome outcome = runCleaningWorker(JunkScanner::macLayout(), {a, b, c}, CategoryKind::caches, home.root(), remover, &stop);
    EXPECT_EQ(remover.trashed, std::vector<std::string>{"a"});
    EXPECT_EQ(outcome.cleaned, 100) << "the item in hand counts";
    EXPECT_TRUE(outcome.errors.empty()) << "untouched items are no failures";
    EXPECT_EQ(outcome.skippedByStop, 2u);
    EXPECT_EQ(log->lines.back(), "Clean stopped after 1 of 3 items");

    // Stopped before it began: nothing at all is touched.
    remover.trashed.clear();
    remover.raiseWhenCalled = nullptr;
    const CleanOutcome none = runCleaningWorker(JunkScanner::macLayout(), {a, b}, CategoryKind::caches, home.root(), remover, &stop);
    EXPECT_TRUE(remover.trashed.empty());
    EXPECT_EQ(none.skippedByStop, 2u);
    EXPECT_EQ(none.cleaned, 0);
}

TEST_F(CleaningWorkerTest, OnlyTheTrashIsDeletedPermanently)
{
    const auto item = scanned(home.file(".local/share/Trash/files/old.log", 1000), 4096);
    const CleanOutcome outcome = runCleaningWorker(JunkScanner::macLayout(), {item}, CategoryKind::trash, home.root(), remover);
    EXPECT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    EXPECT_EQ(remover.deleted, std::vector<std::string>{"old.log"});
    EXPECT_TRUE(remover.trashed.empty());
    EXPECT_EQ(log->lines.back(), "Permanently deleted: old.log");
}

TEST_F(CleaningWorkerTest, ProtectedItemsAreRefusedEvenIfTheyReachTheWorker)
{
    const auto item = scanned(home.file("Library/Caches/x/f", 1000).parent_path(), 10, SafetyLevel::protected_);
    const CleanOutcome outcome = runCleaningWorker(JunkScanner::macLayout(), {item}, CategoryKind::caches, home.root(), remover);
    EXPECT_EQ(outcome.cleaned, 0);
    ASSERT_EQ(outcome.errors.size(), 1u);
    EXPECT_TRUE(remover.trashed.empty());
}

TEST_F(CleaningWorkerTest, APathHandedInTwiceIsCleanedOnce)
{
    const auto a = scanned(home.file("Library/Caches/a/f", 1000).parent_path(), 100);
    auto again = a;
    auto respelled = a;
    respelled.path = home.root() / "Library//Caches/./a/";
    const auto b = scanned(home.file("Library/Caches/b/f", 1000).parent_path(), 200);

    const CleanOutcome outcome = runCleaningWorker(JunkScanner::macLayout(), {a, again, respelled, b, a}, CategoryKind::caches, home.root(),
                                                   remover);
    EXPECT_EQ(outcome.cleaned, 100 + 200);
    EXPECT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    EXPECT_EQ(remover.trashed, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(log->lines.front(), "[1/2] Processing: a");
}

std::string contentOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The remover that really moves and deletes, with the checks it makes after validation.
class RealRemovalTest : public CleaningWorkerTest
{
protected:
    CleanOutcome clean(const std::vector<ScannedItem>& items, CategoryKind kind)
    {
        return runCleaningWorker(JunkScanner::macLayout(), items, kind, home.root(), platformRemover());
    }
    std::vector<std::string> trashed() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(trashItemsFolder(home.root())))
            names.push_back(entry.path().filename().native());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(RealRemovalTest, TheSameEntryReachedAgainIsNeitherCountedNorReportedAgain)
{
    // Through a linked folder of the home, and as an entry of an item already moved: both went
    // with the first item, so neither "no longer exists" nor a second size is reported.
    const auto a = scanned(home.file("Library/Caches/a/inner/f", 1000).parent_path().parent_path(), 100);
    home.link("Library/CachesLink", "Caches");
    auto viaLink = scanned(home.root() / "Library/CachesLink/a", 100);
    viaLink.inode = a.inode;
    auto inside = scanned(home.root() / "Library/Caches/a/inner", 40);
    const auto b = scanned(home.file("Library/Caches/b/f", 1000).parent_path(), 200);

    const CleanOutcome outcome = clean({a, viaLink, inside, b}, CategoryKind::caches);
    EXPECT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    EXPECT_EQ(outcome.cleaned, 100 + 200);
    EXPECT_EQ(trashed(), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(std::filesystem::exists(trashItemsFolder(home.root()) / "a/inner/f"));
}

TEST_F(RealRemovalTest, AnItemThatCannotBeOpenedIsReportedAndNotCounted)
{
    // Validation passes (the link stays inside the caches), the remover refuses a link below the
    // home on the item's path: that refusal must reach the messages, not count as removed.
    const auto file = home.file("Library/Caches/real/blob.bin", 1000);
    home.link("Library/Caches/linked", "real");
    const auto item = scanned(home.root() / "Library/Caches/linked/blob.bin", 4096);
    const CleanOutcome outcome = clean({item}, CategoryKind::caches);
    EXPECT_EQ(outcome.cleaned, 0);
    EXPECT_EQ(outcome.errors, std::vector<std::string>{"blob.bin: A folder on the item's path is a symbolic link."});
    EXPECT_TRUE(std::filesystem::exists(file));
}

TEST_F(RealRemovalTest, ItemsWithAMountInsideStayAndTheRestOfTheCleanGoesOn)
{
    if (!TestMounts::available())
        GTEST_SKIP() << orvelane::testing::kMountsUnavailable;
    const auto outsideCanary = home.file("Documents/thesis.txt", 100);
    std::ofstream(outsideCanary) << "home data";
    const auto a = scanned(home.file("Library/Caches/a/f", 1000).parent_path(), 100);
    const auto mounted = scanned(home.file("Library/Caches/mounted/own", 1000).parent_path(), 200);
    const auto c = scanned(home.file("Library/Caches/c/f", 1000).parent_path(), 300);
    const auto oldTrash = scanned(home.file(".local/share/Trash/files/old/own", 1000).parent_path(), 400);
    const auto oldLog = scanned(home.file(".local/share/Trash/files/old.log", 1000), 500);
    TestMounts mounts;
    ASSERT_TRUE(mounts.tmpfs(mounted.path / "volume"));
    std::ofstream(mounted.path / "volume/canary") << "on the tmpfs";
    ASSERT_TRUE(mounts.bind(home.root(), oldTrash.path / "home"));

    const CleanOutcome moved = clean({a, mounted, c}, CategoryKind::caches);
    EXPECT_EQ(moved.cleaned, 100 + 300);
    EXPECT_EQ(moved.errors, std::vector<std::string>{"mounted: The item contains a mounted folder (" +
                                                     (mounted.path / "volume").native() +
                                                     ") and was left untouched."});
    EXPECT_EQ(contentOf(mounted.path / "volume/canary"), "on the tmpfs");
    EXPECT_TRUE(std::filesystem::exists(mounted.path / "own"));

    const CleanOutcome deleted = clean({oldTrash, oldLog}, CategoryKind::trash);
    EXPECT_EQ(deleted.cleaned, 500);
    EXPECT_EQ(deleted.errors, std::vector<std::string>{"old: The item contains a mounted folder (" +
                                                       (oldTrash.path / "home").native() +
                                                       ") and was left untouched."});
    EXPECT_EQ(contentOf(outsideCanary), "home data");
    EXPECT_TRUE(std::filesystem::exists(oldTrash.path / "own"));
    EXPECT_EQ(trashed(), (std::vector<std::string>{"a", "c", "old"}));
}

} // namespace
