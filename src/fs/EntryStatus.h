#pragma once

#include "ScanRecords.h"

#include <cstdint>
#include <sys/stat.h>

namespace orvelane {

/// What kind of directory entry a name stands for. `unknown` only ever comes from a listing
/// whose file system does not report types; a status query always knows.
enum class EntryKind
{
    unknown,
    regular,
    directory,
    symbolicLink,
    other
};

/**
 * @brief The metadata of one entry itself, as a no-follow status query reports it.
 *
 * `allocatedBytes` is the space the entry occupies on disk (blocks × 512), never its logical
 * length: that is what removing it gives back.
 *
 * A bind mount of the same file system keeps the device number, so the device alone cannot
 * tell where one mount ends; `mountID` and `mountRoot` can, where the system reports them.
 */
struct EntryStatus
{
    EntryKind kind = EntryKind::unknown;
    std::int64_t allocatedBytes = 0;
    Date modified;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    std::uint64_t linkCount = 1;
    std::uint64_t mountID = 0; // 0 where the system does not report it
    bool mountRoot = false;    // the entry is the top of a mount: what lies below is another mount's
};

EntryKind entryKindOf(mode_t mode);
EntryStatus entryStatusOf(const struct stat& status);

/// Whether `entry`, found inside the folder `parent`, is the top of a different mount, so that
/// entering or removing it would reach data that is not the parent's.
bool isOtherMount(const EntryStatus& entry, const EntryStatus& parent);

} // namespace orvelane
