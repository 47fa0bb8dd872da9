// The last check before an item leaves the disk: every refusal in its order of precedence,
// and paths that try to look like somewhere they are not.

#include "Layout.h"
#include "CleanupValidation.h"

#include "CandidateLocations.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "ItemReading.h"
#include "TrashLocation.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using JunkScanner::isAllowed;
using testing::FakeHome;
namespace fs = std::filesystem;

const std::string kProtected = "Protected items cannot be cleaned.";
const std::string kGone = "The item no longer exists.";
const std::string kLink = "Symbolic links are not cleaned.";
const std::string kOutside = "The item is no longer inside an allowed cleanup location.";
const std::string kChanged = "The item changed after the scan. Scan again before cleaning.";
const std::string kMarker = "The project marker changed after the scan.";

// The item as a scan would record it now.
ScannedItem scanned(const fs::path& url, SafetyLevel level = SafetyLevel::review)
{
    return {url,          JunkScanner::displayName(JunkScanner::activeLayout(), url), 1, std::nullopt, level, SafetyReason::userFile,
            std::nullopt, JunkScanner::inodeOf(url)};
}

TEST(CleanupValidation, RefusesInOrderOfPrecedence)
{
    FakeHome home;
    FakeHome outside;
    const auto h = home.root();
    auto verdict = [&](const ScannedItem& item, CategoryKind kind) {
        return JunkScanner::validationFailure(JunkScanner::activeLayout(), item, kind, h);
    };
    // 1. Protected comes first, even for a path that is gone.
    EXPECT_EQ(verdict(scanned(home / "Library/Containers/com.docker.docker/Data"), CategoryKind::insights),
              kProtected);
    EXPECT_EQ(verdict(scanned(home / "Downloads/gone.zip", SafetyLevel::protected_), CategoryKind::downloads),
              kProtected);
    // 2. Gone, or a link whose target is gone.
    home.file("Library/Caches/app/db");
    const auto cache = scanned(home / "Library/Caches/app");
    home.remove("Library/Caches/app");
    EXPECT_EQ(verdict(cache, CategoryKind::caches), kGone);
    home.link("Library/Caches/dangling", home / "nowhere");
    EXPECT_EQ(verdict(scanned(home / "Library/Caches/dangling"), CategoryKind::caches), kGone);
    // 3. A cache folder replaced by a link to a folder elsewhere, even spelled with a trailing slash.
    home.link("Library/Caches/app", home.folder("Documents/precious"));
    EXPECT_EQ(verdict(cache, CategoryKind::caches), kLink);
    auto slashed = cache;
    slashed.path += "/";
    EXPECT_EQ(verdict(slashed, CategoryKind::caches), kLink);
    home.remove("Library/Caches/app");
    // 4. A Downloads item whose parent folder now leads out of the home folder.
    const auto download = scanned(home.file("Downloads/installer.dmg"));
    home.remove("Downloads");
    outside.file("Downloads/installer.dmg");
    home.link("Downloads", outside / "Downloads");
    EXPECT_EQ(verdict(download, CategoryKind::downloads), kOutside);
    // 5. Replaced by a new folder of the same name (made while the old one existed, so the file
    // system cannot reuse its number).
    const auto renewed = scanned(home.folder("Library/Caches/app"));
    home.folder("Library/Caches/app-new");
    home.remove("Library/Caches/app");
    fs::rename(home / "Library/Caches/app-new", home / "Library/Caches/app");
    EXPECT_EQ(verdict(renewed, CategoryKind::caches), kChanged);
    // 6. A build folder whose project file went away.
    home.file("code/rusty/Cargo.toml");
    const auto target = scanned(home.folder("code/rusty/target"));
    EXPECT_EQ(verdict(target, CategoryKind::devArtifacts), std::nullopt);
    home.remove("code/rusty/Cargo.toml");
    EXPECT_EQ(verdict(target, CategoryKind::devArtifacts), kMarker);
}

