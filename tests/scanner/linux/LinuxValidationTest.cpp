// Where the freedesktop layout lets an item be removed from, judged as a crafted scan document
// would test it: every row's shape, the places other rows claim, and artifact-named folders the
// walk could never have offered.

#include "CandidateLocations.h"
#include "CleanupValidation.h"
#include "FileAnalysis.h"
#include "ItemReading.h"
#include "Layout.h"
#include "TrashLocation.h"

#include "FakeHome.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace orvelane {
namespace {

using JunkScanner::isAllowed;
using testing::FakeHome;
namespace fs = std::filesystem;

const std::string kOutside = "The item is no longer inside an allowed cleanup location.";

ScannedItem scanned(const fs::path& url)
{
    return {url,          JunkScanner::displayName(JunkScanner::activeLayout(), url), 1, std::nullopt, SafetyLevel::review, SafetyReason::userFile,
            std::nullopt, JunkScanner::inodeOf(url)};
}

struct Case
{
    CategoryKind kind;
    const char* path;
};

void expectAllowed(const FakeHome& home, std::initializer_list<Case> cases, bool allowed)
{
    for (const auto& [kind, path] : cases) {
        home.file(fs::path(path) / "content");
        EXPECT_EQ(isAllowed(JunkScanner::activeLayout(), home / path, kind, home.root()), allowed) << rawValue(kind) << " " << path;
        EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / path), kind, home.root()),
                  allowed ? std::nullopt : std::optional(kOutside))
            << rawValue(kind) << " " << path;
    }
}

TEST(LinuxValidation, EachRowAllowsWhatItOffersAndWhatLiesInside)
{
    FakeHome home;
    home.file("code/py/requirements.txt");
    home.file("code/py/.venv/pyvenv.cfg");
    home.file("code/app/build.gradle");
    expectAllowed(home,
                  {{CategoryKind::caches, ".cache/mozilla"},
                   {CategoryKind::caches, ".cache/mozilla/firefox"},
                   {CategoryKind::caches, ".var/app/org.gnome.Maps/cache"},
                   {CategoryKind::caches, ".var/app/org.gnome.Maps/cache/tiles"},
                   {CategoryKind::caches, "snap/firefox/common/.cache"},
                   {CategoryKind::caches, ".config/Code/GPUCache"},
                   {CategoryKind::caches, ".config/Code/Service Worker/CacheStorage"},
                   {CategoryKind::logs, ".xsession-errors"},
                   {CategoryKind::logs, ".local/share/xorg/Xorg.0.log"},
                   {CategoryKind::logs, ".npm/_logs"},
                   {CategoryKind::logs, ".config/Code/logs"},
                   {CategoryKind::logs, ".local/state/wireplumber/log/old"},
                   {CategoryKind::devCaches, ".cache/pip"},
                   {CategoryKind::devCaches, ".cache/pypoetry/cache"},
                   {CategoryKind::devCaches, ".local/share/pnpm/store/v3"},
                   {CategoryKind::devCaches, ".cache/huggingface/hub"},
                   {CategoryKind::devArtifacts, "code/py/.venv"},
                   {CategoryKind::devArtifacts, "code/app/build"},
                   {CategoryKind::downloads, "Downloads/tool.deb"},
                   {CategoryKind::trash, ".local/share/Trash/files/old"}},
                  true);
}

TEST(LinuxValidation, FoldersThemselvesAndPlacesOfOtherRowsOrKindsAreRefused)
{
    FakeHome home;
    home.file("code/loose/x");
    expectAllowed(home,
                  {{CategoryKind::caches, ".cache"},                        // the folder of the entries
                   {CategoryKind::caches, ".cache/Orvelane"},               // our own
                   {CategoryKind::caches, ".cache/pypoetry"},               // holds a developer cache
                   {CategoryKind::caches, ".cache/pip"},                    // is one
                   {CategoryKind::caches, ".cache/huggingface"},            // holds the login
                   {CategoryKind::devCaches, ".cache/huggingface"},
                   {CategoryKind::devCaches, ".cache/pypoetry/virtualenvs"},
                   {CategoryKind::caches, ".var/app/org.gnome.Maps"},
                   {CategoryKind::caches, ".var/app/org.gnome.Maps/data"},
                   {CategoryKind::caches, ".var/app/.hidden/cache"},
                   {CategoryKind::caches, ".var/app/a/b/cache"},             // one sub-folder only
                   {CategoryKind::caches, ".config/Code"},
                   {CategoryKind::caches, ".config/Code/User"},
                   {CategoryKind::caches, ".config/Code/logs"},              // a log, not a cache
                   {CategoryKind::caches, ".config/Code/Service Worker"},
                   {CategoryKind::logs, ".local/share/xorg/Xorg.0.conf"},
                   {CategoryKind::logs, ".local/share/xorg"},
                   {CategoryKind::logs, ".local/share/app/nested/logs"},
                   {CategoryKind::logs, ".local/share/Trash/logs"},           // what the trash holds is the trash's
                   {CategoryKind::logs, ".npm"},
                   {CategoryKind::downloads, "Downloads"},
                   {CategoryKind::trash, ".local/share/Trash/info/old.trashinfo"},
                   {CategoryKind::trash, ".local/share/Trash/files"}},
                  false);
    // Guidance is never removed; a virtual environment without its project is no artifact.
    home.file(".local/share/containers/storage/overlay/x");
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / ".local/share/containers/storage", CategoryKind::insights, home.root()));
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / ".local/share/containers/storage"), CategoryKind::insights,
                                             home.root()),
              "Protected items cannot be cleaned.");
    home.folder("code/loose/.venv/lib");
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / "code/loose/.venv"), CategoryKind::devArtifacts, home.root()),
              "The project marker changed after the scan.");
}

