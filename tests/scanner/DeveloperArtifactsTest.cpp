// The bounded search for regenerable project folders and the project-file rule.

#include "DeveloperArtifacts.h"

#include "TrashLocation.h"
#include "FakeHome.h"

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
    auto found = JunkScanner::findDevArtifacts();
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
    EXPECT_EQ(JunkScanner::findDevArtifacts(), Paths{home / ".terraform.d/plugin-cache"});
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 1 developer artifacts"), 1u);
    home.folder("zzz/node_modules");
    EXPECT_EQ(JunkScanner::findDevArtifacts(),
              (Paths{home / "zzz/node_modules", home / ".terraform.d/plugin-cache"}));
}

TEST(DeveloperArtifacts, AnUnreadableFolderIsReportedAndItsSiblingsStillSearched)
{
    FakeHome home;
    home.folder("code/locked/node_modules");
    home.folder("code/open/node_modules");
    ::chmod((home / "code/locked").c_str(), 0);
    const auto answer = testing::runWithoutPrivileges(home.root(), [&] {
        LogCapture log;
        std::string text;
        for (const auto& path : JunkScanner::findDevArtifacts())
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
    EXPECT_EQ(regenCommand("/h/infra/.terraform"), "terraform init");
    EXPECT_EQ(regenCommand("/h/anything/plugin-cache"), "terraform init");
    EXPECT_EQ(regenCommand("/h/rusty/target"), "cargo / mvn build");
    EXPECT_EQ(regenCommand("/h/web/Node_Modules"), std::nullopt); // names are case-sensitive
    EXPECT_EQ(regenCommand("/h/web/build"), std::nullopt);
}

} // namespace
} // namespace orvelane
