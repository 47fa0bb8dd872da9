#pragma once

#include "CategoryKind.h"
#include "ExclusionList.h"
#include "Layout.h"
#include "RemovalResult.h"
#include "ScanRecords.h"
#include "UndoJournal.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// What the worker did: bytes freed (the scanned sizes of removed items) and one message per item kept.
struct CleanOutcome
{
    std::int64_t cleaned = 0;
    std::vector<std::string> errors;
    /// Items left untouched because a stop was asked for before their turn.
    std::size_t skippedByStop = 0;
    /// The items moved to the Trash whose entry is known, in item order: what an undo puts back.
    std::vector<UndoEntry> trashed;
};

/**
 * @brief Removes one validated item; nothing on success, otherwise the failure's description.
 *
 * The platform remover acts on the very object that was validated (parent folder opened
 * without following links, identity confirmed) so that a swap between check and removal
 * cannot redirect it. Tests substitute their own.
 */
class ItemRemover
{
public:
    virtual ~ItemRemover() = default;
    virtual std::optional<std::string> moveToTrash(const ScannedItem& item, const std::filesystem::path& home) = 0;
    /// Moves to the Trash and tells where the item landed, for an undo. By default that place is
    /// not known (and nothing can be put back).
    virtual RemovalResult trash(const ScannedItem& item, const std::filesystem::path& home)
    {
        return {moveToTrash(item, home), {}};
    }
    virtual std::optional<std::string> removePermanently(const ScannedItem& item,
                                                         const std::filesystem::path& home) = 0;
};

/// The remover backed by the real Trash and file system.
ItemRemover& platformRemover();

/**
 * @brief Validates and removes the items one after the other, never stopping early.
 *
 * Items of the Trash category are deleted permanently, all others moved to the Trash. Each
 * item is checked against the disk immediately before its removal. Messages read
 * "name: reason". An item given twice (however its path is spelled), or reached again through
 * a linked folder or inside an item already removed, is handled once: no second size, no
 * second message. Blocking; run it off the UI thread.
 *
 * When `stop` is given and becomes true, the worker finishes the item in hand (a removal is
 * never abandoned half-way) and leaves the remaining items untouched.
 *
 * With `exclusions`, an item the user excluded since it was listed (as spelled or where it
 * really is) stays, with "Excluded by you": exclusions are checked again like everything else.
 */
CleanOutcome runCleaningWorker(const JunkScanner::Layout& layout, const std::vector<ScannedItem>& items, CategoryKind kind,
                               const std::filesystem::path& home, ItemRemover& remover = platformRemover(),
                               const std::atomic<bool>* stop = nullptr, const ExclusionList* exclusions = nullptr);

} // namespace orvelane
