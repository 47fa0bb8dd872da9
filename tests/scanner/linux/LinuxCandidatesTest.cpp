// What each category looks at on the freedesktop layout, and what it names and explains.

#include "JunkScanner.h"
#include "Layout.h"
#include "TrashLocation.h"

#include "FakeHome.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace orvelane {
namespace {

using testing::FakeHome;
using testing::LogCapture;
namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

constexpr std::int64_t kMiB = 1'048'576;

Paths sorted(Paths paths)
{
    std::sort(paths.begin(), paths.end());
    return paths;
}

Paths candidates(CategoryKind kind)
{
    return sorted(JunkScanner::candidateURLs(JunkScanner::activeLayout(), kind));
}

// Points one XDG variable elsewhere for the life of the object (FakeHome restores the rest).
class Variable
{
public:
    Variable(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~Variable() { previous_ ? ::setenv(name_, previous_->c_str(), 1) : ::unsetenv(name_); }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* name_;
    std::optional<std::string> previous_;
};

void writeUserDirs(const FakeHome& home, const std::string& downloadLine)
{
    home.folder(".config");
    std::ofstream(home / ".config/user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                   << "XDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\n"
                                                   << downloadLine << "\n";
}

TEST(LinuxCandidates, CachesAreTheVisibleEntriesOfTheCacheFolderLessWhatOtherRowsAndWeOwn)
{
    FakeHome home;
    home.file(".cache/mozilla/firefox/abc.default/cache2/entries/E1");
    home.file(".cache/thumbnails/large/t.png");
    home.file(".cache/loose.db");
    home.file(".cache/.hidden-cache");
    home.file(".cache/Orvelane/Orvelane/qmlcache/x.qmlc"); // our own
    home.file(".cache/pip/http-v2/a");                      // a developer cache
    home.file(".cache/JetBrains/IntelliJIdea2024.1/caches/c");
    home.file(".cache/pypoetry/virtualenvs/app-py3.11/bin/python"); // holds pypoetry/cache's place
    home.file(".cache/huggingface/token");                          // holds the hub's place
    EXPECT_EQ(candidates(CategoryKind::caches),
              sorted({home / ".cache/loose.db", home / ".cache/mozilla", home / ".cache/thumbnails"}));
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".cache/mozilla"), "Firefox cache");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".cache/loose.db"), "loose.db") << "unknown entries keep their own name";
}

TEST(LinuxCandidates, SandboxedAndElectronCachesAreTheirOwnItemsNamedAfterTheirApplication)
{
    FakeHome home;
    home.file(".var/app/org.gnome.Maps/cache/tiles/1.png");
    home.file(".var/app/org.gnome.Maps/data/places.db");           // data is not a cache
    home.folder(".var/app/com.example.NoCache/config");             // nothing to offer
    home.file(".var/app/.hidden.App/cache/x");                      // not an application
    home.file(".var/app/org.file.Instead");                         // a file, not an application
    home.file("snap/firefox/common/.cache/mozilla/c");
    home.file("snap/firefox/current/.mozilla/profile");             // the snap's data stays
    home.file(".config/Code/Cache/Cache_Data/f_000001");
    home.file(".config/Code/GPUCache/data_0");
    home.file(".config/Code/Service Worker/CacheStorage/abc/index");
    home.file(".config/Code/Service Worker/Database/x");             // not the cache storage
    home.file(".config/Code/User/settings.json");
    home.file(".config/discord/Code Cache/js/index");
    home.file(".config/gtk-3.0/Cache");                              // a file named so: offered, measured
    LogCapture log;
    const auto found = JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::caches);
    EXPECT_EQ(sorted(found), sorted({home / ".var/app/org.gnome.Maps/cache", home / "snap/firefox/common/.cache",
                                     home / ".config/Code/Cache", home / ".config/Code/GPUCache",
                                     home / ".config/Code/Service Worker/CacheStorage",
                                     home / ".config/discord/Code Cache", home / ".config/gtk-3.0/Cache"}));
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 3 items in .config"), 1u) << "listed once for all rows";

    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".var/app/org.gnome.Maps/cache"), "Maps cache (Flatpak)");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / "snap/firefox/common/.cache"), "Firefox cache (snap)");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".config/Code/GPUCache"), "Visual Studio Code GPU cache");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".config/Code/Service Worker/CacheStorage"),
              "Visual Studio Code service worker cache");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".config/discord/Code Cache"), "Discord code cache");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".var/app/org.gnome.Maps/cache/tiles"), "tiles")
        << "only a row's own candidate takes the row's name";
}

