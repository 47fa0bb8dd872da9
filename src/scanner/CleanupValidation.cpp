#include "CleanupValidation.h"

#include "CandidateLocations.h"
#include "Layout.h"
#include "LayoutFolders.h"
#include "LocationRules.h"
#include "DeveloperArtifacts.h"
#include "FileAnalysis.h"
#include "FileSystem.h"
#include "PathResolution.h"
#include "TrashLocation.h"

#include <algorithm>
#include <string_view>

namespace orvelane::JunkScanner {
namespace {

using Path = std::filesystem::path;

bool isToolHome(const Path& item, const Path& root)
{
    return item.parent_path() == root && isToolHomeNamedLikeArtifact(item.filename().native());
}

bool isTerraformPluginCache(const Path& item)
{
    return item.filename() == "plugin-cache" &&
           std::string_view(item.native()).ends_with("/" + std::string(terraformPluginCache));
}

bool artifactAllowed(const Layout& layout, const Path& item, const Path& root, const LayoutFolders& folders)
{
    if (isToolHome(item, root))
        return false;
    if (isContained(item, root / terraformPluginCache))
        return true;
    const bool named = devArtifactNamed(layout, item.filename().native()) != nullptr;
    return (named || hasRulesForAnyName(layout)) && walkReaches(layout, item, root, walkClosedFolders(layout, folders));
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

bool isAllowed(const Layout& layout, const Path& path, CategoryKind kind, const Path& home)
{
    const auto resolvedItem = resolvingLinks(path);
    const auto resolvedHome = resolvingLinks(home);
    if (!resolvedItem || !resolvedHome)
        return false;
    const Path item = standardized(*resolvedItem);
    const Path root = standardized(*resolvedHome);
    if (!isContained(item, root) || item == root)
        return false; // the home folder itself is never an item, whatever its name
    if (isGuidanceOnly(kind) || !isOffered(layout, kind))
        return false; // guidance is shown, never removed
    const LayoutFolders folders(home, root);
    // What lies in the trash is the trash's: no other category may reach into it.
    if (const auto& trash = folders.trashRoot(); trash && kind != CategoryKind::trash && isContained(item, *trash))
        return false;
    if (kind == CategoryKind::devArtifacts)
        return artifactAllowed(layout, item, root, folders);
    return std::any_of(layout.locations.begin(), layout.locations.end(), [&](const Location& row) {
        return row.category == kind && rowAllows(layout, row, item, folders);
    });
}

std::optional<std::string> validationFailure(const Layout& layout, const ScannedItem& item, CategoryKind kind,
                                             const Path& home)
{
    if (kind == CategoryKind::insights || item.safetyLevel == SafetyLevel::protected_)
        return "Protected items cannot be cleaned.";
    const Path itself = itemItself(item.path);
    if (!FileSystem::exists(itself))
        return "The item no longer exists.";
    if (const auto status = FileSystem::itemStatus(itself); status && status->kind == EntryKind::symbolicLink)
        return "Symbolic links are not cleaned.";
    if (!isAllowed(layout, itself, kind, home))
        return "The item is no longer inside an allowed cleanup location.";
    if (const auto now = inodeOf(itself); item.inode && now && *item.inode != *now)
        return "The item changed after the scan. Scan again before cleaning.";
    if (kind == CategoryKind::devArtifacts) {
        // Judged where the item really is: "x/node_modules/../target" is the target folder beside x.
        const auto located = resolvingLinks(itself);
        const Path real = located ? standardized(*located) : itself;
        if (isTerraformPluginCache(real))
            return std::nullopt;
        if (qualifyingRule(layout, real) == nullptr)
            return "The project marker changed after the scan.";
    }
    return std::nullopt;
}

ExclusionList withRealLocations(const ExclusionList& exclusions)
{
    ExclusionList both = exclusions;
    for (const Path& excluded : exclusions.paths())
        both.add(realLocation(excluded));
    return both;
}

bool isExcluded(const ExclusionList& exclusions, const Path& item)
{
    return !exclusions.empty() && (exclusions.excludes(item) || exclusions.excludes(realLocation(item)));
}

} // namespace orvelane::JunkScanner
