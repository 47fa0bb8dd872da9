#include "TrashDirectory.h"

#include "FileSystem.h"
#include "PathResolution.h"
#include "RemovalResult.h"
#include "RemovalTarget.h"
#include "StatusQuery.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

struct Opened
{
    FileDescriptor folder;
    std::optional<std::string> failure;
};

// A trash folder inside another one: created private if missing, never a link, and on shared
// volumes only if it is ours (someone else's folder could be read or emptied by its owner).
Opened ownSubfolder(int parentFd, const std::string& name, bool mustOwn, bool create = true)
{
    Opened opened;
    if (create && ::mkdirat(parentFd, name.c_str(), 0700) != 0 && errno != EEXIST) {
        opened.failure = FileSystem::describeError(errno);
        return opened;
    }
    opened.folder = FileDescriptor(::openat(parentFd, name.c_str(), traversalOpenFlags() | O_NOFOLLOW));
    if (!opened.folder.isOpen()) {
        const int error = errno;
        opened.failure = (error == ELOOP || error == ENOTDIR) ? std::string(RemovalFailure::noVolumeTrash)
                                                              : FileSystem::describeError(error);
        return opened;
    }
    struct stat status{};
    if (::fstat(opened.folder.get(), &status) != 0) {
        opened.failure = FileSystem::describeError(errno);
    } else if (mustOwn && status.st_uid != ::getuid()) {
        opened.failure = RemovalFailure::noVolumeTrash;
    }
    return opened;
}

// Creates the home trash's missing parents the way the data folder should be: private.
void createPrivateFolders(const std::filesystem::path& folder)
{
    std::filesystem::path prefix;
    for (const auto& part : folder) {
        prefix /= part;
        ::mkdir(prefix.c_str(), 0700); // existing folders answer EEXIST; the open afterwards decides
    }
}

struct VolumeTop
{
    FileDescriptor folder;
    std::filesystem::path path;
    std::filesystem::path itemFolderBelow; // the item's folder, relative to the top
    std::optional<std::string> failure;
};

VolumeTop failedTop(std::string failure)
{
    VolumeTop top;
    top.failure = std::move(failure);
    return top;
}

// The identity of the folder at `path` (followed, as the kernel would) is that of `expected`.
bool pathLeadsTo(const std::filesystem::path& path, const EntryStatus& expected)
{
    FileDescriptor folder(::open(path.c_str(), traversalOpenFlags()));
    const auto status = folder.isOpen() ? statusOfDescriptor(folder.get()) : std::nullopt;
    return status && status->device == expected.device && status->inode == expected.inode;
}

// Climbs from the item's folder through ".." (never a link) to the top of the mount it lies on.
// Counting the climbs tells how many trailing components of the folder's real path lie below
// the top; the item's path as given may run through links (a home folder reached through one),
// so it is resolved first, and both ends are checked to be the folders the descriptors hold.
VolumeTop volumeTopOf(const RemovalTarget& target)
{
    VolumeTop top;
    top.folder = FileDescriptor(::openat(target.parentFd(), ".", traversalOpenFlags()));
    int error = 0;
    const auto itemFolder = top.folder.isOpen() ? statusOfDescriptor(top.folder.get(), &error) : std::nullopt;
    if (!itemFolder)
        return failedTop(FileSystem::describeError(top.folder.isOpen() ? error : errno));
    if (itemFolder->device != static_cast<std::uint64_t>(target.status().st_dev))
        return failedTop(FileSystem::describeError(EBUSY)); // the item is itself a mount point
    EntryStatus here = *itemFolder;
    std::size_t climbs = 0;
    while (!here.mountRoot) {
        FileDescriptor up(::openat(top.folder.get(), "..", traversalOpenFlags()));
        const auto above = up.isOpen() ? statusOfDescriptor(up.get(), &error) : std::nullopt;
        if (!above)
            return failedTop(FileSystem::describeError(up.isOpen() ? error : errno));
        if (isOtherMount(here, *above) || above->inode == here.inode) // "/" is its own parent
            break;
        top.folder = std::move(up);
        here = *above;
        ++climbs;
    }

    const auto realFolder = resolvingLinks(target.path().parent_path());
    if (!realFolder)
        return failedTop(RemovalFailure::noVolumeTrash);
    const std::vector<std::filesystem::path> parts(realFolder->begin(), realFolder->end());
    if (parts.size() <= climbs) // the root component at least stays above the top
        return failedTop(RemovalFailure::noVolumeTrash);
    const std::size_t topParts = parts.size() - climbs;
    for (std::size_t i = 0; i < parts.size(); ++i)
        (i < topParts ? top.path : top.itemFolderBelow) /= parts[i];
    if (!pathLeadsTo(top.path, here) || !pathLeadsTo(*realFolder, *itemFolder))
        return failedTop(RemovalFailure::noVolumeTrash);
    return top;
}

// Volumes keep their trashes at their top; a ".Trash-$uid" anywhere else is just a folder.
bool isVolumeTop(int folderFd)
{
    const auto here = statusOfDescriptor(folderFd);
    if (!here)
        return false;
    if (here->mountRoot)
        return true;
    FileDescriptor up(::openat(folderFd, "..", traversalOpenFlags()));
    const auto above = up.isOpen() ? statusOfDescriptor(up.get()) : std::nullopt;
    return above && (isOtherMount(*here, *above) || above->inode == here->inode);
}

} // namespace

