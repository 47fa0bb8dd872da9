#include "RemovalTarget.h"

#include "FileSystem.h"
#include "RemovalResult.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvelane {
namespace {

using Components = std::vector<std::string>;

// Only plain absolute paths are acted on: ".." after a folder that is a link would name a place
// the text does not show, and relative paths depend on whatever the working folder is.
std::optional<Components> plainComponents(const std::filesystem::path& path)
{
    if (!path.is_absolute())
        return std::nullopt;
    Components parts;
    for (const auto& part : path.relative_path()) {
        const std::string& text = part.native();
        if (text.empty() || text == ".")
            continue;
        if (text == "..")
            return std::nullopt;
        parts.push_back(text);
    }
    return parts;
}

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

struct Walk
{
    FileDescriptor folder;
    std::optional<std::string> failure;
};

Walk walkWithoutLinks(const std::filesystem::path& anchor, const Components& below)
{
    Walk walk;
    walk.folder = FileDescriptor(::open(anchor.c_str(), traversalOpenFlags()));
    if (!walk.folder.isOpen()) {
        const int error = errno;
        walk.failure = error == ENOENT ? RemovalFailure::vanished : FileSystem::describeError(error);
        return walk;
    }
    for (const auto& name : below) {
        FileDescriptor next(::openat(walk.folder.get(), name.c_str(), traversalOpenFlags() | O_NOFOLLOW));
        if (!next.isOpen()) {
            const int error = errno;
            walk.failure = openFailure(walk.folder.get(), name, error);
            return walk;
        }
        walk.folder = std::move(next);
    }
    return walk;
}

bool sameObject(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

RemovalTarget RemovalTarget::failed(std::string failure)
{
    RemovalTarget target;
    target.failure_ = std::move(failure);
    return target;
}

RemovalTarget RemovalTarget::open(const std::filesystem::path& item,
                                  std::optional<std::uint64_t> expectedFileID,
                                  const std::filesystem::path& trustedAncestor)
{
    const auto itemParts = plainComponents(item);
    if (!itemParts || itemParts->empty())
        return failed(RemovalFailure::invalidPath);

    RemovalTarget target;
    target.anchor_ = "/";
    std::size_t trustedCount = 0;
    const auto anchorParts = plainComponents(trustedAncestor);
    if (anchorParts && anchorParts->size() < itemParts->size() &&
        std::equal(anchorParts->begin(), anchorParts->end(), itemParts->begin())) {
        target.anchor_ = trustedAncestor;
        trustedCount = anchorParts->size();
    }
    target.path_ = "/";
    for (const auto& part : *itemParts)
        target.path_ /= part;
    target.name_ = itemParts->back();
    target.belowAnchor_.assign(itemParts->begin() + static_cast<std::ptrdiff_t>(trustedCount),
                               itemParts->end() - 1);

    Walk walk = walkWithoutLinks(target.anchor_, target.belowAnchor_);
    if (walk.failure)
        return failed(*walk.failure);
    if (::fstat(walk.folder.get(), &target.parentStatus_) != 0)
        return failed(FileSystem::describeError(errno));
    target.parent_ = std::move(walk.folder);

    if (::fstatat(target.parent_.get(), target.name_.c_str(), &target.status_, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        return failed(error == ENOENT ? RemovalFailure::vanished : FileSystem::describeError(error));
    }
    if (S_ISLNK(target.status_.st_mode))
        return failed(RemovalFailure::symbolicLink);
    if (expectedFileID && *expectedFileID != static_cast<std::uint64_t>(target.status_.st_ino))
        return failed(RemovalFailure::changed);
    return target;
}

std::optional<std::string> RemovalTarget::confirm() const
{
    if (failure_)
        return failure_;
    Walk walk = walkWithoutLinks(anchor_, belowAnchor_);
    if (walk.failure)
        return walk.failure;
    struct stat parentNow{};
    if (::fstat(walk.folder.get(), &parentNow) != 0)
        return FileSystem::describeError(errno);
    if (!sameObject(parentNow, parentStatus_))
        return RemovalFailure::changed;
    return identityFailureAt(parent_.get(), name_);
}

std::optional<std::string> RemovalTarget::identityFailureAt(int dirFd,
                                                            const std::filesystem::path& name) const
{
    struct stat now{};
    if (::fstatat(dirFd, name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        return error == ENOENT ? RemovalFailure::vanished : FileSystem::describeError(error);
    }
    if (S_ISLNK(now.st_mode))
        return RemovalFailure::symbolicLink;
    if (!sameObject(now, status_))
        return RemovalFailure::changed;
    return std::nullopt;
}

} // namespace orvelane
