// Items with another mount inside: what the mount shows is not the item's, so neither a move
// to the Trash nor a permanent removal may touch it, and the item itself stays as it was.

#include "FakeHome.h"
#include "PermanentRemoval.h"
#include "RaceWindow.h"
#include "RemovalTarget.h"
#include "TestMounts.h"
#include "TrashMover.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

std::string containsMount(const fs::path& mounted)
{
    return "The item contains a mounted folder (" + mounted.native() + ") and was left untouched.";
}

mode_t modeOf(const fs::path& path)
{
    struct stat status{};
    ::lstat(path.c_str(), &status);
    return status.st_mode;
}

class MountedItemsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!TestMounts::available())
            GTEST_SKIP() << kMountsUnavailable;
        writeFile(outside / "outside-canary", "outside data");
        writeFile(fake.home() / "Documents/thesis.txt", "home data");
    }
    void TearDown() override { RaceWindow::observe({}); }

    // An item with a file of its own and a folder "inner" where a mount goes; its restore
    // record when it lies in the trash.
    fs::path itemWithOwnFile(const fs::path& item)
    {
        writeFile(item / "own.txt", "the item's own");
        fs::create_directories(item / "deep/inner");
        if (item.parent_path() == fake.trash() / "files")
            writeFile(fake.trash() / "info" / (item.filename().native() + ".trashinfo"), "[Trash Info]\n");
        return item;
    }

    void expectUntouched(const fs::path& item, std::uint64_t number, mode_t mode)
    {
        EXPECT_EQ(inodeOf(item), number);
        EXPECT_EQ(modeOf(item), mode);
        EXPECT_EQ(readFile(item / "own.txt"), "the item's own");
        EXPECT_EQ(readFile(outside / "outside-canary"), "outside data");
        EXPECT_EQ(readFile(fake.home() / "Documents/thesis.txt"), "home data");
    }

    FakeHome fake{"home"};
    TestMounts mounts;
    const fs::path outside = fake.top() / "outside";
};

TEST_F(MountedItemsTest, TrashItemWithABindMountOfAnOutsideFolderOrOfTheHomeIsNotDeleted)
{
    for (const fs::path& source : {outside, fake.home()}) {
        SCOPED_TRACE(source);
        const fs::path item = itemWithOwnFile(fake.trash() / "files/old-project");
        fs::permissions(item, fs::perms::owner_read | fs::perms::owner_exec); // would be widened first
        const auto number = inodeOf(item);
        const mode_t mode = modeOf(item);
        std::optional<TestMounts> bound(std::in_place);
        ASSERT_TRUE(bound->bind(source, item / "deep/inner"));
        // The same file system: only the mount identity tells the bound folder apart.
        ASSERT_EQ(fs::status(item / "deep/inner").type(), fs::file_type::directory);

        const RemovalResult result = removePermanently(RemovalTarget::open(item, number, fake.home()));
        EXPECT_EQ(result.failure, containsMount(item / "deep/inner"));
        expectUntouched(item, number, mode);
        EXPECT_TRUE(fs::exists(item / "deep/inner/Documents/thesis.txt") ||
                    fs::exists(item / "deep/inner/outside-canary"));
        EXPECT_TRUE(fs::exists(fake.trash() / "info/old-project.trashinfo"));
        EXPECT_TRUE(entries(fake.trash() / "files") == std::vector<std::string>{"old-project"});
        bound.reset(); // unmounted before the next round
        fs::permissions(item, fs::perms::owner_all);
        fs::remove_all(item);
    }
}

TEST_F(MountedItemsTest, CacheFolderWithATmpfsInsideStaysWhereItIs)
{
    const fs::path item = itemWithOwnFile(fake.home() / "Library/Caches/com.example");
    const auto number = inodeOf(item);
    const mode_t mode = modeOf(item);
    ASSERT_TRUE(mounts.tmpfs(item / "deep/inner"));
    writeFile(item / "deep/inner/volume-canary", "on the tmpfs");

    for (const auto remove : {+[](const RemovalTarget& t, const fs::path& trash) {
                                  return TrashMover::moveToTrash(t, trash);
                              },
                              +[](const RemovalTarget& t, const fs::path&) { return removePermanently(t); }}) {
        const RemovalResult result = remove(RemovalTarget::open(item, number, fake.home()), fake.trash());
        EXPECT_EQ(result.failure, containsMount(item / "deep/inner"));
        expectUntouched(item, number, mode);
        EXPECT_EQ(readFile(item / "deep/inner/volume-canary"), "on the tmpfs");
        EXPECT_TRUE(entries(fake.trash() / "files").empty());
        EXPECT_TRUE(entries(fake.trash() / "info").empty());
    }
}

TEST_F(MountedItemsTest, AnItemThatIsItselfAMountPointIsRefused)
{
    // A bound folder and a bound file: the rename or unlink would act on the mount itself.
    const fs::path folder = fake.home() / "Library/Caches/bound";
    const fs::path file = fake.home() / "Downloads/bound.iso";
    ASSERT_TRUE(mounts.bind(outside, folder));
    ASSERT_TRUE(mounts.bind(outside / "outside-canary", file));
    for (const fs::path& item : {folder, file}) {
        const std::string refusal = "The item is itself a mount point (" + item.native() + ") and was left untouched.";
        EXPECT_EQ(TrashMover::moveToTrash(RemovalTarget::open(item, std::nullopt, fake.home()), fake.trash()).failure,
                  refusal);
        EXPECT_EQ(removePermanently(RemovalTarget::open(item, std::nullopt, fake.home())).failure, refusal);
    }
    EXPECT_EQ(readFile(outside / "outside-canary"), "outside data");
    EXPECT_EQ(readFile(folder / "outside-canary"), "outside data");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
}

TEST_F(MountedItemsTest, AMountThatAppearsAfterTheCheckIsNeverEntered)
{
    // Mounted in the instant between the check and the erasing: the eraser leaves the mount,
    // with what it shows, and the folders above it; the item's own files go.
    const fs::path item = itemWithOwnFile(fake.trash() / "files/old-project");
    writeFile(item / "deep/inner/item-file", "the item's too");
    writeFile(item / "side/more.txt", "the item's too");
    std::optional<TestMounts> late(std::in_place);
    RaceWindow::observe([&](RaceWindow::Moment moment) {
        if (moment == RaceWindow::Moment::beforeOpeningFolderToErase) {
            ASSERT_TRUE(late->bind(outside, item / "deep/inner"));
        }
    });
    const RemovalResult result = removePermanently(RemovalTarget::open(item, inodeOf(item), fake.home()));
    EXPECT_EQ(result.failure, "A folder mounted inside the item (" + (item / "deep/inner").native() +
                                  ") was left in place; the item was removed only in part.");
    EXPECT_EQ(readFile(outside / "outside-canary"), "outside data");
    EXPECT_EQ(entries(item), std::vector<std::string>{"deep"});
    EXPECT_EQ(entries(item / "deep"), std::vector<std::string>{"inner"});
    late.reset();
    EXPECT_EQ(readFile(item / "deep/inner/item-file"), "the item's too"); // under the mount, kept too
    EXPECT_TRUE(fs::exists(fake.trash() / "info/old-project.trashinfo"));
}

} // namespace
} // namespace orvelane
