// Items on another volume than the home trash go to that volume's own trash: one that is the
// user's, under the volume's top, with a record that leads a trash client back to the item's
// real place however the item's path was reached.

#include "FakeHome.h"
#include "PutBack.h"
#include "RemovalTarget.h"
#include "TestMounts.h"
#include "TrashMover.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
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

TEST_F(VolumeTrashTest, AnEntryOnAVolumeAttachedAgainUnderAnotherDeviceNumberIsStillKnown)
{
    // A volume in the home (as a desktop mounts a disk under the user's folder), unplugged and
    // plugged in again while another disk holds the loop device it had.
    const fs::path image = fake.top() / "volume.img", other = fake.top() / "other.img";
    if (!TestMounts::available() || std::system(("truncate -s 8M " + shellQuoted(image) + " " + shellQuoted(other) +
                                                 " && mkfs.ext2 -q -F " + shellQuoted(image) + " && mkfs.ext2 -q -F " +
                                                 shellQuoted(other) + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << "needs root, loop devices and mkfs.ext2 (e2fsprogs)";
    TestMounts mounts;
    const fs::path volume = fake.home() / "Volume";
    if (!mounts.image(image, volume))
        GTEST_SKIP() << "cannot attach an image through a loop device here";
    const fs::path item = volume / "Projects/old.iso", stranger = volume / "Projects/other.iso";
    writeFile(item, "image");
    writeFile(stranger, "other");
    const RemovalResult moved = trash(item, fake.home()), movedStranger = trash(stranger, fake.home());
    ASSERT_TRUE(moved.succeeded() && movedStranger.succeeded());
    ASSERT_EQ(moved.trashedAs, volume / (".Trash-" + uid) / "files/old.iso");

    ASSERT_TRUE(mounts.unmount(volume));
    ASSERT_TRUE(mounts.image(other, fake.top() / "other"));
    ASSERT_TRUE(mounts.image(image, volume));
    struct stat now{};
    ASSERT_EQ(::lstat(moved.trashedAs.c_str(), &now), 0);
    if (static_cast<std::uint64_t>(now.st_dev) == moved.device)
        GTEST_SKIP() << "the image came back under the same device number";

    // Its entry is the one that was moved there: same inode, length and modification time.
    const PutBack::Result back =
        PutBack::putBack(moved.trashedAs, {moved.device, moved.inode, item, moved.modifiedNs, moved.length}, fake.home());
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(readFile(item), "image");
    // One changed since (touched: another modification time) is not taken for it.
    ::utimensat(AT_FDCWD, movedStranger.trashedAs.c_str(), nullptr, AT_SYMLINK_NOFOLLOW);
    const PutBack::Result refused = PutBack::putBack(
        movedStranger.trashedAs, {movedStranger.device, movedStranger.inode, stranger, movedStranger.modifiedNs, movedStranger.length},
        fake.home());
    EXPECT_EQ(refused.failure, "The item in the Trash is not the one that was moved there.");
    EXPECT_FALSE(fs::exists(stranger));
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