TEST(LinuxCandidates, LogsAreSessionLogsXorgLogsNpmLogsAndTheLogFoldersOfApplications)
{
    FakeHome home;
    home.file(".xsession-errors", 300);
    home.file(".xsession-errors.old", 300);
    home.file(".local/share/xorg/Xorg.0.log");
    home.file(".local/share/xorg/Xorg.0.log.old"); // the one before it
    home.file(".local/share/xorg/Xorg.0.conf");
    home.file(".npm/_logs/2024-05-01T10_00_00_000Z-debug-0.log");
    home.file(".config/Code/logs/20240501/main.log");
    home.file(".local/state/wireplumber/log/x");
    home.file(".local/share/Steam/logs/bootstrap_log.txt");
    home.file(".local/share/app/nested/logs/x"); // not directly in the application's folder
    home.file(".config/Logs/x");                 // names are exact
    EXPECT_EQ(candidates(CategoryKind::logs),
              sorted({home / ".xsession-errors", home / ".xsession-errors.old", home / ".local/share/xorg/Xorg.0.log",
                      home / ".local/share/xorg/Xorg.0.log.old", home / ".npm/_logs", home / ".config/Code/logs", home / ".local/state/wireplumber/log",
                      home / ".local/share/Steam/logs"}));
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".xsession-errors"), "Session error log");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".npm/_logs"), "npm logs");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".local/state/wireplumber/log"), "wireplumber logs");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".local/share/xorg/Xorg.0.log"), "X server log");
}

TEST(LinuxCandidates, DeveloperCachesAreTheToolsDocumentedFoldersInTableOrder)
{
    FakeHome home;
    const char* const present[] = {".npm/_cacache",      ".local/share/pnpm/store",   ".cache/pip",
                                   ".cache/uv",          ".yarn/berry/cache",         ".cache/go-build",
                                   ".cargo/registry/src", ".m2/repository",           ".cache/ms-playwright",
                                   ".ccache",            ".cache/huggingface/hub"};
    for (const char* path : present)
        home.file(fs::path(path) / "entry");
    home.file(".cache/huggingface/token"); // the login: never part of an item
    home.file(".cache/whatever/x");        // a plain cache, not a developer cache
    LogCapture log;
    Paths expected;
    for (const char* path : present)
        expected.push_back(home / path);
    const auto found = JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::devCaches);
    EXPECT_EQ(found, (Paths{home / ".npm/_cacache", home / ".local/share/pnpm/store", home / ".yarn/berry/cache",
                            home / ".cache/pip", home / ".cache/uv", home / ".cache/go-build",
                            home / ".cargo/registry/src", home / ".m2/repository", home / ".ccache",
                            home / ".cache/ms-playwright", home / ".cache/huggingface/hub"}));
    const auto rows = std::count_if(JunkScanner::linuxLayout().locations.begin(),
                                    JunkScanner::linuxLayout().locations.end(),
                                    [](const auto& row) { return row.category == CategoryKind::devCaches; });
    EXPECT_EQ(log.count(LogLevel::debug, "JunkScanner: Found 11 dev cache paths out of " + std::to_string(rows)), 1u);
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".cargo/registry/src"), "Cargo crate sources");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".local/share/pnpm/store"), "pnpm store");
}

TEST(LinuxCandidates, XdgFoldersAreFollowedInsideTheHomeAndIgnoredOutsideIt)
{
    FakeHome elsewhere; // first: the home made last is the one HOME names
    FakeHome home;
    home.file("xdg/cache/fontconfig/c");
    home.file("xdg/cache/pip/wheels/w");
    home.file(".cache/stale/x"); // the default folder no longer counts
    {
        const Variable cache("XDG_CACHE_HOME", (home / "xdg/cache").string());
        EXPECT_EQ(candidates(CategoryKind::caches), Paths{home / "xdg/cache/fontconfig"});
        EXPECT_EQ(candidates(CategoryKind::devCaches), Paths{home / "xdg/cache/pip"});
        EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / "xdg/cache/pip"), "pip cache");
    }
    elsewhere.file("cache/fontconfig/c");
    elsewhere.file("cache/pip/x");
    {
        const Variable cache("XDG_CACHE_HOME", (elsewhere / "cache").string());
        EXPECT_TRUE(candidates(CategoryKind::caches).empty());
        EXPECT_TRUE(candidates(CategoryKind::devCaches).empty());
    }
    {
        const Variable relative("XDG_CACHE_HOME", "xdg/cache"); // not absolute: the default applies
        EXPECT_EQ(candidates(CategoryKind::caches), Paths{home / ".cache/stale"});
    }
    {
        const Variable whole("XDG_CACHE_HOME", home.root().string()); // the whole home is no cache
        EXPECT_TRUE(candidates(CategoryKind::caches).empty());
    }
    home.remove(".cache");
    home.link(".cache", elsewhere / "cache"); // a cache folder that leads out of the home
    EXPECT_TRUE(candidates(CategoryKind::caches).empty());
    EXPECT_TRUE(candidates(CategoryKind::devCaches).empty());
}

