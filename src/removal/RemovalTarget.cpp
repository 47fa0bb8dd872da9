#include "RemovalTarget.h"

#include "FileSystem.h"
#include "RemovalResult.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace orvelane {
namespace {

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
                                  std::optional<std::uint64_t> expectedInode,
                                  const std::filesystem::path& trustedAncestor)
{
    RemovalTarget target;
    target.parent_ = ParentFolder::open(item, trustedAncestor);
    if (!target.parent_.isOpen())
        return failed(*target.parent_.failure());

    const char* name = target.name().c_str();
    if (::fstatat(target.parentFd(), name, &target.status_, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        return failed(error == ENOENT ? RemovalFailure::vanished : FileSystem::describeError(error));
    }
    if (S_ISLNK(target.status_.st_mode))
        return failed(RemovalFailure::symbolicLink);
    if (expectedInode && *expectedInode != static_cast<std::uint64_t>(target.status_.st_ino))
        return failed(RemovalFailure::changed);
    return target;
}

std::optional<std::string> RemovalTarget::confirm() const
{
    if (failure_)
        return failure_;
    if (auto moved = parent_.confirm())
        return moved;
    return identityFailureAt(parent_.fd(), name());
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
