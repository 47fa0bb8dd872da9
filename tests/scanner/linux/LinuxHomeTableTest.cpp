// One Linux home with the places users met being misjudged: live data offered as junk, junk
// missed, and places the scan offered that the re-check then refused. Each row is one such place;
// the scan's verdict on it and the re-check's must agree.

#include "CleanupValidation.h"
#include "FileAnalysis.h"
#include "JunkScanner.h"
#include "Layout.h"

#include "FakeHome.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace orvelane {
namespace {

using testing::FakeHome;
namespace fs = std::filesystem;

constexpr std::int64_t kMiB = 1'048'576;

struct Place
{
    const char* path;
    CategoryKind kind;
    bool offered;
    std::optional<SafetyLevel> level = {};
    std::optional<SafetyReason> reason = {};
};

using enum CategoryKind;
constexpr auto safe = SafetyLevel::safe;
constexpr auto review = SafetyLevel::review;

const Place kPlaces[] = {
    // Histories are not junk; logs of programs nobody knows are for review; known ones are diagnostic.
    {".local/share/weechat/logs", logs, false},
    {".config/hexchat/logs", logs, false},
    {".local/share/TpLogger/logs", logs, false},
    {".config/some-app/logs", logs, true, review, SafetyReason::mayHoldHistory},
    {".config/Code/logs", logs, true, safe, SafetyReason::diagnosticLog},
    {".local/share/xorg/Xorg.0.log.old", logs, true, safe, SafetyReason::diagnosticLog},
    {".gradle/daemon", logs, true, safe, SafetyReason::diagnosticLog},
    {".config/Slack/Crashpad", logs, true, safe, SafetyReason::diagnosticLog},
    // Global installs and bundled applications: npm install brings none of them back.
    {".npm-global/lib/node_modules", devArtifacts, false},
    {".bun/install/global/node_modules", devArtifacts, false},
    {".volta/tools/image/packages/typescript/lib/node_modules", devArtifacts, false},
    {"opt/Editor/resources/app.asar.unpacked/node_modules", devArtifacts, false},
    {"media/usb/.Trash-1000/files/old-project/node_modules", devArtifacts, false},
    {"Projects/loose/node_modules", devArtifacts, false}, // no package.json beside it
    {"Projects/web/node_modules", devArtifacts, true, review, SafetyReason::dependencyFolder},
    {"Projects/py/.mypy_cache", devArtifacts, true, review, SafetyReason::toolCache},
    {"Projects/py/.pytest_cache", devArtifacts, true, review, SafetyReason::toolCache},
    {"Projects/py/.ruff_cache", devArtifacts, true, review, SafetyReason::toolCache},
    {"Projects/engine/build", devArtifacts, true, review, SafetyReason::requiresRebuild}, // CMake's
    // A sandbox's cache reached through a link into the documents is the documents.
    {"snap/notes/common/.cache", caches, false},
    {"snap/player/common/.cache", caches, true, safe, SafetyReason::oldRegenerable},
    // Caches the layout knows, and ones it does not; places in the cache folder that are not caches.
    {".cache/mozilla", caches, true, safe, SafetyReason::oldRegenerable},
    {".cache/some-tool", caches, true, safe, SafetyReason::oldRegenerable},
    {".cache/ibus", caches, false},
    {".cache/tracker3", caches, true, review, SafetyReason::mayHoldUserData},
    {".config/Code/CachedExtensionVSIXs", caches, true, safe, SafetyReason::oldRegenerable},
    {".config/google-chrome/Default/Cache", caches, true, safe, SafetyReason::oldRegenerable},
    {".config/google-chrome/Default/Service Worker/CacheStorage", caches, true, review,
     SafetyReason::mayHoldUserData},
    {".config/google-chrome/Default/Local Storage", caches, false},
    {".cache/JetBrains/IdeaIC2024.1/LocalHistory", devCaches, false},
    {".cache/JetBrains/IdeaIC2024.1/caches", devCaches, true, safe, SafetyReason::oldRegenerable},
    {".nvm/.cache", devCaches, true, safe, SafetyReason::oldRegenerable},
    // Downloads say what they are.
    {"Downloads/tool_1.0_amd64.deb", downloads, true, review, SafetyReason::installer},
    {"Downloads/debian-12.iso", downloads, true, review, SafetyReason::diskImage},
    {"Downloads/photos.tar.gz", downloads, true, review, SafetyReason::archive},
    {"Downloads/film.mkv.part", downloads, true, safe, SafetyReason::unfinishedDownload},
    {"Downloads/notes.odt", downloads, true, review, SafetyReason::userFile},
};

class LinuxHomeTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* log : {".local/share/weechat/logs/irc.libera.#debian.weechatlog",
                                ".config/hexchat/logs/Libera/#debian.log", ".local/share/TpLogger/logs/x/y.log",
                                ".config/some-app/logs/today.log", ".config/Code/logs/20240501/main.log",
                                ".local/share/xorg/Xorg.0.log.old", ".gradle/daemon/8.5/daemon-1.out.log",
                                ".config/Slack/Crashpad/completed/report.dmp"})
            home.file(log, 2000);
        for (const char* global : {".npm-global/lib", ".bun/install/global", ".volta/tools/image/packages/typescript/lib",
                                   "opt/Editor/resources/app.asar.unpacked", "media/usb/.Trash-1000/files/old-project",
                                   "Projects/web"}) {
            home.allocated(fs::path(global) / "node_modules/dep/blob", 6 * kMiB);
            home.file(fs::path(global) / "package.json", 30);
        }
        home.allocated("Projects/loose/node_modules/dep/blob", 6 * kMiB);
        home.file("Projects/py/pyproject.toml", 30);
        for (const char* tool : {".mypy_cache", ".pytest_cache", ".ruff_cache"})
            home.allocated(fs::path("Projects/py") / tool / "data", 6 * kMiB);
        home.file("Projects/engine/CMakeLists.txt", 30);
        home.file("Projects/engine/build/CMakeCache.txt", 300);
        home.allocated("Projects/engine/build/engine", 6 * kMiB);

        home.file("Documents/notes-data/.cache/index.db", 4000);
        home.folder("snap/notes");
        home.link("snap/notes/common", "../../Documents/notes-data");
        home.file("snap/player/common/.cache/thumbs/x", 4000);

        for (const char* cache : {".cache/mozilla/firefox/p/cache2/entries/E", ".cache/some-tool/blob",
                                  ".cache/ibus/libpinyin/user.db", ".cache/tracker3/files/meta.db",
                                  ".config/Code/CachedExtensionVSIXs/ms-python.vsix",
                                  ".config/google-chrome/Default/Cache/Cache_Data/f_1",
                                  ".config/google-chrome/Default/Service Worker/CacheStorage/abc/index",
                                  ".config/google-chrome/Default/Local Storage/leveldb/000003.log",
                                  ".cache/JetBrains/IdeaIC2024.1/LocalHistory/changes.storageData",
                                  ".cache/JetBrains/IdeaIC2024.1/caches/content.dat", ".nvm/.cache/bin/node.tar.xz"})
            home.file(cache, 4000);

        home.file("Downloads/tool_1.0_amd64.deb", 30'000);
        home.allocated("Downloads/debian-12.iso", 12 * kMiB);
        home.allocated("Downloads/photos.tar.gz", 12 * kMiB);
        home.file("Downloads/film.mkv.part", 30'000);
        home.allocated("Downloads/notes.odt", 12 * kMiB);
        ageEverything();
    }

    // Everything untouched for two months, so that a cache's age does not decide its verdict.
    void ageEverything()
    {
        const Date old = Clock::now() - std::chrono::hours(24 * 60);
        for (auto it = fs::recursive_directory_iterator(home.root()); it != fs::recursive_directory_iterator(); ++it)
            home.setModified(fs::relative(it->path(), home.root()), old);
    }

    // The scan of every category the row names, once.
    const ScannedItem* scanned(const Place& place)
    {
        auto found = results.find(place.kind);
        if (found == results.end())
            found = results.emplace(place.kind, JunkScanner::scan(JunkScanner::activeLayout(), place.kind)).first;
        for (const ScannedItem& item : found->second.items)
            if (item.path == home / place.path)
                return &item;
        return nullptr;
    }

    FakeHome home;
    std::map<CategoryKind, ScanResult> results;
};

