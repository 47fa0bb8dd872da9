// `orvelane-cli restore` through the real binary: what trash-cli trashed goes back where its
// record says, records naming places outside the home folder (or reached through a link) are
// refused with nothing moved, and whatever the record or the entry is, nothing outside the
// chosen item changes.
#include "CliRun.h"
#include "FakeHome.h"
#include "ShellTools.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

class RestoreCommand : public ::testing::Test
{
protected:
    fs::path trash() const { return home / ".local/share/Trash"; }

    // An entry in the home Trash with a record written by hand.
    fs::path trashed(const std::string& name, const std::string& content, const std::string& pathValue) const
    {
        write(trash() / "files" / name, content);
        write(trash() / "info" / (name + ".trashinfo"),
              "[Trash Info]\nPath=" + pathValue + "\nDeletionDate=2026-01-02T03:04:05\n");
        return trash() / "files" / name;
    }

    CliRun restore(const std::vector<fs::path>& entries, bool json = true)
    {
        std::vector<std::string> args{"restore", "--lang", "en"};
        if (json)
            args.push_back("--json");
        args.push_back("--");
        for (const fs::path& entry : entries)
            args.push_back(entry.string());
        return runCli(args, 20);
    }

    /// A folder outside the home, beside it in the test's own temporary folder.
    fs::path placeOutside() const
    {
        const fs::path place = home.top() / "elsewhere";
        fs::create_directories(place);
        return place;
    }

    FakeHome home{"home"};
};

