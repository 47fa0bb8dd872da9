#include "ParentFolder.h"

#include "FileSystem.h"
#include "PlainPath.h"
#include "RemovalResult.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvelane {
namespace {

std::string openFailure(int folderFd, const std::string& name, int error)
{
    if (error == ENOENT)
        return RemovalFailure::vanished;
    if (error == ELOOP || error == ENOTDIR) {
        struct stat status{};
        if (::fstatat(folderFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode))
            return RemovalFailure::linkOnPath;
        if (error == ENOTDIR) // a file where a folder was: the item's location is gone
            return RemovalFailure::vanished;
    }
    return FileSystem::describeError(error);
}

FileDescriptor openBelow(int folderFd, const std::string& name)
{
    return FileDescriptor(::openat(folderFd, name.c_str(), traversalOpenFlags() | O_NOFOLLOW));
}

bool sameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

ParentFolder ParentFolder::open(const std::filesystem::path& item, const std::filesystem::path& trustedAncestor,
                                bool createMissing)
{
    ParentFolder parent;
    const auto itemParts = plainComponents(item);
    if (!itemParts || itemParts->empty()) {
        parent.failure_ = RemovalFailure::invalidPath;
        return parent;
    }
    parent.anchor_ = "/";
    std::size_t trustedCount = 0;
    const auto anchorParts = plainComponents(trustedAncestor);
    const bool anchored = anchorParts && anchorParts->size() < itemParts->size() &&
                          std::equal(anchorParts->begin(), anchorParts->end(), itemParts->begin());
    if (anchored) {
        parent.anchor_ = trustedAncestor;
        trustedCount = anchorParts->size();
    }
    parent.path_ = "/";
    for (const auto& part : *itemParts)
        parent.path_ /= part;
    parent.name_ = itemParts->back();
    parent.belowAnchor_.assign(itemParts->begin() + static_cast<std::ptrdiff_t>(trustedCount), itemParts->end() - 1);

    parent.folder_ = FileDescriptor(::open(parent.anchor_.c_str(), traversalOpenFlags()));
    if (!parent.folder_.isOpen()) {
        const int error = errno;
        parent.failure_ = error == ENOENT ? RemovalFailure::vanished : FileSystem::describeError(error);
        return parent;
    }
    // Folders are only ever created below a trusted ancestor that really is above the item.
    const bool mayCreate = createMissing && anchored;
    for (const auto& name : parent.belowAnchor_) {
        FileDescriptor next = openBelow(parent.folder_.get(), name);
        if (!next.isOpen() && errno == ENOENT && mayCreate) {
            // EEXIST: created meanwhile by someone else; the no-follow open below decides.
            if (::mkdirat(parent.folder_.get(), name.c_str(), 0777) == 0)
                parent.created_.push_back(
                    {FileDescriptor(::fcntl(parent.folder_.get(), F_DUPFD_CLOEXEC, 0)), name});
            else if (errno != EEXIST) {
                parent.failure_ = FileSystem::describeError(errno);
                parent.removeCreatedFolders();
                return parent;
            }
            next = openBelow(parent.folder_.get(), name);
        }
        if (!next.isOpen()) {
            const int error = errno;
            parent.failure_ = openFailure(parent.folder_.get(), name, error);
            parent.removeCreatedFolders();
            return parent;
        }
        parent.folder_ = std::move(next);
    }
    if (::fstat(parent.folder_.get(), &parent.status_) != 0) {
        parent.failure_ = FileSystem::describeError(errno);
        parent.removeCreatedFolders();
    }
    return parent;
}

std::optional<std::string> ParentFolder::confirm() const
{
    if (failure_)
        return failure_;
    FileDescriptor folder(::open(anchor_.c_str(), traversalOpenFlags()));
    if (!folder.isOpen()) {
        const int error = errno;
        return error == ENOENT ? std::string(RemovalFailure::vanished) : FileSystem::describeError(error);
    }
    for (const auto& name : belowAnchor_) {
        FileDescriptor next = openBelow(folder.get(), name);
        if (!next.isOpen())
            return openFailure(folder.get(), name, errno);
        folder = std::move(next);
    }
    struct stat now{};
    if (::fstat(folder.get(), &now) != 0)
        return FileSystem::describeError(errno);
    if (!sameObject(now, status_))
        return std::string(RemovalFailure::changed);
    return std::nullopt;
}

void ParentFolder::removeCreatedFolders()
{
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        if (it->parent.isOpen())
            ::unlinkat(it->parent.get(), it->name.c_str(), AT_REMOVEDIR); // ENOTEMPTY: no longer ours alone
    created_.clear();
}

} // namespace orvelane
