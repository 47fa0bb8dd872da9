// The freedesktop layout: the XDG base folders, Flatpak and snap sandboxes, the tools' own folders.
//
// Each tool's row follows its documented default (most honour XDG_CACHE_HOME, so their rows are
// written below the cache folder); a comment names the source where the place is not obvious.

#include "Layout.h"

#include "DisplayText.h"

#include <array>

namespace orvelane::JunkScanner {
namespace {

// Our own cache (Qt keeps its QML cache there) is not the user's to clean through us.
constexpr std::array<std::string_view, 1> kOwnCache{"Orvelane"};

// What Electron applications (VS Code, Slack, Discord, …) keep among their settings in
// ~/.config/<app>/; each is rebuilt on the next start.
constexpr std::array<std::string_view, 7> kElectronCaches{
    "Cache", "Code Cache", "GPUCache", "CachedData", "DawnCache", "GrShaderCache", "Service Worker/CacheStorage",
};

Location devCache(Base base, std::string_view path)
{
    return {.category = CategoryKind::devCaches, .base = base, .path = path, .shape = Shape::itself,
            .naming = Naming::fromHome};
}

Location insight(Base base, std::string_view path, std::string_view name, std::string_view hint = {})
{
    return {.category = CategoryKind::insights, .base = base, .path = path, .shape = Shape::itself,
            .naming = Naming::fixed, .name = name, .hint = hint};
}

Location eachChild(CategoryKind category, Base base, std::string_view path, std::string_view place, Naming naming)
{
    return {.category = category, .base = base, .path = path, .shape = Shape::eachChild, .place = place,
            .naming = naming};
}

void addCaches(std::vector<Location>& rows)
{
    using enum CategoryKind;
    // Entries that hold another row's location (pip, the JetBrains caches, …) are left to that row.
    rows.push_back({.category = caches, .base = Base::cache, .path = "", .shape = Shape::entries, .leftOut = kOwnCache});
    // Flatpak points each sandbox's XDG_CACHE_HOME here (docs.flatpak.org, "XDG base directories").
    rows.push_back(eachChild(caches, Base::home, ".var/app", "cache", Naming::child));
    // A snap's XDG_CACHE_HOME lies in its SNAP_USER_COMMON, ~/snap/<name>/common.
    rows.push_back(eachChild(caches, Base::home, "snap", "common/.cache", Naming::child));
    for (const auto folder : kElectronCaches)
        rows.push_back(eachChild(caches, Base::config, "", folder, Naming::childAndPlace));
}

void addLogs(std::vector<Location>& rows)
{
    using enum CategoryKind;
    for (const std::string_view session : {".xsession-errors", ".xsession-errors.old"})
        rows.push_back({.category = logs, .base = Base::home, .path = session, .shape = Shape::itself,
                        .naming = Naming::fromHome});
    // Xorg run without root writes its logs here (Xorg.0.log and the like).
    rows.push_back({.category = logs, .base = Base::data, .path = "xorg", .shape = Shape::entries, .suffix = ".log"});
    rows.push_back({.category = logs, .base = Base::home, .path = ".npm/_logs", .shape = Shape::itself,
                    .naming = Naming::fromHome});
    for (const Base base : {Base::config, Base::state, Base::data})
        for (const std::string_view folder : {"logs", "log"})
            rows.push_back(eachChild(logs, base, "", folder, Naming::childAndPlace));
}

void addDevCaches(std::vector<Location>& rows)
{
    for (const auto path : {".npm/_cacache", ".gradle/caches", ".cargo/registry/cache", "go/pkg/mod/cache"})
        rows.push_back(devCache(Base::home, path));
    rows.push_back(devCache(Base::data, "pnpm/store"));
    for (const auto path : {"pip", "pypoetry/cache", "pypoetry/artifacts", "uv", "yarn"})
        rows.push_back(devCache(Base::cache, path));
    rows.push_back(devCache(Base::home, ".yarn/berry/cache"));
    rows.push_back(devCache(Base::cache, "go-build"));
    for (const auto path : {".cargo/registry/src", ".cargo/git/checkouts", ".gradle/wrapper/dists", ".m2/repository",
                            ".nuget/packages"})
        rows.push_back(devCache(Base::home, path));
    for (const auto path : {"bazel", "node-gyp", "ms-playwright", "Cypress", "electron", "deno", "ccache"})
        rows.push_back(devCache(Base::cache, path));
    rows.push_back(devCache(Base::home, ".ccache")); // ccache before 4.0, and wherever it still exists
    rows.push_back(devCache(Base::cache, "sccache"));
    rows.push_back(devCache(Base::cache, "JetBrains"));
    // Only the downloads: HF_HOME (~/.cache/huggingface) also holds the access token
    // (huggingface.co/docs/huggingface_hub, "Environment variables").
    for (const auto path : {"huggingface/hub", "huggingface/datasets", "huggingface/xet"})
        rows.push_back(devCache(Base::cache, path));
}

void addInsights(std::vector<Location>& rows)
{
    rows.push_back(insight(Base::data, "containers/storage", "Podman containers and images", "podman system prune"));
    rows.push_back(insight(Base::data, "docker", "Docker data", "docker system prune")); // rootless dockerd
    rows.push_back(insight(Base::home, ".docker/desktop/vms", "Docker data", "docker system prune"));
    rows.push_back(insight(Base::data, "flatpak", "Flatpak apps and runtimes", "flatpak uninstall --unused"));
    rows.push_back(insight(Base::home, ".android/avd", "Android emulators", "Android Studio \u2192 Device Manager"));
    // Where avdmanager puts them when XDG_CONFIG_HOME is set.
    rows.push_back(insight(Base::config, ".android/avd", "Android emulators", "Android Studio \u2192 Device Manager"));
    rows.push_back(insight(Base::data, "Steam/steamapps", "Steam games", "Steam \u2192 Library \u2192 Uninstall"));
    // Both keep their disks in the per-user libvirt session.
    rows.push_back(insight(Base::data, "gnome-boxes/images", "Virtual machine disks"));
    rows.push_back(insight(Base::data, "libvirt/images", "Virtual machine disks"));
    // `ollama serve` run as the user; the system service keeps its models outside the home.
    rows.push_back(insight(Base::home, ".ollama/models", "Ollama models", "ollama rm"));
}

std::vector<Location> linuxLocations()
{
    std::vector<Location> rows;
    addCaches(rows);
    addLogs(rows);
    addDevCaches(rows);
    rows.push_back({.category = CategoryKind::downloads, .base = Base::downloads, .path = "", .shape = Shape::entries});
    rows.push_back({.category = CategoryKind::trash, .base = Base::trash, .path = "", .shape = Shape::entries,
                    .includeHidden = true});
    addInsights(rows);
    return rows;
}

std::vector<DevArtifact> linuxArtifacts()
{
    const std::vector<std::string> python{"pyproject.toml", "requirements.txt", "setup.py", "setup.cfg", "Pipfile"};
    const std::vector<LockFileHint> pythonTools{
        {"poetry.lock", "poetry install"}, {"uv.lock", "uv sync"}, {"Pipfile", "pipenv install"}};
    return {
        {".terraform", {}, "terraform init"},
        {"node_modules", {}, "npm install"},
        {".next", {}, "next build"},
        {".nuxt", {}, "nuxt build"},
        {".gradle",
         {"settings.gradle", "settings.gradle.kts", "build.gradle", "build.gradle.kts", "gradlew"},
         "gradle build"},
        {"target", {"Cargo.toml", "pom.xml"}, "cargo / mvn build"},
        {"Pods", {"Podfile"}, "pod install"},
        {".venv", python, "pip install", pythonTools},
        {"venv", python, "pip install", pythonTools},
        {".tox", {"tox.ini"}, "tox"},
        {".svelte-kit", {"svelte.config.js"}, "svelte-kit sync"},
        {".angular", {"angular.json"}, "ng build"},
        {".parcel-cache", {"package.json"}, "parcel build"},
        {".turbo", {"package.json"}, "turbo run build"},
        {".dart_tool", {"pubspec.yaml"}, "dart pub get"},
        {"zig-cache", {"build.zig"}, "zig build"},
        {".zig-cache", {"build.zig"}, "zig build"},
        {".stack-work", {"stack.yaml"}, "stack build"},
        {"_build", {"mix.exs"}, "mix compile", {}, true},
        {"build", {"build.gradle", "build.gradle.kts"}, "gradle build", {}, true},
    };
}

Layout makeLinuxLayout()
{
    using enum CategoryKind;
    Layout layout{
        .id = LayoutId::linux,
        .name = "linux",
        .categories = {caches, logs, devCaches, devArtifacts, downloads, trash, insights},
        .locations = linuxLocations(),
        .artifacts = linuxArtifacts(),
        // The macOS names, plus the freedesktop base folders, sandboxes, browser and mail
        // profiles, game and Windows prefixes, emulator images, tool homes and videos: none of
        // them holds the user's projects, and their node_modules are someone else's.
        .walkSkip = {"Library",        "Applications", ".Trash",     ".git",      "Pictures",         "Movies",
                     "Music",          ".vscode",      ".vscode-insiders",       ".vscode-server",   ".vscode-oss",
                     ".cursor",        ".cursor-server", ".windsurf",           ".windsurf-next",   ".theia",
                     ".trae",          ".pearai",      ".positron",  ".nvm",      ".rustup",          ".cargo",
                     ".rbenv",         ".pyenv",       ".asdf",      "go",        ".cache",           ".local",
                     ".config",        ".var",         "snap",       ".mozilla",  ".thunderbird",     ".steam",
                     ".wine",          ".android",     ".docker",    ".m2",       ".npm",             "Videos"},
        .walkSkipsBaseFolders = true,
        .installerExtensions = {"dmg", "pkg", "iso", "deb", "rpm", "appimage", "flatpak", "flatpakref", "snap", "run"},
        .texts = {.welcomeTitle = DISPLAY_TEXT("Ready to tidy up your computer"),
                  .revealInFileManager = DISPLAY_TEXT("Show in File Manager"),
                  .accessTitle = DISPLAY_TEXT("The Trash can't be read"),
                  .accessNotice = DISPLAY_TEXT("Check the owner and permissions of the Trash folder, then scan again."),
                  .accessPlaceholder = DISPLAY_TEXT("Check the owner and permissions of %@, then scan again."),
                  .opensAccessSettings = false},
    };
    auto& subtitles = layout.texts.subtitles;
    subtitles[static_cast<std::size_t>(caches)] =
        DISPLAY_TEXT("App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.");
    subtitles[static_cast<std::size_t>(logs)] =
        DISPLAY_TEXT("Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.");
    subtitles[static_cast<std::size_t>(devCaches)] =
        DISPLAY_TEXT("Download caches from npm, pnpm, pip, Gradle, Maven, Cargo, Go, and more.");
    subtitles[static_cast<std::size_t>(downloads)] =
        DISPLAY_TEXT("Installers and large files in your Downloads folder — these are your files, review carefully.");
    return layout;
}

} // namespace

const Layout& linuxLayout()
{
    static const Layout layout = makeLinuxLayout();
    return layout;
}

} // namespace orvelane::JunkScanner
