#include "DeveloperArtifacts.h"

#include "FileSystem.h"

#include <algorithm>

namespace orvelane::JunkScanner {

const std::vector<DevArtifact>& devArtifacts()
{
    // ".gradle" also names Gradle's own home, so a project file must vouch for it.
    static const std::vector<DevArtifact> rules{
        {".terraform", {}, "terraform init"},
        {"node_modules", {}, "npm install"},
        {".next", {}, "next build"},
        {".nuxt", {}, "nuxt build"},
        {".gradle",
         {"settings.gradle", "settings.gradle.kts", "build.gradle", "build.gradle.kts", "gradlew"},
         "gradle build"},
        {"target", {"Cargo.toml", "pom.xml"}, "cargo / mvn build"},
        {"Pods", {"Podfile"}, "pod install"},
    };
    return rules;
}

const DevArtifact* devArtifactNamed(std::string_view dirName)
{
    const auto& rules = devArtifacts();
    const auto found = std::find_if(rules.begin(), rules.end(),
                                    [&](const DevArtifact& rule) { return rule.dirName == dirName; });
    return found == rules.end() ? nullptr : &*found;
}

const std::set<std::string, std::less<>>& devArtifactSkip()
{
    // The library, media folders, version control, editor and tool installations, language
    // caches: large, never a project, or someone else's to manage.
    static const std::set<std::string, std::less<>> names{
        "Library",        "Applications", ".Trash",           ".git",           "Pictures",    "Movies",
        "Music",          ".vscode",      ".vscode-insiders", ".vscode-server", ".vscode-oss", ".cursor",
        ".cursor-server", ".windsurf",    ".windsurf-next",   ".theia",         ".trae",       ".pearai",
        ".positron",      ".nvm",         ".rustup",          ".cargo",         ".rbenv",      ".pyenv",
        ".asdf",          "go",
    };
    return names;
}

bool isToolHomeNamedLikeArtifact(std::string_view dirName)
{
    return std::find(toolHomesNamedLikeArtifacts.begin(), toolHomesNamedLikeArtifacts.end(), dirName) !=
           toolHomesNamedLikeArtifacts.end();
}

bool matchesSiblings(std::string_view name, const std::function<bool(const std::string&)>& existsBeside)
{
    const DevArtifact* rule = devArtifactNamed(name);
    if (rule == nullptr)
        return false;
    if (rule->siblings.empty())
        return true;
    return std::any_of(rule->siblings.begin(), rule->siblings.end(), existsBeside);
}

bool matchesSiblings(const std::filesystem::path& folder, std::string_view name)
{
    const auto parent = folder.parent_path();
    return matchesSiblings(name,
                           [&](const std::string& sibling) { return FileSystem::exists(parent / sibling); });
}

std::optional<std::string> regenCommand(const std::filesystem::path& url)
{
    const auto name = url.filename();
    if (name == "plugin-cache")
        return "terraform init";
    if (const DevArtifact* rule = devArtifactNamed(name.native()))
        return rule->regen;
    return std::nullopt;
}

} // namespace orvelane::JunkScanner