TEST(LinuxCandidates, DownloadsAreTheUserDirsDownloadFolderWithLinuxInstallersOfAnySize)
{
    FakeHome home;
    home.allocated("Downloads/old-place.iso", kMiB);
    writeUserDirs(home, "XDG_DOWNLOAD_DIR=\"$HOME/İndirilenler\"");
    for (const char* installer : {"tool.deb", "tool.rpm", "Editor.AppImage", "app.flatpakref", "app.flatpak",
                                  "core.snap", "setup.run", "old.DMG"})
        home.file(fs::path("İndirilenler") / installer, 2000);
    home.file("İndirilenler/notes.zip", 2000);
    home.file("İndirilenler/.hidden.deb", 2000);
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::downloads);
    Paths offered;
    for (const auto& item : result.items)
        offered.push_back(item.path);
    EXPECT_EQ(sorted(offered),
              sorted({home / "İndirilenler/tool.deb", home / "İndirilenler/tool.rpm", home / "İndirilenler/Editor.AppImage",
                      home / "İndirilenler/app.flatpakref", home / "İndirilenler/app.flatpak",
                      home / "İndirilenler/core.snap", home / "İndirilenler/setup.run", home / "İndirilenler/old.DMG"}));
    ASSERT_EQ(result.skipped.size(), 1u);
    EXPECT_EQ(result.skipped[0].path, home / "İndirilenler/notes.zip");

    writeUserDirs(home, "XDG_DOWNLOAD_DIR=\"$HOME/\""); // turned off
    EXPECT_TRUE(candidates(CategoryKind::downloads).empty());
    home.remove(".config/user-dirs.dirs");
    EXPECT_EQ(candidates(CategoryKind::downloads), Paths{home / "Downloads/old-place.iso"});
}

TEST(LinuxCandidates, TheTrashIsTheOneUnderTheDataFolderForScanningAndTheAccessProbe)
{
    FakeHome home;
    home.file(".local/share/Trash/files/default-place.txt");
    const Variable data("XDG_DATA_HOME", (home / "data").string());
    ASSERT_EQ(trashItemsFolder(home.root()), home / "data/Trash/files");
    home.file("data/Trash/files/.hidden", 10);
    home.file("data/Trash/files/report.pdf", 10);
    home.file("data/Trash/info/report.pdf.trashinfo", 10);
    EXPECT_EQ(candidates(CategoryKind::trash), sorted({home / "data/Trash/files/.hidden", home / "data/Trash/files/report.pdf"}));
    EXPECT_TRUE(JunkScanner::hasFullDiskAccess());
}

TEST(LinuxCandidates, InsightsAreTheStoresOtherToolsManageWithTheirNamesAndHints)
{
    FakeHome home;
    const std::tuple<const char*, const char*, std::optional<std::string>> stores[] = {
        {".local/share/containers/storage", "Podman containers and images", "podman system prune"},
        {".local/share/docker", "Docker data", "docker system prune"},
        {".docker/desktop/vms", "Docker data", "docker system prune"},
        {".local/share/flatpak", "Flatpak apps and runtimes", "flatpak uninstall --unused"},
        {".android/avd", "Android emulators", "Android Studio \u2192 Device Manager"},
        {".local/share/Steam/steamapps", "Steam games", "Steam \u2192 Library \u2192 Uninstall"},
        {".local/share/gnome-boxes/images", "Virtual machine disks", "GNOME Boxes"},
        {".local/share/libvirt/images", "Virtual machine disks", "virsh vol-delete"},
        {".ollama/models", "Ollama models", "ollama rm"},
    };
    Paths expected;
    for (const auto& [path, name, hint] : stores) {
        home.file(fs::path(path) / "blob");
        expected.push_back(home / path);
        EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / path), name) << path;
        EXPECT_EQ(JunkScanner::actionHint(JunkScanner::activeLayout(), CategoryKind::insights, home / path), hint) << path;
    }
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::insights), expected);
    // Names and hints belong to the stores, not to anything else that happens to end the same way.
    home.file(".cache/flatpak/x");
    EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), home / ".cache/flatpak"), "Flatpak cache");
    EXPECT_EQ(JunkScanner::actionHint(JunkScanner::activeLayout(), CategoryKind::insights, home / ".cache/docker"), std::nullopt);
    EXPECT_EQ(JunkScanner::actionHint(JunkScanner::activeLayout(), CategoryKind::caches, home / ".ollama/models"), std::nullopt);

    home.allocated(".local/share/containers/storage/overlay/l/diff/blob", 500 * kMiB);
    const auto result = JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::insights);
    ASSERT_EQ(result.items.size(), 1u);
    EXPECT_EQ(result.items[0].name, "Podman containers and images");
    EXPECT_EQ(result.items[0].safetyLevel, SafetyLevel::protected_);
    EXPECT_EQ(result.skipped.size(), expected.size() - 1) << "the small stores: below the threshold";
}

} // namespace
} // namespace orvelane
