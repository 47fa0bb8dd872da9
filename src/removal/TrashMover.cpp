#include "TrashMover.h"

#include "ExclusiveRename.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "OtherMounts.h"
#include "RaceWindow.h"
#include "RemovalTarget.h"
#include "SystemTrash.h"
#include "TrashDirectory.h"
#include "TrashInfoRecord.h"
#include "TrashLocation.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace orvelane::TrashMover {
namespace {

// Numbered names are tried in turn; a trash holding this many entries of one name is broken.
constexpr int kMaxNameAttempts = 10000;

std::size_t longestEntryName(int infoFd)
{
    long limit = ::fpathconf(infoFd, _PC_NAME_MAX);
    if (limit <= 0)
        limit = 255;
    return static_cast<std::size_t>(limit) - TrashInfoRecord::extension.size();
}

std::string describeRenameError(int error)
{
    return error == EXDEV ? std::string(RemovalFailure::otherVolume) : FileSystem::describeError(error);
}

// Writes the record, then renames the item under the record's name. Every way out but success
// leaves the trash without the record and the item in place.
RemovalResult placeInTrash(const RemovalTarget& target, const TrashDirectory& trash)
{
    if (!trash.takesItemsFrom(target.parentFd()))
        return {RemovalFailure::otherVolume, {}};
    const std::string record = TrashInfoRecord::text(trash.recordedPath(target), std::time(nullptr));
    const std::size_t maxName = longestEntryName(trash.infoFd());
    const char* itemName = target.name().c_str();

    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const std::string entry = TrashInfoRecord::entryName(target.name().native(), attempt, maxName);
        const std::string recordName = entry + std::string(TrashInfoRecord::extension);
        FileDescriptor recordFile(::openat(trash.infoFd(), recordName.c_str(),
                                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!recordFile.isOpen()) {
            if (errno == EEXIST)
                continue;
            return {FileSystem::describeError(errno), {}};
        }
        const auto dropRecord = [&] {
            ::unlinkat(trash.infoFd(), recordName.c_str(), 0);
        };

        const int writeError = FileSystem::writeAll(recordFile.get(), record) ? recordFile.close() : errno;
        if (writeError != 0) {
            recordFile.close();
            dropRecord();
            return {FileSystem::describeError(writeError), {}};
        }

        RaceWindow::reach(RaceWindow::Moment::beforeRenameIntoTrash);
        // The record created exclusively reserves the name against other well-behaved trash
        // clients where the rename itself cannot refuse to replace.
        const int renameError =
            renameWithoutReplacing(target.parentFd(), itemName, trash.filesFd(), entry.c_str());
        if (renameError == EEXIST) { // files/ holds an entry without a record: leave it alone
            dropRecord();
            continue;
        }
        if (renameError != 0) {
            dropRecord();
            return {describeRenameError(renameError), {}};
        }

        // The rename went by name; make sure it took the object that was confirmed.
        if (auto different = target.identityFailureAt(trash.filesFd(), entry.c_str())) {
            if (renameWithoutReplacing(trash.filesFd(), entry.c_str(), target.parentFd(), itemName) == 0)
                dropRecord(); // otherwise the stranger stays in the trash with a record: restorable
            return {RemovalFailure::changed, {}};
        }
        const struct stat& moved = target.status();
        return {std::nullopt, trash.root() / "files" / entry, static_cast<std::uint64_t>(moved.st_dev),
                static_cast<std::uint64_t>(moved.st_ino),
                static_cast<std::int64_t>(moved.st_mtim.tv_sec) * 1'000'000'000 + moved.st_mtim.tv_nsec,
                static_cast<std::int64_t>(moved.st_size)};
    }
    return {FileSystem::describeError(EEXIST), {}};
}

} // namespace

std::filesystem::path homeTrashFolder() { return trashRootFolder(homeFolder()); }

RemovalResult moveToTrash(const RemovalTarget& target, const std::filesystem::path& homeTrash)
{
    if (auto failure = target.confirm())
        return {std::move(failure), {}};
    if (auto mounted = mountRefusal(target))
        return {std::move(mounted), {}};
    TrashDirectory trash = TrashDirectory::forItem(target, homeTrash);
    if (!trash.isOpen())
        return {trash.failure(), {}};
    return placeInTrash(target, trash);
}

RemovalResult moveToTrash(const RemovalTarget& target)
{
#ifdef __APPLE__
    // macOS: the system's trash call, which knows the per-volume trashes and "Put Back". It
    // takes a path, not a descriptor, so the target is confirmed immediately before.
    if (auto failure = target.confirm())
        return {std::move(failure), {}};
    if (auto mounted = mountRefusal(target))
        return {std::move(mounted), {}};
    return SystemTrash::moveToTrash(target.path(), target.isDirectory());
#else
    return moveToTrash(target, homeTrashFolder());
#endif
}

} // namespace orvelane::TrashMover