TEST(CleanupValidation, PassesCurrentItemsOfEveryRemovableCategory)
{
    FakeHome home;
    const auto h = home.root();
    const std::pair<CategoryKind, fs::path> items[] = {
        {CategoryKind::caches, "Library/Caches/com.app"},
        {CategoryKind::caches, "Library/Containers/com.a/Data/Library/Caches"},
        {CategoryKind::logs, "Library/Group Containers/group.g/Library/Logs"},
        {CategoryKind::xcode, "Library/Developer/Xcode/DerivedData/App-x"},
        {CategoryKind::devCaches, ".gradle/caches"},
        {CategoryKind::devArtifacts, "code/web/node_modules"}, // needs no project file
        {CategoryKind::devArtifacts, ".terraform.d/plugin-cache"},
        {CategoryKind::downloads, "Downloads/r\xE9sum\xE9.pdf"},
        {CategoryKind::trash, trashItemsFolder(h).lexically_relative(h) / "old.txt"},
    };
    for (const auto& [kind, relative] : items) {
        home.file(relative / "content");
        EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / relative), kind, h), std::nullopt)
            << relative;
    }
    auto unidentified = scanned(home / "Library/Caches/com.app");
    unidentified.inode.reset(); // no number recorded: the identity check is passed
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), unidentified, CategoryKind::caches, h), std::nullopt);
    home.folder("code/x/.terraform.d/plugin-cache"); // only the one in the home folder counts
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / "code/x/.terraform.d/plugin-cache"),
                                             CategoryKind::devArtifacts, h),
              kOutside);
}

TEST(CleanupValidation, AFolderWhoseEntriesAreTheCandidatesIsNeverAnItemItself)
{
    FakeHome home;
    const auto h = home.root();
    // A crafted scan document naming the folder with its true inode: emptying the trash's
    // items folder would orphan every record, the caches folder would go as a whole.
    const std::pair<CategoryKind, fs::path> folders[] = {
        {CategoryKind::caches, "Library/Caches"},
        {CategoryKind::logs, "Library/Logs"},
        {CategoryKind::xcode, "Library/Developer/Xcode/DerivedData"},
        {CategoryKind::xcode, "Library/Developer/Xcode/iOS DeviceSupport"},
        {CategoryKind::xcode, "Library/Developer/CoreSimulator/Caches"},
        {CategoryKind::downloads, "Downloads"},
        {CategoryKind::trash, trashItemsFolder(h).lexically_relative(h)},
    };
    for (const auto& [kind, relative] : folders) {
        home.file(relative / "entry/content");
        for (const auto& spelled : {home / relative, home / relative / ".", home / relative / "entry/.."}) {
            auto item = scanned(home / relative);
            item.path = spelled;
            ASSERT_EQ(item.inode, testing::inodeByStat(home / relative));
            EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), item, kind, h), kOutside) << spelled;
        }
        EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / relative / "entry"), kind, h), std::nullopt)
            << relative;
    }
    // Where the candidates are the locations themselves, they stay cleanable.
    home.file("Library/Containers/com.a/Data/Library/Caches/blob");
    home.file("Library/Group Containers/group.g/Library/Logs/log");
    home.file(".cache/pip/wheel");
    home.file(".terraform.d/plugin-cache/registry/p");
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / "Library/Containers/com.a/Data/Library/Caches"),
                                             CategoryKind::caches, h),
              std::nullopt);
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / "Library/Group Containers/group.g/Library/Logs"),
                                             CategoryKind::logs, h),
              std::nullopt);
    for (const auto location : JunkScanner::devCacheLocations) {
        home.file(fs::path(location) / "blob");
        EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / location), CategoryKind::devCaches, h),
                  std::nullopt)
            << location;
    }
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / ".terraform.d/plugin-cache"),
                                             CategoryKind::devArtifacts, h),
              std::nullopt);
}

TEST(CleanupValidation, GradleFoldersNeedTheirProjectFileAndTheGradleHomeIsRefused)
{
    FakeHome home;
    const auto h = home.root();
    home.file("code/app/settings.gradle.kts");
    home.folder("code/app/.gradle/8.5");
    const auto gradleFolder = scanned(home / "code/app/.gradle");
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), gradleFolder, CategoryKind::devArtifacts, h), std::nullopt);
    home.remove("code/app/settings.gradle.kts");
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), gradleFolder, CategoryKind::devArtifacts, h), kMarker);
    home.file("code/app/gradlew");
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), gradleFolder, CategoryKind::devArtifacts, h), std::nullopt);

    home.file(".gradle/gradle.properties");
    home.file("build.gradle"); // even a project file beside it does not make it a project's
    home.file("gradlew");
    for (const auto& spelled : {home / ".gradle", home / "code/../.gradle", home / "./.gradle/"})
        EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(spelled), CategoryKind::devArtifacts, h), kOutside)
            << spelled;
}

