// Measuring and searching stay on the item's own mount: a tmpfs, a bind mount of a folder
// elsewhere (same file system, same device number) or of the home itself adds nothing, and an
// item that is itself the top of a mount frees nothing. Needs root; skipped otherwise.

#include "Layout.h"
#include "DeveloperArtifacts.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "JunkScanner.h"
#include "TestMounts.h"
#include "TrashLocation.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orvelane {
namespace {

using JunkScanner::analyze;
using testing::FakeHome;
using testing::LogCapture;
using testing::TestMounts;
namespace fs = std::filesystem;

constexpr std::int64_t kMiB = 1'048'576;

class MountedMeasurement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestMounts::available())
            GTEST_SKIP() << testing::kMountsUnavailable;
        outside.allocated("data/outside-canary", 4 * kMiB);
    }

    FakeHome outside; // made first: the home below is the one HOME points at
    FakeHome home;
    TestMounts mounts;
};

TEST_F(MountedMeasurement, ATmpfsInsideACacheFolderCountsNothingAsWithDuOneFileSystem)
{
    home.allocated("Library/Caches/app/own", 2 * kMiB);
    ASSERT_TRUE(mounts.tmpfs(home / "Library/Caches/app/volume"));
    home.file("Library/Caches/app/volume/on-the-tmpfs", 3 << 20);
    LogCapture log;
    const auto measured = analyze(home / "Library/Caches/app");
    const auto size = measured.size;
    EXPECT_EQ(size, 2 * kMiB);
    EXPECT_EQ(size, testing::fileBytesByDuOneFileSystem(home / "Library/Caches/app"));
    EXPECT_EQ(measured.contents, (ItemContents{1, 1})); // the mount's files are not the item's to promise
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Not measuring mount point " +
                                             (home / "Library/Caches/app/volume").string()),
              1u);
}

TEST_F(MountedMeasurement, ABindMountOfTheSameFileSystemCountsNothingEitherUnlikeDu)
{
    home.allocated("Library/Caches/app/own", kMiB);
    ASSERT_TRUE(mounts.bind(outside / "data", home / "Library/Caches/app/deep/bound"));
    const auto size = analyze(home / "Library/Caches/app").size;
    EXPECT_EQ(size, kMiB);
    // find sees the same device and would walk in; pruned by hand it agrees.
    EXPECT_EQ(size, testing::freedBytesByFind(home / "Library/Caches/app",
                                              "-path " + (home / "Library/Caches/app/deep/bound").string() +
                                                  " -prune -o"));
}

TEST_F(MountedMeasurement, TheHomeBoundInsideATrashItemIsNotMeasuredAgain)
{
    const auto item = trashItemsFolder(home.root()) / "old-project";
    home.allocated(item.lexically_relative(home.root()) / "own", kMiB);
    home.allocated("Documents/large", 8 * kMiB);
    ASSERT_TRUE(mounts.bind(home.root(), item / "home-again"));
    EXPECT_EQ(analyze(item).size, kMiB);
    const auto scanned = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::trash);
    ASSERT_EQ(scanned.items.size(), 1u);
    EXPECT_EQ(scanned.items[0].size, kMiB);
}

TEST_F(MountedMeasurement, AnItemThatIsItselfTheTopOfAMountFreesNothing)
{
    ASSERT_TRUE(mounts.tmpfs(home / "Library/Caches/mounted"));
    home.file("Library/Caches/mounted/data", 2 << 20);
    ASSERT_TRUE(mounts.bind(outside / "data", home / "Library/Caches/bound"));
    home.file("Library/Caches/plain/data", 5000);
    home.folder("Downloads");
    ASSERT_TRUE(mounts.bind(outside / "data/outside-canary", home / "Downloads/bound.iso"));

    LogCapture log;
    EXPECT_EQ(analyze(home / "Library/Caches/mounted").size, 0);
    EXPECT_EQ(analyze(home / "Library/Caches/bound").size, 0);
    EXPECT_EQ(analyze(home / "Downloads/bound.iso").size, 0);
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Not measuring mount point " +
                                             (home / "Library/Caches/mounted").string()),
              1u);
    const auto caches = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::caches);
    ASSERT_EQ(caches.items.size(), 1u);
    EXPECT_EQ(caches.items[0].path, home / "Library/Caches/plain");
    EXPECT_EQ(caches.skipped.size(), 2u);
    for (const auto& skipped : caches.skipped)
        EXPECT_EQ(skipped.reason, SkipReason::emptyOrInaccessible) << skipped.path;
    EXPECT_TRUE(JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads).items.empty());
}

TEST_F(MountedMeasurement, AMeasurementStartedBelowAMountTopStaysOnThatMount)
{
    // A developer cache inside a mounted ~/.gradle is not a mount top: measured, minus its own mounts.
    ASSERT_TRUE(mounts.tmpfs(home / ".gradle"));
    home.file(".gradle/caches/modules/jar", 300'000);
    ASSERT_TRUE(mounts.bind(outside / "data", home / ".gradle/caches/bound"));
    EXPECT_EQ(analyze(home / ".gradle/caches").size,
              testing::allocatedBytesByFind(home / ".gradle/caches/modules"));
    EXPECT_GT(analyze(home / ".gradle/caches").size, 0);
}

TEST_F(MountedMeasurement, TheArtifactSearchEntersNoMountAndOffersNoMountTop)
{
    home.folder("code/own/node_modules");
    ASSERT_TRUE(mounts.tmpfs(home / "volume"));
    home.folder("volume/project/node_modules"); // on the tmpfs
    outside.folder("data/elsewhere/node_modules");
    ASSERT_TRUE(mounts.bind(outside / "data", home / "code/linked"));
    home.folder("code/mounted");
    ASSERT_TRUE(mounts.tmpfs(home / "code/mounted/node_modules")); // the artifact itself is a mount
    home.file("code/mounted/node_modules/pkg/index.js");

    LogCapture log;
    EXPECT_EQ(JunkScanner::findDevArtifacts(JunkScanner::activeLayout()), std::vector<fs::path>{home / "code/own/node_modules"});
    for (const auto* mount : {"volume", "code/linked", "code/mounted/node_modules"})
        EXPECT_EQ(
            log.count(LogLevel::debug, "JunkScanner: Not searching mount point " + (home / mount).string()),
            1u)
            << mount;
}

} // namespace
} // namespace orvelane
