#pragma once

namespace orvelane {

/**
 * @brief Renames `from` in the folder `fromFd` to `to` in the folder `toFd`, never replacing
 * an entry that is already there.
 *
 * Returns 0 or the errno; EEXIST when `to` is taken. Where the system has an exclusive rename
 * (Linux renameat2 with RENAME_NOREPLACE, macOS renameatx_np with RENAME_EXCL) the kernel
 * decides atomically; elsewhere the name is looked at first, which leaves a short window in
 * which a newcomer could be replaced — callers reserve the name beforehand where they can.
 */
int renameWithoutReplacing(int fromFd, const char* from, int toFd, const char* to);

} // namespace orvelane
