#include "DeveloperArtifacts.h"

#include "CleanupValidation.h"
#include "FileSystem.h"
#include "Layout.h"

#include <algorithm>

namespace orvelane::JunkScanner {

const DevArtifact* devArtifactNamed(const Layout& layout, std::string_view dirName)
{
    const auto& rules = layout.artifacts;
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&](const DevArtifact& rule) { return rule.dirName == dirName; });
    return found == rules.end() ? nullptr : &*found;
}

bool isToolHomeNamedLikeArtifact(std::string_view dirName)
{
    return std::find(toolHomesNamedLikeArtifacts.begin(), toolHomesNamedLikeArtifacts.end(), dirName) !=
           toolHomesNamedLikeArtifacts.end();
}

bool matchesSiblings(const Layout& layout, std::string_view name,
                     const std::function<bool(const std::string&)>& existsBeside)
{
    const DevArtifact* rule = devArtifactNamed(layout, name);
    if (rule == nullptr)
        return false;
    if (rule->siblings.empty())
        return true;
    return std::any_of(rule->siblings.begin(), rule->siblings.end(), existsBeside);
}

bool matchesSiblings(const Layout& layout, const std::filesystem::path& folder, std::string_view name)
{
    const auto parent = folder.parent_path();
    return matchesSiblings(layout, name,
                           [&](const std::string& sibling) { return FileSystem::exists(parent / sibling); });
}

std::optional<std::string> regenCommand(const Layout& layout, const std::filesystem::path& path)
{
    const auto name = path.filename();
    if (name == "plugin-cache")
        return "terraform init";
    const DevArtifact* rule = devArtifactNamed(layout, name.native());
    if (rule == nullptr)
        return std::nullopt;
    const auto parent = path.parent_path();
    for (const LockFileHint& tool : rule->lockFileHints)
        if (FileSystem::exists(parent / tool.lockFile))
            return tool.regen;
    return rule->regen;
}

bool walkReaches(const Layout& layout, const std::filesystem::path& item, const std::filesystem::path& root,
                 const std::vector<std::filesystem::path>& closedFolders)
{
    const auto relative = item.lexically_relative(root);
    std::vector<std::filesystem::path> parts(relative.begin(), relative.end());
    if (parts.empty() || parts.size() > static_cast<std::size_t>(maxArtifactSearchDepth) + 1)
        return false;
    if (std::any_of(closedFolders.begin(), closedFolders.end(),
                    [&](const std::filesystem::path& folder) { return isContained(item, folder); }))
        return false;
    std::filesystem::path folder = root;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        const std::string& name = parts[i].native();
        if (name == ".." || layout.walkSkip.contains(name))
            return false;
        // An artifact is never searched; a plain folder that merely shares a common name is.
        if (const DevArtifact* rule = devArtifactNamed(layout, name);
            rule && (!rule->searchedWithoutMarker || matchesSiblings(layout, folder / name, name)))
            return false;
        folder /= name;
    }
    return true;
}

} // namespace orvelane::JunkScanner
