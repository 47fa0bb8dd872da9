#pragma once

#include "CategoryKind.h"
#include "CleaningWorker.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// What undoing a clean did.
struct UndoOutcome
{
    /// There was a clean to undo (the journal, and the expected one when one was asked for).
    bool started = false;
    std::size_t restoredCount = 0;
    /// The scanned sizes of the items put back.
    std::int64_t restored = 0;
    /// One message per item that stays in the Trash, in item order.
    std::vector<std::string> errors;
    /// The categories of the clean, in catalogue order: the ones to scan again.
    std::vector<CategoryKind> categories;
    /// Items that stayed but may go back on a later try (a place taken meanwhile, say); the
    /// journal keeps them. Items that can never go back are dropped from it.
    std::size_t remaining = 0;
};

/**
 * @brief Keeps what a finished clean moved to the Trash for undoing it, in the journal of
 * UndoJournal::location(home).
 *
 * A clean that moved nothing there (a permanent deletion of Trash items, or one where every
 * item failed) leaves nothing to undo and clears the previous journal: an undo must never
 * bring back an older clean than the last one. Returns the journal's id when there is
 * something to undo. Blocking; run it with the clean, off the UI thread.
 */
std::optional<std::string> recordCleanForUndo(const CleanOutcome& outcome, CategoryKind kind,
                                              const std::filesystem::path& home);

/**
 * @brief Puts the items of the user's last clean back from the Trash (see PutBack), each to the
 * place it came from; an item whose place is taken again stays in the Trash with a message.
 *
 * With `expectedId`, only the clean of that journal is undone: a window undoes its own clean,
 * not one made meanwhile by the command line. Afterwards the journal keeps only the items that
 * may still go back, or is removed. Blocking.
 */
UndoOutcome undoLastClean(const std::filesystem::path& home, const std::optional<std::string>& expectedId = {});

} // namespace orvelane
