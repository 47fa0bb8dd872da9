// The project folders the freedesktop layout adds, and the places its walk stays out of.

#include "DeveloperArtifacts.h"
#include "Layout.h"

#include "FakeHome.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

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
    const std::pair<const char*, const char*> kinds[] = {
        {".venv", "pyproject.toml"},       {"venv", "requirements.txt"},  {".venv", "setup.py"},
        {".venv", "setup.cfg"},            {"venv", "Pipfile"},           {".tox", "tox.ini"},
        {".svelte-kit", "svelte.config.js"}, {".angular", "angular.json"}, {".parcel-cache", "package.json"},
        {".turbo", "package.json"},        {".dart_tool", "pubspec.yaml"}, {"zig-cache", "build.zig"},
        {".zig-cache", "build.zig"},       {".stack-work", "stack.yaml"}, {"_build", "mix.exs"},
        {"build", "build.gradle"},         {"build", "build.gradle.kts"},
    };
    FakeHome home;
    Paths expected;
    int n = 0;
    for (const auto& [folder, marker] : kinds) {
        const auto project = fs::path("code") / ("p" + std::to_string(n++));
        home.folder(project / folder / "inner");
        home.file(project / marker);
        expected.push_back(home / project / folder);
        const auto bare = fs::path("bare") / ("p" + std::to_string(n));
        home.folder(bare / folder / "inner"); // no project file: not an artifact
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
    home.folder("code/web/node_modules");
    EXPECT_EQ(foundSorted(), Paths{home / "code/web/node_modules"});
    EXPECT_EQ(JunkScanner::activeLayout().walkSkip.size(), 26u + 14u);
}

TEST(LinuxArtifacts, BaseFoldersMovedIntoTheHomeAreClosedWhereverTheyLie)
{
    FakeHome home;
    home.folder("xdg-data/containers/storage/overlay/l/diff/node_modules");
    home.folder("xdg-data/Trash/files/old-project/node_modules");
    home.folder("xdg-state/app/node_modules");
    home.folder("code/web/node_modules");
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
        home.folder(project / ".venv");
        home.file(project / "pyproject.toml");
        home.file(project / lockFile);
        EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / project / ".venv"), command);
    }
    home.folder("code/plain/venv");
    home.file("code/plain/requirements.txt");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/plain/venv"), "pip install");
    home.file("code/both/poetry.lock");
    home.file("code/both/uv.lock");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/both/.venv"), "poetry install") << "first in the table wins";
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/app/build"), "gradle build");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/ex/_build"), "mix compile");
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/x/Build"), std::nullopt);
}

} // namespace
} // namespace orvelane
