#pragma once

#include <sys/stat.h>

namespace orvelane {

/**
 * @brief Removes everything inside an open folder without ever following a symbolic link.
 *
 * Every step is relative to a folder descriptor (`fstatat` without following, `unlinkat`,
 * folders opened with O_NOFOLLOW and checked to be what was listed), so a link inside the tree
 * is removed as a link and its target is never touched, and no path is ever spelled out: depth
 * is not limited by PATH_MAX. Only the top levels keep their folders open; deeper ones are
 * closed on the way down and found again through "..", checked against the identity recorded
 * on the way down, so the number of descriptors stays bounded however deep the tree.
 *
 * Folders of the user's own that forbid changes (read-only module caches, for one) are given
 * owner permissions first, as they are about to go anyway.
 *
 * @return 0 when the folder is empty afterwards, otherwise the errno of the first failure;
 * whatever could not be removed stays, and the walk stops at once if a folder is moved away
 * while it is being emptied.
 */
int eraseFolderContents(int folderFd);

/// Gives a folder of the current user owner read, write and search permission if it lacks
/// any, without following a link. The folder is `name` inside `parentFd`, as `status` saw it.
void makeErasable(int parentFd, const char* name, const struct stat& status);

} // namespace orvelane
