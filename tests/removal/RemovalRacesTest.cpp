#include "FakeHome.h"
#include "PermanentRemoval.h"
#include "RemovalTarget.h"
#include "TrashMover.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

enum class Removal
{
    toTrash,
    permanently
};

void PrintTo(Removal removal, std::ostream* out)
{
    *out << (removal == Removal::toTrash ? "toTrash" : "permanently");
}

// Both removals act through the same target; each race is staged against both.
class RemovalRacesTest : public ::testing::TestWithParam<Removal>
{
protected:
    RemovalResult remove(const RemovalTarget& target)
    {
        return GetParam() == Removal::toTrash ? TrashMover::moveToTrash(target, fake.trash())
                                              : removePermanently(target);
    }

    FakeHome fake{"home"};
    const fs::path folder = fake.home() / "Library/Caches/com.example";
    const fs::path item = folder / "blob";
    const fs::path outside = fake.top() / "outside";
};

TEST_P(RemovalRacesTest, ParentFolderSwappedForALinkIsNeverFollowed)
{
    writeFile(item, "validated");
    writeFile(outside / "blob", "not yours");
    const auto number = inodeOf(item);

    // Swapped after validation, before the item is opened: the walk refuses the link.
    fs::rename(folder, folder.native() + ".moved");
    fs::create_directory_symlink(outside, folder);
    EXPECT_EQ(RemovalTarget::open(item, number, fake.home()).failure(), RemovalFailure::linkOnPath);
    EXPECT_EQ(remove(RemovalTarget::open(item, number, fake.home())).failure, RemovalFailure::linkOnPath);

    // Swapped after the item was opened, before the removal: refused too.
    fs::remove(folder);
    fs::rename(folder.native() + ".moved", folder);
    const RemovalTarget target = RemovalTarget::open(item, number, fake.home());
    ASSERT_TRUE(target.isOpen()) << *target.failure();
    fs::rename(folder, folder.native() + ".moved");
    fs::create_directory_symlink(outside, folder);
    EXPECT_EQ(remove(target).failure, RemovalFailure::linkOnPath);

    EXPECT_EQ(readFile(outside / "blob"), "not yours");
    EXPECT_EQ(readFile(folder.native() + ".moved/blob"), "validated");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
}

TEST_P(RemovalRacesTest, ParentFolderSwappedForARealFolderOfTheSameNameIsRefused)
{
    // No link anywhere: the opened folder moves away with the validated file, and a real folder
    // of someone else's takes its name, holding a file of the same name.
    writeFile(item, "validated");
    const RemovalTarget target = RemovalTarget::open(item, inodeOf(item), fake.home());
    ASSERT_TRUE(target.isOpen()) << *target.failure();
    fs::rename(folder, folder.native() + ".moved");
    writeFile(item, "someone else's");

    EXPECT_EQ(remove(target).failure, RemovalFailure::changed);
    EXPECT_EQ(readFile(folder.native() + ".moved/blob"), "validated");
    EXPECT_EQ(readFile(item), "someone else's");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
}

TEST_P(RemovalRacesTest, ItemSwappedOrGoneIsRefused)
{
    writeFile(item, "validated");
    const auto number = inodeOf(item);
    EXPECT_EQ(RemovalTarget::open(item, number + 1, fake.home()).failure(), RemovalFailure::changed);

    // Replaced after opening by another file under the same name (a new inode).
    const RemovalTarget target = RemovalTarget::open(item, number, fake.home());
    ASSERT_TRUE(target.isOpen());
    writeFile(folder / "newcomer", "someone else's");
    fs::rename(folder / "newcomer", item);
    EXPECT_EQ(remove(target).failure, RemovalFailure::changed);
    EXPECT_EQ(readFile(item), "someone else's");

    // Turned into a link: the link and its target stay.
    writeFile(outside / "target", "linked");
    fs::remove(item);
    fs::create_symlink(outside / "target", item);
    EXPECT_EQ(remove(RemovalTarget::open(item, std::nullopt, fake.home())).failure,
              RemovalFailure::symbolicLink);
    EXPECT_TRUE(fs::is_symlink(item));
    EXPECT_EQ(readFile(outside / "target"), "linked");

    fs::remove(item);
    EXPECT_EQ(remove(RemovalTarget::open(item, std::nullopt, fake.home())).failure, RemovalFailure::vanished);
    EXPECT_EQ(remove(RemovalTarget::open("Library/relative", std::nullopt)).failure,
              RemovalFailure::invalidPath);
    EXPECT_EQ(remove(RemovalTarget::open(folder / "../com.example/blob", std::nullopt)).failure,
              RemovalFailure::invalidPath);
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
}

TEST_P(RemovalRacesTest, OnlyTheTrustedHomeMayBeReachedThroughALink)
{
    // "/…/linked-home -> home": the user's own set-up above the home folder is followed, a
    // link below it is not.
    writeFile(item, "validated");
    const fs::path linkedHome = fake.top() / "linked-home";
    fs::create_directory_symlink(fake.home(), linkedHome);
    const fs::path viaLink = linkedHome / "Library/Caches/com.example/blob";

    EXPECT_EQ(RemovalTarget::open(viaLink, std::nullopt).failure(), RemovalFailure::linkOnPath);
    EXPECT_EQ(RemovalTarget::open(viaLink, std::nullopt, fake.home()).failure(), RemovalFailure::linkOnPath);
    EXPECT_TRUE(remove(RemovalTarget::open(viaLink, inodeOf(item), linkedHome)).succeeded());
    EXPECT_FALSE(fs::exists(item));
}

INSTANTIATE_TEST_SUITE_P(BothRemovals, RemovalRacesTest,
                         ::testing::Values(Removal::toTrash, Removal::permanently), [](const auto& info) {
                             return info.param == Removal::toTrash ? "toTrash" : "permanently";
                         });

} // namespace
} // namespace orvelane
