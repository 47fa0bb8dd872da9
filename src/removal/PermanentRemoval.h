#pragma once

#include "RemovalResult.h"

namespace orvelane {

class RemovalTarget;

/**
 * @brief Deletes an item for good: a file, or a folder with everything in it, never following
 * a symbolic link and never entering another mount (see eraseFolderContents).
 *
 * An item that is the top of another mount, or holds one anywhere below, is refused before
 * anything is touched (see mountRefusal).
 *
 * Meant for the Trash's own items. When the item lies in a freedesktop.org trash's files/
 * folder, its info/NAME.trashinfo record goes too, after the item, so that trash clients do
 * not list a restore record without its file; if the item could only be removed in part, the
 * record stays with what is left.
 */
RemovalResult removePermanently(const RemovalTarget& target);

} // namespace orvelane
