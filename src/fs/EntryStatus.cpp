#include "EntryStatus.h"

#include <algorithm>
#include <chrono>

namespace orvelane {
namespace {

// The allocation unit of st_blocks is fixed at 512 bytes on both Linux and macOS,
// whatever the file system's block size.
constexpr std::int64_t kBlockUnit = 512;

// Time stamps far outside 1824..2116 (a damaged or hand-set date) would overflow the clock's
// nanosecond count, and later the age computed from it; they are held at those bounds, which
// keeps them as far in the past or future as any judgement needs.
constexpr std::int64_t kDateLimitSeconds = (std::int64_t{1} << 62) / 1'000'000'000;

Date dateOf(const struct timespec& time)
{
    using namespace std::chrono;
    const auto secondsSinceEpoch =
        std::clamp<std::int64_t>(time.tv_sec, -kDateLimitSeconds, kDateLimitSeconds);
    const auto sinceEpoch = seconds(secondsSinceEpoch) + nanoseconds(time.tv_nsec);
    return Date(duration_cast<Clock::duration>(sinceEpoch));
}

const struct timespec& modificationTimeOf(const struct stat& status)
{
#ifdef __APPLE__
    return status.st_mtimespec;
#else
    return status.st_mtim;
#endif
}

} // namespace

EntryKind entryKindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return EntryKind::regular;
    if (S_ISDIR(mode))
        return EntryKind::directory;
    if (S_ISLNK(mode))
        return EntryKind::symbolicLink;
    return EntryKind::other;
}

EntryStatus entryStatusOf(const struct stat& status)
{
    EntryStatus result;
    result.kind = entryKindOf(status.st_mode);
    result.allocatedBytes = static_cast<std::int64_t>(status.st_blocks) * kBlockUnit;
    result.modified = dateOf(modificationTimeOf(status));
    result.inode = static_cast<std::uint64_t>(status.st_ino);
    result.device = static_cast<std::uint64_t>(status.st_dev);
    result.linkCount = static_cast<std::uint64_t>(status.st_nlink);
    return result;
}

bool isOtherMount(const EntryStatus& entry, const EntryStatus& parent)
{
    if (entry.mountRoot || entry.device != parent.device)
        return true;
    return entry.mountID != 0 && parent.mountID != 0 && entry.mountID != parent.mountID;
}

} // namespace orvelane
