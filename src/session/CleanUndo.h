#pragma once

#include "CategoryKind.h"
#include "CleaningWorker.h"
#include "UndoableClean.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// What undoing a clean did.
struct UndoOutcome
{
    /// There was a clean to undo (the one asked for, when one was).
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

/// What keeping a clean for undoing came to.
struct UndoRecording
{
    /// The clean's entry in the journal; nothing when it moved nothing to the Trash, or when
    /// it could not be kept.
    std::optional<std::string> id;
    /// Why the clean cannot be undone though it moved items to the Trash (in the current
    /// language); nothing when it can, or moved nothing there.
    std::optional<std::string> failure;
};

/**
 * @brief Keeps what a finished clean moved to the Trash for undoing it: its own entry on top
 * of the journal's stack (see UndoJournal), which holds the last UndoJournal::kMaxRecords
 * cleans. The journal is changed under its lock, so cleans that end at the same time, in the
 * window and the command line alike, each keep their entry. Blocking; run it with the clean.
 */
UndoRecording recordCleanForUndo(const CleanOutcome& outcome, const std::filesystem::path& home);

/**
 * @brief The cleans that may still be undone, newest first. Items no longer in the Trash
 * (emptied, put back, restored by another tool) drop out of the journal, and so do cleans left
 * with none. Nothing when the journal is busy or cannot be read. Blocking.
 */
std::optional<std::vector<UndoableClean>> undoableCleans(const std::filesystem::path& home);

/**
 * @brief Puts the items of one clean back from the Trash (see PutBack), each to the place it
 * came from: the newest clean that may still be undone, or the one of `id`. An item whose
 * place is taken again stays in the Trash with a message, and the clean keeps its place in the
 * journal with what may still go back. Blocking.
 *
 * The clean leaves the journal while its items are put back, so that an undo running at the
 * same time takes another one.
 */
UndoOutcome undoClean(const std::filesystem::path& home, const std::optional<std::string>& id = {});

} // namespace orvelane
