// Putting items back from the Trash: to exactly the place the record names, never over
// something that is there now and never through a link, on the volume of its Trash.

#include "PutBackTest.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;

TEST_F(PutBackTest, ItemsGoBackToTheirExactPlacesAndTheirRecordsGo)
{
    const fs::path downloads = fake.home() / "Downloads";
    writeFile(downloads / "build/out/app.o", "object");
    const std::vector<std::string> names{"notes.txt", "50% off (final).pdf", "caf\xE9 #1.log", "build",
                                         "İndirilen ılık.zip"};
    for (const auto& name : names) {
        const fs::path item = downloads / name;
        if (name != "build")
            writeFile(item, name);
        const auto number = inodeOf(item);
        const RemovalResult moved = trash(item);
        ASSERT_TRUE(moved.succeeded()) << *moved.failure;
        ASSERT_FALSE(fs::exists(fs::symlink_status(item)));

        const PutBack::Result back = putBack(moved.trashedAs, identityOf(moved));
        ASSERT_TRUE(back.succeeded()) << name << ": " << *back.failure;
        EXPECT_EQ(back.original, item);
        EXPECT_EQ(inodeOf(item), number) << name;
        EXPECT_FALSE(fs::exists(fs::symlink_status(moved.trashedAs))) << name;
    }
    EXPECT_EQ(readFile(downloads / "build/out/app.o"), "object");
    EXPECT_EQ(readFile(downloads / "caf\xE9 #1.log"), "caf\xE9 #1.log");
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
    EXPECT_TRUE(entries(fake.trash() / "info").empty());
}

TEST_F(PutBackTest, SomethingNewAtTheOldPlaceIsNeverReplaced)
{
    const fs::path folder = fake.home() / "Projects/app";
    struct Case
    {
        std::string name;
        std::function<void(const fs::path&)> recreate;
    };
    const std::vector<Case> cases{
        {"report.pdf", [](const fs::path& at) { writeFile(at, "the new report"); }},
        // An empty folder is what a plain rename would silently replace with the old one.
        {"node_modules", [](const fs::path& at) { fs::create_directory(at); }},
        {"link.txt", [](const fs::path& at) { fs::create_symlink("nowhere", at); }},
    };
    for (const auto& c : cases) {
        const fs::path item = folder / c.name;
        if (c.name == "node_modules")
            writeFile(item / "left-pad/index.js", "old");
        else
            writeFile(item, "old");
        const RemovalResult moved = trash(item);
        ASSERT_TRUE(moved.succeeded()) << *moved.failure;
        c.recreate(item);
        const auto newcomer = inodeOf(item);

        const PutBack::Result back = putBack(moved.trashedAs, identityOf(moved));
        EXPECT_TRUE(back.placeTaken) << c.name;
        EXPECT_EQ(back.failure, kPlaceTaken);
        EXPECT_EQ(PutBack::message(c.name, back), c.name + " stays in the Trash: something new is at its old place.");
        EXPECT_EQ(inodeOf(item), newcomer) << c.name;
        EXPECT_TRUE(fs::exists(fs::symlink_status(moved.trashedAs))) << c.name;
        EXPECT_TRUE(fs::exists(fake.trash() / "info" / (c.name + ".trashinfo"))) << c.name;
    }
    EXPECT_EQ(readFile(folder / "report.pdf"), "the new report");
    EXPECT_TRUE(fs::is_empty(folder / "node_modules"));

    // A file where a folder of the old path was is something new on the way.
    writeFile(fake.home() / "Music/album/track.flac", "old");
    const RemovalResult moved = trash(fake.home() / "Music/album/track.flac");
    fs::remove(fake.home() / "Music/album");
    writeFile(fake.home() / "Music/album", "a file now");
    EXPECT_TRUE(putBack(moved.trashedAs, identityOf(moved)).placeTaken);
    EXPECT_EQ(readFile(fake.home() / "Music/album"), "a file now");
}

