#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace orvelane {

/// The space of the file system that holds a folder, in bytes.
struct DiskSpace
{
    std::int64_t available = 0; ///< what an unprivileged user may still fill (f_bavail × f_frsize)
    std::int64_t total = 0;     ///< the file system's size (f_blocks × f_frsize)

    friend bool operator==(const DiskSpace&, const DiskSpace&) = default;
};

/// The space of the file system `folder` lies on (links followed, as the kernel would); nothing
/// when it cannot be asked. Products too large for 64 bits hold at the largest count.
std::optional<DiskSpace> diskSpace(const std::filesystem::path& folder);

} // namespace orvelane
