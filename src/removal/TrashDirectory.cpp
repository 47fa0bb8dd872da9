#include "TrashDirectory.h"

#include "FileSystem.h"
#include "RemovalResult.h"
#include "RemovalTarget.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

struct Opened
{
    FileDescriptor folder;
    std::optional<std::string> failure;
};

// A trash folder inside another one: created private if missing, never a link, and on shared
// volumes only if it is ours (someone else's folder could be read or emptied by its owner).
Opened ownSubfolder(int parentFd, const std::string& name, bool mustOwn)
{
    Opened opened;
    if (::mkdirat(parentFd, name.c_str(), 0700) != 0 && errno != EEXIST) {
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

} // namespace

TrashDirectory TrashDirectory::failed(std::string failure)
{
    TrashDirectory trash;
    trash.failure_ = std::move(failure);
    return trash;
}

TrashDirectory TrashDirectory::openParts(FileDescriptor root, std::filesystem::path rootPath, bool mustOwn)
{
    Opened files = ownSubfolder(root.get(), "files", mustOwn);
    if (files.failure)
        return failed(*files.failure);
    Opened info = ownSubfolder(root.get(), "info", mustOwn);
    if (info.failure)
        return failed(*info.failure);
    struct stat status{};
    if (::fstat(files.folder.get(), &status) != 0)
        return failed(FileSystem::describeError(errno));
    TrashDirectory trash;
    trash.files_ = std::move(files.folder);
    trash.info_ = std::move(info.folder);
    trash.root_ = std::move(rootPath);
    trash.device_ = status.st_dev;
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

TrashDirectory TrashDirectory::onVolumeOf(const RemovalTarget& target)
{
    // Climb from the item's parent through ".." (never a link) to the highest folder on the
    // item's device: the volume's top folder.
    const dev_t device = target.status().st_dev;
    FileDescriptor top(::openat(target.parentFd(), ".", traversalOpenFlags()));
    struct stat here{};
    if (!top.isOpen() || ::fstat(top.get(), &here) != 0)
        return failed(FileSystem::describeError(errno));
    if (here.st_dev != device) // the item is itself a mount point: it cannot be moved at all
        return failed(FileSystem::describeError(EBUSY));
    std::filesystem::path topPath = target.path().parent_path();
    for (;;) {
        FileDescriptor up(::openat(top.get(), "..", traversalOpenFlags()));
        struct stat above{};
        if (!up.isOpen() || ::fstat(up.get(), &above) != 0)
            return failed(FileSystem::describeError(errno));
        if (above.st_dev != device || above.st_ino == here.st_ino)
            break;
        top = std::move(up);
        here = above;
        topPath = topPath.parent_path();
    }

    const std::string uid = std::to_string(::getuid());
    FileDescriptor shared(::openat(top.get(), ".Trash", traversalOpenFlags() | O_NOFOLLOW));
    struct stat sharedStatus{};
    if (shared.isOpen() && ::fstat(shared.get(), &sharedStatus) == 0 && S_ISDIR(sharedStatus.st_mode) &&
        (sharedStatus.st_mode & S_ISVTX) != 0) {
        Opened personal = ownSubfolder(shared.get(), uid, true);
        if (!personal.failure) {
            TrashDirectory trash = openParts(std::move(personal.folder), topPath / ".Trash" / uid, true);
            if (trash.isOpen()) {
                trash.topDir_ = topPath;
                return trash;
            }
        }
    }
    Opened personal = ownSubfolder(top.get(), ".Trash-" + uid, true);
    if (personal.failure)
        return failed(*personal.failure);
    TrashDirectory trash = openParts(std::move(personal.folder), topPath / (".Trash-" + uid), true);
    trash.topDir_ = topPath;
    return trash;
}

TrashDirectory TrashDirectory::forItem(const RemovalTarget& target, const std::filesystem::path& homeRoot)
{
    TrashDirectory homeTrash = home(homeRoot);
    if (!homeTrash.isOpen() || homeTrash.device() == target.status().st_dev)
        return homeTrash;
    return onVolumeOf(target);
}

std::string TrashDirectory::recordedPath(const RemovalTarget& target) const
{
    if (topDir_)
        return target.path().lexically_relative(*topDir_).native();
    return target.path().native();
}

} // namespace orvelane
