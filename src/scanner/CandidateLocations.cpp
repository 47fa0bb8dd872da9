#include "CandidateLocations.h"

#include "DeveloperArtifacts.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "Logger.h"
#include "PathText.h"
#include "TrashLocation.h"

#include <algorithm>
#include <cerrno>
#include <string>

namespace orvelane::JunkScanner {
namespace {

using Paths = std::vector<std::filesystem::path>;

void append(Paths& to, Paths&& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

Paths xcodeCandidates(const std::filesystem::path& home)
{
    Paths candidates;
    for (const auto location : xcodeLocations) {
        auto entries = contents(home / location, false);
        Logger::debug("JunkScanner: Xcode path '" + std::string(location) + "' - " +
                      std::to_string(entries.size()) + " items");
        append(candidates, std::move(entries));
    }
    return candidates;
}

template <std::size_t N>
Paths existingLocations(const std::filesystem::path& home, const std::array<std::string_view, N>& table)
{
    Paths found;
    for (const auto location : table) {
        if (FileSystem::exists(home / location))
            found.push_back(home / location);
    }
    return found;
}

Paths devCacheCandidates(const std::filesystem::path& home)
{
    auto found = existingLocations(home, devCacheLocations);
    Logger::debug("JunkScanner: Found " + std::to_string(found.size()) + " dev cache paths out of " +
                  std::to_string(devCacheLocations.size()));
    return found;
}

Paths listedWithContainers(const std::filesystem::path& home, std::string_view location,
                           std::string_view name)
{
    auto candidates = contents(home / location, false);
    append(candidates, containerLibraryDirs(name));
    return candidates;
}

} // namespace

Paths candidateURLs(CategoryKind kind)
{
    const auto home = homeFolder();
    Logger::debug("JunkScanner: Home directory - " + displayText(home));
    switch (kind) {
    case CategoryKind::caches:
        return listedWithContainers(home, cachesLocation, "Caches");
    case CategoryKind::logs:
        return listedWithContainers(home, logsLocation, "Logs");
    case CategoryKind::xcode:
        return xcodeCandidates(home);
    case CategoryKind::devCaches:
        return devCacheCandidates(home);
    case CategoryKind::devArtifacts:
        return findDevArtifacts();
    case CategoryKind::downloads:
        return contents(home / downloadsLocation, false);
    case CategoryKind::trash:
        return contents(trashItemsFolder(home), true);
    case CategoryKind::insights:
        return existingLocations(home, insightLocations);
    }
    return {};
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

Paths containerLibraryDirs(std::string_view name)
{
    const auto home = homeFolder();
    Paths libraries;
    for (const auto& container : contents(home / containersLocation, false))
        libraries.push_back(container / "Data/Library" / name);
    for (const auto& group : contents(home / groupContainersLocation, false))
        libraries.push_back(group / "Library" / name);
    std::erase_if(libraries, [](const auto& path) { return !FileSystem::exists(path); });
    return libraries;
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
