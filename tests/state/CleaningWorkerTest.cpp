#include "CleaningWorker.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "Logger.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>

using namespace orvelane;
using orvelane::testing::FakeHome;

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
                       std::nullopt, JunkScanner::fileID(url)};
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
    std::filesystem::remove_all(b.url); // gone before the clean: refused by validation
    remover.failing = "c";              // refused by the file system

    const CleanOutcome outcome = runCleaningWorker({a, b, c, d}, CategoryKind::caches, home.root(), remover);
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

    const CleanOutcome outcome = runCleaningWorker({a, b, c}, CategoryKind::caches, home.root(), remover, &stop);
    EXPECT_EQ(remover.trashed, std::vector<std::string>{"a"});
    EXPECT_EQ(outcome.cleaned, 100) << "the item in hand counts";
    EXPECT_TRUE(outcome.errors.empty()) << "untouched items are no failures";
    EXPECT_EQ(outcome.skippedByStop, 2u);
    EXPECT_EQ(log->lines.back(), "Clean stopped after 1 of 3 items");

    // Stopped before it began: nothing at all is touched.
    remover.trashed.clear();
    remover.raiseWhenCalled = nullptr;
    const CleanOutcome none = runCleaningWorker({a, b}, CategoryKind::caches, home.root(), remover, &stop);
    EXPECT_TRUE(remover.trashed.empty());
    EXPECT_EQ(none.skippedByStop, 2u);
    EXPECT_EQ(none.cleaned, 0);
}

TEST_F(CleaningWorkerTest, OnlyTheTrashIsDeletedPermanently)
{
    const auto item = scanned(home.file(".local/share/Trash/files/old.log", 1000), 4096);
    const CleanOutcome outcome = runCleaningWorker({item}, CategoryKind::trash, home.root(), remover);
    EXPECT_TRUE(outcome.errors.empty()) << outcome.errors.front();
    EXPECT_EQ(remover.deleted, std::vector<std::string>{"old.log"});
    EXPECT_TRUE(remover.trashed.empty());
    EXPECT_EQ(log->lines.back(), "Permanently deleted: old.log");
}

TEST_F(CleaningWorkerTest, ProtectedItemsAreRefusedEvenIfTheyReachTheWorker)
{
    const auto item = scanned(home.file("Library/Caches/x/f", 1000).parent_path(), 10, SafetyLevel::protected_);
    const CleanOutcome outcome = runCleaningWorker({item}, CategoryKind::caches, home.root(), remover);
    EXPECT_EQ(outcome.cleaned, 0);
    ASSERT_EQ(outcome.errors.size(), 1u);
    EXPECT_TRUE(remover.trashed.empty());
}

} // namespace