TrashDirectory TrashDirectory::failed(std::string failure)
{
    TrashDirectory trash;
    trash.failure_ = std::move(failure);
    return trash;
}

TrashDirectory TrashDirectory::openParts(FileDescriptor root, std::filesystem::path rootPath, bool mustOwn,
                                         bool create)
{
    Opened files = ownSubfolder(root.get(), "files", mustOwn, create);
    if (files.failure)
        return failed(*files.failure);
    Opened info = ownSubfolder(root.get(), "info", mustOwn, create);
    if (info.failure)
        return failed(*info.failure);
    int error = 0;
    const auto status = statusOfDescriptor(files.folder.get(), &error);
    if (!status)
        return failed(FileSystem::describeError(error));
    TrashDirectory trash;
    trash.files_ = std::move(files.folder);
    trash.info_ = std::move(info.folder);
    trash.root_ = std::move(rootPath);
    trash.filesMount_ = *status;
    return trash;
}

TrashDirectory TrashDirectory::home(const std::filesystem::path& root)
{
    if (!root.is_absolute())
        return failed(RemovalFailure::invalidPath);
    createPrivateFolders(root);
    FileDescriptor folder(::open(root.c_str(), traversalOpenFlags()));
    if (!folder.isOpen())
        return failed(FileSystem::describeError(errno));
    return openParts(std::move(folder), root, false);
}

TrashDirectory TrashDirectory::existing(const std::filesystem::path& root)
{
    if (!root.is_absolute() || !root.has_filename())
        return failed(RemovalFailure::invalidPath);
    const std::string uid = std::to_string(::getuid());
    const std::string last = root.filename().native();
    const bool perUser = last == ".Trash-" + uid;
    const bool shared = last == uid && root.parent_path().filename() == ".Trash";
    if (!perUser && !shared) {
        FileDescriptor folder(::open(root.c_str(), traversalOpenFlags()));
        if (!folder.isOpen())
            return failed(FileSystem::describeError(errno));
        return openParts(std::move(folder), root, false, false);
    }
    // A volume's trash: from the volume's top down, never through a link, and only the user's own.
    const std::filesystem::path top = perUser ? root.parent_path() : root.parent_path().parent_path();
    FileDescriptor folder(::open(top.c_str(), traversalOpenFlags()));
    if (!folder.isOpen())
        return failed(FileSystem::describeError(errno));
    if (!isVolumeTop(folder.get()))
        return failed(RemovalFailure::noVolumeTrash);
    if (shared) {
        Opened sharedTrash = ownSubfolder(folder.get(), ".Trash", false, false);
        struct stat status{};
        if (sharedTrash.failure || ::fstat(sharedTrash.folder.get(), &status) != 0 || (status.st_mode & S_ISVTX) == 0)
            return failed(RemovalFailure::noVolumeTrash);
        folder = std::move(sharedTrash.folder);
    }
    Opened personal = ownSubfolder(folder.get(), last, true, false);
    if (personal.failure)
        return failed(*personal.failure);
    TrashDirectory trash = openParts(std::move(personal.folder), root, true, false);
    trash.volumeTop_ = top;
    return trash;
}

TrashDirectory TrashDirectory::onVolumeOf(const RemovalTarget& target)
{
    VolumeTop top = volumeTopOf(target);
    if (top.failure)
        return failed(*top.failure);

    const std::string uid = std::to_string(::getuid());
    FileDescriptor shared(::openat(top.folder.get(), ".Trash", traversalOpenFlags() | O_NOFOLLOW));
    struct stat sharedStatus{};
    if (shared.isOpen() && ::fstat(shared.get(), &sharedStatus) == 0 && S_ISDIR(sharedStatus.st_mode) &&
        (sharedStatus.st_mode & S_ISVTX) != 0) {
        Opened personal = ownSubfolder(shared.get(), uid, true);
        if (!personal.failure) {
            TrashDirectory trash = openParts(std::move(personal.folder), top.path / ".Trash" / uid, true);
            if (trash.isOpen()) {
                trash.itemFolderBelowTop_ = top.itemFolderBelow;
                trash.volumeTop_ = top.path;
                return trash;
            }
        }
    }
    Opened personal = ownSubfolder(top.folder.get(), ".Trash-" + uid, true);
    if (personal.failure)
        return failed(*personal.failure);
    TrashDirectory trash = openParts(std::move(personal.folder), top.path / (".Trash-" + uid), true);
    trash.itemFolderBelowTop_ = top.itemFolderBelow;
    trash.volumeTop_ = top.path;
    return trash;
}

TrashDirectory TrashDirectory::forItem(const RemovalTarget& target, const std::filesystem::path& homeRoot)
{
    TrashDirectory homeTrash = home(homeRoot);
    if (!homeTrash.isOpen() || homeTrash.takesItemsFrom(target.parentFd()))
        return homeTrash;
    return onVolumeOf(target);
}

bool TrashDirectory::takesItemsFrom(int folderFd) const
{
    const auto folder = statusOfDescriptor(folderFd);
    if (!folder || folder->device != filesMount_.device)
        return false;
    return folder->mountID == 0 || filesMount_.mountID == 0 || folder->mountID == filesMount_.mountID;
}

std::string TrashDirectory::recordedPath(const RemovalTarget& target) const
{
    if (itemFolderBelowTop_)
        return (*itemFolderBelowTop_ / target.name()).native();
    return target.path().native();
}

} // namespace orvelane
