// Taking cleans back in the window: undo of its own cleans in turn, and putting one Trash item back.
#include "CleanSession.h"
#include "CleanUndo.h"
#include "UndoJournal.h"
#include "WindowStateTest.h"

#include <QSignalSpy>

#include <fstream>

using namespace orvelane;
using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

// The two things a home trash holds for an item.
fs::path trashEntry(const FakeHome& home, const std::string& name) { return home / ".local/share/Trash/files" / name; }
fs::path trashRecord(const FakeHome& home, const std::string& name)
{
    return home / ".local/share/Trash/info" / (name + ".trashinfo");
}

using RestoreControllerTest = WindowStateTest;

TEST_F(RestoreControllerTest, AnUndoPutsTheCleanBackButNeverOverWhatTookAnItemsPlace)
{
    scanAndWait();
    const std::vector<ScannedItem> chosen = listed(CategoryKind::caches);
    ASSERT_EQ(chosen.size(), 3u);
    EXPECT_FALSE(state.restoring()->canUndo()) << "nothing cleaned yet";
    QSignalSpy undoable(state.restoring(), &RestoreController::canUndoChanged);
    ASSERT_EQ(clean(CategoryKind::caches), CleanResult::completed);
    EXPECT_TRUE(state.restoring()->canUndo());
    EXPECT_EQ(undoable.count(), 1);
    ASSERT_EQ(listed(CategoryKind::trash).size(), 3u);

    // Something new arrives where the second item was.
    const fs::path newcomer = chosen[1].path / "new";
    home.file(fs::relative(newcomer, home.root()), 4'000);

    ASSERT_TRUE(state.successCard()->justCleaned());
    QSignalSpy finished(state.restoring(), &RestoreController::undoFinished);
    state.restoring()->startUndo();
    EXPECT_FALSE(state.successCard()->justCleaned()) << "no success card for a clean being taken back";
    EXPECT_TRUE(state.cleaning()->running()) << "an undo keeps the window busy as a clean does";
    ASSERT_TRUE(finished.wait(60'000));
    EXPECT_EQ(finished.at(0).at(0).value<qml::Outcome::Result>(), qml::Outcome::Completed);
    EXPECT_FALSE(state.cleaning()->running());

    for (const std::size_t back : {0u, 2u}) {
        EXPECT_EQ(fs::file_size(chosen[back].path / "blob"), back == 0 ? 30'000u : 10'000u) << chosen[back].name;
        EXPECT_FALSE(fs::exists(trashRecord(home, chosen[back].path.filename())));
    }
    EXPECT_TRUE(fs::exists(newcomer)) << "what is new stays as it is";
    EXPECT_FALSE(fs::exists(chosen[1].path / "blob")) << "nothing is merged into it";
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.alpha") / "blob"));
    EXPECT_TRUE(fs::exists(trashRecord(home, "com.alpha")));
    EXPECT_EQ(state.cleaning()->errors().join('\n').toStdString(), "com.alpha stays in the Trash: something new is at its old place.");
    EXPECT_EQ(state.cleaning()->totalCleaned(), chosen[1].size) << "what came back was not cleaned after all";
    EXPECT_TRUE(state.cleaning()->errorsFromPutBack()) << "the alert speaks of putting back, not of cleaning";

    // The clean's category and the Trash are scanned again and show where things are now.
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Application Caches"), 2u);
    EXPECT_EQ(log.count(LogLevel::debug, "Rescanning category: Trash"), 2u);
    EXPECT_EQ(listed(CategoryKind::caches).size(), 3u);
    ASSERT_EQ(listed(CategoryKind::trash).size(), 1u);
    EXPECT_EQ(listed(CategoryKind::trash)[0].name, "com.alpha — from ~/Library/Caches");

    // The item that stayed can still go back once its place is free again, and then nothing is left.
    EXPECT_TRUE(state.restoring()->canUndo());
    fs::remove_all(chosen[1].path);
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(state.cleaning()->errors().isEmpty()) << state.cleaning()->errors().join('\n').toStdString();
    EXPECT_EQ(fs::file_size(chosen[1].path / "blob"), 20'000u);
    EXPECT_EQ(state.cleaning()->totalCleaned(), 0);
    EXPECT_TRUE(listed(CategoryKind::trash).empty());
    EXPECT_FALSE(state.restoring()->canUndo());
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted);
    EXPECT_EQ(log.count(LogLevel::warning, "Undo attempted with no clean to undo"), 1u);
}

TEST_F(RestoreControllerTest, UndoWalksBackThroughTheWindowsOwnCleansUntilNoneCanComeBack)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_EQ(clean(CategoryKind::downloads), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    EXPECT_EQ(state.restoring()->undoCategory(), static_cast<int>(CategoryKind::downloads));

    // A clean made meanwhile from the command line is the command line's to undo.
    const CleanSession commandLine(JunkScanner::macLayout());
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    ASSERT_TRUE(commandLine.run(CategoryKind::caches, {beta}, home.root(), {}).undoId);

    // Newest first: the downloads, then the caches, across a scan in between.
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(fs::exists(home / "Downloads/tool.dmg"));
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.gamma")));
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.beta")));
    ASSERT_TRUE(state.restoring()->canUndo());
    EXPECT_EQ(state.restoring()->undoCategory(), static_cast<int>(CategoryKind::caches));
    scanAndWait();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !state.busy(); }, 60'000));
    ASSERT_TRUE(state.restoring()->canUndo()) << "a scan does not end the offer";
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(state.cleaning()->errors().isEmpty()) << state.cleaning()->errors().join('\n').toStdString();
    EXPECT_EQ(fs::file_size(home / "Library/Caches/com.gamma/blob"), 30'000u);
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.beta"))) << "not the window's clean";
    EXPECT_FALSE(state.restoring()->canUndo());
    const auto left = UndoJournal::readStack(UndoJournal::location(home.root()));
    ASSERT_TRUE(left);
    ASSERT_EQ(left->size(), 1u);
    EXPECT_EQ(left->front().entries.at(0).original, beta.path);

    // Once its items have left the Trash, a clean is offered no more: emptied by another tool
    // (seen at the next scan), or deleted for good from the window.
    ASSERT_EQ(clean(CategoryKind::caches, {"com.alpha"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    fs::remove_all(trashEntry(home, "com.alpha"));
    scanAndWait();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !state.restoring()->canUndo(); }, 10'000));
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    ASSERT_EQ(clean(CategoryKind::trash), CleanResult::completed);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !state.restoring()->canUndo(); }, 10'000));
    EXPECT_FALSE(fs::exists(UndoJournal::location(home.root())));
    EXPECT_FALSE(orvelane::undoClean(home.root()).started);
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted);
}

TEST_F(RestoreControllerTest, AnUndoIsRefusedWhileTheWindowIsBusyAndACleanThatMovedNothingAddsNone)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    state.scanning()->scanAll();
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted) << "a scan runs";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));

    // Every chosen item vanished before the clean: nothing went to the Trash, and the clean
    // before is still the one to undo.
    for (const ScannedItem& item : listed(CategoryKind::caches))
        state.selection()->select(item.path, true);
    for (const ScannedItem& item : listed(CategoryKind::caches))
        fs::remove_all(item.path);
    ASSERT_EQ(wait(state.cleaning()->cleanSelected(CategoryKind::caches)), CleanResult::completed);
    EXPECT_EQ(state.cleaning()->errors().size(), 2);
    EXPECT_FALSE(state.cleaning()->errorsFromPutBack());
    ASSERT_TRUE(state.restoring()->canUndo());
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_EQ(fs::file_size(home / "Library/Caches/com.gamma/blob"), 30'000u);
}

