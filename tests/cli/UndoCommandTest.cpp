// `orvelane-cli undo` through the real binary, in a fake home on the freedesktop layout whose
// Trash trash-cli reads too: a clean comes back except what something new has taken the place
// of, a permanent deletion is never undone (nor an older clean behind it), and a journal that
// was tampered with moves nothing it should not.
#include "CliRun.h"
#include "FakeHome.h"
#include "ShellTools.h"
#include "TestMounts.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

class UndoCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Installers are offered at any size; a large file from 10 MiB on.
        installer = home / "Downloads/tool 1.0.deb";
        image = home / "Downloads/Kritä.AppImage";
        movie = home / "Downloads/movie.mkv";
        write(installer, std::string(30'000, 'd'));
        write(image, std::string(40'000, 'a'));
        write(movie, std::string(11 * 1024 * 1024, 'm'));
    }

    fs::path trash() const { return home / ".local/share/Trash"; }
    fs::path journal() const { return home / ".local/state/orvelane/last-clean"; }

    fs::path saveScan(const char* category)
    {
        const CliRun scan = runCli({"scan", "--json", category});
        EXPECT_EQ(scan.status, 0) << scan.err;
        const fs::path saved = home / (std::string(category) + ".json");
        write(saved, scan.out);
        return saved;
    }

    CliRun clean(const char* category, const std::vector<fs::path>& paths)
    {
        std::vector<std::string> args{"clean", "--json", "--from", saveScan(category).string(), category};
        for (const fs::path& path : paths)
            args.push_back(path.string());
        return runCli(args);
    }

    bool trashCli() const { return onPath("trash-list") && onPath("trash-put"); }

    /// A folder outside the home, beside it in the test's own temporary folder.
    fs::path placeOutside() const
    {
        const fs::path place = home.top() / "elsewhere";
        fs::create_directories(place);
        return place;
    }

    FakeHome home{"home"};
    fs::path installer, image, movie;
};

TEST_F(UndoCommand, TwoComeBackWithTheirContentsAndTheOneWhosePlaceIsTakenStays)
{
    if (!trashCli())
        GTEST_SKIP() << "trash-cli is not installed";
    const fs::path other = home / "Documents/old notes.txt";
    write(other, "not part of the clean");
    ASSERT_EQ(sh("trash-put " + shellQuoted(other)).status, 0);

    const CliRun cleaned = clean("downloads", {installer, image, movie});
    ASSERT_EQ(cleaned.status, 0) << cleaned.out << cleaned.err;
    EXPECT_EQ(trashListedPlaces(),
              (std::set<std::string>{other.string(), installer.string(), image.string(), movie.string()}));

    write(movie, "a new file of the same name"); // something new at one old place
    const CliRun undone = runCli({"undo", "--json", "--lang", "en"});
    EXPECT_EQ(undone.status, 1) << "completed with a message: " << undone.out << undone.err;
    const QJsonObject result = jsonOf(undone.out);
    EXPECT_EQ(result["result"].toString(), "completed");
    EXPECT_EQ(result["restoredItems"].toInt(), 2);
    EXPECT_GE(result["restored"].toInteger(), 70'000);
    EXPECT_LT(result["restored"].toInteger(), 1024 * 1024) << "the movie is not counted";
    ASSERT_EQ(result["errors"].toArray().size(), 1) << undone.out;
    EXPECT_EQ(result["errors"][0].toString(),
              "movie.mkv stays in the Trash: something new is at its old place.");

    EXPECT_EQ(contentOf(installer), std::string(30'000, 'd'));
    EXPECT_EQ(contentOf(image), std::string(40'000, 'a'));
    EXPECT_EQ(contentOf(movie), "a new file of the same name") << "never overwritten";
    EXPECT_EQ(contentOf(trash() / "files/movie.mkv").size(), 11u * 1024 * 1024);
    EXPECT_FALSE(fs::exists(trash() / "info/tool 1.0.deb.trashinfo")) << "the records of what went back go";
    EXPECT_TRUE(fs::exists(trash() / "info/movie.mkv.trashinfo"));
    EXPECT_EQ(trashListedPlaces(), (std::set<std::string>{other.string(), movie.string()}));

    // Once the place is free again, the next undo takes the rest back, and then there is none.
    fs::remove(movie);
    const CliRun again = runCli({"undo", "--lang", "en"});
    EXPECT_EQ(again.status, 0) << again.out << again.err;
    EXPECT_NE(again.out.find("Put back from the Trash: "), std::string::npos) << again.out;
    EXPECT_EQ(contentOf(movie).size(), 11u * 1024 * 1024);
    EXPECT_EQ(trashListedPlaces(), std::set<std::string>{other.string()}) << "what others trashed stays";
    EXPECT_FALSE(fs::exists(journal()));

    const CliRun nothing = runCli({"undo", "--lang", "en"});
    EXPECT_EQ(nothing.status, 3);
    EXPECT_EQ(nothing.out, "There is no clean to undo.\n");
    const CliRun nothingJson = runCli({"undo", "--json"});
    EXPECT_EQ(nothingJson.status, 3);
    EXPECT_EQ(jsonOf(nothingJson.out)["result"].toString(), "notStarted");
}

TEST_F(UndoCommand, MessagesFollowTheLanguage)
{
    ASSERT_EQ(clean("downloads", {movie}).status, 0);
    write(movie, "new");
    const CliRun turkish = runCli({"undo", "--lang", "tr"});
    EXPECT_EQ(turkish.status, 1);
    EXPECT_EQ(turkish.err, "movie.mkv Çöp Kutusunda kalıyor: eski yerinde artık yeni bir şey var.\n")
        << "item messages go to standard error: " << turkish.out;
    fs::remove(movie);
    ASSERT_EQ(runCli({"undo"}).status, 0);
    EXPECT_EQ(runCli({"undo", "--lang", "tr"}).out, "Geri alınacak bir temizlik yok.\n");
}

TEST_F(UndoCommand, EmptyingTheTrashIsNeverUndoneAndTheCleanBeforeStillIs)
{
    if (!trashCli())
        GTEST_SKIP() << "trash-cli is not installed";
    ASSERT_EQ(clean("downloads", {installer}).status, 0);
    ASSERT_TRUE(fs::exists(journal()));

    const fs::path other = home / "Documents/draft.odt";
    write(other, std::string(20'000, 'o'));
    ASSERT_EQ(sh("trash-put " + shellQuoted(other)).status, 0);
    const CliRun emptied = clean("trash", {trash() / "files/draft.odt"});
    ASSERT_EQ(emptied.status, 0) << emptied.out << emptied.err;
    EXPECT_FALSE(fs::exists(trash() / "files/draft.odt"));

    const CliRun undone = runCli({"undo", "--json"});
    EXPECT_EQ(undone.status, 0) << undone.out << undone.err;
    EXPECT_EQ(jsonOf(undone.out)["restoredItems"].toInt(), 1);
    EXPECT_TRUE(fs::exists(installer)) << "the clean before the permanent deletion";
    EXPECT_FALSE(fs::exists(other));
    EXPECT_TRUE(trashListedPlaces().empty());
    EXPECT_EQ(runCli({"undo"}).status, 3);
}

// A journal's lines, written by hand.
struct JournalLine
{
    std::string category = "downloads";
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0;
    std::string name, original, trashedAs;
};

std::string hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : bytes)
        out += std::string{digits[c >> 4], digits[c & 15]};
    return out;
}

std::string journalText(const std::vector<JournalLine>& lines)
{
    std::string text = "orvelane-undo 1\nid crafted\n";
    for (const JournalLine& line : lines)
        text += "item " + line.category + "\t" + std::to_string(line.device) + "\t" +
                std::to_string(line.inode) + "\t" + std::to_string(line.size) + "\t" + hex(line.name) +
                "\t" + hex(line.original) + "\t" + hex(line.trashedAs) + "\n";
    return text;
}

JournalLine lineFor(const fs::path& entry, const fs::path& original)
{
    struct stat status
    {};
    ::lstat(entry.c_str(), &status);
    return {"downloads",       status.st_dev, status.st_ino, 1000, original.filename().string(),
            original.string(), entry.string()};
}

TEST_F(UndoCommand, AJournalThatIsAFifoOrHugeIsNoJournal)
{
    ASSERT_EQ(clean("downloads", {installer}).status, 0);
    fs::remove(journal());
    ASSERT_EQ(::mkfifo(journal().c_str(), 0600), 0);
    const CliRun fifo = runCli({"undo", "--json"}, 20);
    EXPECT_EQ(fifo.status, 3) << "142 means it hung on the FIFO: " << fifo.out << fifo.err;
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(journal())));
    fs::remove(journal());

    // A valid journal that grows past the limit (sparse: it costs no disk).
    write(journal(), journalText({lineFor(trash() / "files/tool 1.0.deb", installer)}));
    fs::permissions(journal(), fs::perms::owner_read | fs::perms::owner_write);
    fs::resize_file(journal(), 17 * 1024 * 1024);
    const CliRun huge = runCli({"undo", "--json"});
    EXPECT_EQ(huge.status, 3) << huge.out << huge.err;
    EXPECT_FALSE(fs::exists(installer));
    EXPECT_TRUE(fs::exists(trash() / "files/tool 1.0.deb"));

    // The same journal at its true size is read, which shows the two above were refused for
    // what they are.
    write(journal(), journalText({lineFor(trash() / "files/tool 1.0.deb", installer)}));
    EXPECT_EQ(runCli({"undo"}).status, 0);
    EXPECT_TRUE(fs::exists(installer));
}

TEST_F(UndoCommand, CraftedLinesMoveNothingOutsideTheTrashOrTheHome)
{
    ASSERT_EQ(clean("downloads", {installer, image}).status, 0);
    const fs::path elsewhere = placeOutside();
    const fs::path outsider = elsewhere / "files/secret.txt";
    write(outsider, "outside");
    write(elsewhere / "info/secret.txt.trashinfo",
          "[Trash Info]\nPath=" + (home / "secret.txt").string() + "\n");
    // A folder with the shape of a trash inside the home, which is not the Trash.
    const fs::path lookalike = home / "Documents/files/report.pdf";
    write(lookalike, "mine");
    write(home / "Documents/info/report.pdf.trashinfo",
          "[Trash Info]\nPath=" + (home / "report.pdf").string() + "\n");

    // The record of the image names a place outside the home now, as if someone rewrote it.
    write(trash() / "info/Kritä.AppImage.trashinfo",
          "[Trash Info]\nPath=" + (elsewhere / "Kritä.AppImage").string() + "\n");

    const JournalLine real = lineFor(trash() / "files/tool 1.0.deb", installer);
    write(journal(),
          journalText({lineFor(outsider, home / "secret.txt"), lineFor(lookalike, home / "report.pdf"),
                       lineFor(trash() / "files/Kritä.AppImage", image), real, real}));
    const CliRun undone = runCli({"undo", "--json", "--lang", "en"});
    EXPECT_EQ(undone.status, 1) << undone.out << undone.err;
    const QJsonObject result = jsonOf(undone.out);
    EXPECT_EQ(result["restoredItems"].toInt(), 1) << "a line written twice is put back once";
    EXPECT_EQ(result["restored"].toInteger(), 1000);
    const QJsonArray errors = result["errors"].toArray();
    ASSERT_EQ(errors.size(), 4) << undone.out;
    EXPECT_EQ(errors[0].toString(), "secret.txt: The item is not in a Trash folder.");
    EXPECT_EQ(errors[1].toString(), "report.pdf: The item is not in a Trash folder.");
    EXPECT_EQ(errors[2].toString(), "Kritä.AppImage: Its Trash record points outside your home folder.");
    EXPECT_EQ(errors[3].toString(), "tool 1.0.deb: The item is no longer in the Trash.");

    EXPECT_EQ(contentOf(outsider), "outside");
    EXPECT_EQ(contentOf(lookalike), "mine");
    EXPECT_FALSE(fs::exists(home / "secret.txt"));
    EXPECT_FALSE(fs::exists(home / "report.pdf"));
    EXPECT_FALSE(fs::exists(elsewhere / "Kritä.AppImage"));
    EXPECT_TRUE(fs::exists(trash() / "files/Kritä.AppImage"));
    EXPECT_TRUE(fs::exists(installer));
    EXPECT_FALSE(fs::exists(journal())) << "none of what stayed can ever go back";
}

TEST_F(UndoCommand, AnEntryThatIsNotTheOneMovedThereStays)
{
    ASSERT_EQ(clean("downloads", {installer}).status, 0);
    // Someone swaps the trash entry for another file of the same name.
    const fs::path entry = trash() / "files/tool 1.0.deb";
    fs::rename(entry, home / "kept.deb");
    write(entry, "stranger");
    const CliRun undone = runCli({"undo", "--json", "--lang", "en"});
    EXPECT_EQ(undone.status, 1);
    EXPECT_EQ(jsonOf(undone.out)["errors"][0].toString(),
              "tool 1.0.deb: The item in the Trash is not the one that was moved there.");
    EXPECT_FALSE(fs::exists(installer));
    EXPECT_EQ(contentOf(entry), "stranger");
}

TEST_F(UndoCommand, AnItemWhoseRecordNowNamesAnotherPlaceStaysInTheTrash)
{
    // Undo takes an item back to where it came from: a record rewritten since the clean (by
    // whoever can write the Trash) must not send it somewhere else, such as a folder of files
    // that run at login.
    ASSERT_EQ(clean("downloads", {installer, image}).status, 0);
    const fs::path elsewhere = home / ".config/autostart/tool.desktop";
    write(trash() / "info/tool 1.0.deb.trashinfo", "[Trash Info]\nPath=" + elsewhere.string() + "\n");
    const CliRun undone = runCli({"undo", "--json", "--lang", "en"});
    EXPECT_EQ(undone.status, 1) << undone.out << undone.err;
    const QJsonObject result = jsonOf(undone.out);
    EXPECT_EQ(result["restoredItems"].toInt(), 1);
    ASSERT_EQ(result["errors"].toArray().size(), 1) << undone.out;
    EXPECT_TRUE(result["errors"][0].toString().startsWith("tool 1.0.deb: ")) << undone.out;
    EXPECT_FALSE(fs::exists(elsewhere));
    EXPECT_FALSE(fs::exists(installer));
    EXPECT_TRUE(fs::exists(trash() / "files/tool 1.0.deb"));
    EXPECT_TRUE(fs::exists(image));
}

TEST_F(UndoCommand, AFolderOnTheWaySwappedForALinkIsNotFollowedAndAMissingOneIsMadeAgain)
{
    ASSERT_EQ(clean("downloads", {installer, image}).status, 0);

    // ~/Downloads now leads out of the home; after the first undo it is gone altogether.
    const fs::path elsewhere = placeOutside();
    fs::remove_all(home / "Downloads");
    fs::create_symlink(elsewhere, home / "Downloads");
    const CliRun refused = runCli({"undo", "--json", "--lang", "en"});
    EXPECT_EQ(refused.status, 1) << refused.out << refused.err;
    const QJsonObject result = jsonOf(refused.out);
    EXPECT_EQ(result["restoredItems"].toInt(), 0);
    for (const QJsonValue& message : result["errors"].toArray())
        EXPECT_TRUE(message.toString().endsWith(": A folder on the way to its old place is a symbolic link."))
            << refused.out;
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing went through the link";
    EXPECT_TRUE(fs::exists(journal())) << "the items may go back once the link is gone";

    fs::remove(home / "Downloads");
    const CliRun undone = runCli({"undo"});
    EXPECT_EQ(undone.status, 0) << undone.out << undone.err;
    EXPECT_TRUE(fs::is_directory(fs::symlink_status(home / "Downloads")));
    EXPECT_EQ(contentOf(installer), std::string(30'000, 'd'));
    EXPECT_EQ(contentOf(image), std::string(40'000, 'a'));
}

TEST_F(UndoCommand, ANameThatIsNotUtf8ComesBackByteForByte)
{
    const fs::path odd = home / "Downloads/caf\xFF\xFE.deb";
    const fs::path neighbour = home / "Downloads/caf\xFF\xFD.deb";
    write(odd, "odd");
    write(neighbour, "neighbour");
    const CliRun cleaned = clean("downloads", {odd});
    ASSERT_EQ(cleaned.status, 0) << cleaned.out << cleaned.err;
    ASSERT_FALSE(fs::exists(odd));
    EXPECT_TRUE(fs::exists(trash() / "files/caf\xFF\xFE.deb"));
    const CliRun undone = runCli({"undo", "--json"});
    EXPECT_EQ(undone.status, 0) << undone.out << undone.err;
    EXPECT_EQ(contentOf(odd), "odd");
    EXPECT_EQ(contentOf(neighbour), "neighbour");
    EXPECT_TRUE(fs::is_empty(trash() / "files"));
}

// Cleans and undos of several processes at once, and the journal under them.
class UndoStackCommand : public UndoCommand
{
protected:
    // `count` installers Downloads offers at any size, named prefix-n.deb.
    std::vector<fs::path> installers(const std::string& prefix, int count)
    {
        std::vector<fs::path> made;
        for (int i = 0; i < count; ++i) {
            made.push_back(home / "Downloads" / (prefix + "-" + std::to_string(i) + ".deb"));
            write(made.back(), prefix);
        }
        return made;
    }

    // The command line of a clean of these downloads from a saved scan, for a shell.
    static std::string cleanLine(const fs::path& saved, const std::vector<fs::path>& paths)
    {
        std::string line = shellQuoted(ORVELANE_CLI) + " clean --lang en --from " + shellQuoted(saved) + " downloads --";
        for (const fs::path& path : paths)
            line += " " + shellQuoted(path);
        return line;
    }

    static bool allThere(const std::vector<fs::path>& paths)
    {
        return std::all_of(paths.begin(), paths.end(), [](const fs::path& path) { return fs::exists(path); });
    }
    static bool noneThere(const std::vector<fs::path>& paths)
    {
        return std::none_of(paths.begin(), paths.end(), [](const fs::path& path) { return fs::exists(path); });
    }
};

TEST_F(UndoStackCommand, ThreeCleansAreListedAndUndoneInTurnNewestFirst)
{
    for (const fs::path* item : {&installer, &image, &movie})
        ASSERT_EQ(clean("downloads", {*item}).status, 0);
    const CliRun listed = runCli({"undo", "--list", "--lang", "en"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    ASSERT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3) << listed.out;
    EXPECT_TRUE(listed.out.starts_with("Large Downloads — 1 item, 11.5 MB — cleaned ")) << listed.out;
    const QJsonArray cleans = jsonOf(runCli({"undo", "--list", "--json"}).out)["cleans"].toArray();
    ASSERT_EQ(cleans.size(), 3);
    EXPECT_LT(cleans[2]["size"].toInteger(), cleans[1]["size"].toInteger()) << "the installer, cleaned first";
    EXPECT_EQ(cleans[0]["category"].toString(), "downloads");

    const CliRun newest = runCli({"undo"});
    EXPECT_EQ(newest.status, 0) << newest.out << newest.err;
    EXPECT_TRUE(fs::exists(movie));
    EXPECT_FALSE(fs::exists(image) || fs::exists(installer));
    const CliRun rest = runCli({"undo", "--all", "--json"});
    EXPECT_EQ(rest.status, 0) << rest.out << rest.err;
    EXPECT_EQ(jsonOf(rest.out)["restoredItems"].toInt(), 2);
    EXPECT_EQ(contentOf(installer), std::string(30'000, 'd'));
    EXPECT_EQ(contentOf(image), std::string(40'000, 'a'));
    EXPECT_EQ(runCli({"undo", "--list", "--lang", "en"}).out, "There is no clean to undo.\n");
    EXPECT_EQ(runCli({"undo", "--all"}).status, 3);
}

TEST_F(UndoStackCommand, TwoCleansAtOnceEachKeepTheirEntryAndAnUndoRacingThemTakesOneWhole)
{
    const auto left = installers("left", 150), right = installers("right", 150), first = installers("first", 20);
    const fs::path saved = saveScan("downloads");
    ASSERT_EQ(runCli({"clean", "--from", saved.string(), "downloads", first[0].string()}).status, 0);
    std::vector<fs::path> rest(first.begin() + 1, first.end());
    ASSERT_EQ(sh(cleanLine(saved, rest)).status, 0);

    const Shell together = sh(cleanLine(saved, left) + " & " + cleanLine(saved, right) + " & " +
                              shellQuoted(ORVELANE_CLI) + " undo --lang en & wait");
    EXPECT_EQ(together.out.find("No such file"), std::string::npos) << together.out;
    EXPECT_EQ(together.out.find("cannot be undone"), std::string::npos) << together.out;
    // The undo took back one clean whole, whichever was the newest as it began.
    EXPECT_EQ(int(allThere(left)) + int(allThere(right)) + int(allThere(rest)), 1) << together.out;
    EXPECT_EQ(int(noneThere(left)) + int(noneThere(right)) + int(noneThere(rest)), 2) << together.out;
    const QJsonArray cleans = jsonOf(runCli({"undo", "--list", "--json"}).out)["cleans"].toArray();
    EXPECT_EQ(cleans.size(), 3) << "two of the three, and the first clean";

    const CliRun all = runCli({"undo", "--all"});
    EXPECT_EQ(all.status, 0) << all.out << all.err;
    EXPECT_TRUE(allThere(left) && allThere(right) && allThere(first));
    EXPECT_TRUE(fs::is_empty(trash() / "files"));
}

TEST_F(UndoStackCommand, AnItemExcludedAfterTheScanIsKeptAndAnEmptyPathIsNoExclusion)
{
    const fs::path saved = saveScan("downloads");
    EXPECT_EQ(runCli({"exclusions", "add", ""}).status, 2) << "not the working folder";
    EXPECT_EQ(runCli({"exclusions", "list"}).out, "");
    ASSERT_EQ(runCli({"exclusions", "add", installer.string()}).status, 0);

    const CliRun cleaned = runCli({"clean", "--lang", "en", "--from", saved.string(), "downloads",
                                   installer.string(), image.string()});
    EXPECT_EQ(cleaned.status, 1) << cleaned.out << cleaned.err;
    EXPECT_EQ(cleaned.err, "tool 1.0.deb: Excluded by you\n");
    EXPECT_TRUE(cleaned.out.starts_with("Cleaned ")) << cleaned.out;
    EXPECT_EQ(contentOf(installer), std::string(30'000, 'd'));
    EXPECT_FALSE(fs::exists(image));
}

TEST_F(UndoStackCommand, AStateFolderThatCannotBeWrittenIsSaidAndUndoTakesTheCleanBefore)
{
    ASSERT_EQ(clean("downloads", {installer}).status, 0);
    const fs::path state = journal().parent_path();
    TestMounts mounts;
    const bool mounted = TestMounts::available() && mounts.tmpfs(state, "ro");
    if (!mounted) {
        fs::permissions(state, fs::perms::owner_read | fs::perms::owner_exec);
        if (::access(state.c_str(), W_OK) == 0)
            GTEST_SKIP() << "neither a read-only mount nor a read-only folder can be had here";
    }
    const CliRun cleaned = clean("downloads", {image});
    const CliRun text = runCli({"clean", "--lang", "en", "--from", saveScan("downloads").string(), "downloads", movie.string()});
    if (!mounted)
        fs::permissions(state, fs::perms::owner_all);
    EXPECT_EQ(cleaned.status, 1) << cleaned.out << cleaned.err;
    EXPECT_EQ(jsonOf(cleaned.out)["errors"].toArray().size(), 1) << cleaned.out;
    EXPECT_EQ(text.status, 1);
    EXPECT_TRUE(text.err.starts_with("This clean cannot be undone: ")) << text.err;
    EXPECT_FALSE(fs::exists(image) || fs::exists(movie)) << "the clean itself went through";
    if (mounted)
        return; // the journal of the clean before lies under the mount
    EXPECT_EQ(runCli({"undo"}).status, 0);
    EXPECT_TRUE(fs::exists(installer));
    EXPECT_FALSE(fs::exists(image) || fs::exists(movie)) << "never taken for another clean";
}

} // namespace
