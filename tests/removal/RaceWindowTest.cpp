// Swaps made in the very instant between the last check and the operation, where no timing
// can reach: each identity check after the operation must notice and leave the stranger alone.

#include "FakeHome.h"
#include "PermanentRemoval.h"
#include "PutBack.h"
#include "RaceWindow.h"
#include "RemovalTarget.h"
#include "TrashMover.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
using RaceWindow::Moment;
namespace fs = std::filesystem;

class RaceWindowTest : public ::testing::Test
{
protected:
    void TearDown() override { RaceWindow::observe({}); }

    // Runs `swap` once, the first time the removal reaches `moment`.
    void swapAt(Moment moment, std::function<void()> swap)
    {
        RaceWindow::observe([=, done = false](Moment reached) mutable {
            if (reached == moment && !done) {
                done = true;
                swap();
            }
        });
    }

    FakeHome fake{"home"};
    const fs::path folder = fake.home() / "Library/Caches/com.example";
};

TEST_F(RaceWindowTest, AStrangerRenamedIntoTheTrashIsPutBack)
{
    const fs::path item = folder / "blob";
    writeFile(item, "validated");
    const RemovalTarget target = RemovalTarget::open(item, inodeOf(item), fake.home());
    ASSERT_TRUE(target.isOpen());
    swapAt(Moment::beforeRenameIntoTrash, [&] {
        fs::rename(item, folder / "blob.validated");
        writeFile(item, "someone else's");
    });

    EXPECT_EQ(TrashMover::moveToTrash(target, fake.trash()).failure, RemovalFailure::changed);
    EXPECT_EQ(readFile(item), "someone else's");
    EXPECT_EQ(readFile(folder / "blob.validated"), "validated");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
    EXPECT_TRUE(entries(fake.trash() / "info").empty());
}

TEST_F(RaceWindowTest, AFolderSwappedBeforeItIsOpenedForErasingIsNotEmptied)
{
    const fs::path item = fake.trash() / "files/project";
    writeFile(item / "build.log", "validated");
    const RemovalTarget target = RemovalTarget::open(item, inodeOf(item), fake.home());
    ASSERT_TRUE(target.isOpen());
    swapAt(Moment::beforeOpeningFolderToErase, [&] {
        fs::rename(item, fake.trash() / "files/project.validated");
        writeFile(item / "thesis.txt", "someone else's");
    });

    EXPECT_EQ(removePermanently(target).failure, RemovalFailure::changed);
    EXPECT_EQ(readFile(item / "thesis.txt"), "someone else's");
    EXPECT_EQ(readFile(fake.trash() / "files/project.validated/build.log"), "validated");
}

TEST_F(RaceWindowTest, AParentFoundAgainThroughDotDotMustBeTheFolderLeft)
{
    // Deeper than the eraser keeps folders open: the deepest folder is moved elsewhere just as
    // the eraser climbs back out of it, so that ".." now leads into someone else's folder. The
    // place it is moved to lies deep enough that even a walk that went on climbing could not
    // get out of the temporary folder.
    constexpr int kDepth = 40;
    const fs::path item = fake.trash() / "files/tree";
    fs::path deepest = item;
    for (int level = 0; level < kDepth; ++level) {
        deepest /= "d";
        writeFile(deepest / "file.txt", "validated");
    }
    fs::path elsewhere = fake.top() / "elsewhere";
    for (int level = 0; level < kDepth; ++level)
        elsewhere /= "e";
    writeFile(elsewhere / "canary.txt", "someone else's");
    writeFile(elsewhere.parent_path() / "canary.txt", "someone else's");

    const RemovalTarget target = RemovalTarget::open(item, inodeOf(item), fake.home());
    ASSERT_TRUE(target.isOpen());
    swapAt(Moment::beforeClimbingToParent, [&] { fs::rename(deepest, elsewhere / "d"); });

    EXPECT_EQ(removePermanently(target).failure, RemovalFailure::changed);
    EXPECT_EQ(readFile(elsewhere / "canary.txt"), "someone else's");
    EXPECT_EQ(readFile(elsewhere.parent_path() / "canary.txt"), "someone else's");
    EXPECT_TRUE(fs::is_directory(elsewhere / "d"));
    EXPECT_TRUE(fs::is_directory(item));
}

TEST_F(RaceWindowTest, AnEntrySwappedJustBeforeItIsPutBackGoesBackToTheTrash)
{
    const fs::path item = folder / "blob";
    writeFile(item, "validated");
    const RemovalResult moved =
        TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), fake.home()), fake.trash());
    ASSERT_TRUE(moved.succeeded());
    const fs::path aside = fake.trash() / "files/blob.validated";
    swapAt(Moment::beforeRenameOutOfTrash, [&] {
        fs::rename(moved.trashedAs, aside);
        writeFile(moved.trashedAs, "someone else's");
    });

    const PutBack::Result back = PutBack::putBack(moved.trashedAs, {moved.device, moved.inode}, fake.home());
    EXPECT_EQ(back.failure, "The item in the Trash is not the one that was moved there.");
    EXPECT_FALSE(fs::exists(fs::symlink_status(item)));
    EXPECT_EQ(readFile(moved.trashedAs), "someone else's");
    EXPECT_EQ(readFile(aside), "validated");
    EXPECT_TRUE(fs::exists(fake.trash() / "info/blob.trashinfo"));
}

TEST_F(RaceWindowTest, SomethingNewArrivingJustBeforeThePutBackIsNotReplaced)
{
    for (const bool folderArrives : {false, true}) {
        const fs::path item = folder / "blob";
        if (folderArrives)
            writeFile(item / "inner.txt", "validated");
        else
            writeFile(item, "validated");
        const RemovalResult moved =
            TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), fake.home()), fake.trash());
        ASSERT_TRUE(moved.succeeded());
        // An empty folder is what a plain rename of a folder would silently replace.
        swapAt(Moment::beforeRenameOutOfTrash, [&] {
            if (folderArrives)
                fs::create_directory(item);
            else
                writeFile(item, "new");
        });

        const PutBack::Result back =
            PutBack::putBack(moved.trashedAs, {moved.device, moved.inode}, fake.home());
        EXPECT_TRUE(back.placeTaken);
        EXPECT_TRUE(fs::exists(moved.trashedAs));
        if (folderArrives)
            EXPECT_TRUE(fs::is_empty(item));
        else
            EXPECT_EQ(readFile(item), "new");
        fs::remove_all(item);
        fs::remove_all(moved.trashedAs);
        fs::remove(fake.trash() / "info/blob.trashinfo");
    }
}

TEST_F(RaceWindowTest, AFolderOnTheWaySwappedForALinkJustBeforeThePutBackIsNotFollowed)
{
    const fs::path item = folder / "blob";
    writeFile(item, "validated");
    const RemovalResult moved =
        TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), fake.home()), fake.trash());
    ASSERT_TRUE(moved.succeeded());
    const fs::path elsewhere = fake.top() / "elsewhere";
    fs::create_directories(elsewhere);
    swapAt(Moment::beforeRenameOutOfTrash, [&] {
        fs::rename(folder, folder.parent_path() / "moved");
        fs::create_directory_symlink(elsewhere, folder);
    });

    // The item goes into the folder that was opened and confirmed, wherever it is now, or stays.
    PutBack::putBack(moved.trashedAs, {moved.device, moved.inode}, fake.home());
    EXPECT_TRUE(entries(elsewhere).empty());
    EXPECT_NE(fs::exists(folder.parent_path() / "moved/blob"), fs::exists(moved.trashedAs));
}

} // namespace
} // namespace orvelane