TEST_F(LinuxHomeTable, EachPlaceIsOfferedOrNotAsWhatItIsWithAHintThatSaysHowItComesBack)
{
    for (const Place& place : kPlaces) {
        const ScannedItem* item = scanned(place);
        ASSERT_EQ(item != nullptr, place.offered) << place.path;
        if (!item)
            continue;
        EXPECT_EQ(item->safetyLevel, place.level) << place.path;
        EXPECT_EQ(item->safetyReason, place.reason) << place.path;
        const bool hinted = item->actionHint && !item->actionHint->empty();
        EXPECT_TRUE(hinted || place.kind == downloads) << place.path << ": no hint";
    }
    // Nowhere two rows of one list that read the same.
    for (const auto& [kind, result] : results) {
        std::set<std::string> names;
        for (const ScannedItem& item : result.items)
            EXPECT_TRUE(names.insert(item.name).second) << rawValue(kind) << ": " << item.name << " twice";
    }
}

TEST_F(LinuxHomeTable, WhatTheScanOffersTheReCheckAcceptsAndWhatItNeverOffersTheReCheckRefuses)
{
    for (const Place& place : kPlaces) {
        const ScannedItem* item = scanned(place);
        ScannedItem asked;
        asked.path = home / place.path;
        asked.name = place.path;
        asked.inode = JunkScanner::inodeOf(asked.path);
        const auto refusal =
            JunkScanner::validationFailure(JunkScanner::activeLayout(), item ? *item : asked, place.kind, home.root());
        EXPECT_EQ(!refusal.has_value(), place.offered) << place.path << ": " << refusal.value_or("accepted");
    }
}

TEST_F(LinuxHomeTable, NamesTellTheProgramAndTheItemsOfOneNameApart)
{
    home.allocated("code/site/lib/node_modules/a", 6 * kMiB);
    home.file("code/site/lib/package.json", 30);
    home.allocated("work/api/lib/node_modules/a", 6 * kMiB);
    home.file("work/api/lib/package.json", 30);
    const auto items = JunkScanner::scan(JunkScanner::activeLayout(), devArtifacts).items;
    std::set<std::string> names;
    for (const ScannedItem& item : items)
        names.insert(item.name);
    EXPECT_TRUE(names.contains("lib/node_modules (site)")) << *names.begin();
    EXPECT_TRUE(names.contains("lib/node_modules (api)"));

    const auto caches = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::caches).items;
    const auto chrome = std::find_if(caches.begin(), caches.end(), [&](const ScannedItem& item) {
        return item.path == home / ".config/google-chrome/Default/Cache";
    });
    ASSERT_NE(chrome, caches.end());
    EXPECT_EQ(chrome->name, "Google Chrome web cache");
    EXPECT_EQ(chrome->application, "Google Chrome");
}

} // namespace
} // namespace orvelane
