// Putting items back from the Trash reads only a record that is a small regular file of a trash
// folder's entry, naming one place inside the home folder, and the one an item we moved had.
#include "PutBackTest.h"

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;

TEST_F(PutBackTest, RecordsThatPointOutsideTheHomeAreRefused)
{
    // Every place named lies inside the test's own folder: a fault here must not reach the machine.
    fs::create_directories(fake.top() / "outside");
    const std::string home = fake.home().native();
    const std::string outside = (fake.top() / "outside").native();
    struct Case
    {
        std::string path;
        const char* failure;
    };
    const std::vector<Case> cases{
        {outside + "/passwd", kOutsideHome},
        {outside + "/new/folder/passwd", kOutsideHome},
        {(fake.top() / "home2/Downloads/x").native(), kOutsideHome}, // a sibling sharing the prefix
        {home, kOutsideHome},
        {"/", kOutsideHome},
        {home + "/.local/share/Trash/files/other", kForbiddenPlace},
        {home + "/.local/share/Trash/info/x.trashinfo", kForbiddenPlace},
        {home + "/.local/state/orvelane/last-clean", kForbiddenPlace},
        // Relative places count from the trash's folder; climbing out of it is no place at all.
        {"../../../outside/passwd", kNoRecord},
        {home + "/Downloads/../../outside/passwd", kNoRecord},
        {home + "/Downloads/%2E%2E/%2E%2E/outside/passwd", kNoRecord},
        {"Trash/files/other", kForbiddenPlace},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string name = "crafted " + std::to_string(++n);
        const fs::path entry = craftedEntry(name, recordFor(c.path));
        const PutBack::Result back = putBack(entry);
        EXPECT_EQ(back.failure, c.failure) << c.path;
        EXPECT_FALSE(back.placeTaken);
        EXPECT_EQ(readFile(entry), "entry " + name) << c.path;
        EXPECT_TRUE(fs::exists(fake.trash() / "info" / (name + ".trashinfo")));
    }
    EXPECT_TRUE(entries(fake.top() / "outside").empty());
    EXPECT_FALSE(fs::exists(fake.top() / "home2"));

    // A relative place inside the data folder is a place in the home: it goes back there.
    const fs::path entry = craftedEntry("relative.txt", recordFor("notes/relative.txt"));
    ASSERT_TRUE(putBack(entry).succeeded());
    EXPECT_EQ(readFile(fake.home() / ".local/share/notes/relative.txt"), "entry relative.txt");
}

TEST_F(PutBackTest, OnlyASmallRegularRecordThatNamesOnePlaceIsRead)
{
    const std::string place = (fake.home() / "Downloads/back.txt").native();
    const std::vector<std::pair<std::string, std::string>> unusable{
        {"two paths", "[Trash Info]\nPath=" + place + "\nPath=" + place + "2\n"},
        {"another group first", "[Desktop Entry]\nPath=" + place + "\n[Trash Info]\nPath=" + place + "\n"},
        {"a key before the group", "Path=" + place + "\n[Trash Info]\n"},
        {"no path", "[Trash Info]\nDeletionDate=2024-05-01T10:00:00\n"},
        {"empty", ""},
        {"broken escape", "[Trash Info]\nPath=" + place + "%G1\n"},
        {"a NUL byte", "[Trash Info]\nPath=" + place + "%00.sh\n"},
        // A valid record followed by padding: nothing this size is a record.
        {"oversized", recordFor(place) + "#" + std::string(70 * 1024, 'x') + "\n"},
    };
    for (const auto& [name, record] : unusable) {
        const fs::path entry = craftedEntry(name, record);
        EXPECT_EQ(putBack(entry).failure, kNoRecord) << name;
        EXPECT_TRUE(fs::exists(entry));
    }
    EXPECT_FALSE(fs::exists(place));

    // A FIFO could block a reader for ever; a link could show a record from anywhere.
    writeFile(fake.trash() / "files/fifo", "entry");
    ASSERT_EQ(::mkfifo((fake.trash() / "info/fifo.trashinfo").c_str(), 0600), 0);
    EXPECT_EQ(putBack(fake.trash() / "files/fifo").failure, kNoRecord);
    writeFile(fake.top() / "elsewhere.trashinfo", recordFor(place));
    writeFile(fake.trash() / "files/linked", "entry");
    fs::create_symlink(fake.top() / "elsewhere.trashinfo", fake.trash() / "info/linked.trashinfo");
    EXPECT_EQ(putBack(fake.trash() / "files/linked").failure, kNoRecord);
    writeFile(fake.trash() / "files/folder record", "entry");
    fs::create_directories(fake.trash() / "info/folder record.trashinfo");
    EXPECT_EQ(putBack(fake.trash() / "files/folder record").failure, kNoRecord);
    writeFile(fake.trash() / "files/no record", "entry");
    EXPECT_EQ(putBack(fake.trash() / "files/no record").failure, kNoRecord);
    EXPECT_FALSE(fs::exists(place));

    // Spaces around the key, a comment, Windows line ends and encoded bytes are a record still.
    const fs::path lenient = craftedEntry(
        "lenient", "# made by hand\r\n[Trash Info]\r\nPath = " + fake.home().native() + "/Downloads/caf%E9%20%231.log\r\n");
    ASSERT_TRUE(putBack(lenient).succeeded());
    EXPECT_EQ(readFile(fake.home() / "Downloads/caf\xE9 #1.log"), "entry lenient");
}

