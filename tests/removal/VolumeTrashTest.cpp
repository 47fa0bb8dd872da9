// Items on another volume than the home trash go to that volume's own trash: one that is the
// user's, under the volume's top, with a record that leads a trash client back to the item's
// real place however the item's path was reached.

#include "FakeHome.h"
#include "RemovalTarget.h"
#include "TestMounts.h"
#include "TrashMover.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

// The Path= line of a record.
std::string recordedPath(const fs::path& record)
{
    const std::string text = readFile(record);
    const auto start = text.find("\nPath=");
    if (start == std::string::npos)
        return {};
    const auto end = text.find('\n', start + 1);
    return text.substr(start + 6, end - start - 6);
}

class VolumeTrashTest : public ::testing::Test
{
protected:
    RemovalResult trash(const fs::path& item, const fs::path& trustedHome)
    {
        return TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), trustedHome), fake.trash());
    }

    // What trash-cli's lister shows for the fake home and every mounted volume it can see.
    std::string trashListing() const
    {
        return outputOf("env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=" + fake.home().native() +
                        " XDG_DATA_HOME=" + (fake.home() / ".local/share").native() + " " + ORVELANE_TRASH_LIST +
                        " 2>/dev/null");
    }

    FakeHome fake{"home"};
    const std::string uid = std::to_string(::getuid());
};

TEST_F(VolumeTrashTest, TheRecordNamesTheRealPlaceWhenTheHomeIsReachedThroughALinkOnTheVolume)
{
    const auto volume = fake.mountVolume("volume");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    // The home lives at deep/users/me on the volume and is reached as volume/me; the home trash
    // stays on the other file system.
    const fs::path realItem = *volume / "deep/users/me/Downloads/old.iso";
    writeFile(realItem, "image");
    fs::create_directory_symlink("deep/users/me", *volume / "me");
    const fs::path linkedHome = *volume / "me";

    const RemovalResult result = trash(linkedHome / "Downloads/old.iso", linkedHome);
    ASSERT_TRUE(result.succeeded()) << *result.failure;
    const fs::path volumeTrash = *volume / (".Trash-" + uid);
    EXPECT_EQ(result.trashedAs, volumeTrash / "files/old.iso");
    EXPECT_EQ(readFile(volumeTrash / "files/old.iso"), "image");
    EXPECT_EQ(recordedPath(volumeTrash / "info/old.iso.trashinfo"), "deep/users/me/Downloads/old.iso");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());

    if (::access(ORVELANE_TRASH_LIST, X_OK) != 0)
        GTEST_SKIP() << "trash-cli is not installed";
    const std::string listing = trashListing();
    EXPECT_NE(listing.find(" " + realItem.native() + "\n"), std::string::npos) << listing;
}

TEST_F(VolumeTrashTest, AVolumeTrashOfAnotherUserIsNeverUsed)
{
    const auto volume = fake.mountVolume("volume");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    const fs::path item = *volume / "Projects/old.iso";
    const fs::path personal = *volume / (".Trash-" + uid);
    writeFile(item, "image");
    fs::create_directories(personal / "files");
    fs::create_directories(personal / "info");

    // Named after us, but someone else's: its owner could read or empty what lands there.
    giveToNobody(personal);
    EXPECT_EQ(trash(item, fake.home()).failure, RemovalFailure::noVolumeTrash);
    // Ours, but with a files/ folder of someone else's inside.
    ::lchown(personal.c_str(), ::getuid(), ::getgid());
    ::lchown((personal / "info").c_str(), ::getuid(), ::getgid());
    EXPECT_EQ(trash(item, fake.home()).failure, RemovalFailure::noVolumeTrash);
    EXPECT_EQ(readFile(item), "image");
    EXPECT_TRUE(entries(personal / "files").empty());
    EXPECT_TRUE(entries(personal / "info").empty());

    // The administrator's shared .Trash with a $uid folder of someone else's: passed over for
    // the user's own .Trash-$uid.
    fs::create_directories(*volume / ".Trash" / uid);
    fs::permissions(*volume / ".Trash", fs::perms::all | fs::perms::sticky_bit);
    giveToNobody(*volume / ".Trash" / uid);
    ::lchown((personal / "files").c_str(), ::getuid(), ::getgid());
    const RemovalResult result = trash(item, fake.home());
    ASSERT_TRUE(result.succeeded()) << *result.failure;
    EXPECT_EQ(result.trashedAs, personal / "files/old.iso");
    EXPECT_TRUE(entries(*volume / ".Trash" / uid).empty());
}

TEST_F(VolumeTrashTest, ABindMountOfTheHomesFileSystemGetsATrashAtItsTop)
{
    // The same device as the home trash, but a rename cannot leave a mount: the item goes to the
    // trash at the top of the bind mount, not to the home trash (where it would fail).
    if (!TestMounts::available())
        GTEST_SKIP() << kMountsUnavailable;
    TestMounts mounts;
    const fs::path bound = fake.top() / "bound";
    fs::create_directories(fake.top() / "data/Projects");
    ASSERT_TRUE(mounts.bind(fake.top() / "data", bound));
    const fs::path item = bound / "Projects/build.tar";
    writeFile(item, "archive");
    fs::create_directories(fake.trash());

    const RemovalResult result = trash(item, fake.home());
    ASSERT_TRUE(result.succeeded()) << *result.failure;
    EXPECT_EQ(result.trashedAs, bound / (".Trash-" + uid) / "files/build.tar");
    EXPECT_EQ(recordedPath(bound / (".Trash-" + uid) / "info/build.tar.trashinfo"), "Projects/build.tar");
    EXPECT_EQ(readFile(fake.top() / "data" / (".Trash-" + uid) / "files/build.tar"), "archive");
}

} // namespace
} // namespace orvelane
