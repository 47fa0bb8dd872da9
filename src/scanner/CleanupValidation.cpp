#include "CleanupValidation.h"

#include "CandidateLocations.h"
#include "DeveloperArtifacts.h"
#include "FileAnalysis.h"
#include "FileSystem.h"
#include "PathResolution.h"
#include "TrashLocation.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace orvelane::JunkScanner {
namespace {

using Path = std::filesystem::path;

// Strictly inside: for the categories whose candidates are the entries of a folder, the folder
// itself is never an item (emptying all of it would also orphan whatever keeps track of it, such
// as the trash's records).
bool isBelow(const Path& item, const Path& folder)
{
    return isContained(item, folder) && standardized(item) != standardized(folder);
}

template <typename Table> bool containedInAny(const Path& item, const Path& root, const Table& locations)
{
    return std::any_of(std::begin(locations), std::end(locations),
                       [&](std::string_view location) { return isContained(item, root / location); });
}

template <typename Table> bool belowAny(const Path& item, const Path& root, const Table& locations)
{
    return std::any_of(std::begin(locations), std::end(locations),
                       [&](std::string_view location) { return isBelow(item, root / location); });
}

bool isToolHome(const Path& item, const Path& root)
{
    return item.parent_path() == root && isToolHomeNamedLikeArtifact(item.filename().native());
}

// The item is the named folder (or inside it) in the library of one container, at exactly
// that place: `layout` is what follows the containers folder, "*" standing for the container.
bool inLibraryOf(const Path& item, const Path& containers, std::initializer_list<std::string_view> layout)
{
    const Path base = standardized(containers);
    if (!isContained(item, base))
        return false;
    const Path relative = standardized(item).lexically_relative(base);
    auto component = relative.begin();
    for (const auto expected : layout) {
        if (component == relative.end() || (expected != "*" && component->native() != expected))
            return false;
        ++component;
    }
    return true;
}

bool inContainerLibrary(const Path& item, const Path& root, std::string_view name)
{
    return inLibraryOf(item, root / containersLocation, {"*", "Data", "Library", name}) ||
           inLibraryOf(item, root / groupContainersLocation, {"*", "Library", name});
}

bool isTerraformPluginCache(const Path& item)
{
    return item.filename() == "plugin-cache" &&
           std::string_view(item.native()).ends_with("/" + std::string(terraformPluginCache));
}

// Trailing separators make the system follow a final link; checks of the item itself drop them.
Path itemItself(const Path& url)
{
    std::string raw = url.native();
    while (raw.size() > 1 && raw.back() == '/')
        raw.pop_back();
    return raw;
}

} // namespace

bool isContained(const Path& path, const Path& folder)
{
    const std::string inner = standardized(path).native();
    const std::string outer = standardized(folder).native();
    if (inner == outer)
        return true;
    const std::string prefix = outer.ends_with('/') ? outer : outer + "/";
    return inner.starts_with(prefix);
}

bool isAllowed(const Path& url, CategoryKind kind, const Path& home)
{
    const auto resolvedItem = resolvingLinks(url);
    const auto resolvedHome = resolvingLinks(home);
    if (!resolvedItem || !resolvedHome)
        return false;
    const Path item = standardized(*resolvedItem);
    const Path root = standardized(*resolvedHome);
    if (!isContained(item, root) || item == root)
        return false; // the home folder itself is never an item, whatever its name
    // Candidates are entries of these folders, except the container libraries, which are
    // candidates themselves; the developer caches and the plugin cache are locations themselves.
    switch (kind) {
    case CategoryKind::caches:
        return isBelow(item, root / cachesLocation) || inContainerLibrary(item, root, "Caches");
    case CategoryKind::logs:
        return isBelow(item, root / logsLocation) || inContainerLibrary(item, root, "Logs");
    case CategoryKind::xcode:
        return belowAny(item, root, xcodeLocations);
    case CategoryKind::devCaches:
        return containedInAny(item, root, devCacheLocations);
    case CategoryKind::devArtifacts:
        if (isToolHome(item, root))
            return false;
        return isContained(item, root / terraformPluginCache) ||
               devArtifactNamed(item.filename().native()) != nullptr;
    case CategoryKind::downloads:
        return isBelow(item, root / downloadsLocation);
    case CategoryKind::trash:
        return isBelow(item, root / trashItemsRelativePath());
    case CategoryKind::insights:
        return false;
    }
    return false;
}

std::optional<std::string> validationFailure(const ScannedItem& item, CategoryKind kind, const Path& home)
{
    if (kind == CategoryKind::insights || item.safetyLevel == SafetyLevel::protected_)
        return "Protected items cannot be cleaned.";
    const Path itself = itemItself(item.url);
    if (!FileSystem::exists(itself))
        return "The item no longer exists.";
    if (const auto status = FileSystem::itemStatus(itself); status && status->kind == EntryKind::symbolicLink)
        return "Symbolic links are not cleaned.";
    if (!isAllowed(itself, kind, home))
        return "The item is no longer inside an allowed cleanup location.";
    if (const auto now = fileID(itself); item.fileID && now && *item.fileID != *now)
        return "The item changed after the scan. Scan again before cleaning.";
    if (kind == CategoryKind::devArtifacts) {
        // Judged where the item really is: "x/node_modules/../target" is the target folder beside x.
        const auto located = resolvingLinks(itself);
        const Path real = located ? standardized(*located) : itself;
        if (isTerraformPluginCache(real))
            return std::nullopt;
        if (!matchesSiblings(real, real.filename().native()))
            return "The project marker changed after the scan.";
    }
    return std::nullopt;
}

} // namespace orvelane::JunkScanner