TEST(AllowedLocations, ContainerLibrariesAndTheTrashMustBeExactlyThere)
{
    // The fake home sets the XDG folders the trash follows; whatever the session set, they lie in it.
    FakeHome home;
    const fs::path h = home.root();
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/A/Data/Library/Caches/sub", CategoryKind::caches, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/A/Data/Documents", CategoryKind::caches, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/A/Data/Library/Caches", CategoryKind::logs, h));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), h / "Library/Group Containers/G/Library/Logs", CategoryKind::logs, h));
    // Look-alikes deeper inside a container, or a container named "Data", are not its library.
    EXPECT_FALSE(
        isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/A/Data/Documents/Data/Library/Caches", CategoryKind::caches, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/Data/Library/Caches", CategoryKind::caches, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / "Library/Group Containers/G/Documents/Library/Logs", CategoryKind::logs, h));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), trashItemsFolder(h) / "old.txt", CategoryKind::trash, h));
#ifndef __APPLE__
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / ".Trash/old.txt", CategoryKind::trash, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), trashRecordsFolder(h) / "old.txt.trashinfo", CategoryKind::trash, h));
#endif
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h / "Library/Containers/com.docker.docker/Data", CategoryKind::insights, h));
}

TEST(AllowedLocations, PathsCannotEscapeThroughDotsLinksPrefixesOrTheHomeItself)
{
    FakeHome home;
    const auto h = home.root();
    home.folder("Downloads/sub");
    home.link("Downloads/shortcut", home.folder("Documents/taxes/2024"));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), home / "Downloads/sub/../file.zip", CategoryKind::downloads, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / "Downloads/../Documents/thesis.pdf", CategoryKind::downloads, h));
    EXPECT_FALSE(
        isAllowed(JunkScanner::activeLayout(), home / "Downloads/shortcut/../2023", CategoryKind::downloads, h)); // ".." after a link
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / "Downloads2/file.zip", CategoryKind::downloads, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / "Library/CachesOld/x", CategoryKind::caches, h));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), h, CategoryKind::devArtifacts, home / "sub/.."));
    EXPECT_TRUE(JunkScanner::isContained("/h/Downloads/a", "/h//Downloads/"));
    EXPECT_TRUE(JunkScanner::isContained("/anything", "/"));
}

TEST(AllowedLocations, TheHomeFolderItselfIsNeverAnItemEvenWhenItsNameIsAnArtifactName)
{
    // Named like an artifact, so that only the home rule can refuse it.
    FakeHome home("node_modules");
    const auto h = home.root();
    ASSERT_EQ(h.filename(), "node_modules");
    home.folder("code/node_modules");
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), h / "code/node_modules", CategoryKind::devArtifacts, h));
    for (const auto& spelled : {h, h / "code/..", fs::path(h.native() + "/")})
        EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), spelled, CategoryKind::devArtifacts, h)) << spelled;
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(h), CategoryKind::devArtifacts, h), kOutside);
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(h / "code/.."), CategoryKind::devArtifacts, h),
              kOutside);
}

TEST(AllowedLocations, TheHomeFolderMayBeGivenWithASlashOrThroughALink)
{
    FakeHome home;
    FakeHome elsewhere;
    const auto item = home.folder("Library/Caches/app");
    const auto viaLink = elsewhere.link("home-link", home.root());
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), item, CategoryKind::caches, home.root().native() + "/"));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), item, CategoryKind::caches, viaLink));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), viaLink / "Library/Caches/app", CategoryKind::caches, home.root()));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), viaLink / "Library/Caches/app", CategoryKind::downloads, home.root()));
}

} // namespace
} // namespace orvelane
