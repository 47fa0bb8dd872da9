#pragma once

#include "EntryStatus.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/**
 * @brief The file-system operations the scanner and the cleaner rely on.
 *
 * Paths stay std::filesystem::path from end to end, so a name that is not valid UTF-8 reaches
 * the disk byte for byte. Failures come back as values with the system's description, never
 * as exceptions.
 */
namespace orvelane::FileSystem {

/// The system's description of an errno value, e.g. "Permission denied" (in the C library's
/// message language, which follows the process locale).
std::string describeError(int error);

/// Writes all of `text`, going on after short writes and interruptions; false with errno set
/// (EIO for a write that took nothing) when it cannot.
bool writeAll(int fd, const std::string& text);

/// The same for log records: always the C library's own English text, so that records read
/// and match the same under any locale.
std::string describeErrorForLog(int error);

/// Whether something is there. Follows links, so a dangling link does not exist.
bool exists(const std::filesystem::path& path);

/// Hidden means a name beginning with a dot.
bool isHiddenName(std::string_view name);

/// Folders the desktop presents as one document (application bundles and the like).
bool isPackageName(std::string_view name);

struct Listing
{
    std::vector<std::filesystem::path> entries; // folder / name, in the order the system lists them
    int error = 0;                              // errno when the folder could not be listed
};

/// The direct entries of a folder (a link to a folder is listed as that folder).
Listing list(const std::filesystem::path& folder, bool includeHidden);

/// Whether the folder can be listed; the listing itself is discarded.
bool canList(const std::filesystem::path& folder, int* error = nullptr);

/// The status of the item itself (a link is not followed).
std::optional<EntryStatus> itemStatus(const std::filesystem::path& path, int* error = nullptr);

/// Whether the item (of status `status`, as itemStatus gave it) is the top of a mount other than
/// that of the folder holding it: what it shows lies on another file system or elsewhere on this
/// one. When the holding folder cannot be read, only the item's own mount-root mark decides.
bool isMountTop(const std::filesystem::path& path, const EntryStatus& status);

/// The inode number of the item itself; nothing when it cannot be read.
std::optional<std::uint64_t> inodeOf(const std::filesystem::path& path);

/// The same, for a name inside an open folder: lets a remover check identity without a second
/// walk of the path between the check and the removal.
std::optional<std::uint64_t> inodeAt(int dirFd, const std::filesystem::path& name);

} // namespace orvelane::FileSystem
