// Whole category scans: offered or skipped at the exact thresholds, what an item carries,
// order, log lines, and scans running side by side.

#include "Layout.h"
#include "JunkScanner.h"
#include "TrashLocation.h"
#include "FakeHome.h"

#include <algorithm>
#include <future>
#include <gtest/gtest.h>
#include <regex>

namespace orvelane {
namespace {

using namespace std::chrono_literals;
using testing::FakeHome;
using testing::LogCapture;
namespace fs = std::filesystem;

constexpr std::int64_t kMiB = 1'048'576;
constexpr std::int64_t kPage = 4096; // the smallest step an allocation takes here

std::vector<fs::path> urlsOf(const auto& entries)
{
    std::vector<fs::path> urls;
    for (const auto& entry : entries)
        urls.push_back(entry.path);
    return urls;
}

TEST(ScanDriver, ACategoryWithoutCandidatesIsEmptyAndSaysSo)
{
    FakeHome home;
    LogCapture log;
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    EXPECT_TRUE(result.items.empty() && result.skipped.empty());
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Starting scan for category 'downloads'"), 1u);
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 0 candidate paths for 'downloads'"), 1u);
    const auto info = log.messages(LogLevel::info);
    ASSERT_EQ(info.size(), 1u);
    EXPECT_TRUE(std::regex_match(
        info[0],
        std::regex(R"(JunkScanner: Completed scan for 'downloads' - 0 items, 0 bytes in \d+\.\d{3}s)")))
        << info[0];
}

TEST(ScanDriver, InsightsOfferOnlyStoresFromFiveHundredMebibytesAndAreProtected)
{
    FakeHome home;
    home.allocated("Library/Containers/com.docker.docker/Data/disk.raw", 500 * kMiB);
    home.allocated("Library/Developer/CoreSimulator/Devices/blob", 500 * kMiB - kPage);
    LogCapture log;
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::insights);
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0].name, "Docker data");
    EXPECT_EQ(result.items[0].size, 500 * kMiB);
    EXPECT_EQ(result.items[0].safetyLevel, SafetyLevel::protected_);
    EXPECT_EQ(result.items[0].actionHint, "docker system prune");
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0],
              (SkippedItem{home / "Library/Developer/CoreSimulator/Devices", "iOS Simulator devices",
                           500 * kMiB - kPage, SkipReason::belowSizeThreshold}));
    EXPECT_EQ(log.countStartingWith("JunkScanner: Skipping"), 0u); // not worth a line
}

TEST(ScanDriver, DownloadsOfferLargeFilesAndInstallersOfAnySize)
{
    FakeHome home;
    home.allocated("Downloads/small.zip", 2 * kMiB);
    home.allocated("Downloads/Tool.DMG", 2 * kMiB);
    home.allocated("Downloads/big.zip", 12 * kMiB);
    home.allocated("Downloads/exact.zip", 10 * kMiB);
    home.allocated("Downloads/almost.zip", 10 * kMiB - kPage);
    home.file("Downloads/Tiny.Pkg", 5000);
    home.file("Downloads/Disc.iso/readme", 10); // a folder's extension counts too
    LogCapture log;
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    EXPECT_EQ(urlsOf(result.items),
              (std::vector<fs::path>{home / "Downloads/big.zip", home / "Downloads/exact.zip",
                                     home / "Downloads/Tool.DMG", home / "Downloads/Tiny.Pkg",
                                     home / "Downloads/Disc.iso"}));
    EXPECT_EQ(urlsOf(result.skipped),
              (std::vector<fs::path>{home / "Downloads/almost.zip", home / "Downloads/small.zip"}));
    EXPECT_EQ(
        log.count(LogLevel::debug,
                  "JunkScanner: Skipping 'small.zip' - 2097152 bytes below threshold and not an installer"),
        1u);
}

TEST(ScanDriver, DeveloperArtifactsNeedFiveMebibytesOfFiles)
{
    FakeHome home;
    home.allocated("code/small/node_modules/pkg/index.js", 4 * kMiB);
    home.allocated("code/exact/node_modules/pkg/index.js", 5 * kMiB - kPage); // folders add nothing
    LogCapture log;
    EXPECT_EQ(JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::devArtifacts).skipped.size(), 2u);
    EXPECT_EQ(log.count(LogLevel::debug,
                        "JunkScanner: Skipping 'node_modules' - 4194304 bytes below artifact threshold"),
              1u);

    home.allocated("code/exact/node_modules/pkg/more.js", kPage);
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::devArtifacts);
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0].size, 5 * kMiB);
    EXPECT_EQ(result.items[0].name, "exact/node_modules");
    EXPECT_EQ(result.items[0].actionHint, "npm install");
    EXPECT_EQ(result.items[0].safetyReason, SafetyReason::requiresRebuild);
}

