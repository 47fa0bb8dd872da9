#pragma once

#include "ParentFolder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>

namespace orvelane {

/**
 * @brief An item about to be removed, pinned by its parent folder's descriptor and identity.
 *
 * Validation looks at a path; removal must act on the object that was looked at. `open` walks
 * the path one folder at a time without following a single link below the trusted ancestor,
 * keeps the parent folder open and records the item's identity. The removal then renames or
 * deletes relative to that descriptor, after `confirm` has walked the path once more: a parent
 * folder swapped for a link (or for another folder) since the check is refused instead of
 * followed, and an item swapped for another file is refused as changed.
 *
 * Failures are texts fit to show after the item's name (see RemovalResult).
 */
class RemovalTarget
{
public:
    /**
     * @param item the absolute path that was validated; "." and ".." components are refused
     * @param expectedInode the inode the scan recorded, checked when present
     * @param trustedAncestor a folder above the item, normally the home folder, whose own path
     *        may contain links (a home folder reached through "/home -> /data/home" is the
     *        user's set-up, not an attack); only links below it are refused. A folder that is
     *        not above the item is ignored and the whole path is walked without links.
     */
    static RemovalTarget open(const std::filesystem::path& item, std::optional<std::uint64_t> expectedInode,
                              const std::filesystem::path& trustedAncestor = "/");

    bool isOpen() const { return !failure_; }
    /// Why the item could not be opened; nothing when it is open.
    const std::optional<std::string>& failure() const { return failure_; }

    /// Walks the path again: nothing when it still leads through the same parent folder to the
    /// same item, otherwise the reason to leave it alone.
    std::optional<std::string> confirm() const;

    /// Nothing when `name` inside the open folder `dirFd` is this very item (same device and file
    /// number, not a link), otherwise why not.
    std::optional<std::string> identityFailureAt(int dirFd, const std::filesystem::path& name) const;

    int parentFd() const { return parent_.fd(); }
    /// The item's path without "." components, doubled or trailing separators.
    const std::filesystem::path& path() const { return parent_.path(); }
    const std::filesystem::path& name() const { return parent_.name(); }
    /// The item's own status as opened (a link would have been refused).
    const struct stat& status() const { return status_; }
    bool isDirectory() const { return S_ISDIR(status_.st_mode); }

private:
    RemovalTarget() = default;
    static RemovalTarget failed(std::string failure);

    ParentFolder parent_;
    struct stat status_{};
    std::optional<std::string> failure_;
};

} // namespace orvelane
