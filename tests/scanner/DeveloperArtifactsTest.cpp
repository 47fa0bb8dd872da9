// The bounded search for regenerable project folders and the project-file rule.

#include "Layout.h"
#include "DeveloperArtifacts.h"

#include "FakeHome.h"
#include "TrashLocation.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvelane {
namespace {

using testing::FakeHome;
using testing::LogCapture;
namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

Paths foundSorted()
{
    auto found = JunkScanner::findDevArtifacts(JunkScanner::activeLayout());
    std::sort(found.begin(), found.end());
    return found;
}

TEST(DeveloperArtifacts, FindsArtifactFoldersWithTheirMarkersAndNeverSearchesInside)
{
    FakeHome home;
    home.folder("code/web/node_modules/left-pad/node_modules");
    home.folder("code/web/.next/cache");
    home.folder("code/infra/.terraform/providers");
    home.folder("rust/target/debug");
    home.file("rust/Cargo.toml");
    home.folder("java/target");
    home.file("java/pom.xml");
    home.folder("loose/target/node_modules"); // no marker: neither offered nor searched
    home.folder("ios/Pods/Alamofire");
    home.file("ios/Podfile");
    home.folder("no-podfile/Pods");
    home.folder("linked-marker/target");
    home.link("linked-marker/Cargo.toml", home / "rust/Cargo.toml");
    home.folder("dangling-marker/target");
    home.link("dangling-marker/pom.xml", home / "gone.xml");
    home.folder("caf\xE9/node_modules");
    EXPECT_EQ(foundSorted(),
              (Paths{home / "caf\xE9/node_modules", home / "code/infra/.terraform", home / "code/web/.next",
                     home / "code/web/node_modules", home / "ios/Pods", home / "java/target",
                     home / "linked-marker/target", home / "rust/target"}));
}

TEST(DeveloperArtifacts, IgnoresLinksFilesSkippedFoldersAndTheTrash)
{
    FakeHome home;
    home.folder("elsewhere/node_modules");
    home.link("code/a/node_modules", home / "elsewhere/node_modules");
    home.file("code/b/node_modules");
    home.link("code/c", home / "elsewhere"); // a linked folder is not entered
    for (const char* skipped : {"Library", "go", ".git", ".vscode", ".cargo", "Pictures", ".Trash"}) {
        home.folder(fs::path(skipped) / "proj/node_modules");
        home.folder(fs::path("code/deep") / skipped / "proj/node_modules");
    }
    home.folder(trashRootFolder(home.root()).lexically_relative(home.root()) / "files/old/node_modules");
    home.folder(".local/share/other/node_modules"); // beside the trash: searched
    EXPECT_EQ(foundSorted(),
              (Paths{home / ".local/share/other/node_modules", home / "elsewhere/node_modules"}));
}

TEST(DeveloperArtifacts, NeverEntersAnyOfTheSkippedNamesAtAnyDepth)
{
    // Written out rather than read from the table, so that a name dropped from it is noticed.
    const char* const skipped[] = {
        "Library",        "Applications", ".Trash",           ".git",           "Pictures",    "Movies",
        "Music",          ".vscode",      ".vscode-insiders", ".vscode-server", ".vscode-oss", ".cursor",
        ".cursor-server", ".windsurf",    ".windsurf-next",   ".theia",         ".trae",       ".pearai",
        ".positron",      ".nvm",         ".rustup",          ".cargo",         ".rbenv",      ".pyenv",
        ".asdf",          "go",
    };
    FakeHome home;
    for (const char* name : skipped) {
        home.folder(fs::path(name) / "versions/v1/lib/node_modules");
        home.folder(fs::path("code/deep") / name / "proj/node_modules");
    }
    home.folder("code/deep/.nvm-notes/proj/node_modules"); // only whole names are skipped
    home.folder("code/deep/library/proj/node_modules");    // and exactly as written
    EXPECT_EQ(foundSorted(), (Paths{home / "code/deep/.nvm-notes/proj/node_modules",
                                    home / "code/deep/library/proj/node_modules"}));
    EXPECT_EQ(JunkScanner::activeLayout().walkSkip.size(), std::size(skipped));
}

TEST(DeveloperArtifacts, AGradleFolderNeedsAProjectFileAndTheGradleHomeIsNeverOne)
{
    FakeHome home;
    const char* const projectFiles[] = {"settings.gradle", "settings.gradle.kts", "build.gradle",
                                        "build.gradle.kts", "gradlew"};
    Paths expected;
    for (const char* projectFile : projectFiles) {
        const auto project = fs::path("code") / (std::string("app-") + projectFile);
        home.folder(project / ".gradle/8.5");
        home.file(project / projectFile);
        expected.push_back(home / project / ".gradle");
    }
    home.folder("code/loose/.gradle/8.5"); // no project file: not Gradle's project cache
    home.file("code/loose/build.gradle.bak");
    // Gradle's own home: credentials, init scripts, wrappers. Not offered even with a build
    // script lying in the home folder beside it.
    home.file(".gradle/gradle.properties");
    home.folder(".gradle/wrapper/dists");
    home.file("build.gradle");
    home.file("gradlew");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(foundSorted(), expected);
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), home / "code/app-gradlew/.gradle"), "gradle build");
}

