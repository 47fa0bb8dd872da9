#include "TrashMover.h"

#include "FakeHome.h"
#include "PermanentRemoval.h"
#include "RemovalTarget.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/mount.h>
#endif

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

// Half an hour off any whole-hour zone and far from UTC, with no daylight saving to blur it: a
// date written in UTC, or through a zone the process did not set, cannot pass for local time.
constexpr const char* kTestZone = "ORV-05:30";
constexpr std::time_t kTestZoneOffset = 5 * 3600 + 30 * 60;

// The local time of the test zone, computed by hand from the clock: the code's own date
// function is what is under test.
std::string localTimeInTestZone(std::time_t when)
{
    struct tm shifted{};
    const std::time_t local = when + kTestZoneOffset;
    ::gmtime_r(&local, &shifted);
    char text[80];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", shifted.tm_year + 1900, shifted.tm_mon + 1,
                  shifted.tm_mday, shifted.tm_hour, shifted.tm_min, shifted.tm_sec);
    return text;
}

class TrashMoverTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const char* zone = std::getenv("TZ"))
            savedZone_ = zone;
        ::setenv("TZ", kTestZone, 1);
        ::tzset();
    }
    void TearDown() override
    {
        if (savedZone_)
            ::setenv("TZ", savedZone_->c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

    RemovalResult trash(const fs::path& item)
    {
        return TrashMover::moveToTrash(RemovalTarget::open(item, inodeOf(item), fake.home()),
                                       fake.trash());
    }

    // The record must be exactly these three lines, the date local time read from the clock
    // while the move ran (second by second from `before` to now).
    static void expectRecord(const fs::path& record, const std::string& encodedPath, std::time_t before)
    {
        const std::string text = readFile(record);
        const std::string head = "[Trash Info]\nPath=" + encodedPath + "\nDeletionDate=";
        bool matched = false;
        for (std::time_t when = before; when <= std::time(nullptr) && !matched; ++when)
            matched = text == head + localTimeInTestZone(when) + "\n";
        EXPECT_TRUE(matched) << text << "expected the date of " << localTimeInTestZone(before);
    }

    FakeHome fake{"home"};

private:
    std::optional<std::string> savedZone_;
};

TEST_F(TrashMoverTest, MovesFilesAndFoldersWithExactByteRecords)
{
    const fs::path downloads = fake.home() / "Downloads";
    const std::string home = fake.home().native();
    struct Case
    {
        std::string name;
        std::string encodedPath;
    };
    const std::vector<Case> cases{
        {"notes.txt", home + "/Downloads/notes.txt"},
        {"50% off (final).pdf", home + "/Downloads/50%25%20off%20(final).pdf"},
        {"caf\xE9 #1.log", home + "/Downloads/caf%E9%20%231.log"}, // not valid UTF-8
        {"build", home + "/Downloads/build"},
    };
    writeFile(downloads / "build/out/app.o", "object");
    for (const auto& c : cases) {
        const fs::path item = downloads / c.name;
        if (c.name != "build")
            writeFile(item, c.name);
        const auto number = inodeOf(item);
        const std::time_t before = std::time(nullptr);
        const RemovalResult result = trash(item);
        ASSERT_TRUE(result.succeeded()) << *result.failure;
        EXPECT_EQ(result.trashedAs, fake.trash() / "files" / c.name);
        EXPECT_FALSE(fs::exists(fs::symlink_status(item)));
        EXPECT_EQ(inodeOf(result.trashedAs), number);
        expectRecord(fake.trash() / "info" / (c.name + ".trashinfo"), c.encodedPath, before);
    }
    EXPECT_EQ(readFile(fake.trash() / "files/build/out/app.o"), "object");
    EXPECT_EQ(readFile(fake.trash() / "files/caf\xE9 #1.log"), "caf\xE9 #1.log");
}

TEST_F(TrashMoverTest, CollisionsGetNumberedNamesAndNeverReplaceAnEntry)
{
    const fs::path report = fake.home() / "Downloads/report.pdf";
    for (int copy = 1; copy <= 3; ++copy) {
        writeFile(report, "copy " + std::to_string(copy));
        ASSERT_TRUE(trash(report).succeeded());
    }
    // An entry in files/ without a record (left by some other program) is skipped, not replaced.
    writeFile(fake.trash() / "files/report 4.pdf", "stray");
    writeFile(report, "copy 4");
    const RemovalResult fourth = trash(report);
    ASSERT_TRUE(fourth.succeeded());
    EXPECT_EQ(fourth.trashedAs.filename(), "report 5.pdf");
    EXPECT_EQ(readFile(fake.trash() / "files/report 4.pdf"), "stray");
    EXPECT_EQ(readFile(fake.trash() / "files/report 2.pdf"), "copy 2");
    EXPECT_EQ(entries(fake.trash() / "info"),
              (std::vector<std::string>{"report 2.pdf.trashinfo", "report 3.pdf.trashinfo",
                                        "report 5.pdf.trashinfo", "report.pdf.trashinfo"}));

    const fs::path modules = fake.home() / "Downloads/node_modules";
    for (int copy = 1; copy <= 2; ++copy) {
        writeFile(modules / "left-pad/index.js");
        ASSERT_TRUE(trash(modules).succeeded());
    }
    EXPECT_TRUE(fs::is_regular_file(fake.trash() / "files/node_modules 2/left-pad/index.js"));

    // 240 letters, a two-byte "é", ".txt": its record name would exceed 255 bytes, so the name is
    // shortened, and not in the middle of the "é".
    const std::string longName = std::string(240, 'a') + "\xC3\xA9.txt";
    writeFile(fake.home() / "Downloads" / longName);
    const RemovalResult shortened = trash(fake.home() / "Downloads" / longName);
    ASSERT_TRUE(shortened.succeeded()) << *shortened.failure;
    EXPECT_EQ(shortened.trashedAs.filename().native(), std::string(240, 'a') + ".txt");
    EXPECT_TRUE(fs::exists(fake.trash() / "info" / (std::string(240, 'a') + ".txt.trashinfo")));
}

TEST_F(TrashMoverTest, HomeTrashIsTheScannedTrashAndIsCreatedPrivate)
{
    const fs::path item = fake.home() / "Downloads/a.zip";
    writeFile(item);
    ASSERT_EQ(TrashMover::homeTrashFolder(), fake.trash());
    ASSERT_TRUE(TrashMover::moveToTrash(RemovalTarget::open(item, std::nullopt, fake.home())).succeeded());
    EXPECT_TRUE(fs::exists(fake.trash() / "files/a.zip"));
    for (const fs::path& folder : {fake.trash(), fake.trash() / "files", fake.trash() / "info"}) {
        struct stat status
        {};
        ASSERT_EQ(::stat(folder.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0700u) << folder;
    }
}

TEST_F(TrashMoverTest, TrashListOfTrashCliShowsTheOriginalPath)
{
    if (::access(ORVELANE_TRASH_LIST, X_OK) != 0)
        GTEST_SKIP() << "trash-cli is not installed";
    const fs::path item = fake.home() / "Downloads/50% off.pdf";
    writeFile(item);
    ASSERT_TRUE(trash(item).succeeded());
    // Only the fake home in the environment; the temporary folder's name needs no shell quoting.
    const std::string listing =
        outputOf("env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=" + fake.home().native() + " XDG_DATA_HOME=" +
                 (fake.home() / ".local/share").native() + " " + ORVELANE_TRASH_LIST + " 2>/dev/null");
    EXPECT_NE(listing.find(" " + item.native() + "\n"), std::string::npos) << listing;
}

TEST_F(TrashMoverTest, FailedRenameLeavesTheItemAndNoRecord)
{
    // Downloads belongs to root and is not writable for the user: the record can be written,
    // the rename out of Downloads cannot, and the record must go again.
    const fs::path item = fake.home() / "Downloads/setup.iso";
    writeFile(item, "image");
    fs::create_directories(fake.trash() / "files");
    fs::create_directories(fake.trash() / "info");
    giveToNobody(fake.top());
    ::lchown((fake.home() / "Downloads").c_str(), 0, 0);
    ::lchown(item.c_str(), 0, 0);
    const auto number = inodeOf(item);

    if (!nobodyCanReach(fake.home()))
        GTEST_SKIP() << kCannotDropPrivileges;
    const auto failure = runAsNobody([&] {
        const RemovalResult result = trash(item);
        return result.failure.value_or("moved");
    });
    if (!failure)
        GTEST_SKIP() << kCannotDropPrivileges;
    EXPECT_EQ(*failure, "Permission denied");
    EXPECT_EQ(inodeOf(item), number);
    EXPECT_EQ(readFile(item), "image");
    EXPECT_TRUE(entries(fake.trash() / "info").empty());
    EXPECT_TRUE(entries(fake.trash() / "files").empty());
}

TEST_F(TrashMoverTest, ItemOnAnotherVolumeGoesToThatVolumesTrashOrNowhere)
{
    const auto volume = fake.mountVolume("volume");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    const std::string uid = std::to_string(::getuid());
    const fs::path item = *volume / "Projects/old.iso";

    // No shared .Trash: the per-user .Trash-$uid, created private; Path= relative to the top.
    writeFile(item);
    const std::time_t before = std::time(nullptr);
    RemovalResult result = trash(item);
    ASSERT_TRUE(result.succeeded()) << *result.failure;
    EXPECT_EQ(result.trashedAs, *volume / (".Trash-" + uid) / "files/old.iso");
    expectRecord(*volume / (".Trash-" + uid) / "info/old.iso.trashinfo", "Projects/old.iso", before);
    EXPECT_TRUE(entries(fake.trash() / "files").empty());

    // A shared .Trash without the sticky bit could be emptied by anyone: not used.
    fs::create_directory(*volume / ".Trash");
    fs::permissions(*volume / ".Trash", fs::perms::all);
    writeFile(item);
    ASSERT_TRUE(trash(item).succeeded());
    EXPECT_TRUE(fs::exists(*volume / (".Trash-" + uid) / "files/old 2.iso"));
    EXPECT_FALSE(fs::exists(*volume / ".Trash" / uid));

    // With the sticky bit, the administrator's shared .Trash/$uid is preferred.
    fs::permissions(*volume / ".Trash", fs::perms::all | fs::perms::sticky_bit);
    writeFile(item);
    result = trash(item);
    ASSERT_TRUE(result.succeeded()) << *result.failure;
    EXPECT_EQ(result.trashedAs, *volume / ".Trash" / uid / "files/old.iso");

    // A per-user trash that is a link to elsewhere is never used; the item stays.
    fs::remove_all(*volume / ".Trash");
    fs::remove_all(*volume / (".Trash-" + uid));
    fs::create_directories(*volume / "elsewhere");
    fs::create_directory_symlink("elsewhere", *volume / (".Trash-" + uid));
    writeFile(item);
    EXPECT_EQ(trash(item).failure, RemovalFailure::noVolumeTrash);
    EXPECT_TRUE(fs::exists(item));
    EXPECT_TRUE(entries(*volume / "elsewhere").empty());
}

#ifdef __linux__
TEST_F(TrashMoverTest, ReadOnlyAndFullFileSystemsLeaveItemsInPlace)
{
    const auto readOnly = fake.mountVolume("readonly");
    const auto full = fake.mountVolume("full", "size=256k");
    if (!readOnly || !full)
        GTEST_SKIP() << "cannot mount a private tmpfs here";

    const fs::path stuck = *readOnly / "cache.bin";
    writeFile(stuck, "kept");
    ASSERT_EQ(::mount(nullptr, readOnly->c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    EXPECT_EQ(trash(stuck).failure, "Read-only file system");
    EXPECT_EQ(removePermanently(RemovalTarget::open(stuck, std::nullopt)).failure, "Read-only file system");
    EXPECT_EQ(readFile(stuck), "kept");

    // Home and item on a volume with no space left: the record cannot be written.
    const fs::path home = *full / "home";
    const fs::path item = home / "Downloads/big.bin";
    writeFile(item, "payload");
    fs::create_directories(home / ".local/share/Trash/files");
    fs::create_directories(home / ".local/share/Trash/info");
    {
        std::ofstream filler(*full / "filler", std::ios::binary);
        const std::string block(64 * 1024, 'x');
        while (filler.write(block.data(), static_cast<std::streamsize>(block.size())))
            ;
    }
    const RemovalResult result =
        TrashMover::moveToTrash(RemovalTarget::open(item, std::nullopt), home / ".local/share/Trash");
    EXPECT_EQ(result.failure, "No space left on device");
    EXPECT_EQ(readFile(item), "payload");
    EXPECT_TRUE(entries(home / ".local/share/Trash/info").empty());
    EXPECT_TRUE(entries(home / ".local/share/Trash/files").empty());
}
#endif

} // namespace
} // namespace orvelane
