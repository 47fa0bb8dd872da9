#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace orvelane {

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileDescriptor::~FileDescriptor()
{
    close();
}

int FileDescriptor::release()
{
    return std::exchange(fd_, -1);
}

int FileDescriptor::close()
{
    if (fd_ < 0)
        return 0;
    return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno;
}

int traversalOpenFlags()
{
#if defined(O_PATH)
    return O_PATH | O_DIRECTORY | O_CLOEXEC;
#elif defined(O_SEARCH)
    return O_SEARCH | O_DIRECTORY | O_CLOEXEC;
#else
    return O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif
}

} // namespace orvelane
