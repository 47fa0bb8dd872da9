#pragma once

#include "CleanUndo.h"
#include "Layout.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// What putting one Trash entry back came to.
struct PutBackReport
{
    /// Where the entry went back to; empty when it stays in the Trash.
    std::filesystem::path original;
    /// The "name stays in the Trash…" message when it stays.
    std::optional<std::string> message;
    /// The categories besides the Trash whose locations hold the place it went back to: the
    /// ones that list it again.
    std::vector<CategoryKind> rescans;
};

/**
 * @brief Taking cleans back, as both front ends do it: one clean as a whole (see undoClean),
 * newest first, or one Trash entry at a time (see PutBack). Holds the layout that tells which
 * categories a restored place belongs to. Blocking.
 */
class RestoreSession
{
public:
    explicit RestoreSession(const JunkScanner::Layout& layout) : layout_(layout) {}

    /// Undoes the newest clean that may still be undone, or the one of `id` (see undoClean).
    UndoOutcome undo(const std::filesystem::path& home, const std::optional<std::string>& id = {}) const;

    /// The cleans that may still be undone, newest first (see undoableCleans).
    static std::optional<std::vector<UndoableClean>> undoable(const std::filesystem::path& home);

    /// Whether the entry has a record naming a place it may go back to.
    static bool canPutBack(const std::filesystem::path& entry, const std::filesystem::path& home);

    /**
     * @brief Puts one Trash entry back to the place its record names. `name` is how messages and
     * the log call it; `inode`, when known, is the entry a scan saw: another one there stays.
     */
    PutBackReport putBack(const std::filesystem::path& entry, const std::string& name,
                          std::optional<std::uint64_t> inode, const std::filesystem::path& home) const;

private:
    const JunkScanner::Layout& layout_;
};

} // namespace orvelane
