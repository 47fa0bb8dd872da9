#pragma once

#include "CategoryKind.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

/// One item a clean moved to the Trash, as an undo needs it.
struct UndoEntry
{
    CategoryKind category = CategoryKind::caches;
    std::string name;                ///< as the clean listed it, for messages
    std::filesystem::path original;  ///< where it was, byte-exact
    std::filesystem::path trashedAs; ///< its entry in a trash's files/ folder
    std::uint64_t device = 0;        ///< the moved item's identity, which the entry keeps
    std::uint64_t inode = 0;
    std::int64_t size = 0; ///< the scanned size that the clean counted

    friend bool operator==(const UndoEntry&, const UndoEntry&) = default;
};

/// The last clean that moved items to the Trash.
struct UndoRecord
{
    std::string id; ///< tells one clean's journal from the next one's
    std::vector<UndoEntry> entries;

    friend bool operator==(const UndoRecord&, const UndoRecord&) = default;
};

/**
 * @brief The journal of the user's last clean: one small private file under
 * `$XDG_STATE_HOME/orvelane/`, shared by the window and the command line.
 *
 * Paths are stored as hexadecimal bytes, so names that are not valid UTF-8 come back exactly.
 * The file is replaced in one rename (a reader sees the old journal or the new one, never half
 * of one), created 0600 in a folder created 0700, and read only when it is a regular file of
 * the user's own, of sane size, whose every line parses; anything else is no journal.
 */
namespace UndoJournal {

/// `$XDG_STATE_HOME/orvelane/last-clean` (~/.local/state when the variable is unset).
std::filesystem::path location(const std::filesystem::path& home);

/// The largest journal read: a clean of tens of thousands of items stays far below it.
inline constexpr std::size_t kMaxBytes = 16 * 1024 * 1024;

/// A fresh identifier for the record of a new clean.
std::string newId();

/// Writes the record in place of any earlier one; nothing on success, otherwise why not.
std::optional<std::string> write(const std::filesystem::path& file, const UndoRecord& record);

/// The record, or nothing when there is none that can be trusted.
std::optional<UndoRecord> read(const std::filesystem::path& file);

/// Removes the journal (nothing to undo any more); a missing journal is no failure.
std::optional<std::string> clear(const std::filesystem::path& file);

/// The text of a record, and the record of a text (nothing when any line is malformed).
std::string text(const UndoRecord& record);
std::optional<UndoRecord> parse(std::string_view text);

} // namespace UndoJournal
} // namespace orvelane
