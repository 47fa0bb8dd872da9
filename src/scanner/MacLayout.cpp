// The macOS layout: the library folders, the sandbox containers and the tools' own folders.

#include "Layout.h"
#include "MacLayout.h"

#include "DisplayText.h"

namespace orvelane::JunkScanner {
namespace {

std::vector<Location> macLocations()
{
    using enum CategoryKind;
    std::vector<Location> rows{
        {.category = caches, .base = Base::home, .path = cachesLocation, .shape = Shape::entries},
        {.category = caches, .base = Base::home, .path = containersLocation, .shape = Shape::eachChild,
         .place = "Data/Library/Caches"},
        {.category = caches, .base = Base::home, .path = groupContainersLocation, .shape = Shape::eachChild,
         .place = "Library/Caches"},
        {.category = logs, .base = Base::home, .path = logsLocation, .shape = Shape::entries},
        {.category = logs, .base = Base::home, .path = containersLocation, .shape = Shape::eachChild,
         .place = "Data/Library/Logs"},
        {.category = logs, .base = Base::home, .path = groupContainersLocation, .shape = Shape::eachChild,
         .place = "Library/Logs"},
    };
    for (const auto location : xcodeLocations)
        rows.push_back({.category = xcode, .base = Base::home, .path = location, .shape = Shape::entries});
    for (const auto location : devCacheLocations)
        rows.push_back({.category = devCaches, .base = Base::home, .path = location, .shape = Shape::itself});
    rows.push_back({.category = downloads, .base = Base::home, .path = downloadsLocation, .shape = Shape::entries});
    rows.push_back({.category = trash, .base = Base::trash, .path = "", .shape = Shape::entries, .includeHidden = true});
    for (const auto location : insightLocations)
        rows.push_back({.category = insights, .base = Base::home, .path = location, .shape = Shape::itself});
    return rows;
}

Layout makeMacLayout()
{
    Layout layout{
        .id = LayoutId::macos,
        .name = "macos",
        .categories = {allCategoryKinds.begin(), allCategoryKinds.end()},
        .locations = macLocations(),
        // Before the container rule, so the Docker store inside its container is not named after it.
        .nameSuffixes = {{"com.docker.docker/Data", "Docker data"},
                         {"CoreSimulator/Devices", "iOS Simulator devices"},
                         {"MobileSync/Backup", "iPhone and iPad backups"}},
        .containerMarkers = {"Containers", "Group Containers"},
        .insightHints = {{"com.docker.docker/Data", "docker system prune"},
                         {"CoreSimulator/Devices", "xcrun simctl delete unavailable"},
                         {"MobileSync/Backup", "Finder \u2192 device \u2192 Manage Backups\u2026"}},
        // ".gradle" also names Gradle's own home, so a project file must vouch for it.
        .artifacts = {{".terraform", {}, "terraform init"},
                      {"node_modules", {}, "npm install"},
                      {".next", {}, "next build"},
                      {".nuxt", {}, "nuxt build"},
                      {".gradle",
                       {"settings.gradle", "settings.gradle.kts", "build.gradle", "build.gradle.kts", "gradlew"},
                       "gradle build"},
                      {"target", {"Cargo.toml", "pom.xml"}, "cargo / mvn build"},
                      {"Pods", {"Podfile"}, "pod install"}},
        // The library, media folders, version control, editor and tool installations, language
        // caches: large, never a project, or someone else's to manage.
        .walkSkip = {"Library",        "Applications", ".Trash",           ".git",           "Pictures",
                     "Movies",         "Music",        ".vscode",          ".vscode-insiders", ".vscode-server",
                     ".vscode-oss",    ".cursor",      ".cursor-server",   ".windsurf",      ".windsurf-next",
                     ".theia",         ".trae",        ".pearai",          ".positron",      ".nvm",
                     ".rustup",        ".cargo",       ".rbenv",           ".pyenv",         ".asdf",
                     "go"},
        .installerExtensions = {"dmg", "pkg", "iso"},
        .texts = {.welcomeTitle = DISPLAY_TEXT("Ready to tidy up your Mac"),
                  .revealInFileManager = DISPLAY_TEXT("Reveal in Finder"),
                  .accessTitle = DISPLAY_TEXT("Full Disk Access required"),
                  .accessNotice = DISPLAY_TEXT("Without it, the Trash and some app data can't be scanned."),
                  .accessPlaceholder = DISPLAY_TEXT("Grant Full Disk Access in System Settings, then scan again."),
                  .opensAccessSettings = true},
    };
    return layout;
}

} // namespace

const Layout& macLayout()
{
    static const Layout layout = makeMacLayout();
    return layout;
}

} // namespace orvelane::JunkScanner
