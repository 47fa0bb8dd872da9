// The journal of the last clean: byte-exact paths, written private and in one rename, and read
// only when it is the user's own small regular file in which every line parses.

#include "FakeHome.h"
#include "UndoJournal.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

class UndoJournalTest : public ::testing::Test
{
protected:
    static UndoRecord sample()
    {
        return {"1700000000-42-7",
                {
                    {CategoryKind::downloads, "caf\xE9\t#1\nx.log", "/home/u/Downloads/caf\xE9\t#1\nx.log", "/home/u/.local/share/Trash/files/caf\xE9\t#1\nx.log",
                     64769, 1234567, 4096},
                    {CategoryKind::devArtifacts, "~/Projects/app/node_modules", "/home/u/Projects/app/node_modules", "/home/u/.local/share/Trash/files/node_modules 2",
                     18446744073709551615ULL, 9007199254740993ULL, 9223372036854775807LL},
                    {CategoryKind::caches, "İstanbul", "/home/u/.cache/İstanbul", "/vol/.Trash-1000/files/İstanbul", 1, 2, 0},
                }};
    }

    static struct stat statusOf(const fs::path& path)
    {
        struct stat status{};
        ::lstat(path.c_str(), &status);
        return status;
    }

    FakeHome fake{"home"};
    const fs::path journal = fake.journal();
};

TEST_F(UndoJournalTest, ARecordComesBackByteForByte)
{
    EXPECT_EQ(UndoJournal::location(fake.home()), journal);
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt) << "no journal yet";
    const UndoRecord record = sample();
    ASSERT_EQ(UndoJournal::write(journal, record), std::nullopt);
    EXPECT_EQ(UndoJournal::read(journal), record);

    // Tabs and line feeds in names cannot break the lines: every path travels as hex.
    const std::string text = readFile(journal);
    EXPECT_EQ(text.find("caf"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);

    // A new clean's record replaces the old one whole.
    const UndoRecord next{"next", {{CategoryKind::logs, "a", "/home/u/Library/Logs/a", "/t/files/a", 1, 2, 3}}};
    ASSERT_EQ(UndoJournal::write(journal, next), std::nullopt);
    EXPECT_EQ(UndoJournal::read(journal), next);
    ASSERT_EQ(UndoJournal::clear(journal), std::nullopt);
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);
    EXPECT_EQ(UndoJournal::clear(journal), std::nullopt) << "clearing no journal is no failure";
}

TEST_F(UndoJournalTest, ItIsWrittenPrivateInOneRenameAndNeverThroughALink)
{
    ASSERT_EQ(UndoJournal::write(journal, sample()), std::nullopt);
    EXPECT_EQ(statusOf(journal).st_mode & 07777, 0600u);
    EXPECT_EQ(statusOf(journal.parent_path()).st_mode & 07777, 0700u);
    EXPECT_EQ(entries(journal.parent_path()), std::vector<std::string>{"last-clean"}) << "no temporary file left";

    // A link put at the journal's name is replaced, not written through.
    const fs::path victim = fake.top() / "victim.txt";
    writeFile(victim, "precious");
    fs::remove(journal);
    fs::create_symlink(victim, journal);
    ASSERT_EQ(UndoJournal::write(journal, sample()), std::nullopt);
    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(journal)));

    // The journal's own folder as a link to elsewhere: nothing is written there.
    fs::remove_all(journal.parent_path());
    fs::create_directories(fake.top() / "elsewhere");
    fs::create_directory_symlink(fake.top() / "elsewhere", journal.parent_path());
    EXPECT_NE(UndoJournal::write(journal, sample()), std::nullopt);
    EXPECT_TRUE(entries(fake.top() / "elsewhere").empty());
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);
}

TEST_F(UndoJournalTest, AJournalThatCannotBeWrittenWholeLeavesTheLastOneAsItWas)
{
    const auto volume = fake.mountVolume("state", "size=256k");
    if (!volume)
        GTEST_SKIP() << "cannot mount a private tmpfs here";
    const fs::path file = *volume / "orvelane/last-clean";
    const UndoRecord first = sample();
    ASSERT_EQ(UndoJournal::write(file, first), std::nullopt);

    UndoRecord huge{"huge", {}};
    for (int i = 0; i < 4000; ++i)
        huge.entries.push_back({CategoryKind::caches, "c", "/home/u/.cache/" + std::string(40, 'c') + std::to_string(i),
                                "/home/u/.local/share/Trash/files/" + std::to_string(i), 1, 2, 3});
    EXPECT_EQ(UndoJournal::write(file, huge), "No space left on device");
    EXPECT_EQ(UndoJournal::read(file), first);
    EXPECT_EQ(entries(file.parent_path()), std::vector<std::string>{"last-clean"});
}

TEST_F(UndoJournalTest, OnlyTheUsersOwnSmallRegularFileWhoseEveryLineParsesIsRead)
{
    const std::string good = UndoJournal::text(sample());
    ASSERT_TRUE(UndoJournal::parse(good));
    const std::string item = "item downloads\t1\t2\t3\t61\t2f61\t2f62\n";
    const std::vector<std::pair<std::string, std::string>> broken{
        {"cut off", good.substr(0, good.size() - 1)},
        {"another format", "orvelane-undo 2\nid x\n"},
        {"no id", "orvelane-undo 1\n"},
        {"empty id", "orvelane-undo 1\nid \n"},
        {"unknown category", "orvelane-undo 1\nid x\nitem Downloads\t1\t2\t3\t61\t2f61\t2f62\n"},
        {"relative path", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t3\t61\t61\t2f62\n"},
        {"odd hex", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t3\t61\t2f6\t2f62\n"},
        {"a name that is not hex", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t3\tzz\t2f61\t2f62\n"},
        {"NUL in a path", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t3\t61\t2f0061\t2f62\n"},
        {"negative size", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t-3\t61\t2f61\t2f62\n"},
        {"too many fields", "orvelane-undo 1\nid x\nitem downloads\t1\t2\t3\t61\t2f61\t2f62\t2f63\n"},
        {"not a number", "orvelane-undo 1\nid x\nitem downloads\t1\t2x\t3\t61\t2f61\t2f62\n"},
        {"a stray line", "orvelane-undo 1\nid x\n" + item + "\n"},
    };
    for (const auto& [name, text] : broken) {
        EXPECT_EQ(UndoJournal::parse(text), std::nullopt) << name;
        writeFile(journal, text);
        EXPECT_EQ(UndoJournal::read(journal), std::nullopt) << name;
    }
    EXPECT_TRUE(UndoJournal::parse("orvelane-undo 1\nid x\n" + item));

    // Larger than any clean writes, though every line is fine.
    std::string huge = "orvelane-undo 1\nid x\n";
    while (huge.size() <= UndoJournal::kMaxBytes)
        huge += item;
    writeFile(journal, huge);
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);

    // A FIFO must neither block nor count; a link may show anybody's file.
    fs::remove(journal);
    ASSERT_EQ(::mkfifo(journal.c_str(), 0600), 0);
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);
    fs::remove(journal);
    writeFile(fake.top() / "planted", good);
    fs::create_symlink(fake.top() / "planted", journal);
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);

    // Somebody else's file in the state folder is not this user's last clean.
    fs::remove(journal);
    writeFile(journal, good);
    ASSERT_TRUE(UndoJournal::read(journal));
    if (::lchown(journal.c_str(), kNobody, kNobody) != 0)
        GTEST_SKIP() << "cannot give a file away here";
    EXPECT_EQ(UndoJournal::read(journal), std::nullopt);
}

} // namespace
} // namespace orvelane