TEST(DeveloperArtifacts, ListsEightLevelsSoFindsFoldersNineDeepAndNoDeeper)
{
    FakeHome home;
    home.folder("1/2/3/4/5/6/7/8/node_modules");
    home.folder("a/b/c/d/e/f/g/h/i/node_modules");
    EXPECT_EQ(foundSorted(), Paths{home / "1/2/3/4/5/6/7/8/node_modules"});
}

TEST(DeveloperArtifacts, ThePluginCacheComesLastAndTheCountIsLogged)
{
    FakeHome home;
    home.folder(".terraform.d/plugin-cache/registry");
    LogCapture log;
    EXPECT_EQ(JunkScanner::findDevArtifacts(JunkScanner::activeLayout()), Paths{home / ".terraform.d/plugin-cache"});
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 1 developer artifacts"), 1u);
    home.folder("zzz/node_modules");
    EXPECT_EQ(JunkScanner::findDevArtifacts(JunkScanner::activeLayout()),
              (Paths{home / "zzz/node_modules", home / ".terraform.d/plugin-cache"}));
}

TEST(DeveloperArtifacts, AnUnreadableFolderIsReportedAndItsSiblingsStillSearched)
{
    FakeHome home;
    home.folder("code/locked/node_modules");
    home.folder("code/open/node_modules");
    ::chmod((home / "code/locked").c_str(), 0);
    if (!testing::nobodyCanReach(home.top().parent_path())) // where the tree handed to it lies
        GTEST_SKIP() << testing::kCannotDropPrivileges;
    const auto answer = testing::runWithoutPrivileges(home.root(), [&] {
        LogCapture log;
        std::string text;
        for (const auto& path : JunkScanner::findDevArtifacts(JunkScanner::activeLayout()))
            text += path.string() + "|";
        return text + std::to_string(log.count(LogLevel::warning, "JunkScanner: Failed to read directory " +
                                                                      (home / "code/locked").string() +
                                                                      " - Permission denied"));
    });
    EXPECT_EQ(answer, (home / "code/open/node_modules").string() + "|1");
}

TEST(DeveloperArtifacts, RegenerationCommands)
{
    using JunkScanner::regenCommand;
    EXPECT_EQ(regenCommand(JunkScanner::activeLayout(), "/h/infra/.terraform"), "terraform init");
    EXPECT_EQ(regenCommand(JunkScanner::activeLayout(), "/h/anything/plugin-cache"), "terraform init");
    EXPECT_EQ(regenCommand(JunkScanner::activeLayout(), "/h/rusty/target"), "cargo / mvn build");
    EXPECT_EQ(regenCommand(JunkScanner::activeLayout(), "/h/web/Node_Modules"), std::nullopt); // names are case-sensitive
    EXPECT_EQ(regenCommand(JunkScanner::activeLayout(), "/h/web/build"), std::nullopt);
}

} // namespace
} // namespace orvelane
