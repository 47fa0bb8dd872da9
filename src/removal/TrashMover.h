#pragma once

#include "RemovalResult.h"

#include <filesystem>

namespace orvelane {

class RemovalTarget;

/**
 * @brief Moves items to the user's Trash, never copying: whatever fails, the item stays where
 * it was, whole.
 *
 * On Linux and other freedesktop systems this follows the freedesktop.org Trash
 * standard, so file managers and other trash clients list the item with its original
 * path and can restore it: first a `.trashinfo` record is created exclusively in info/, then
 * the item is renamed into files/ under the same name, and the record is removed again when
 * the rename fails. On macOS the system's own trash call does the move.
 */
namespace TrashMover {

/// The trash the scanner lists and validation allows (see TrashLocation.h), so that what is
/// moved there shows up in the next scan of the Trash. Read afresh on every call.
std::filesystem::path homeTrashFolder();

/// Moves the opened item to the user's Trash: the platform's trash where there is one (macOS),
/// otherwise the freedesktop.org home trash at homeTrashFolder().
RemovalResult moveToTrash(const RemovalTarget& target);

/**
 * @brief Moves the opened item into the freedesktop.org trash rooted at `homeTrash`, or, for an
 * item on another file system, into that volume's trash.
 *
 * The item's parent folder and identity are confirmed just before, and an item with another
 * mount inside is refused (see mountRefusal); the rename is made
 * relative to the descriptor that was confirmed, never replaces an existing entry, and the
 * entry that arrives is checked to be the item (a swap in that instant is put back).
 */
RemovalResult moveToTrash(const RemovalTarget& target, const std::filesystem::path& homeTrash);

} // namespace TrashMover
} // namespace orvelane