TEST_F(PutBackTest, MissingFoldersInsideHomeAreCreatedAndRemovedAgainWhenItCannotGoBack)
{
    const fs::path item = fake.home() / "Projects/old/deep/data.bin";
    writeFile(item, "data");
    const RemovalResult moved = trash(item);
    ASSERT_TRUE(moved.succeeded());
    fs::remove_all(fake.home() / "Projects");
    const PutBack::Result back = putBack(moved.trashedAs, identityOf(moved));
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(readFile(item), "data");

    // The old place is on another volume than the trash: the folders made for it go again.
    const auto volume = fake.mountVolume("home/volume");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    const fs::path entry = craftedEntry("far.bin", recordFor((*volume / "new/deeper/far.bin").native()));
    const PutBack::Result far = putBack(entry);
    EXPECT_EQ(far.failure, kOtherVolume);
    EXPECT_FALSE(fs::exists(*volume / "new"));
    EXPECT_TRUE(fs::exists(entry));
}

TEST_F(PutBackTest, LinksOnTheWayToTheOldPlaceAreNeverFollowed)
{
    const fs::path elsewhere = fake.top() / "elsewhere";
    fs::create_directories(elsewhere / "app");
    for (const fs::path& linked : {fake.home() / "Downloads", fake.home() / "Projects/app"}) {
        const fs::path item = linked / "kept.txt";
        writeFile(item, "old");
        const RemovalResult moved = trash(item);
        ASSERT_TRUE(moved.succeeded());
        fs::remove_all(linked);
        fs::create_directory_symlink(linked == fake.home() / "Downloads" ? elsewhere : elsewhere / "app", linked);

        const PutBack::Result back = putBack(moved.trashedAs, identityOf(moved));
        EXPECT_EQ(back.failure, kLinkOnWay) << linked;
        EXPECT_TRUE(fs::exists(moved.trashedAs));
    }
    EXPECT_EQ(entries(elsewhere), std::vector<std::string>{"app"});
    EXPECT_TRUE(entries(elsewhere / "app").empty());

    // A home reached through a link is the user's own set-up: items go back through it.
    fs::create_directories(fake.top() / "data/me");
    const fs::path linkedHome = fake.top() / "me";
    fs::create_directory_symlink(fake.top() / "data/me", linkedHome);
    ::setenv("XDG_DATA_HOME", (linkedHome / ".local/share").c_str(), 1);
    const fs::path item = linkedHome / "Downloads/setup.iso";
    writeFile(item, "image");
    const RemovalResult moved = TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), linkedHome),
                                                        linkedHome / ".local/share/Trash");
    ASSERT_TRUE(moved.succeeded());
    // The record names the real place, the undo journal the place as the scan spelled it; the
    // two agree even once the folder it was in has gone.
    fs::remove(linkedHome / "Downloads");
    const PutBack::Result back =
        PutBack::putBack(moved.trashedAs, {moved.device, moved.inode, item}, linkedHome);
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(readFile(fake.top() / "data/me/Downloads/setup.iso"), "image");
}

TEST_F(PutBackTest, AnEntryThatIsNotTheOneMovedThereStays)
{
    const fs::path item = fake.home() / "Downloads/report.pdf";
    writeFile(item, "mine");
    const RemovalResult moved = trash(item);
    ASSERT_TRUE(moved.succeeded());
    // Another report under the same name (ours kept aside, so that its inode stays taken).
    fs::rename(moved.trashedAs, fake.trash() / "files/aside.pdf");
    writeFile(moved.trashedAs, "another report");

    EXPECT_EQ(putBack(moved.trashedAs, identityOf(moved)).failure, kEntryChanged);
    EXPECT_EQ(putBack(moved.trashedAs, {std::nullopt, moved.inode}).failure, kEntryChanged);
    EXPECT_EQ(putBack(moved.trashedAs, {moved.device + 1, std::nullopt}).failure, kEntryChanged);
    EXPECT_FALSE(fs::exists(item));
    EXPECT_EQ(readFile(moved.trashedAs), "another report");
    // Without an identity to hold it to (an item another tool trashed), it goes back.
    EXPECT_TRUE(putBack(moved.trashedAs).succeeded());
    EXPECT_EQ(readFile(item), "another report");
}