TEST_F(RestoreControllerTest, ACleanWhoseJournalCannotBeWrittenSaysItCannotBeUndone)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.beta"}), CleanResult::completed);
    // The journal's place is taken by a folder (as a full or read-only state folder would
    // refuse it, for root too).
    const fs::path journal = UndoJournal::location(home.root());
    fs::rename(journal, journal.parent_path() / "kept");
    fs::create_directory(journal);
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.gamma"));
    ASSERT_EQ(state.cleaning()->errors().size(), 1);
    EXPECT_TRUE(state.cleaning()->errors()[0].startsWith("This clean cannot be undone: ")) << state.cleaning()->errors()[0].toStdString();
    fs::remove(journal);
    fs::rename(journal.parent_path() / "kept", journal);

    // Undo takes back the clean before it, never the one it has no record of.
    state.restoring()->refresh();
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.restoring()->canUndo(); }, 10'000));
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(fs::exists(home / "Library/Caches/com.beta/blob"));
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.gamma"));
}

TEST_F(RestoreControllerTest, PutBackIsOfferedOnlyForTrashItemsWithARecordThatNamesAPlaceInHome)
{
    // Entries the Trash holds besides our own: one without a record, one whose record points
    // outside the home folder (to a place beside it in the test's own folder), one whose record
    // is not a record.
    const fs::path outside = home.root().parent_path() / "put-back-never-lands-here";
    home.file(".local/share/Trash/files/orphan.txt", 3'000);
    home.file(".local/share/Trash/files/elsewhere", 3'000);
    home.folder(".local/share/Trash/info");
    {
        std::ofstream(trashRecord(home, "elsewhere"))
            << "[Trash Info]\nPath=" << outside.native() << "\nDeletionDate=2024-05-01T10:00:00\n";
        std::ofstream(trashRecord(home, "garbled.txt")) << "not a record\n";
    }
    home.file(".local/share/Trash/files/garbled.txt", 3'000);
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    const auto& trash = listed(CategoryKind::trash);
    ASSERT_EQ(trash.size(), 4u);

    const ScannedItem gamma = *named(trash, "com.gamma");
    EXPECT_TRUE(state.restoring()->canPutBack(gamma));
    EXPECT_TRUE(state.restoring()->canPutBack(keyOf(gamma.path)));
    for (const char* name : {"orphan.txt", "elsewhere", "garbled.txt"}) {
        ASSERT_TRUE(named(trash, name)) << name;
        EXPECT_FALSE(state.restoring()->canPutBack(*named(trash, name))) << name;
        EXPECT_FALSE(state.restoring()->canPutBack(keyOf(named(trash, name)->path))) << name;
    }
    const ScannedItem alpha = *named(listed(CategoryKind::caches), "com.alpha");
    EXPECT_FALSE(state.restoring()->canPutBack(alpha)) << "not a Trash item";
    EXPECT_EQ(wait(state.restoring()->putBack(alpha)), CleanResult::notStarted);
    EXPECT_TRUE(fs::exists(alpha.path));
    EXPECT_FALSE(state.restoring()->canPutBack(QStringLiteral("not a key")));

    // Asked all the same, the record that points away is refused and nothing moves.
    const ScannedItem elsewhere = *named(trash, "elsewhere");
    ASSERT_EQ(wait(state.restoring()->putBack(elsewhere)), CleanResult::completed);
    ASSERT_EQ(state.cleaning()->errors().size(), 1);
    EXPECT_EQ(state.cleaning()->errors()[0].toStdString(), "put-back-never-lands-here — from " + outside.parent_path().string() +
                                                              ": Its Trash record points outside your home folder.");
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_TRUE(fs::exists(elsewhere.path));
    EXPECT_TRUE(state.cleaning()->errorsFromPutBack());

    // Ours goes back, its record goes, and both lists show it where it is now.
    state.selection()->select(gamma.path, true);
    QSignalSpy finished(state.restoring(), &RestoreController::putBackFinished);
    state.restoring()->startPutBack(keyOf(gamma.path));
    ASSERT_TRUE(finished.wait(60'000));
    EXPECT_EQ(finished.at(0).at(0).value<qml::Outcome::Result>(), qml::Outcome::Completed);
    EXPECT_TRUE(state.cleaning()->errors().isEmpty()) << state.cleaning()->errors().join('\n').toStdString();
    EXPECT_EQ(fs::file_size(home / "Library/Caches/com.gamma/blob"), 30'000u);
    EXPECT_FALSE(fs::exists(gamma.path));
    EXPECT_FALSE(fs::exists(trashRecord(home, "com.gamma")));
    EXPECT_TRUE(lists(listed(CategoryKind::caches), home / "Library/Caches/com.gamma"));
    EXPECT_FALSE(lists(listed(CategoryKind::trash), gamma.path));
    EXPECT_FALSE(state.selection()->paths().contains(gamma.path));

    // The messages of a clean that follows are a clean's again.
    ASSERT_EQ(wait(state.restoring()->putBack(elsewhere)), CleanResult::completed);
    ASSERT_TRUE(state.cleaning()->errorsFromPutBack());
    const ScannedItem beta = *named(listed(CategoryKind::caches), "com.beta");
    state.selection()->select(beta.path, true);
    fs::remove_all(beta.path);
    ASSERT_EQ(wait(state.cleaning()->cleanSelected(CategoryKind::caches)), CleanResult::completed);
    ASSERT_EQ(state.cleaning()->errors().size(), 1);
    EXPECT_FALSE(state.cleaning()->errorsFromPutBack());
}

} // namespace
