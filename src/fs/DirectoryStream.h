#pragma once

#include "EntryStatus.h"

#include <dirent.h>
#include <filesystem>
#include <optional>

namespace orvelane {

/**
 * @brief One open folder listing, owning its descriptor.
 *
 * Walks open each folder relative to its parent's descriptor, so no path ever has to be
 * spelled out in full (no PATH_MAX limit) and a folder swapped for a link between listing and
 * opening is refused rather than followed. "." and ".." are never returned.
 */
class DirectoryStream
{
public:
    enum class Links
    {
        follow,
        refuse
    };

    struct Entry
    {
        const char* name;   // valid until the next call of next() or close()
        EntryKind kindHint; // from the listing itself; `unknown` on file systems without types
    };

    DirectoryStream() = default;
    DirectoryStream(const DirectoryStream&) = delete;
    DirectoryStream& operator=(const DirectoryStream&) = delete;
    DirectoryStream(DirectoryStream&& other) noexcept;
    DirectoryStream& operator=(DirectoryStream&& other) noexcept;
    ~DirectoryStream();

    static DirectoryStream open(const std::filesystem::path& folder, Links links);
    static DirectoryStream openAt(int parentFd, const char* name);
    /// Takes over an already open folder descriptor (closed on failure too).
    static DirectoryStream adopt(int fd);

    bool isOpen() const { return stream_ != nullptr; }
    /// The errno of the failed open, or of the read that ended the listing early; 0 otherwise.
    int error() const { return error_; }
    int fd() const;

    /// The next entry, or nothing at the end of the listing or after a read failure.
    std::optional<Entry> next();
    void close();

private:
    DIR* stream_ = nullptr;
    int error_ = 0;
};

/// The entry's kind, asking the file system (without following links) only when the listing
/// did not say. Nothing when that query fails.
std::optional<EntryKind> entryKindAt(int dirFd, const char* name, EntryKind hint);

} // namespace orvelane
