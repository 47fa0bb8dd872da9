#include "DirectoryStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace orvelane {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

EntryKind kindFromListing([[maybe_unused]] const struct dirent& entry)
{
#ifdef DT_UNKNOWN
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::regular;
    case DT_DIR:
        return EntryKind::directory;
    case DT_LNK:
        return EntryKind::symbolicLink;
    case DT_UNKNOWN:
        return EntryKind::unknown;
    default:
        return EntryKind::other;
    }
#else
    return EntryKind::unknown;
#endif
}

bool isDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

} // namespace

DirectoryStream::DirectoryStream(DirectoryStream&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), error_(other.error_)
{}

DirectoryStream& DirectoryStream::operator=(DirectoryStream&& other) noexcept
{
    if (this != &other) {
        close();
        stream_ = std::exchange(other.stream_, nullptr);
        error_ = other.error_;
    }
    return *this;
}

DirectoryStream::~DirectoryStream()
{
    close();
}

DirectoryStream DirectoryStream::open(const std::filesystem::path& folder, Links links)
{
    const int flags = kFolderFlags | (links == Links::refuse ? O_NOFOLLOW : 0);
    const int fd = ::open(folder.c_str(), flags);
    if (fd < 0) {
        DirectoryStream failed;
        failed.error_ = errno;
        return failed;
    }
    return adopt(fd);
}

DirectoryStream DirectoryStream::openAt(int parentFd, const char* name)
{
    const int fd = ::openat(parentFd, name, kFolderFlags | O_NOFOLLOW);
    if (fd < 0) {
        DirectoryStream failed;
        failed.error_ = errno;
        return failed;
    }
    return adopt(fd);
}

DirectoryStream DirectoryStream::adopt(int fd)
{
    DirectoryStream result;
    result.stream_ = ::fdopendir(fd);
    if (result.stream_ == nullptr) {
        result.error_ = errno;
        ::close(fd);
    }
    return result;
}

int DirectoryStream::fd() const
{
    return stream_ != nullptr ? ::dirfd(stream_) : -1;
}

std::optional<DirectoryStream::Entry> DirectoryStream::next()
{
    if (stream_ == nullptr)
        return std::nullopt;
    for (;;) {
        errno = 0;
        const struct dirent* entry = ::readdir(stream_);
        if (entry == nullptr) {
            error_ = errno;
            return std::nullopt;
        }
        if (!isDotOrDotDot(entry->d_name))
            return Entry{entry->d_name, kindFromListing(*entry)};
    }
}

void DirectoryStream::close()
{
    if (stream_ != nullptr)
        ::closedir(std::exchange(stream_, nullptr));
}

std::optional<EntryKind> entryKindAt(int dirFd, const char* name, EntryKind hint)
{
    if (hint != EntryKind::unknown)
        return hint;
    struct stat status
    {};
    if (::fstatat(dirFd, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return entryKindOf(status.st_mode);
}

} // namespace orvelane