TEST(LinuxValidation, ArtifactFoldersTheWalkCouldNeverHaveOfferedAreRefused)
{
    FakeHome home;
    home.file("code/web/package.json");
    home.file("code/app/build.gradle");
    expectAllowed(home,
                  {{CategoryKind::devArtifacts, ".local/share/containers/storage/overlay/3f/diff/usr/lib/node_modules"},
                   {CategoryKind::devArtifacts, ".local/lib/node_modules"},
                   {CategoryKind::devArtifacts, ".config/Code/extensions/ms-python/node_modules"},
                   {CategoryKind::devArtifacts, ".nvm/versions/node/v20.11.0/lib/node_modules"},
                   {CategoryKind::devArtifacts, ".local/share/Trash/files/old/node_modules"},
                   {CategoryKind::devArtifacts, "code/web/node_modules/left-pad/node_modules"},
                   {CategoryKind::devArtifacts, "code/app/build/intermediates/node_modules"},
                   {CategoryKind::devArtifacts, ".gradle/caches/node_modules"},
                   {CategoryKind::devArtifacts, "a/b/c/d/e/f/g/h/i/node_modules"},
                   {CategoryKind::devArtifacts, ".npm-global/lib/node_modules"},
                   {CategoryKind::devArtifacts, "opt/App/resources/app.asar.unpacked/node_modules"},
                   {CategoryKind::devArtifacts, "media/disk/.Trash-1000/files/old/node_modules"}},
                  false);
    home.file("build/website/package.json");
    home.file("1/2/3/4/5/6/7/8/package.json");
    home.file("elsewhere/node_modules/x"); // no package.json beside it: an install tree, not a project's
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / "elsewhere/node_modules"),
                                             CategoryKind::devArtifacts, home.root()),
              "The project marker changed after the scan.");
    expectAllowed(home,
                  {{CategoryKind::devArtifacts, "build/website/node_modules"}, // a plain folder named build
                   {CategoryKind::devArtifacts, "1/2/3/4/5/6/7/8/node_modules"},
                   {CategoryKind::devArtifacts, ".terraform.d/plugin-cache"}},
                  true);
}

TEST(LinuxValidation, TheTrashAndTheOtherBaseFoldersAreWhereTheVariablesPutThem)
{
    FakeHome elsewhere;
    FakeHome home;
    home.file(".local/share/Trash/files/default-place");
    const std::string data = (home / "data").string();
    ::setenv("XDG_DATA_HOME", data.c_str(), 1); // FakeHome puts it back
    EXPECT_EQ(trashItemsFolder(home.root()), home / "data/Trash/files");
    expectAllowed(home, {{CategoryKind::trash, "data/Trash/files/report.pdf"}, {CategoryKind::devCaches, "data/pnpm/store"}},
                  true);
    expectAllowed(home, {{CategoryKind::caches, "data/Trash/files/x"}, {CategoryKind::logs, "data/Trash/log"}}, false);
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), home / "data/Trash/files/report.pdf", CategoryKind::trash, home.root()));
    EXPECT_TRUE(isAllowed(JunkScanner::activeLayout(), home / "data/pnpm/store", CategoryKind::devCaches, home.root()));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / ".local/share/Trash/files/default-place", CategoryKind::trash, home.root()));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / ".local/share/pnpm/store", CategoryKind::devCaches, home.root()));
    // A data folder outside the home: nothing in it may go, whatever a document claims.
    const std::string outside = (elsewhere / "share").string();
    ::setenv("XDG_DATA_HOME", outside.c_str(), 1);
    elsewhere.file("share/Trash/files/theirs");
    elsewhere.file("share/pnpm/store/v3/x");
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), elsewhere / "share/Trash/files/theirs", CategoryKind::trash, home.root()));
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), elsewhere / "share/pnpm/store", CategoryKind::devCaches, home.root()));
}

TEST(LinuxValidation, ALocationReachedThroughALinkIsNotACleanupLocation)
{
    FakeHome home;
    home.file("Documents/thesis/chapter1.odt");
    home.link(".cache", home / "Documents"); // a cache folder that is really the documents
    EXPECT_FALSE(isAllowed(JunkScanner::activeLayout(), home / ".cache/thesis", CategoryKind::caches, home.root()));
    EXPECT_EQ(JunkScanner::validationFailure(JunkScanner::activeLayout(), scanned(home / ".cache/thesis"), CategoryKind::caches, home.root()),
              kOutside);
    EXPECT_TRUE(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::caches).empty()) << "and nothing was offered from it";
}

} // namespace
} // namespace orvelane