TEST_F(RestoreCommand, AnItemTrashCliTrashedGoesBackAndTrashListForgetsIt)
{
    if (!onPath("trash-put") || !onPath("trash-list"))
        GTEST_SKIP() << "trash-cli is not installed";
    const fs::path report = home / "Documents/Q3 report ü%.pdf";
    const fs::path folder = home / "Projects/old site";
    write(report, "numbers");
    write(folder / "index.html", "<html>");
    ASSERT_EQ(sh("trash-put " + shellQuoted(report) + " " + shellQuoted(folder)).status, 0);
    ASSERT_FALSE(fs::exists(report));
    fs::remove(folder.parent_path()); // its folder is gone too: put back makes it again

    const CliRun run = restore({trash() / "files/Q3 report ü%.pdf", trash() / "files/old site"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    const QJsonObject result = jsonOf(run.out);
    EXPECT_EQ(result["result"].toString(), "completed");
    ASSERT_EQ(result["restored"].toArray().size(), 2) << run.out;
    EXPECT_EQ(result["restored"][0]["path"].toString().toStdString(), report.string());
    EXPECT_EQ(result["restored"][1]["path"].toString().toStdString(), folder.string());
    EXPECT_EQ(contentOf(report), "numbers");
    EXPECT_EQ(contentOf(folder / "index.html"), "<html>");
    EXPECT_TRUE(trashListedPlaces().empty());
    EXPECT_TRUE(fs::is_empty(trash() / "info"));
}

TEST_F(RestoreCommand, RecordsNamingAPlaceOutsideTheHomeAreRefusedAndNothingMoves)
{
    const fs::path elsewhere = placeOutside();
    const fs::path away = elsewhere / "planted";
    std::string encoded; // every byte of the place percent-encoded, as a record may be written
    for (const unsigned char c : away.string()) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%%%02X", c);
        encoded += byte;
    }
    const std::vector<fs::path> entries{
        trashed("absolute", "a", away.string()),
        trashed("encoded", "b", encoded),
        // Relative places count from the folder the Trash is in, ~/.local/share: up and out.
        trashed("climbing", "c", "../../../" + fs::relative(away, home.root().parent_path()).string()),
        trashed("into-trash", "d", (trash() / "files/absolute").string()),
        trashed("root", "e", "/"),
    };
    const CliRun run = restore(entries);
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    const QJsonObject result = jsonOf(run.out);
    EXPECT_TRUE(result["restored"].toArray().isEmpty()) << run.out;
    const QJsonArray errors = result["errors"].toArray();
    ASSERT_EQ(errors.size(), 5) << run.out;
    EXPECT_TRUE(errors.contains("climbing: The item has no Trash record that can be read."))
        << "\"..\" is refused";
    for (const char* name : {"absolute", "encoded", "root"})
        EXPECT_TRUE(errors.contains(QString::fromStdString(
            std::string(name) + ": Its Trash record points outside your home folder.")))
            << name << ": " << run.out;
    EXPECT_TRUE(errors.contains("into-trash: Its Trash record points into a Trash or into Orvelane's own records."))
        << run.out;
    for (const fs::path& entry : entries) {
        EXPECT_TRUE(fs::exists(entry)) << entry;
        EXPECT_TRUE(fs::exists(trash() / "info" / (entry.filename().string() + ".trashinfo")));
    }
    EXPECT_FALSE(fs::exists(away));
    EXPECT_TRUE(fs::is_empty(elsewhere)) << "nothing arrived there";
}

TEST_F(RestoreCommand, AHomeReachedThroughALinkKeepsItsTrashAndRecordsClosedToPutBack)
{
    // The home as the user's session spells it: through a link. Records spelled through the
    // link must meet the same refusals as records spelling the real folders.
    const fs::path linked = home.top() / "linked-home";
    fs::create_directory_symlink(home.root(), linked);
    ::setenv("HOME", linked.c_str(), 1); // FakeHome puts it back; the XDG folders stay spelled as they are
    write(home / ".local/state/orvelane/last-clean", "orvelane-undo 2\n");
    const std::vector<fs::path> entries{
        trashed("into-files", "a", (linked / ".local/share/Trash/files/planted").string()),
        trashed("into-info", "b", (linked / ".local/share/Trash/info/planted.trashinfo").string()),
        trashed("into-journal", "c", (linked / ".local/state/orvelane/last-clean").string()),
    };
    // Entries named as they really are (as a scan lists them), and one through the link.
    const CliRun run = restore({entries[0], entries[1], linked / fs::relative(entries[2], home.root())});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    const QJsonObject result = jsonOf(run.out);
    EXPECT_TRUE(result["restored"].toArray().isEmpty()) << run.out;
    for (const char* name : {"into-files", "into-info", "into-journal"})
        EXPECT_TRUE(result["errors"].toArray().contains(QString::fromStdString(
            std::string(name) + ": Its Trash record points into a Trash or into Orvelane's own records.")))
            << name << ": " << run.out;
    for (const fs::path& entry : entries)
        EXPECT_TRUE(fs::exists(entry)) << entry;
    EXPECT_FALSE(fs::exists(trash() / "files/planted"));
    EXPECT_FALSE(fs::exists(trash() / "info/planted.trashinfo"));
    EXPECT_EQ(contentOf(home / ".local/state/orvelane/last-clean"), "orvelane-undo 2\n");

    // The same home through the link is still a home things go back to.
    const fs::path ordinary = trashed("notes.txt", "mine", (linked / "Documents/notes.txt").string());
    const CliRun back = restore({linked / fs::relative(ordinary, home.root())});
    EXPECT_EQ(back.status, 0) << back.out << back.err;
    EXPECT_EQ(contentOf(home / "Documents/notes.txt"), "mine");
}

TEST_F(RestoreCommand, RelativeAndPercentEncodedPlacesGoBackByteForByte)
{
    // From ~/.local/share, the folder the home Trash is in; one name that is not valid UTF-8.
    const std::string odd = "caf\xC3\xA9 \xFF\xFE.txt";
    const fs::path entry = trashed("cafe", "relative", "notes/caf%C3%A9%20%ff%FE.txt");
    const fs::path other = trashed("other", "absolute", (home.root() / "My%20Docs/a%25b").string());
    const CliRun run = restore({entry, other}, false);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(contentOf(home / ".local/share/notes" / odd), "relative");
    EXPECT_EQ(contentOf(home / "My Docs/a%b"), "absolute");
    EXPECT_NE(run.out.find("Put back: "), std::string::npos) << run.out;

    const fs::path broken = trashed("broken", "x", "%G1notes");
    const CliRun refused = restore({broken}, false);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "broken: The item has no Trash record that can be read.\n") << "messages go to standard error";
    EXPECT_TRUE(fs::exists(broken));
}

