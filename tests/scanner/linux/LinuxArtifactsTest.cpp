// The project folders the freedesktop layout adds, and the places its walk stays out of.

#include "DeveloperArtifacts.h"
#include "Layout.h"

#include "FakeHome.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <tuple>

namespace orvelane {
namespace {

using testing::FakeHome;
namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

Paths foundSorted()
{
    auto found = JunkScanner::findDevArtifacts(JunkScanner::activeLayout());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(LinuxArtifacts, EachNewKindIsFoundBesideItsProjectFileOnly)
{
    // {folder, project file beside it, file the folder itself must hold}
    const std::tuple<const char*, const char*, const char*> kinds[] = {
        {".venv", "pyproject.toml", "pyvenv.cfg"}, {"venv", "requirements.txt", "pyvenv.cfg"},
        {".venv", "setup.py", "pyvenv.cfg"},       {".venv", "setup.cfg", "pyvenv.cfg"},
        {"venv", "Pipfile", "pyvenv.cfg"},         {".tox", "tox.ini", ""},
        {".svelte-kit", "svelte.config.js", ""},   {".angular", "angular.json", ""},
        {".parcel-cache", "package.json", ""},     {".turbo", "package.json", ""},
        {".dart_tool", "pubspec.yaml", ""},        {"zig-cache", "build.zig", ""},
        {".zig-cache", "build.zig", ""},           {".stack-work", "stack.yaml", ""},
        {"_build", "mix.exs", ""},                 {"build", "build.gradle", ""},
        {"build", "build.gradle.kts", ""},         {"node_modules", "package.json", ""},
        {".mypy_cache", "pyproject.toml", ""},     {".pytest_cache", "pytest.ini", ""},
        {".ruff_cache", "setup.cfg", ""},          {"target", "build.sbt", ""},
        {"bin", "App.csproj", ""},                 {"obj", "Lib.fsproj", ""},
        {"dist-newstyle", "tool.cabal", ""},       {"vendor", "composer.lock", ""},
        {"zig-out", "build.zig", ""},              {".build", "Package.swift", ""},
        {"elm-stuff", "elm.json", ""},             {"vcpkg_installed", "vcpkg.json", ""},
        {"_build", "dune-project", ""},            {"build", "pubspec.yaml", ""},
        {"cmake-build-debug", "CMakeLists.txt", "CMakeCache.txt"}, // CMake's, whatever its name
    };
    FakeHome home;
    Paths expected;
    int n = 0;
    for (const auto& [folder, marker, inside] : kinds) {
        const auto project = fs::path("code") / ("p" + std::to_string(n++));
        home.folder(project / folder / "inner");
        home.file(project / marker);
        if (*inside)
            home.file(project / folder / inside);
        expected.push_back(home / project / folder);
        const auto bare = fs::path("bare") / ("p" + std::to_string(n));
        home.folder(bare / folder / "inner"); // no project file: not an artifact
        if (*inside) {
            home.file(bare / folder / inside);
            const auto hollow = fs::path("hollow") / ("p" + std::to_string(n));
            home.folder(hollow / folder / "inner"); // the project file without what the folder must hold
            home.file(hollow / marker);
        }
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(foundSorted(), expected);
}

TEST(LinuxArtifacts, APlainFolderNamedBuildIsSearchedButATargetWithoutItsMarkerIsNot)
{
    FakeHome home;
    home.folder("build/website/node_modules/x"); // "build" names many a folder of projects
    home.file("build/website/package.json");
    home.folder("code/app/build/intermediates/node_modules"); // a Gradle build folder: offered, not searched
    home.file("code/app/build.gradle");
    home.folder("code/loose/target/node_modules"); // as on the macOS layout: never searched
    EXPECT_EQ(foundSorted(), (Paths{home / "build/website/node_modules", home / "code/app/build"}));
}

TEST(LinuxArtifacts, TheWalkStaysOutOfSandboxesToolHomesAndEveryBaseFolder)
{
    FakeHome home;
    const char* const closed[] = {
        ".local/share/containers/storage/overlay/3f1e/diff/usr/lib/node_modules",
        ".local/lib/node_modules",
        ".config/Code/extensions/ms-python/node_modules",
        ".cache/yarn/v6/npm-x/node_modules",
        ".var/app/com.visualstudio.code/data/node_modules",
        "snap/code/common/node_modules",
        ".mozilla/firefox/p/node_modules",
        ".thunderbird/p/node_modules",
        ".steam/steam/steamui/node_modules",
        ".wine/drive_c/node_modules",
        ".android/cache/node_modules",
        ".docker/cli-plugins/node_modules",
        ".m2/repository/org/webjars/node_modules",
        ".npm/_npx/1a2b/node_modules",
        "Videos/course/node_modules",
        "code/deep/.cache/proj/node_modules", // names are skipped at any depth
    };
    for (const char* path : closed)
        home.folder(path);
    // Global installs and applications' own code, each with a package.json beside it: what keeps
    // them out is where they lie, not a missing project file.
    const char* const installs[] = {
        ".npm-global/lib/node_modules",
        ".bun/install/global/node_modules",
        ".volta/tools/image/packages/typescript/lib/node_modules",
        "opt/Editor/resources/app.asar.unpacked/node_modules",
        "apps/Chat/resources/app/node_modules",
        "Applications/Tool/node_modules",
        "media/usb/.Trash-1000/files/old-project/node_modules",
        "Downloads/squashfs-root/usr/lib/node_modules",
        ".pnpm-global/5/node_modules",
    };
    for (const char* path : installs) {
        home.folder(path);
        home.file(fs::path(path).parent_path() / "package.json");
    }
    home.folder("code/web/node_modules");
    home.file("code/web/package.json");
    home.folder("code/opt/web/node_modules"); // "opt" is skipped only directly in the home
    home.file("code/opt/web/package.json");
    EXPECT_EQ(foundSorted(), (Paths{home / "code/opt/web/node_modules", home / "code/web/node_modules"}));
    for (const auto& name : JunkScanner::macLayout().walkSkip)
        EXPECT_TRUE(JunkScanner::activeLayout().walkSkip.contains(name)) << name << ": the macOS names hold here too";
}

TEST(LinuxArtifacts, BaseFoldersMovedIntoTheHomeAreClosedWhereverTheyLie)
{
    FakeHome home;
    home.folder("xdg-data/containers/storage/overlay/l/diff/node_modules");
    home.folder("xdg-data/Trash/files/old-project/node_modules");
    home.folder("xdg-state/app/node_modules");
    home.folder("code/web/node_modules");
    home.file("code/web/package.json");
    const std::string data = (home / "xdg-data").string();
    const std::string state = (home / "xdg-state").string();
    ::setenv("XDG_DATA_HOME", data.c_str(), 1); // FakeHome puts them back
    ::setenv("XDG_STATE_HOME", state.c_str(), 1);
    EXPECT_EQ(foundSorted(), Paths{home / "code/web/node_modules"});
}

TEST(LinuxArtifacts, AVirtualEnvironmentIsRebuiltByTheToolWhoseLockFileLiesBesideIt)
{
    FakeHome home;
    const std::pair<const char*, const char*> tools[] = {
        {"poetry.lock", "poetry install"}, {"uv.lock", "uv sync"}, {"Pipfile", "pipenv install"}};
    for (const auto& [lockFile, command] : tools) {
        const auto project = fs::path("code") / lockFile;
        home.file(project / ".venv/pyvenv.cfg");
        home.file(project / "pyproject.toml");
        home.file(project / lockFile);
        EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / project / ".venv"), command);
    }
    home.file("code/plain/venv/pyvenv.cfg");
    home.file("code/plain/requirements.txt");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/plain/venv"),
              "python3 -m venv venv && venv/bin/pip install -r requirements.txt");
    home.file("code/both/.venv/pyvenv.cfg");
    home.file("code/both/pyproject.toml");
    home.file("code/both/poetry.lock");
    home.file("code/both/uv.lock");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/both/.venv"), "uv sync") << "first in the table wins";
    // One folder name, several tools: the project file beside it names the one that rebuilds it.
    const std::pair<const char*, const char*> targets[] = {
        {"Cargo.toml", "cargo build"}, {"pom.xml", "mvn package"}, {"build.sbt", "sbt compile"}};
    for (const auto& [marker, command] : targets) {
        home.file(fs::path("code") / marker / marker);
        home.folder(fs::path("code") / marker / "target");
        EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code" / marker / "target"), command);
    }
    home.file("code/cm/CMakeLists.txt");
    home.file("code/cm/out/CMakeCache.txt");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/cm/out"), "cmake -S . -B out && cmake --build out");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/app/build"), "gradle build");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/ex/_build"), "mix compile");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/x/Build"), std::nullopt);
}

