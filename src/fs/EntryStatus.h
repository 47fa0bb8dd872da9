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
 */
struct EntryStatus
{
    EntryKind kind = EntryKind::unknown;
    std::int64_t allocatedBytes = 0;
    Date modified;
    std::uint64_t fileNumber = 0;
    std::uint64_t device = 0;
};

EntryKind entryKindOf(mode_t mode);
EntryStatus entryStatusOf(const struct stat& status);

} // namespace orvelane
