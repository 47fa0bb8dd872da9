// Which paths each category looks at, and the Full Disk Access probe.

#include "Layout.h"
#include "CandidateLocations.h"

#include "TrashLocation.h"
#include "FakeHome.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvelane {
namespace {

using testing::FakeHome;
using testing::LogCapture;
using Paths = std::vector<std::filesystem::path>;

Paths sorted(Paths paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(CandidateLocations, CachesAndLogsAreVisibleEntriesThenContainerLibraryFolders)
{
    FakeHome home;
    home.file("Library/Caches/com.app.one/blob");
    home.file("Library/Caches/loose.db");
    home.file("Library/Caches/.hidden-cache");
    home.folder("Library/Containers/com.sandboxed.a/Data/Library/Caches");
    home.folder("Library/Containers/com.sandboxed.b/Data/Library/Preferences"); // no Caches: nothing
    home.folder("Library/Group Containers/group.shared/Library/Caches");
    home.folder("Library/Group Containers/group.other/Library/Logs");

    const auto caches = JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::caches);
    ASSERT_EQ(caches.size(), 4u);
    EXPECT_EQ(sorted({caches[0], caches[1]}),
              sorted({home / "Library/Caches/com.app.one", home / "Library/Caches/loose.db"}));
    EXPECT_EQ(caches[2], home / "Library/Containers/com.sandboxed.a/Data/Library/Caches");
    EXPECT_EQ(caches[3], home / "Library/Group Containers/group.shared/Library/Caches");
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::logs),
              Paths{home / "Library/Group Containers/group.other/Library/Logs"});
}

TEST(CandidateLocations, XcodeOffersVisibleEntriesOfItsFoldersNeverTheFolders)
{
    FakeHome home;
    home.folder("Library/Developer/Xcode/DerivedData/App-abc");
    home.folder("Library/Developer/Xcode/DerivedData/.hidden");
    home.folder("Library/Developer/CoreSimulator/Caches/dyld");
    LogCapture log;
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::xcode),
              (Paths{home / "Library/Developer/Xcode/DerivedData/App-abc",
                     home / "Library/Developer/CoreSimulator/Caches/dyld"}));
    EXPECT_EQ(
        log.count(LogLevel::debug, "JunkScanner: Xcode path 'Library/Developer/Xcode/DerivedData' - 1 items"),
        1u);
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Directory does not exist - " +
                                             (home / "Library/Developer/Xcode/iOS DeviceSupport").string()),
              1u);
}

TEST(CandidateLocations, DevCachesAndInsightsAreTheLocationsThatExistInTableOrder)
{
    FakeHome home;
    home.folder("go/pkg/mod/cache/download");
    home.file(".cache"); // a file exists too
    home.folder(".gradle/wrapper");
    home.file("Library/Developer/CoreSimulator/Devices");
    home.folder("Library/Containers/com.docker.docker/Data");
    LogCapture log;
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::devCaches),
              (Paths{home / ".cache", home / "go/pkg/mod/cache"}));
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 2 dev cache paths out of 6"), 1u);
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::insights),
              (Paths{home / "Library/Containers/com.docker.docker/Data",
                     home / "Library/Developer/CoreSimulator/Devices"}));
}

TEST(CandidateLocations, DownloadsLeaveHiddenEntriesOutTrashKeepsThem)
{
    FakeHome home;
    LogCapture log;
    EXPECT_TRUE(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::downloads).empty());
    EXPECT_EQ(log.count(LogLevel::debug,
                        "JunkScanner: Directory does not exist - " + (home / "Downloads").string()),
              1u);

    home.file("Downloads/setup.dmg");
    home.file("Downloads/.DS_Store");
    home.file("Downloads/caf\xE9.zip");
    EXPECT_EQ(sorted(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::downloads)),
              sorted({home / "Downloads/setup.dmg", home / "Downloads/caf\xE9.zip"}));
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 2 items in Downloads"), 1u);

    const auto trash = trashItemsFolder(home.root());
    home.file(trash.lexically_relative(home.root()) / ".hidden-settings");
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::trash), Paths{trash / ".hidden-settings"});
}

TEST(FullDiskAccess, AMissingOrReadableTrashIsAccessibleAnUnlistableOneIsNot)
{
    FakeHome home;
    const auto trash = trashItemsFolder(home.root());
    EXPECT_TRUE(JunkScanner::hasFullDiskAccess()); // a new account has no trash yet
    home.folder(trash.lexically_relative(home.root()));
    EXPECT_TRUE(JunkScanner::hasFullDiskAccess());
    home.file(trash.lexically_relative(home.root()) / "thrown-away.txt");
    ::chmod(trash.c_str(), 0);

    if (!testing::nobodyCanReach(home.top().parent_path())) // where the tree handed to it lies
        GTEST_SKIP() << testing::kCannotDropPrivileges;
    const auto answer = testing::runWithoutPrivileges(home.root(), [&] {
        LogCapture log;
        const bool access = JunkScanner::hasFullDiskAccess();
        const auto candidates = JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::trash).size();
        const auto warnings = log.count(LogLevel::warning, "JunkScanner: Failed to read directory " +
                                                               trash.string() + " - Permission denied");
        return std::to_string(access) + " " + std::to_string(candidates) + " " + std::to_string(warnings);
    });
    EXPECT_EQ(answer, "0 0 1");
}

} // namespace
} // namespace orvelane
