#pragma once

#include "FileDescriptor.h"

#include <filesystem>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace orvelane {

/**
 * @brief The folder that holds an item (or is to hold one), opened one folder at a time
 * without following a single link below the trusted ancestor, and kept open.
 *
 * Removing an item and putting one back both act relative to this descriptor, after `confirm`
 * has walked the path once more: a folder on the path swapped for a link (or for another
 * folder) since it was opened is refused instead of followed.
 *
 * Failures are texts fit to show after the item's name (see RemovalResult).
 */
class ParentFolder
{
public:
    /**
     * @param item an absolute path; "." and ".." components are refused
     * @param trustedAncestor a folder above the item, normally the home folder, whose own path
     *        may contain links (a home folder reached through "/home -> /data/home" is the
     *        user's set-up, not an attack); only links below it are refused. A folder that is
     *        not above the item is ignored and the whole path is walked without links.
     * @param createMissing create folders that are missing below the trusted ancestor (never
     *        above it, never through a link), mode 0777 less the umask like any new folder
     */
    static ParentFolder open(const std::filesystem::path& item, const std::filesystem::path& trustedAncestor,
                             bool createMissing = false);

    bool isOpen() const { return !failure_; }
    const std::optional<std::string>& failure() const { return failure_; }

    /// Nothing when the path still leads to the folder that was opened, otherwise why not.
    std::optional<std::string> confirm() const;

    /// Removes the folders this walk created, deepest first, as long as they are still empty.
    void removeCreatedFolders();

    int fd() const { return folder_.get(); }
    const struct stat& status() const { return status_; }
    /// The item's path without "." components, doubled or trailing separators.
    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& name() const { return name_; }

private:
    struct Created
    {
        FileDescriptor parent;
        std::string name;
    };

    FileDescriptor folder_;
    std::filesystem::path path_;
    std::filesystem::path name_;
    std::filesystem::path anchor_;
    std::vector<std::string> belowAnchor_; // the folders from the anchor down to this one
    std::vector<Created> created_;
    struct stat status_{};
    std::optional<std::string> failure_;
};

} // namespace orvelane
