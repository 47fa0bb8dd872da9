#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace orvelane {

/**
 * @brief What became of one removal request.
 *
 * `failure` is a sentence fit to show after the item's name and ": " — the system's own
 * description of the error ("Permission denied", "Read-only file system") or one of the fixed
 * texts below. Whenever it is set, the item is still where it was (a folder whose permanent
 * removal failed part way keeps whatever could not be removed).
 */
struct RemovalResult
{
    std::optional<std::string> failure;
    /// Where a move to the Trash put the item; empty for a permanent removal or a failure.
    std::filesystem::path trashedAs;
    /// The moved item's device and inode, which its trash entry keeps: what a later
    /// put-back checks the entry against. Zero where the platform's trash call moved it.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    /// What else the entry keeps of the item when its volume comes back under another device
    /// number: its modification time (nanoseconds since the epoch) and its length in bytes.
    std::int64_t modifiedNs = 0;
    std::int64_t length = 0;

    bool succeeded() const { return !failure; }
};

/// The fixed failure texts. The first three read exactly like the checks made before cleaning,
/// since they report the same situations found a moment later.
namespace RemovalFailure {
inline constexpr const char* vanished = "The item no longer exists.";
inline constexpr const char* symbolicLink = "Symbolic links are not cleaned.";
inline constexpr const char* changed = "The item changed after the scan. Scan again before cleaning.";
inline constexpr const char* linkOnPath = "A folder on the item's path is a symbolic link.";
inline constexpr const char* noVolumeTrash = "The item's volume has no trash folder that can be used safely.";
inline constexpr const char* otherVolume = "The item is on a different volume than its trash.";
inline constexpr const char* invalidPath = "The item's path is not a plain absolute path.";
} // namespace RemovalFailure

} // namespace orvelane
