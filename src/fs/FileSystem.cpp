#include "FileSystem.h"

#include "AsciiText.h"
#include "DirectoryStream.h"
#include "StatusQuery.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

namespace orvelane::FileSystem {

bool writeAll(int fd, const std::string& text)
{
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

std::string describeError(int error)
{
    return std::generic_category().message(error);
}

std::string describeErrorForLog(int error)
{
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 32))
    if (const char* untranslated = ::strerrordesc_np(error))
        return untranslated;
    return "Unknown error " + std::to_string(error);
#else
    return describeError(error); // elsewhere the C library's texts are not translated
#endif
}

bool exists(const std::filesystem::path& path)
{
    struct stat status
    {};
    return ::stat(path.c_str(), &status) == 0;
}

bool isHiddenName(std::string_view name)
{
    return !name.empty() && name.front() == '.';
}

bool isPackageName(std::string_view name)
{
    static constexpr std::array<std::string_view, 5> kPackageExtensions{"app", "bundle", "framework",
                                                                        "plugin", "kext"};
    const auto dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string extension = lowerCasedAscii(name.substr(dot + 1));
    return std::find(kPackageExtensions.begin(), kPackageExtensions.end(), extension) !=
           kPackageExtensions.end();
}

Listing list(const std::filesystem::path& folder, bool includeHidden)
{
    Listing listing;
    auto stream = DirectoryStream::open(folder, DirectoryStream::Links::follow);
    while (auto entry = stream.next()) {
        if (includeHidden || !isHiddenName(entry->name))
            listing.entries.push_back(folder / entry->name);
    }
    listing.error = stream.error();
    if (listing.error != 0)
        listing.entries.clear(); // a listing that broke off is a failed listing, not a short one
    return listing;
}

bool canList(const std::filesystem::path& folder, int* error)
{
    auto stream = DirectoryStream::open(folder, DirectoryStream::Links::follow);
    while (stream.next()) {
    }
    if (error != nullptr)
        *error = stream.error();
    return stream.error() == 0;
}

std::optional<EntryStatus> itemStatus(const std::filesystem::path& path, int* error)
{
    return statusOfPath(path, error);
}

bool isMountTop(const std::filesystem::path& path, const EntryStatus& status)
{
    if (status.mountRoot)
        return true;
    const auto parent = path.parent_path();
    if (parent.empty() || parent == path)
        return false;
    const auto holder = statusFollowingLinks(parent);
    return holder && isOtherMount(status, *holder);
}

std::optional<std::uint64_t> inodeOf(const std::filesystem::path& path)
{
    if (auto status = itemStatus(path))
        return status->inode;
    return std::nullopt;
}

std::optional<std::uint64_t> inodeAt(int dirFd, const std::filesystem::path& name)
{
    struct stat status
    {};
    if (::fstatat(dirFd, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(status.st_ino);
}

} // namespace orvelane::FileSystem
