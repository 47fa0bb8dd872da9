#include "ExclusiveRename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {

int renameWithoutReplacing(int fromFd, const char* from, int toFd, const char* to)
{
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    if (::renameat2(fromFd, from, toFd, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS) // other errors are real; these mean "not supported here"
        return errno;
#elif defined(__APPLE__) && defined(RENAME_EXCL)
    if (::renameatx_np(fromFd, from, toFd, to, RENAME_EXCL) == 0)
        return 0;
    if (errno != ENOTSUP && errno != EINVAL)
        return errno;
#endif
    // Without an exclusive rename, look first. A link that leads nowhere is an entry too.
    struct stat existing{};
    if (::fstatat(toFd, to, &existing, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    return ::renameat(fromFd, from, toFd, to) == 0 ? 0 : errno;
}

} // namespace orvelane
