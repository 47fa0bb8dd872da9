#include "DeveloperArtifacts.h"

#include "CleanupValidation.h"
#include "FileSystem.h"
#include "DisplayText.h"
#include "Layout.h"
#include "PathText.h"

#include <algorithm>

namespace orvelane::JunkScanner {
namespace {

bool satisfies(const DevArtifact& rule, const BesideTest& beside, const InsideTest& inside)
{
    if (!rule.siblings.empty() &&
        std::none_of(rule.siblings.begin(), rule.siblings.end(), [&](const std::string& s) { return beside(s); }))
        return false;
    return rule.inside.empty() || inside(rule.inside);
}

// Whether an entry of the folder matches the pattern: the name itself (as exists() sees it:
// links followed), or any name ending so for "*.ext".
bool liesIn(const std::filesystem::path& folder, std::string_view pattern)
{
    if (!pattern.starts_with('*'))
        return FileSystem::exists(folder / pattern);
    const auto listing = FileSystem::list(folder, true);
    const std::string_view ending = pattern.substr(1);
    return std::any_of(listing.entries.begin(), listing.entries.end(), [&](const std::filesystem::path& entry) {
        const std::string_view name = entry.filename().native();
        return name.size() > ending.size() && name.ends_with(ending);
    });
}

} // namespace

const DevArtifact* devArtifactNamed(const Layout& layout, std::string_view dirName)
{
    if (dirName.empty())
        return nullptr;
    const auto& rules = layout.artifacts;
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&](const DevArtifact& rule) { return rule.dirName == dirName; });
    return found == rules.end() ? nullptr : &*found;
}

bool hasRulesForAnyName(const Layout& layout)
{
    return std::any_of(layout.artifacts.begin(), layout.artifacts.end(),
                       [](const DevArtifact& rule) { return rule.dirName.empty(); });
}

const DevArtifact* qualifyingRule(const Layout& layout, std::string_view name, const BesideTest& beside,
                                  const InsideTest& inside)
{
    if (const DevArtifact* named = devArtifactNamed(layout, name); named && satisfies(*named, beside, inside))
        return named;
    for (const DevArtifact& rule : layout.artifacts)
        if (rule.dirName.empty() && satisfies(rule, beside, inside))
            return &rule;
    return nullptr;
}

const DevArtifact* qualifyingRule(const Layout& layout, const std::filesystem::path& folder)
{
    const auto parent = folder.parent_path();
    return qualifyingRule(
        layout, folder.filename().native(), [&](std::string_view pattern) { return liesIn(parent, pattern); },
        [&](std::string_view name) { return FileSystem::exists(folder / name); });
}

bool isToolHomeNamedLikeArtifact(std::string_view dirName)
{
    return std::find(toolHomesNamedLikeArtifacts.begin(), toolHomesNamedLikeArtifacts.end(), dirName) !=
           toolHomesNamedLikeArtifacts.end();
}

bool walkSkips(const Layout& layout, std::string_view parentName, std::string_view name, int depth)
{
    if (layout.walkSkip.contains(name) || (depth == 0 && layout.homeWalkSkip.contains(name)))
        return true;
    if (std::any_of(layout.walkSkipPrefixes.begin(), layout.walkSkipPrefixes.end(),
                    [&](std::string_view prefix) { return name.starts_with(prefix); }))
        return true;
    return std::any_of(layout.walkSkipInside.begin(), layout.walkSkipInside.end(), [&](const auto& pair) {
        return pair.first == parentName && pair.second == name;
    });
}

std::optional<std::string> regenCommand(const Layout& layout, const std::filesystem::path& path)
{
    const auto name = path.filename();
    if (name == "plugin-cache")
        return "terraform init";
    const DevArtifact* rule = qualifyingRule(layout, path);
    if (rule == nullptr)
        rule = devArtifactNamed(layout, name.native());
    if (rule == nullptr)
        return std::nullopt;
    const auto parent = path.parent_path();
    std::string command = rule->regen;
    for (const LockFileHint& tool : rule->lockFileHints)
        if (liesIn(parent, tool.lockFile)) {
            command = tool.regen;
            break;
        }
    // Commands that name the folder name it as it is on disk, shown as text.
    return substitutePlaceholders(command, {displayText(name)});
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
        if (name == ".." || walkSkips(layout, folder.filename().native(), name, static_cast<int>(i)))
            return false;
        // A project folder is never searched; a plain folder that merely shares a common name is.
        const DevArtifact* named = devArtifactNamed(layout, name);
        if (named && !named->searchedWithoutMarker)
            return false;
        if ((named || hasRulesForAnyName(layout)) && qualifyingRule(layout, folder / name) != nullptr)
            return false;
        folder /= name;
    }
    return true;
}

} // namespace orvelane::JunkScanner
