#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

/**
 * @brief Puts an item back from a freedesktop.org trash to the place its `.trashinfo` record
 * names, with the same care as moving it there.
 *
 * The record is read only when it is a small regular file, and only a place inside the home
 * folder is accepted (a record is plain text that anyone able to write the trash can craft).
 * The old place's folder is opened without following a link below the home folder; folders
 * missing on the way are created, inside the home folder only, and removed again when the
 * item cannot go back after all. The entry's identity is checked right before the rename,
 * the rename never replaces anything that is at the old place now, and what arrives there is
 * checked to be the entry that was checked (a swap in that instant goes back to the trash).
 * Only then is the record removed.
 *
 * Failures are texts in the current language, fit to show after the item's name.
 */
namespace orvelane::PutBack {

/// What the trash entry must be: the device and inode of the item that was moved there,
/// or the inode a scan of the Trash saw. Unknown parts are not checked.
struct ExpectedEntry
{
    std::optional<std::uint64_t> device = {};
    std::optional<std::uint64_t> inode = {};
    /// Where the item came from, when we moved it ourselves: a record rewritten since then to
    /// name another place is not followed.
    std::optional<std::filesystem::path> original = {};
    /// The moved item's modification time (ns since the epoch) and length, where known: a
    /// volume attached again has another device number, and these with the inode and the
    /// entry's name still tell the entry.
    std::int64_t modifiedNs = 0;
    std::int64_t length = 0;
};

struct Result
{
    /// Why the item stays in the Trash; nothing when it went back.
    std::optional<std::string> failure;
    /// Something new is at the item's old place (or on the way to it); the item stays.
    bool placeTaken = false;
    /// Where the record says the item came from; empty when no usable record was found.
    std::filesystem::path original;
    /// The entry cannot be put back by trying again: it is gone, not the one expected, or has
    /// no usable record. Other failures (a taken place, a link on the way) may pass later.
    bool entryLost = false;

    bool succeeded() const { return !failure; }
};

/// The place the entry's record names, checked as putBack checks it, without touching anything;
/// on failure, the result's failure says why the entry cannot be put back.
Result originalPlace(const std::filesystem::path& entry, const std::filesystem::path& home);

/**
 * @param entry the item inside a trash's files/ folder: "<trash>/files/NAME", its record being
 *        "<trash>/info/NAME.trashinfo"; the home trash or a volume's (".Trash-$uid" or
 *        ".Trash/$uid" under the volume's top, whose records name places relative to the top)
 * @param home the home folder: the only place items go back to, and the folder whose own path
 *        may run through links
 */
Result putBack(const std::filesystem::path& entry, const ExpectedEntry& expected,
               const std::filesystem::path& home);

/// The message for an item that stays in the Trash, in the cleaning pipeline's "name: reason"
/// form; a taken place reads "name stays in the Trash: something new is at its old place."
std::string message(const std::string& name, const Result& result);

} // namespace orvelane::PutBack
