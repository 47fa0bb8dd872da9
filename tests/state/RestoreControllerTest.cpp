// Taking a clean back in the window: undo of its last clean, and putting one Trash item back.
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

TEST_F(RestoreControllerTest, TheWindowUndoesOnlyItsLastCleanAndNothingAfterAScanOrAPermanentDeletion)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    ASSERT_EQ(clean(CategoryKind::downloads), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());

    // Only the downloads come back: an undo never reaches past the last clean.
    ASSERT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::completed);
    EXPECT_TRUE(fs::exists(home / "Downloads/tool.dmg"));
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.gamma"));
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.gamma")));
    EXPECT_FALSE(state.restoring()->canUndo());

    // A scan ends the window's offer at once; the journal stays for the command line.
    ASSERT_EQ(clean(CategoryKind::caches, {"com.beta"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    state.scanning()->scanAll();
    EXPECT_FALSE(state.restoring()->canUndo());
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted);
    EXPECT_TRUE(fs::exists(trashEntry(home, "com.beta")));
    const auto journal = UndoJournal::read(UndoJournal::location(home.root()));
    ASSERT_TRUE(journal);
    ASSERT_EQ(journal->entries.size(), 1u);
    EXPECT_EQ(journal->entries[0].original, home / "Library/Caches/com.beta");

    // Deleting from the Trash for good leaves nothing to undo, for the window or anyone else.
    ASSERT_EQ(clean(CategoryKind::caches, {"com.alpha"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    ASSERT_EQ(clean(CategoryKind::trash), CleanResult::completed);
    EXPECT_FALSE(state.restoring()->canUndo());
    EXPECT_FALSE(fs::exists(UndoJournal::location(home.root())));
    EXPECT_FALSE(orvelane::undoLastClean(home.root()).started);
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted);
    EXPECT_FALSE(fs::exists(home / "Library/Caches/com.alpha"));
}

TEST_F(RestoreControllerTest, AnUndoIsRefusedWhileTheWindowIsBusyAndAFailedCleanOffersNone)
{
    scanAndWait();
    ASSERT_EQ(clean(CategoryKind::caches, {"com.gamma"}), CleanResult::completed);
    ASSERT_TRUE(state.restoring()->canUndo());
    state.scanning()->scanAll();
    EXPECT_EQ(wait(state.restoring()->undoLastClean()), CleanResult::notStarted) << "a scan runs";
    ASSERT_TRUE(QTest::qWaitFor([this] { return state.scanning()->scanningKinds().empty(); }, 60'000));

    // Every chosen item vanished before the clean: nothing went to the Trash, nothing to undo,
    // and the previous clean's journal is gone with the offer.
    for (const ScannedItem& item : listed(CategoryKind::caches))
        state.selection()->select(item.path, true);
    for (const ScannedItem& item : listed(CategoryKind::caches))
        fs::remove_all(item.path);
    ASSERT_EQ(wait(state.cleaning()->cleanSelected(CategoryKind::caches)), CleanResult::completed);
    EXPECT_EQ(state.cleaning()->errors().size(), 2);
    EXPECT_FALSE(state.restoring()->canUndo());
    EXPECT_FALSE(state.cleaning()->errorsFromPutBack());
    EXPECT_FALSE(UndoJournal::read(UndoJournal::location(home.root())));
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
