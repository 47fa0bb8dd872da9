// The bounded search of the home folder for regenerable project folders.

#include "DeveloperArtifacts.h"
#include "DirectoryStream.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "LayoutFolders.h"
#include "Logger.h"
#include "PathText.h"
#include "StatusQuery.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace orvelane::JunkScanner {
namespace {

using ListedEntry = std::pair<std::string, EntryKind>;

void logOpenFailure(const std::filesystem::path& folder, int error)
{
    if (error == ENOENT)
        Logger::debug("JunkScanner: Directory does not exist - " + displayText(folder));
    else
        Logger::warning("JunkScanner: Failed to read directory " + displayText(folder) + " - " +
                        FileSystem::describeErrorForLog(error));
}

// The whole listing is taken first: it is logged with its count before anything is entered,
// and the walk is shallow enough for that to stay small.
std::optional<std::vector<ListedEntry>> listEntries(DirectoryStream& folder,
                                                    const std::filesystem::path& path)
{
    std::vector<ListedEntry> entries;
    while (auto entry = folder.next())
        entries.emplace_back(entry->name, entry->kindHint);
    if (folder.error() != 0) {
        logOpenFailure(path, folder.error());
        return std::nullopt;
    }
    Logger::debug("JunkScanner: Found " + std::to_string(entries.size()) + " items in " +
                  displayText(path.filename()));
    return entries;
}

// The folders the walk stays out of by place rather than by name: the trash, and on layouts
// that say so the freedesktop base folders wherever the variables put them in the home.
std::vector<std::filesystem::path> closedFolders(const Layout& layout, const std::filesystem::path& home)
{
    const LayoutFolders folders(home, home);
    std::vector<std::filesystem::path> closed;
    if (const auto& trash = folders.trashRoot())
        closed.push_back(*trash);
    if (layout.walkSkipsBaseFolders)
        for (const Base base : {Base::cache, Base::config, Base::data, Base::state})
            if (const auto folder = folders.base(base))
                closed.push_back(*folder);
    return closed;
}

class ArtifactSearch
{
public:
    ArtifactSearch(const Layout& layout, std::filesystem::path home)
        : home_(std::move(home)), layout_(layout), closed_(closedFolders(layout_, home_))
    {}

    std::vector<std::filesystem::path> run()
    {
        auto root = DirectoryStream::open(home_, DirectoryStream::Links::follow);
        int error = root.error();
        const auto rootStatus = root.isOpen() ? statusOfDescriptor(root.fd(), &error) : std::nullopt;
        if (rootStatus)
            walk(root, *rootStatus, home_, 0);
        else
            logOpenFailure(home_, error);
        if (FileSystem::exists(home_ / terraformPluginCache))
            found_.push_back(home_ / terraformPluginCache);
        return std::move(found_);
    }

private:
    void walk(DirectoryStream& folder, const EntryStatus& folderStatus, const std::filesystem::path& path,
              int depth)
    {
        const auto entries = listEntries(folder, path);
        if (!entries)
            return;
        for (const auto& [name, hint] : *entries) {
            if (hint != EntryKind::directory && hint != EntryKind::unknown)
                continue; // a file or a link: links are never followed
            // Folders only: the status tells links from folders where the listing did not, and
            // where another mount begins (asked without triggering an automount).
            const auto status = statusAt(folder.fd(), name.c_str());
            if (!status || status->kind != EntryKind::directory)
                continue;
            if (isOtherMount(*status, folderStatus)) {
                Logger::debug("JunkScanner: Not searching mount point " + displayText(path / name));
                continue; // neither offered nor searched: its data is not this home's to clean
            }
            if (const DevArtifact* rule = devArtifactNamed(layout_, name)) {
                if (qualifies(folder, name, depth)) {
                    found_.push_back(path / name);
                    continue; // an artifact's own folders are never searched
                }
                if (!rule->searchedWithoutMarker)
                    continue; // nor, for names no plain folder carries, one without its project file
            }
            if (layout_.walkSkip.contains(name))
                continue;
            enter(folder, *status, path / name, depth + 1);
        }
    }

    // The project-file rule, and never a tool's own home that merely carries an artifact's name.
    bool qualifies(const DirectoryStream& folder, const std::string& name, int depth) const
    {
        if (depth == 0 && isToolHomeNamedLikeArtifact(name))
            return false;
        return matchesSiblings(layout_, name, [&](const std::string& s) { return existsBeside(folder, s); });
    }

    void enter(DirectoryStream& parent, const EntryStatus& status, const std::filesystem::path& path,
               int depth)
    {
        if (depth > maxArtifactSearchDepth || isClosed(path))
            return;
        auto child = DirectoryStream::openAt(parent.fd(), path.filename().c_str());
        if (!child.isOpen()) {
            logOpenFailure(path, child.error());
            return;
        }
        walk(child, status, path, depth);
    }

    bool isClosed(const std::filesystem::path& path) const
    {
        return std::any_of(closed_.begin(), closed_.end(), [&](const std::filesystem::path& folder) {
            return path.filename() == folder.filename() && path == folder;
        });
    }

    static bool existsBeside(const DirectoryStream& folder, const std::string& sibling)
    {
        struct stat status
        {};
        return ::fstatat(folder.fd(), sibling.c_str(), &status, 0) == 0; // follows links, like exists()
    }

    std::filesystem::path home_;
    const Layout& layout_;
    std::vector<std::filesystem::path> closed_;
    std::vector<std::filesystem::path> found_;
};

} // namespace

std::vector<std::filesystem::path> findDevArtifacts(const Layout& layout)
{
    auto found = ArtifactSearch(layout, homeFolder()).run();
    Logger::debug("JunkScanner: Found " + std::to_string(found.size()) + " developer artifacts");
    return found;
}

} // namespace orvelane::JunkScanner