TEST_F(PutBackTest, AVolumesTrashPutsBackRelativeToTheVolumesTop)
{
    const auto volume = fake.mountVolume("home/volume");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    const std::string uid = std::to_string(::getuid());
    const fs::path item = *volume / "Projects/old.iso";
    writeFile(item, "image");
    RemovalResult moved = trash(item);
    ASSERT_TRUE(moved.succeeded()) << *moved.failure;
    ASSERT_EQ(moved.trashedAs, *volume / (".Trash-" + uid) / "files/old.iso");
    PutBack::Result back = putBack(moved.trashedAs, {moved.device, moved.inode, item});
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(readFile(item), "image");

    fs::create_directory(*volume / ".Trash");
    fs::permissions(*volume / ".Trash", fs::perms::all | fs::perms::sticky_bit);
    moved = trash(item);
    ASSERT_EQ(moved.trashedAs, *volume / ".Trash" / uid / "files/old.iso");
    back = putBack(moved.trashedAs, identityOf(moved));
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(readFile(item), "image");

    // A volume's record climbing out of the volume is no place.
    writeFile(*volume / (".Trash-" + uid) / "files/climb", "entry");
    writeFile(*volume / (".Trash-" + uid) / "info/climb.trashinfo", recordFor("../../outside"));
    EXPECT_EQ(putBack(*volume / (".Trash-" + uid) / "files/climb").failure, kNoRecord);
    // A per-user trash that is a link leads somewhere else: not a trash to take from.
    fs::remove_all(*volume / (".Trash-" + uid));
    fs::create_directories(*volume / "other/files");
    fs::create_directories(*volume / "other/info");
    writeFile(*volume / "other/files/x", "entry");
    writeFile(*volume / "other/info/x.trashinfo", recordFor("Projects/x"));
    fs::create_directory_symlink("other", *volume / (".Trash-" + uid));
    EXPECT_EQ(putBack(*volume / (".Trash-" + uid) / "files/x").failure, "The item is not in a Trash folder.");
    EXPECT_FALSE(fs::exists(*volume / "Projects/x"));
}

TEST_F(PutBackTest, AnItemTrashedByTrashCliGoesBackAndLeavesTrashListEmpty)
{
    const std::string trashPut = ORVELANE_TRASH_PUT;
    if (::access(ORVELANE_TRASH_LIST, X_OK) != 0 || ::access(trashPut.c_str(), X_OK) != 0)
        GTEST_SKIP() << "trash-cli is not installed";
    const std::string environment = "env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=" + fake.home().native() +
                                    " XDG_DATA_HOME=" + (fake.home() / ".local/share").native() + " ";
    const fs::path item = fake.home() / "Belgeler/Çay ve şeker #2.txt";
    writeFile(item, "tea");
    outputOf(environment + trashPut + " '" + item.native() + "' 2>&1");
    ASSERT_FALSE(fs::exists(item)) << "trash-put did not trash it";
    ASSERT_NE(outputOf(environment + ORVELANE_TRASH_LIST).find(item.native()), std::string::npos);
    const std::vector<std::string> trashed = entries(fake.trash() / "files");
    ASSERT_EQ(trashed.size(), 1u);

    const PutBack::Result back = putBack(fake.trash() / "files" / trashed.front());
    ASSERT_TRUE(back.succeeded()) << *back.failure;
    EXPECT_EQ(back.original, item);
    EXPECT_EQ(readFile(item), "tea");
    EXPECT_EQ(outputOf(environment + ORVELANE_TRASH_LIST + " 2>/dev/null").find(fake.home().native()),
              std::string::npos);
}

} // namespace
} // namespace orvelane