TEST_F(RestoreCommand, ALinkInTheTrashGoesBackAsTheLinkAndItsTargetIsUntouched)
{
    const fs::path target = home / "Documents/kept.txt";
    write(target, "the target");
    fs::create_directories(trash() / "files");
    fs::create_symlink(target, trash() / "files/shortcut");
    write(trash() / "info/shortcut.trashinfo",
          "[Trash Info]\nPath=" + (home.root() / "Desktop/shortcut").string() + "\n");

    const CliRun run = restore({trash() / "files/shortcut"});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(fs::is_symlink(home / "Desktop/shortcut"));
    EXPECT_EQ(fs::read_symlink(home / "Desktop/shortcut"), target);
    EXPECT_EQ(contentOf(target), "the target");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
}

TEST_F(RestoreCommand, AFolderOnTheWayThatIsALinkElsewhereIsNeverFollowed)
{
    const fs::path elsewhere = placeOutside();
    fs::create_symlink(elsewhere, home / "Documents"); // ~/Documents leads out of the home
    fs::create_directories(home / "Projects");
    fs::create_symlink(home / "Projects", home / "Work"); // and ~/Work to a folder inside it
    const fs::path entry = trashed("plan.txt", "plan", (home.root() / "Documents/plan.txt").string());
    const fs::path inside = trashed("todo.txt", "todo", (home.root() / "Work/todo.txt").string());

    const CliRun run = restore({entry, inside});
    EXPECT_EQ(run.status, 1) << run.out << run.err;
    const QJsonArray errors = jsonOf(run.out)["errors"].toArray();
    ASSERT_EQ(errors.size(), 2) << run.out;
    EXPECT_EQ(errors[0].toString(), "plan.txt: A folder on the way to its old place is a symbolic link.");
    EXPECT_EQ(errors[1].toString(), "todo.txt: A folder on the way to its old place is a symbolic link.");
    EXPECT_FALSE(fs::exists(elsewhere / "plan.txt"));
    EXPECT_FALSE(fs::exists(home / "Projects/todo.txt"));
    EXPECT_EQ(contentOf(entry), "plan");
    EXPECT_EQ(contentOf(inside), "todo");
}

TEST_F(RestoreCommand, WhatIsNotATrashEntryWithASmallRegularRecordStaysWhereItIs)
{
    // A folder shaped like a trash that is not the Trash, and an entry whose record is a FIFO.
    write(home / "Downloads/files/setup.deb", "mine");
    write(home / "Downloads/info/setup.deb.trashinfo",
          "[Trash Info]\nPath=" + (home.root() / "setup.deb").string() + "\n");
    write(trash() / "files/piped", "p");
    fs::create_directories(trash() / "info");
    ASSERT_EQ(::mkfifo((trash() / "info/piped.trashinfo").c_str(), 0600), 0);
    const fs::path taken = trashed("taken.txt", "old", (home.root() / "taken.txt").string());
    write(home / "taken.txt", "new");
    write(trash() / "files/oversized", "o");
    write(trash() / "info/oversized.trashinfo", "[Trash Info]\nPath=" + (home.root() / "oversized").string() +
                                                    "\n#" + std::string(70'000, 'x') + "\n");

    const CliRun run = restore({home / "Downloads/files/setup.deb", trash() / "files/piped", taken,
                                trash() / "files/oversized", home / "Downloads/nothing-here"});
    EXPECT_EQ(run.status, 1) << "status 142 means it hung: " << run.out << run.err;
    const QJsonArray errors = jsonOf(run.out)["errors"].toArray();
    ASSERT_EQ(errors.size(), 5) << run.out;
    EXPECT_EQ(errors[0].toString(), "setup.deb: The item is not in a Trash folder.");
    EXPECT_EQ(errors[1].toString(), "piped: The item has no Trash record that can be read.");
    EXPECT_EQ(errors[2].toString(), "taken.txt stays in the Trash: something new is at its old place.");
    EXPECT_EQ(errors[3].toString(), "oversized: The item has no Trash record that can be read.");
    EXPECT_EQ(errors[4].toString(), "nothing-here: The item is not in a Trash folder.");
    EXPECT_EQ(contentOf(home / "Downloads/files/setup.deb"), "mine");
    EXPECT_FALSE(fs::exists(home / "setup.deb"));
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(trash() / "info/piped.trashinfo")));
    EXPECT_EQ(contentOf(home / "taken.txt"), "new");
    EXPECT_EQ(contentOf(taken), "old");
    EXPECT_FALSE(fs::exists(home / "oversized"));
}

} // namespace
