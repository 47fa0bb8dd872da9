#pragma once

#include "CategoryKind.h"

#include "FileDescriptor.h"

#include <chrono>
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
    /// The moved item's modification time (ns since the epoch) and length: with the inode and
    /// the name, what tells the entry on a volume attached again under a new device number.
    /// Zero where unknown (journals written before they were kept).
    std::int64_t modifiedNs = 0;
    std::int64_t length = 0;

    friend bool operator==(const UndoEntry&, const UndoEntry&) = default;
};

/// One clean that moved items to the Trash.
struct UndoRecord
{
    std::string id; ///< tells one clean's record from another's
    std::vector<UndoEntry> entries;
    /// When the clean ended, in microseconds since the epoch: the stack's order. Zero where unknown.
    std::int64_t when = 0;

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

/// How many cleans the journal keeps, newest first; older ones drop out.
inline constexpr std::size_t kMaxRecords = 20;

/**
 * @brief The cleans that may still be undone, oldest first: what the journal holds.
 *
 * Reads both forms the journal has had: one clean (written by earlier versions) and the stack.
 * Nothing when a journal is there that cannot be trusted; an empty stack when there is none.
 */
std::optional<std::vector<UndoRecord>> readStack(const std::filesystem::path& file);

/// Writes the stack in place of the journal (at most the newest kMaxRecords, oldest first);
/// an empty stack removes it. Nothing on success, otherwise why not.
std::optional<std::string> writeStack(const std::filesystem::path& file, const std::vector<UndoRecord>& records);

/// The text of a stack, and the stack of a text in either form (nothing when any line is malformed).
std::string stackText(const std::vector<UndoRecord>& records);
std::optional<std::vector<UndoRecord>> parseStack(std::string_view text);

/**
 * @brief Holds the journal for one reader-and-writer at a time, across processes: an advisory
 * lock on a file beside the journal, held while it lives. Every change of the journal is a
 * read, a change and a write under it, so that no writer loses another's clean.
 */
class Lock
{
public:
    /// Waits up to `patience` for the journal; nothing when it stays busy or cannot be locked,
    /// with `why` saying which.
    static std::optional<Lock> acquire(const std::filesystem::path& file, std::chrono::milliseconds patience,
                                       std::string& why);
    Lock(Lock&&) noexcept = default;
    Lock& operator=(Lock&&) noexcept = default;
    ~Lock();

private:
    explicit Lock(FileDescriptor fd);
    FileDescriptor fd_;
};

/// Why a lock was not had when another clean or undo kept the journal all the while.
inline constexpr std::string_view kBusy = "Another clean or undo is using the undo journal.";

/// How long a clean or an undo waits for another one to let go of the journal.
inline constexpr std::chrono::milliseconds kPatience{10'000};

} // namespace UndoJournal
} // namespace orvelane
