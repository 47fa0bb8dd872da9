#pragma once

#include <cstddef>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace orvelane {

/**
 * @brief The pieces of a freedesktop.org trash entry: its name in files/ and info/, and the
 * text of its `.trashinfo` record.
 *
 * Everything is bytes: a file name that is not valid UTF-8 is percent-encoded byte for byte,
 * so any client decodes exactly the original path.
 */
namespace TrashInfoRecord {

/// Every byte except the unreserved characters of RFC 2396 and '/' as "%XX" (upper-case hex).
std::string percentEncoded(std::string_view pathBytes);

/// "YYYY-MM-DDThh:mm:ss" in local time, the record's DeletionDate.
std::string deletionDate(std::time_t when);

/// The whole record: "[Trash Info]", "Path=" with the encoded path, "DeletionDate=".
std::string text(std::string_view originalPathBytes, std::time_t deletedAt);

/// The bytes a percent-encoded text stands for; nothing when an escape is broken or stands
/// for a NUL byte, which no path can hold.
std::optional<std::string> percentDecoded(std::string_view text);

/**
 * @brief The decoded original path of a record's text: the "Path" key of the "[Trash Info]"
 * group, which must be the first group. Nothing when the text is no such record, or names the
 * path twice (two readers could each believe a different one).
 */
std::optional<std::string> originalPath(std::string_view recordText);

/// When the record says the item was deleted (its "DeletionDate", local time); nothing when it
/// says nothing readable.
std::optional<std::time_t> deletedAt(std::string_view recordText);

/// A record is three short lines; one larger than this is not read.
inline constexpr std::size_t maxRecordBytes = 64 * 1024;

/// A record as read from the trash's info/ folder, with the status of the file it came from.
struct Record
{
    std::optional<std::string> text; ///< nothing unless it is a small regular file
    struct stat status{};
};

/**
 * @brief Reads a record only when it is a small regular file: opened without following a link
 * and without blocking, so that a FIFO or device put there can neither hang nor flood us.
 */
Record read(int infoFd, const std::string& recordName);

/// The file name extension of a record, appended to the entry's name in info/.
inline constexpr std::string_view extension = ".trashinfo";

/**
 * @brief The name to try for the attempt-th entry of an item called `name`: the name itself
 * first, then "report 2.pdf", "report 3.pdf", "node_modules 2" — the number goes before the
 * extension so that the file still reads as what it is.
 *
 * The result has at most `maxBytes` bytes (the room left for the record's extension); a longer
 * name is shortened before the extension without splitting a UTF-8 sequence.
 */
std::string entryName(std::string_view name, int attempt, std::size_t maxBytes);

} // namespace TrashInfoRecord
} // namespace orvelane
