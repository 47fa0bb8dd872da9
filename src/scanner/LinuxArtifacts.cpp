// The freedesktop layout's project folders, each from its tool's own documentation: the folder,
// the project file that must lie beside it, the command that rebuilds it; and the folders the
// project walk stays out of.

#include "DeveloperArtifacts.h"
#include "Layout.h"

namespace orvelane::JunkScanner {
namespace {

using Files = std::vector<std::string>;

// Python projects: the files that make a folder one, and the tool a lock file names.
const Files kPythonProject{"pyproject.toml", "requirements.txt", "setup.py", "setup.cfg", "Pipfile",
                           "tox.ini",        "pytest.ini"};
// A virtual environment comes back by making it anew ("%1$@": its folder) and installing into it,
// not with the system's pip, which Debian refuses to install into (PEP 668).
const std::vector<LockFileHint> kPythonTools{{"uv.lock", "uv sync"},
                                             {"poetry.lock", "poetry install"},
                                             {"Pipfile", "pipenv install"},
                                             {"requirements.txt", "python3 -m venv %1$@ && %1$@/bin/pip install -r requirements.txt"}};
constexpr std::string_view kNewVenv = "python3 -m venv %1$@ && %1$@/bin/pip install -e .";

constexpr auto kDependencies = SafetyReason::dependencyFolder;
constexpr auto kToolCache = SafetyReason::toolCache;

DevArtifact dependencies(DevArtifact rule)
{
    rule.reason = kDependencies;
    return rule;
}

DevArtifact toolCache(std::string name, std::string regen)
{
    return {std::move(name), kPythonProject, std::move(regen), {}, false, {}, kToolCache};
}
const Files kGradleProject{"settings.gradle", "settings.gradle.kts", "build.gradle", "build.gradle.kts", "gradlew"};

DevArtifact javaScript(std::string name, std::string regen, Files siblings = {"package.json"})
{
    return {std::move(name), std::move(siblings), std::move(regen)};
}

DevArtifact toolCacheOf(DevArtifact rule)
{
    rule.reason = kToolCache;
    return rule;
}

} // namespace

std::vector<DevArtifact> linuxArtifacts()
{
    return {
        {".terraform", {}, "terraform init"},
        // A node_modules without its package.json is an install tree (a global prefix, an
        // application's bundle), not a project's: npm cannot bring it back.
        dependencies({"node_modules",
                      {"package.json"},
                      "npm install",
                      {{"pnpm-lock.yaml", "pnpm install"}, {"yarn.lock", "yarn install"}, {"bun.lockb", "bun install"},
                       {"bun.lock", "bun install"}}}),
        javaScript(".next", "next build"),
        javaScript(".nuxt", "nuxt build"),
        javaScript(".svelte-kit", "svelte-kit sync", {"svelte.config.js", "svelte.config.ts"}),
        javaScript(".angular", "ng build", {"angular.json"}),
        toolCacheOf(javaScript(".parcel-cache", "parcel build")),
        javaScript(".turbo", "turbo run build"),
        javaScript(".docusaurus", "docusaurus build"),
        {".gradle", kGradleProject, "gradle build"},
        {".kotlin", kGradleProject, "gradle build"},
        {".cxx", kGradleProject, "gradle build"},
        {"target",
         {"Cargo.toml", "pom.xml", "build.sbt", "project.clj"},
         "cargo build",
         {{"Cargo.toml", "cargo build"}, {"pom.xml", "mvn package"}, {"build.sbt", "sbt compile"},
          {"project.clj", "lein compile"}}},
        dependencies({"Pods", {"Podfile"}, "pod install"}),
        // A virtual environment says so in its pyvenv.cfg (PEP 405).
        dependencies({".venv", kPythonProject, std::string(kNewVenv), kPythonTools, false, "pyvenv.cfg"}),
        dependencies({"venv", kPythonProject, std::string(kNewVenv), kPythonTools, false, "pyvenv.cfg"}),
        dependencies({".tox", {"tox.ini", "pyproject.toml", "setup.cfg"}, "tox"}),
        dependencies({".nox", {"noxfile.py"}, "nox"}),
        toolCache(".mypy_cache", "mypy ."),
        toolCache(".pytest_cache", "pytest"),
        toolCache(".ruff_cache", "ruff check"),
        dependencies({".dart_tool", {"pubspec.yaml"}, "dart pub get"}),
        {"zig-cache", {"build.zig"}, "zig build"},
        {".zig-cache", {"build.zig"}, "zig build"},
        {"zig-out", {"build.zig"}, "zig build"},
        {".stack-work", {"stack.yaml"}, "stack build"},
        {"dist-newstyle", {"cabal.project", "*.cabal"}, "cabal build"},
        {"_build",
         {"mix.exs", "rebar.config", "dune-project"},
         "mix compile",
         {{"mix.exs", "mix compile"}, {"rebar.config", "rebar3 compile"}, {"dune-project", "dune build"}},
         true},
        dependencies({"deps", {"mix.exs"}, "mix deps.get", {}, true}),
        {"build",
         {"build.gradle", "build.gradle.kts", "pubspec.yaml"},
         "gradle build",
         {{"pubspec.yaml", "flutter build"}},
         true},
        // .NET's outputs beside the project file (dotnet build).
        {"bin", {"*.csproj", "*.fsproj", "*.vbproj"}, "dotnet build", {}, true},
        {"obj", {"*.csproj", "*.fsproj", "*.vbproj"}, "dotnet build", {}, true},
        dependencies({"vcpkg_installed", {"vcpkg.json"}, "vcpkg install"}),
        // Only with its lock file can Composer install exactly what was there.
        dependencies({"vendor", {"composer.lock"}, "composer install", {}, true}),
        {".build", {"Package.swift"}, "swift build"},
        dependencies({"elm-stuff", {"elm.json"}, "elm make"}),
        // A CMake build folder, whatever it is called: it holds the CMakeCache.txt that
        // configuring wrote, beside the project's CMakeLists.txt.
        {"", {"CMakeLists.txt"}, "cmake -S . -B %1$@ && cmake --build %1$@", {}, false, "CMakeCache.txt"},
    };
}

void addLinuxWalkRules(Layout& layout)
{
    // The macOS names, plus the freedesktop base folders, sandboxes, browser and mail profiles,
    // game and Windows prefixes, emulator images, tool homes, global installs and videos: none
    // of them holds the user's projects, and their node_modules are someone else's.
    layout.walkSkip = {
        "Library",    "Applications", ".Trash",        ".git",          "Pictures",      "Movies",
        "Music",      ".vscode",      ".vscode-insiders", ".vscode-server", ".vscode-oss", ".cursor",
        ".cursor-server", ".windsurf", ".windsurf-next", ".theia",       ".trae",         ".pearai",
        ".positron",  ".nvm",         ".rustup",       ".cargo",        ".rbenv",        ".pyenv",
        ".asdf",      "go",           ".cache",        ".local",        ".config",       ".var",
        "snap",       ".mozilla",     ".thunderbird",  ".steam",        ".wine",         ".android",
        ".docker",    ".m2",          ".npm",          "Videos",        ".npm-global",   ".bun",
        ".volta",     ".pnpm-global", ".pnpm-store",   ".yarn",         ".deno",         ".dotnet",
        ".sdkman",    ".jdks",        ".ghcup",        ".opam",         ".elan",         ".juliaup",
        ".julia",     ".rvm",         ".gem",          ".conda",        ".pub-cache",    ".stack",
        ".cabal",     ".mix",         ".hex",          ".conan",        ".conan2",       ".nuget",
        ".minikube",  ".vagrant.d",   ".lmstudio",     ".ollama",       "app.asar.unpacked",
        "squashfs-root", "site-packages", "dist-packages",
    };
    // Installed software and other tools' stores, named so directly in the home folder.
    layout.homeWalkSkip = {"opt",         "Android",  "miniconda3", "anaconda3", "miniforge3",
                           "mambaforge",  "Games",    "vmware",     "VirtualBox VMs"};
    // Every trash folder: the home's, and a volume's mounted below the home (.Trash-1000).
    layout.walkSkipPrefixes = {".Trash"};
    // An Electron application's own code, wherever the application is unpacked.
    layout.walkSkipInside = {{"resources", "app"}};
}

} // namespace orvelane::JunkScanner
