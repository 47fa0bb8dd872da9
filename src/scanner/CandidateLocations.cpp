#include "CandidateLocations.h"

#include "DeveloperArtifacts.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "LocationRules.h"
#include "Logger.h"
#include "PathText.h"
#include "TrashLocation.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace orvelane::JunkScanner {
namespace {

using Paths = std::vector<std::filesystem::path>;

std::vector<Candidate> fromRows(const Layout& layout, CategoryKind kind, const std::filesystem::path& home)
{
    const LayoutFolders folders(home, home);
    ListingCache listings;
    std::vector<Candidate> candidates;
    std::size_t rows = 0;
    for (const Location& row : layout.locations) {
        if (row.category != kind)
            continue;
        ++rows;
        const std::size_t before = candidates.size();
        appendCandidates(layout, row, folders, listings, candidates);
        if (kind == CategoryKind::xcode)
            Logger::debug("JunkScanner: Xcode path '" + std::string(row.path) + "' - " +
                          std::to_string(candidates.size() - before) + " items");
    }
    if (kind == CategoryKind::devCaches)
        Logger::debug("JunkScanner: Found " + std::to_string(candidates.size()) + " dev cache paths out of " +
                      std::to_string(rows));
    return candidates;
}

} // namespace

std::vector<Candidate> candidatesOf(const Layout& layout, CategoryKind kind)
{
    const auto home = homeFolder();
    Logger::debug("JunkScanner: Home directory - " + displayText(home));
    if (!isOffered(layout, kind))
        return {};
    if (kind != CategoryKind::devArtifacts)
        return fromRows(layout, kind, home);
    std::vector<Candidate> found;
    for (auto& folder : findDevArtifactsWithProjects(layout))
        found.push_back({std::move(folder.path), nullptr, folder.projectTouched});
    return found;
}

Paths candidateURLs(const Layout& layout, CategoryKind kind)
{
    Paths paths;
    for (auto& candidate : candidatesOf(layout, kind))
        paths.push_back(std::move(candidate.path));
    return paths;
}

Paths contents(const std::filesystem::path& folder, bool includeHidden)
{
    if (!FileSystem::exists(folder)) {
        Logger::debug("JunkScanner: Directory does not exist - " + displayText(folder));
        return {};
    }
    auto listing = FileSystem::list(folder, includeHidden);
    if (listing.error != 0) {
        Logger::warning("JunkScanner: Failed to read directory " + displayText(folder) + " - " +
                        FileSystem::describeErrorForLog(listing.error));
        return {};
    }
    Logger::debug("JunkScanner: Found " + std::to_string(listing.entries.size()) + " items in " +
                  displayText(folder.filename()));
    return std::move(listing.entries);
}

bool hasFullDiskAccess()
{
    int error = 0;
    if (FileSystem::canList(trashItemsFolder(homeFolder()), &error))
        return true;
    // A new account has no trash until something is trashed; that is not a missing permission.
    return error == ENOENT;
}

} // namespace orvelane::JunkScanner
