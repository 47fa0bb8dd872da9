#include "DiskSpace.h"

#include <limits>
#include <sys/statvfs.h>

namespace orvelane {
namespace {

std::int64_t bytesOf(std::uint64_t blocks, std::uint64_t blockSize)
{
    std::uint64_t bytes = 0;
    if (__builtin_mul_overflow(blocks, blockSize, &bytes) ||
        bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(bytes);
}

} // namespace

std::optional<DiskSpace> diskSpace(const std::filesystem::path& folder)
{
    struct statvfs status{};
    if (::statvfs(folder.c_str(), &status) != 0)
        return std::nullopt;
    // Some file systems leave the fragment size 0 and mean the block size.
    const std::uint64_t unit = status.f_frsize != 0 ? status.f_frsize : status.f_bsize;
    return DiskSpace{bytesOf(status.f_bavail, unit), bytesOf(status.f_blocks, unit)};
}

} // namespace orvelane
