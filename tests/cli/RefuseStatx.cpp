// Preloaded into orvelane-cli: statx calls that ask for the mount ID, as the scanner's do, are
// refused with EPERM, as some container runtimes' system-call filters refuse statx. Other calls
// pass (Qt 6.4 itself cannot start where statx is refused to it too). A mark tells the test that
// a refusal happened.
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

extern "C" int statx(int dirFd, const char* path, int flags, unsigned int mask, struct statx* buffer)
{
    if ((mask & STATX_MNT_ID) == 0)
        return static_cast<int>(::syscall(SYS_statx, dirFd, path, flags, mask, buffer));
    if (const char* mark = std::getenv("ORVELANE_STATX_REFUSED_MARK")) {
        const int fd = ::open(mark, O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd >= 0)
            ::close(fd);
    }
    errno = EPERM;
    return -1;
}
