#pragma once

#include <filesystem>
#include <optional>
#include <sys/stat.h>

namespace orvelane {

/// What emptying a folder left behind.
struct EraseOutcome
{
    /// 0 when the folder is empty afterwards, otherwise the errno of the first failure.
    int error = 0;
    /// The first top of another mount met inside, relative to the folder; it was neither
    /// entered nor removed.
    std::optional<std::filesystem::path> mountInside;
};

/**
 * @brief Removes everything inside an open folder without ever following a symbolic link or
 * entering another mount.
 *
 * Every step is relative to a folder descriptor (no-follow status queries, `unlinkat`, folders
 * opened with O_NOFOLLOW and checked to be what was listed), so a link inside the tree is
 * removed as a link and its target is never touched, and no path is ever spelled out: depth is
 * not limited by PATH_MAX. Only the top levels keep their folders open; deeper ones are closed
 * on the way down and found again through "..", checked against the identity recorded on the
 * way down, so the number of descriptors stays bounded however deep the tree.
 *
 * The top of another mount (a bind mount of the same file system too) is left as it is, with
 * everything it shows: what it shows is not part of the tree, even when it appeared only after
 * the item was checked. The folders above it stay, the rest goes.
 *
 * Folders of the user's own that forbid changes (read-only module caches, for one) are given
 * owner permissions first, as they are about to go anyway.
 *
 * Whatever could not be removed stays; the walk stops at once (ESTALE) if a folder is moved
 * away while it is being emptied.
 */
EraseOutcome eraseFolderContents(int folderFd);

/// Gives a folder of the current user owner read, write and search permission if it lacks
/// any, without following a link. The folder is `name` inside `parentFd`, as `status` saw it.
void makeErasable(int parentFd, const char* name, const struct stat& status);

} // namespace orvelane