// When each build folder's project was last touched: the newest of the project's own files,
// never the build folders' (nor the dates of folders, which change when a build folder is made).
TEST(LinuxArtifacts, AProjectIsAsOldAsItsNewestOwnFileOutsideEveryBuildFolder)
{
    using namespace std::chrono_literals;
    const Date now = Clock::now();
    const auto daysAgo = [&](int days) { return now - days * 24h; };
    struct Row
    {
        const char* what;
        std::vector<std::pair<const char*, int>> files; ///< {path in the project, days since changed}
        const char* buildFolder;                         ///< the folder whose project date is asked
        std::optional<int> touchedDaysAgo;
    };
    const Row rows[] = {
        {"old sources, a fresh node_modules", {{"package.json", 200}, {"src/index.js", 150}, {"node_modules/x/i.js", 0}},
         "node_modules", 150},
        {"fresh sources, an old node_modules", {{"package.json", 300}, {"src/a/b/deep.js", 1}, {"node_modules/x/i.js", 300}},
         "node_modules", 1},
        {"a fresh file in another build folder of the project",
         {{"Cargo.toml", 100}, {"package.json", 120}, {"target/debug/app", 0}, {"node_modules/x/i.js", 100}},
         "node_modules", 100},
        {"a fresh file in the repository's own folder", {{"package.json", 60}, {".git/index", 0}, {"node_modules/x/i.js", 60}},
         "node_modules", 60},
        {"a nested project counts for the one around it",
         {{"package.json", 400}, {"packages/web/package.json", 2}, {"packages/web/node_modules/x/i.js", 500},
          {"node_modules/x/i.js", 500}},
         "node_modules", 2},
        {"the nested project itself",
         {{"package.json", 3}, {"packages/web/package.json", 40}, {"packages/web/node_modules/x/i.js", 0},
          {"node_modules/x/i.js", 500}},
         "packages/web/node_modules", 40},
        {"a project of nothing but its build folder", {{"build.gradle", 5000}, {"build/out.class", 0}}, "build", 5000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        FakeHome home;
        const fs::path project = "code/app";
        for (const auto& [file, age] : row.files) {
            home.file(project / file);
            home.setModified(project / file, daysAgo(age));
        }
        const auto found = JunkScanner::findDevArtifactsWithProjects(JunkScanner::activeLayout());
        const auto asked = std::find_if(found.begin(), found.end(), [&](const JunkScanner::FoundArtifact& artifact) {
            return artifact.path == home / project / row.buildFolder;
        });
        ASSERT_NE(asked, found.end());
        ASSERT_EQ(asked->projectTouched.has_value(), row.touchedDaysAgo.has_value());
        if (row.touchedDaysAgo) {
            EXPECT_EQ(*asked->projectTouched, daysAgo(*row.touchedDaysAgo));
        }
    }
}

} // namespace
} // namespace orvelane