TEST_F(PutBackTest, OnlyEntriesOfATrashFolderArePutBack)
{
    fs::create_directories(fake.trash() / "files");
    fs::create_directories(fake.trash() / "info");
    writeFile(fake.home() / "Downloads/files/x", "not trashed");
    writeFile(fake.home() / "Downloads/info/x.trashinfo", recordFor((fake.home() / "Documents/x").native()));
    // Not a trash at all, although it has the shape of one: a home trash is the one the desktop uses.
    for (const fs::path& path : {fake.home() / "Downloads/x", fake.home() / "Downloads/files/x",
                                 fake.trash() / "files", fake.trash() / "files/a/b",
                                 fs::path("relative/files/x"), fake.trash() / "files/.."}) {
        EXPECT_EQ(putBack(path).failure, "The item is not in a Trash folder.") << path;
    }
    EXPECT_EQ(putBack(fake.trash() / "files/gone").failure, "The item is no longer in the Trash.");

    // A volume's trash lies at the volume's top; one anywhere else is just a folder of that name.
    const fs::path fakeVolumeTrash = fake.home() / "Projects" / (".Trash-" + std::to_string(::getuid()));
    writeFile(fakeVolumeTrash / "files/x", "not trashed");
    writeFile(fakeVolumeTrash / "info/x.trashinfo", recordFor("x"));
    EXPECT_EQ(putBack(fakeVolumeTrash / "files/x").failure, "The item is not in a Trash folder.");
    EXPECT_FALSE(fs::exists(fake.home() / "Projects/x"));
}

TEST_F(PutBackTest, ARecordRewrittenToNameAnotherPlaceIsNotFollowedForAnItemWeMoved)
{
    const fs::path item = fake.home() / ".cache/thumbnails";
    writeFile(item / "a.png", "thumb");
    const RemovalResult moved = trash(item);
    ASSERT_TRUE(moved.succeeded());
    const fs::path record = fake.trash() / "info/thumbnails.trashinfo";
    writeFile(record, recordFor((fake.home() / ".config/autostart/thumbnails").string()));

    PutBack::ExpectedEntry expected{moved.device, moved.inode, item};
    EXPECT_EQ(putBack(moved.trashedAs, expected).failure, kEntryChanged);
    EXPECT_FALSE(fs::exists(fake.home() / ".config/autostart"));
    EXPECT_EQ(readFile(moved.trashedAs / "a.png"), "thumb");

    // The record as we wrote it, the same place however it is spelled, lets it go back.
    writeFile(record, recordFor(item.string()));
    expected.original = fake.home() / ".cache/./thumbnails/";
    ASSERT_TRUE(putBack(moved.trashedAs, expected).succeeded());
    EXPECT_EQ(readFile(item / "a.png"), "thumb");
}

} // namespace
} // namespace orvelane
