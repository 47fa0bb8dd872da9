#include "PutBack.h"

#include "DisplayText.h"
#include "ExclusiveRename.h"
#include "FileSystem.h"
#include "Logger.h"
#include "ParentFolder.h"
#include "PathResolution.h"
#include "PathText.h"
#include "PlainPath.h"
#include "RaceWindow.h"
#include "RemovalResult.h"
#include "TrashDirectory.h"
#include "TrashInfoRecord.h"
#include "TrashLocation.h"
#include "UndoJournal.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane::PutBack {
namespace {

// Texts of the failures only a put-back meets; the ones shared with removal read as there.
constexpr const char* kNotInTrash = DISPLAY_TEXT("The item is not in a Trash folder.");
constexpr const char* kNoRecord = DISPLAY_TEXT("The item has no Trash record that can be read.");
constexpr const char* kOutsideHome = DISPLAY_TEXT("Its Trash record points outside your home folder.");
constexpr const char* kForbiddenPlace = DISPLAY_TEXT("Its Trash record points into a Trash or into Orvelane's own records.");
constexpr const char* kGone = DISPLAY_TEXT("The item is no longer in the Trash.");
constexpr const char* kEntryChanged = DISPLAY_TEXT("The item in the Trash is not the one that was moved there.");
constexpr const char* kPlaceTaken = DISPLAY_TEXT("Something new is at its old place.");
constexpr const char* kLinkOnWay = DISPLAY_TEXT("A folder on the way to its old place is a symbolic link.");
constexpr const char* kOtherVolume = DISPLAY_TEXT("Its old place is on another volume than the Trash.");

Result refused(const char* text, std::filesystem::path original = {})
{
    return {localizedText(text), false, std::move(original)};
}

// Refusals that no later attempt can overcome.
Result lost(const char* text, std::filesystem::path original = {})
{
    return {localizedText(text), false, std::move(original), true};
}

Result failedWith(std::string text, std::filesystem::path original)
{
    return {std::move(text), false, std::move(original)};
}

Result taken(std::filesystem::path original)
{
    return {localizedText(kPlaceTaken), true, std::move(original)};
}

bool sameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The folder an item's old place is trusted from: the home folder as written, or as it really
// is when the record names the real place of a home reached through a link.
std::optional<std::filesystem::path> trustedHomeFor(const std::filesystem::path& original,
                                                    const std::filesystem::path& home)
{
    if (isStrictlyBelow(original, home))
        return home;
    const auto realHome = resolvingLinks(home);
    if (realHome && isStrictlyBelow(original, *realHome))
        return *realHome;
    return std::nullopt;
}

// Two spellings of one folder: the same plain path, or the same place once links are resolved.
bool sameFolder(const std::filesystem::path& a, const std::filesystem::path& b)
{
    if (plainPath(a) == plainPath(b))
        return true;
    const auto realA = resolvingLinks(a);
    const auto realB = resolvingLinks(b);
    return realA && realB && plainPath(*realA) == plainPath(*realB);
}

// The place an item was moved from and the place its record names, which may be spelled
// differently when the record counts from a volume's top reached through a link.
bool samePlace(const std::filesystem::path& a, const std::filesystem::path& b)
{
    const auto plainA = plainPath(a);
    const auto plainB = plainPath(b);
    if (!plainA || !plainB)
        return false;
    return *plainA == *plainB ||
           (plainA->filename() == plainB->filename() && sameFolder(plainA->parent_path(), plainB->parent_path()));
}

// Compared where both really lie: a place spelled through a linked home, or through any link,
// is the place it leads to.
bool isInside(const std::filesystem::path& place, const std::filesystem::path& folder)
{
    if (isSameOrBelow(place, folder))
        return true;
    const auto realFolder = resolvingLinks(folder);
    const auto realPlace = resolvingLinks(place);
    return realFolder && (isSameOrBelow(place, *realFolder) || (realPlace && isSameOrBelow(*realPlace, *realFolder)));
}

// Places an item is never put back to, whatever its record says: inside a trash (a record
// naming one would plant an entry without a record, or a record of our making) and inside
// our own state folder (the undo journal).
bool isForbiddenPlace(const std::filesystem::path& place, const std::filesystem::path& trash,
                      const std::filesystem::path& home)
{
    return isInside(place, trash) || isInside(place, trashRootFolder(home)) ||
           isInside(place, UndoJournal::location(home).parent_path());
}

// The entry is the one that was moved there: by device and inode, or, on a volume attached
// again under another device number, by inode, modification time and length.
bool isExpectedEntry(const struct stat& entry, const PutBack::ExpectedEntry& expected)
{
    if (expected.inode && *expected.inode != static_cast<std::uint64_t>(entry.st_ino))
        return false;
    if (!expected.device || *expected.device == static_cast<std::uint64_t>(entry.st_dev))
        return true;
    const std::int64_t modified = static_cast<std::int64_t>(entry.st_mtim.tv_sec) * 1'000'000'000 + entry.st_mtim.tv_nsec;
    return expected.inode && expected.modifiedNs != 0 && expected.modifiedNs == modified &&
           expected.length == static_cast<std::int64_t>(entry.st_size);
}

// An entry, its opened trash and what its record says, as far as they can be checked without
// changing anything.
struct Located
{
    TrashDirectory trash;
    std::string name;
    struct stat entry{};
    TrashInfoRecord::Record record;
    std::filesystem::path original;
    std::filesystem::path trustedHome;
};

std::optional<Result> locate(const std::filesystem::path& entry, const std::filesystem::path& home,
                             Located& found)
{
    const auto plain = plainPath(entry);
    if (!plain || !plain->has_parent_path() || plain->parent_path().filename() != "files" ||
        plain->parent_path().parent_path() == "/")
        return lost(kNotInTrash);
    found.name = plain->filename().native();
    const std::filesystem::path root = plain->parent_path().parent_path();
    found.trash = TrashDirectory::existing(root);
    if (!found.trash.isOpen())
        return lost(kNotInTrash);
    // Any folder with files/ and info/ inside has the shape of a trash; only the desktop's home
    // trash and the volumes' trashes are ones.
    if (!found.trash.volumeTop() && !sameFolder(root, trashRootFolder(home)))
        return lost(kNotInTrash);
    if (::fstatat(found.trash.filesFd(), found.name.c_str(), &found.entry, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? lost(kGone) : failedWith(FileSystem::describeError(errno), {});

    found.record = TrashInfoRecord::read(found.trash.infoFd(), found.name + std::string(TrashInfoRecord::extension));
    const auto recorded = found.record.text ? TrashInfoRecord::originalPath(*found.record.text) : std::nullopt;
    if (!recorded)
        return lost(kNoRecord);
    // Relative places count from the volume's top, or for the home trash from the folder it is in.
    std::filesystem::path place(*recorded);
    if (!place.is_absolute())
        place = found.trash.volumeTop().value_or(root.parent_path()) / place;
    const auto plainPlace = plainPath(place);
    if (!plainPlace)
        return lost(kNoRecord);
    found.original = *plainPlace;
    const auto trusted = trustedHomeFor(found.original, home);
    if (!trusted)
        return lost(kOutsideHome, found.original);
    if (isForbiddenPlace(found.original, root, home))
        return lost(kForbiddenPlace, found.original);
    found.trustedHome = *trusted;
    return std::nullopt;
}

Result parentFailure(const std::string& failure, const std::filesystem::path& original)
{
    if (failure == RemovalFailure::linkOnPath)
        return refused(kLinkOnWay, original);
    if (failure == RemovalFailure::vanished) // a file where a folder of the old path was
        return taken(original);
    return failedWith(failure, original);
}

// The record goes once the item is back, if it is still the record that was read.
void removeRecord(const Located& found)
{
    const std::string recordName = found.name + std::string(TrashInfoRecord::extension);
    struct stat now{};
    if (::fstatat(found.trash.infoFd(), recordName.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameObject(now, found.record.status) || ::unlinkat(found.trash.infoFd(), recordName.c_str(), 0) != 0)
        Logger::warning("Put back, but its trash record stayed: " + displayText(found.name));
}

} // namespace

Result originalPlace(const std::filesystem::path& entry, const std::filesystem::path& home)
{
    Located found;
    if (auto refusal = locate(entry, home, found))
        return std::move(*refusal);
    return {std::nullopt, false, found.original};
}

Result putBack(const std::filesystem::path& entry, const ExpectedEntry& expected, const std::filesystem::path& home)
{
    Located found;
    if (auto refusal = locate(entry, home, found))
        return std::move(*refusal);
    const std::filesystem::path& original = found.original;
    if (!isExpectedEntry(found.entry, expected) || (expected.original && !samePlace(*expected.original, original)))
        return lost(kEntryChanged, original);

    ParentFolder place = ParentFolder::open(original, found.trustedHome, true);
    if (!place.isOpen())
        return parentFailure(*place.failure(), original);
    const auto giveUp = [&place](Result result) {
        place.removeCreatedFolders();
        return result;
    };
    const char* oldName = place.name().c_str();
    struct stat there{};
    if (::fstatat(place.fd(), oldName, &there, AT_SYMLINK_NOFOLLOW) == 0)
        return giveUp(taken(original));

    struct stat now{};
    if (::fstatat(found.trash.filesFd(), found.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0)
        return giveUp(lost(kGone, original));
    if (!sameObject(now, found.entry))
        return giveUp(lost(kEntryChanged, original));
    if (auto moved = place.confirm())
        return giveUp(parentFailure(*moved, original));

    RaceWindow::reach(RaceWindow::Moment::beforeRenameOutOfTrash);
    const int error = renameWithoutReplacing(found.trash.filesFd(), found.name.c_str(), place.fd(), oldName);
    if (error == EEXIST || error == ENOTEMPTY)
        return giveUp(taken(original));
    if (error == EXDEV)
        return giveUp(refused(kOtherVolume, original));
    if (error != 0)
        return giveUp(failedWith(FileSystem::describeError(error), original));

    // The rename went by name; make sure it took the entry that was checked.
    if (::fstatat(place.fd(), oldName, &now, AT_SYMLINK_NOFOLLOW) != 0 || !sameObject(now, found.entry)) {
        if (renameWithoutReplacing(place.fd(), oldName, found.trash.filesFd(), found.name.c_str()) == 0)
            place.removeCreatedFolders();
        else
            Logger::error("A stranger put in the Trash in place of an item stays at " + displayText(original));
        return lost(kEntryChanged, original);
    }
    removeRecord(found);
    Logger::debug("Put back from the Trash: " + displayText(original));
    return {std::nullopt, false, original};
}

std::string message(const std::string& name, const Result& result)
{
    if (result.placeTaken)
        return localizedFormat(DISPLAY_TEXT("%@ stays in the Trash: something new is at its old place."), {name});
    return name + ": " + result.failure.value_or(std::string());
}

} // namespace orvelane::PutBack