TEST(ScanDriver, ItemsCarryTheirMeasurementJudgementAndIdentity)
{
    FakeHome home;
    home.file("Library/Caches/com.fresh.app/db", 30'000);
    home.file("Library/Caches/com.stale.app/db", 10'000);
    home.file("Library/Caches/one-byte", 1); // no threshold in caches
    home.file("Library/Caches/empty", 0);
    const Date stale = Clock::now() - 30 * 24h;
    home.setModified("Library/Caches/com.stale.app/db", stale);
    home.setModified("Library/Caches/com.stale.app", stale);
    LogCapture log;
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::caches);

    ASSERT_EQ(result.items.size(), 3u);
    const auto& fresh = result.items[0];
    const auto& old = result.items[1];
    EXPECT_EQ(fresh.safetyReason, SafetyReason::recentlyActive);
    EXPECT_EQ(old.path, home / "Library/Caches/com.stale.app");
    EXPECT_EQ(old.size, testing::allocatedBytesByFind(old.path));
    EXPECT_EQ(old.safetyLevel, SafetyLevel::safe);
    EXPECT_EQ(old.modified, stale);
    EXPECT_EQ(old.inode, testing::inodeByStat(old.path));
    EXPECT_EQ(old.actionHint, std::nullopt);
    EXPECT_EQ(result.items[2].name, "one-byte");
    EXPECT_EQ(log.count(LogLevel::debug,
                        "JunkScanner: Added 'com.stale.app' (" + std::to_string(old.size) + " bytes)"),
              1u);
    EXPECT_EQ(result.skipped, (std::vector<SkippedItem>{{home / "Library/Caches/empty", "empty", std::nullopt,
                                                         SkipReason::emptyOrInaccessible}}));
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Skipping 'empty' - empty or inaccessible"), 1u);
}

TEST(ScanDriver, SortsBySizeKeepingCandidateOrderForTiesAndUnsizedLast)
{
    FakeHome home;
    home.file(".npm/_cacache/a", 5 * kPage);
    home.file(".cache/b", 9 * kPage);
    home.file(".gradle/caches/c", 5 * kPage);
    home.folder(".cargo/registry/cache"); // empty: no size
    home.folder("go/pkg/mod/cache");
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::devCaches);
    EXPECT_EQ(urlsOf(result.items),
              (std::vector<fs::path>{home / ".cache", home / ".npm/_cacache", home / ".gradle/caches"}));
    EXPECT_EQ(urlsOf(result.skipped),
              (std::vector<fs::path>{home / ".cargo/registry/cache", home / "go/pkg/mod/cache"}));

    home.link("Downloads/broken", home / "nowhere");
    home.allocated("Downloads/a.zip", kMiB);
    home.allocated("Downloads/b.zip", 2 * kMiB);
    EXPECT_EQ(urlsOf(JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads).skipped),
              (std::vector<fs::path>{home / "Downloads/b.zip", home / "Downloads/a.zip",
                                     home / "Downloads/broken"}));
}

TEST(ScanDriver, TrashOffersHiddenEntriesAndSkipsBrokenLinks)
{
    FakeHome home;
    const auto trash = trashItemsFolder(home.root()).lexically_relative(home.root());
    home.file(trash / ".hidden", 100);
    home.link(trash / "broken-link", home / "nowhere");
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::trash);
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0].name, ".hidden");
    EXPECT_EQ(result.items[0].safetyReason, SafetyReason::permanentDeletion);
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].size, std::nullopt);
}

TEST(ScanDriver, NamesThatAreNotUtf8AreScannedMeasuredAndShown)
{
    FakeHome home;
    const auto path = home.allocated("Downloads/r\xE9sum\xE9.dmg", 3 * kPage);
    LogCapture log;
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0].path.native(), path.native());
    EXPECT_EQ(result.items[0].name, "r\uFFFDsum\uFFFD.dmg");
    EXPECT_EQ(result.items[0].size, 3 * kPage);
    EXPECT_EQ(result.items[0].inode, testing::inodeByStat(path));
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Added 'r\uFFFDsum\uFFFD.dmg' (12288 bytes)"), 1u);
}

TEST(ScanDriver, CategoriesScanSafelySideBySide)
{
    FakeHome home;
    home.file("Library/Caches/c/x", 7000);
    home.file("Library/Logs/l.log", 3000);
    home.file("Library/Developer/Xcode/DerivedData/App/x", 9000);
    home.file(".cache/pip/x", 5000);
    home.allocated("code/p/node_modules/x", 6 * kMiB);
    home.allocated("Downloads/d.dmg", kPage);
    home.file(trashItemsFolder(home.root()).lexically_relative(home.root()) / "t", 100);
    home.allocated("Library/Containers/com.docker.docker/Data/raw", kPage);

    std::vector<ScanResult> alone;
    for (const auto kind : allCategoryKinds)
        alone.push_back(JunkScanner::scan(JunkScanner::activeLayout(), kind));
    for (int round = 0; round < 3; ++round) {
        std::vector<std::future<ScanResult>> running;
        for (const auto kind : allCategoryKinds)
            running.push_back(std::async(std::launch::async, [kind] { return JunkScanner::scan(JunkScanner::activeLayout(), kind); }));
        for (std::size_t i = 0; i < running.size(); ++i) {
            const auto together = running[i].get();
            EXPECT_EQ(together.items, alone[i].items) << rawValue(allCategoryKinds[i]);
            EXPECT_EQ(together.skipped, alone[i].skipped) << rawValue(allCategoryKinds[i]);
            EXPECT_FALSE(together.items.empty() && together.skipped.empty()) << rawValue(allCategoryKinds[i]);
        }
    }
}

} // namespace
} // namespace orvelane
