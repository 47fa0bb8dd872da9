// Where one mount ends: the status queries and the tree walk must see a bind mount of the same
// file system (same device number) as clearly as a tmpfs, and never walk into either.

#include "FakeHome.h"
#include "StatusQuery.h"
#include "TestMounts.h"
#include "TreeEnumerator.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <set>

namespace orvelane {
namespace {

using testing::FakeHome;
using testing::TestMounts;

class RecordingVisitor final : public TreeVisitor
{
public:
    void visit(const char* name, const EntryStatus&) override { visited.insert(name); }
    void statusFailed(const char*, int) override {}
    void folderFailed(const char*, int) override {}
    void mountFound(const std::filesystem::path& below, const EntryStatus&) override { mounts.insert(below); }

    std::set<std::string> visited;
    std::set<std::filesystem::path> mounts;
};

class MountBoundary : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestMounts::available())
            GTEST_SKIP() << testing::kMountsUnavailable;
        home.file("outside/outside-canary", 4096);
        home.file("tree/own-file", 4096);
        home.folder("tree/deep/er");
    }

    FakeHome home;
    TestMounts mounts;
};

TEST_F(MountBoundary, ABindMountOfTheSameFileSystemIsAnotherMount)
{
    ASSERT_TRUE(mounts.bind(home / "outside", home / "tree/deep/er/bound"));
    const auto parent = statusOfPath(home / "tree/deep/er");
    const auto bound = statusOfPath(home / "tree/deep/er/bound");
    ASSERT_TRUE(parent && bound);
    EXPECT_EQ(bound->device, parent->device); // the device number alone cannot tell
    EXPECT_TRUE(isOtherMount(*bound, *parent));
    EXPECT_FALSE(isOtherMount(*statusOfPath(home / "tree/deep"), *statusOfPath(home / "tree")));
}

TEST_F(MountBoundary, TheWalkReportsEveryMountWithItsPathAndEntersNone)
{
    ASSERT_TRUE(mounts.bind(home / "outside", home / "tree/deep/er/bound"));
    ASSERT_TRUE(mounts.tmpfs(home / "tree/volume"));
    home.file("tree/volume/volume-canary");
    ASSERT_TRUE(mounts.bind(home / "outside/outside-canary", home / "tree/deep/bound-file"));

    RecordingVisitor visitor;
    ASSERT_EQ(enumerateTree(home / "tree", visitor), 0);

    EXPECT_EQ(visitor.mounts, (std::set<std::filesystem::path>{"deep/er/bound", "volume", "deep/bound-file"}));
    EXPECT_EQ(visitor.visited, (std::set<std::string>{"own-file", "deep", "er"}));
}

TEST_F(MountBoundary, AWalkStartedOnAMountStaysOnIt)
{
    ASSERT_TRUE(mounts.tmpfs(home / "tree/volume"));
    home.file("tree/volume/inner/file");
    ASSERT_TRUE(mounts.bind(home / "outside", home / "tree/volume/inner/bound"));

    RecordingVisitor visitor;
    ASSERT_EQ(enumerateTree(home / "tree/volume", visitor), 0);
    EXPECT_EQ(visitor.visited, (std::set<std::string>{"inner", "file"}));
    EXPECT_EQ(visitor.mounts, (std::set<std::filesystem::path>{"inner/bound"}));
}

TEST_F(MountBoundary, AWalkFromAnOpenFolderSeesWhatTheFolderHoldsNotWhatItsPathNamesNow)
{
    ASSERT_TRUE(mounts.bind(home / "outside", home / "tree/deep/er/bound"));
    const int fd = ::open((home / "tree").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    // The path now names another folder; the walk goes by the descriptor.
    std::filesystem::rename(home / "tree", home / "tree.moved");
    home.file("tree/stranger");

    RecordingVisitor visitor;
    EXPECT_EQ(enumerateTree(fd, visitor), 0);
    EXPECT_EQ(visitor.visited, (std::set<std::string>{"own-file", "deep", "er"}));
    EXPECT_EQ(visitor.mounts, (std::set<std::filesystem::path>{"deep/er/bound"}));
    // The caller's descriptor is left open and usable.
    EXPECT_EQ(::faccessat(fd, "own-file", F_OK, 0), 0);
    ::close(fd);
    // Back in its place, so that the mount is found and undone there.
    std::filesystem::remove_all(home / "tree");
    std::filesystem::rename(home / "tree.moved", home / "tree");
}

} // namespace
} // namespace orvelane
