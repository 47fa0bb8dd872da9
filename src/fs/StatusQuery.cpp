#include "StatusQuery.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace orvelane {
namespace {

std::optional<EntryStatus> failed(int* error)
{
    if (error != nullptr)
        *error = errno;
    return std::nullopt;
}

std::optional<EntryStatus> plainStatusAt(int dirFd, const char* name, int flags, int* error)
{
    struct stat raw
    {};
    if (::fstatat(dirFd, name, &raw, flags) != 0)
        return failed(error);
    return entryStatusOf(raw);
}

#if defined(__linux__) && defined(STATX_MNT_ID)

// A sandbox may refuse statx; then every later query takes the plain path at once.
std::atomic<bool> statxRefused{false};

EntryStatus entryStatusOf(const struct statx& raw)
{
    struct stat plain
    {};
    plain.st_mode = raw.stx_mode;
    plain.st_blocks = static_cast<blkcnt_t>(raw.stx_blocks);
    plain.st_mtim.tv_sec = raw.stx_mtime.tv_sec;
    plain.st_mtim.tv_nsec = raw.stx_mtime.tv_nsec;
    plain.st_ino = raw.stx_ino;
    plain.st_dev = makedev(raw.stx_dev_major, raw.stx_dev_minor);
    plain.st_nlink = raw.stx_nlink;
    EntryStatus status = orvelane::entryStatusOf(plain);
    if ((raw.stx_mask & STATX_MNT_ID) != 0)
        status.mountID = raw.stx_mnt_id;
    status.mountRoot = (raw.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) != 0 &&
                       (raw.stx_attributes & STATX_ATTR_MOUNT_ROOT) != 0;
    return status;
}

std::optional<EntryStatus> queryAt(int dirFd, const char* name, int flags, int* error)
{
    if (!statxRefused.load(std::memory_order_relaxed)) {
        struct statx raw
        {};
        if (::statx(dirFd, name, flags | AT_NO_AUTOMOUNT, STATX_BASIC_STATS | STATX_MNT_ID, &raw) == 0)
            return entryStatusOf(raw);
        if (errno != ENOSYS && errno != EPERM)
            return failed(error);
        statxRefused.store(true, std::memory_order_relaxed);
    }
    return plainStatusAt(dirFd, name, flags, error);
}

#else

std::optional<EntryStatus> queryAt(int dirFd, const char* name, int flags, int* error)
{
    return plainStatusAt(dirFd, name, flags, error);
}

#endif

} // namespace

std::optional<EntryStatus> statusFollowingLinks(const std::filesystem::path& path, int* error)
{
    return queryAt(AT_FDCWD, path.c_str(), 0, error);
}

std::optional<EntryStatus> statusAt(int dirFd, const char* name, int* error)
{
    return queryAt(dirFd, name, AT_SYMLINK_NOFOLLOW, error);
}

std::optional<EntryStatus> statusOfDescriptor(int fd, int* error)
{
#ifdef AT_EMPTY_PATH
    return queryAt(fd, "", AT_EMPTY_PATH, error);
#else
    struct stat raw
    {};
    if (::fstat(fd, &raw) != 0)
        return failed(error);
    return entryStatusOf(raw);
#endif
}

std::optional<EntryStatus> statusOfPath(const std::filesystem::path& path, int* error)
{
    return queryAt(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW, error);
}

} // namespace orvelane
