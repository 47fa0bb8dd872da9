#include "PermanentRemoval.h"

#include "FileSystem.h"
#include "OtherMounts.h"
#include "RaceWindow.h"
#include "RemovalTarget.h"
#include "TrashInfoRecord.h"
#include "TreeEraser.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvelane {
namespace {

// A freedesktop.org trash keeps items in "<trash>/files" where <trash> is the home trash
// ("Trash"), a volume's "$top/.Trash-$uid" or "$top/.Trash/$uid".
bool liesInTrashFiles(const std::filesystem::path& item)
{
    const std::filesystem::path files = item.parent_path();
    if (files.filename() != "files")
        return false;
    const std::filesystem::path trash = files.parent_path();
    const std::string name = trash.filename().native();
    return name == "Trash" || name.rfind(".Trash-", 0) == 0 || trash.parent_path().filename() == ".Trash";
}

// Reached from the descriptor of files/ through "..", so the record removed is the one of the
// trash the item was in, whatever its path looks like now.
void removeTrashRecord(const RemovalTarget& target)
{
    FileDescriptor trash(::openat(target.parentFd(), "..", traversalOpenFlags()));
    if (!trash.isOpen())
        return;
    FileDescriptor info(::openat(trash.get(), "info", traversalOpenFlags() | O_NOFOLLOW));
    if (!info.isOpen())
        return;
    const std::string record = target.name().native() + std::string(TrashInfoRecord::extension);
    struct stat status{};
    if (::fstatat(info.get(), record.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode))
        ::unlinkat(info.get(), record.c_str(), 0);
    // A record that cannot be removed is left as it is: clients show it as an entry whose file is
    // gone, which is better than failing a deletion that did happen.
}

// Empties the opened item's folder: the folder opened must be the item, on the item's mount.
std::optional<std::string> emptyFolder(const RemovalTarget& target)
{
    const int parentFd = target.parentFd();
    const char* name = target.name().c_str();
    makeErasable(parentFd, name, target.status());
    RaceWindow::reach(RaceWindow::Moment::beforeOpeningFolderToErase);
    FileDescriptor folder(::openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.isOpen())
        return FileSystem::describeError(errno);
    struct stat opened{};
    if (::fstat(folder.get(), &opened) != 0)
        return FileSystem::describeError(errno);
    if (opened.st_dev != target.status().st_dev || opened.st_ino != target.status().st_ino)
        return std::string(RemovalFailure::changed);
    const EraseOutcome erased = eraseFolderContents(folder.get());
    if (erased.mountInside)
        return mountKeptText(target, *erased.mountInside);
    // ESTALE: a folder inside was swapped or moved away while it was being emptied.
    if (erased.error == ESTALE)
        return std::string(RemovalFailure::changed);
    if (erased.error != 0)
        return FileSystem::describeError(erased.error);
    return std::nullopt;
}

} // namespace

RemovalResult removePermanently(const RemovalTarget& target)
{
    if (auto failure = target.confirm())
        return {std::move(failure), {}};
    if (auto mounted = mountRefusal(target))
        return {std::move(mounted), {}};
    if (target.isDirectory()) {
        if (auto failure = emptyFolder(target))
            return {std::move(failure), {}};
    }
    if (::unlinkat(target.parentFd(), target.name().c_str(), target.isDirectory() ? AT_REMOVEDIR : 0) != 0)
        return {FileSystem::describeError(errno), {}};
    if (liesInTrashFiles(target.path()))
        removeTrashRecord(target);
    return {};
}

} // namespace orvelane
