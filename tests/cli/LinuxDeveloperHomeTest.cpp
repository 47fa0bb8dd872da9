// orvelane-cli on the freedesktop layout, in a home shaped like a Linux developer's: projects
// as npm, pnpm, venv, Cargo and Gradle leave them, XDG caches, sandboxed and Electron caches,
// session and application logs, a localised download folder, a data folder of its own with a
// freedesktop trash and container storage. Every category finds what it should and nothing it
// should not, and the trash it fills and empties is the one trash-cli reads.
#include "CliRun.h"
#include "FakeHome.h"
#include "ShellTools.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <unistd.h>

using orvelane::testing::CliRun;
using orvelane::testing::FakeHome;
using orvelane::testing::jsonOf;
using orvelane::testing::onPath;
using orvelane::testing::runCli;
using orvelane::testing::sh;
using orvelane::testing::Shell;
using orvelane::testing::shellQuoted;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMiB = 1'048'576;

// Bytes that no compressor shrinks, so a packed tarball stays as large as its content.
void noise(const fs::path& file, std::size_t bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    for (std::size_t i = 0; i < bytes; i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        out.write(reinterpret_cast<const char*>(&state), 8);
    }
}

std::set<std::string> pathsOf(const QJsonObject& document, const char* kind, const char* list)
{
    std::set<std::string> paths;
    for (const QJsonValue& category : document["categories"].toArray())
        if (category.toObject()["kind"].toString() == QLatin1String(kind))
            for (const QJsonValue& entry : category.toObject()[QLatin1String(list)].toArray())
                paths.insert(entry.toObject()["path"].toString().toStdString());
    return paths;
}

QJsonObject entryOf(const QJsonObject& document, const char* kind, const std::string& path)
{
    for (const QJsonValue& category : document["categories"].toArray())
        if (category.toObject()["kind"].toString() == QLatin1String(kind))
            for (const char* list : {"items", "skipped"})
                for (const QJsonValue& entry : category.toObject()[QLatin1String(list)].toArray())
                    if (entry.toObject()["path"].toString().toStdString() == path)
                        return entry.toObject();
    return {};
}

class LinuxDeveloperHome : public ::testing::Test
{
protected:
    void SetUp() override
    {
        data = home.folder("xdg-data");
        ::setenv("XDG_DATA_HOME", data.c_str(), 1); // FakeHome puts it back
        projects();
        cachesAndLogs();
        downloadsAndStores();
    }

    std::string at(const fs::path& relative) const { return (home / relative).string(); }

    QJsonObject scan()
    {
        const CliRun run = runCli({"scan", "--json", "--layout", "linux"});
        EXPECT_EQ(run.status, 0) << run.err;
        return jsonOf(run.out);
    }

    fs::path save(const QJsonObject& document, const char* name = "scan.json")
    {
        const fs::path saved = home / name;
        std::ofstream(saved) << QJsonDocument(document).toJson().toStdString();
        return saved;
    }

    FakeHome home;
    fs::path data;
    bool realNpm = false;

private:
    void projects()
    {
        // npm, for real where it is installed (offline, from a local tarball): node_modules, the
        // content cache and the debug logs exactly as npm writes them.
        home.file("Projects/web/package.json", 0);
        std::ofstream(home / "Projects/web/package.json") << R"({"name":"web","version":"1.0.0"})";
        realNpm = onPath("npm");
        if (realNpm) {
            std::ofstream(home.file("pkgsrc/bigdep/package.json", 0)) << R"({"name":"bigdep","version":"1.0.0"})";
            noise(home / "pkgsrc/bigdep/blob.bin", 6 * kMiB + 300'000);
            const Shell pack = sh("cd " + shellQuoted(home / "pkgsrc/bigdep") + " && npm pack --silent");
            ASSERT_EQ(pack.status, 0) << pack.out;
            const Shell install = sh("cd " + shellQuoted(home / "Projects/web") +
                                     " && npm install --offline --no-audit --no-fund --loglevel=error " +
                                     shellQuoted(home / "pkgsrc/bigdep/bigdep-1.0.0.tgz"));
            ASSERT_EQ(install.status, 0) << install.out;
            home.remove("pkgsrc");
        } else {
            noise(home / "Projects/web/node_modules/bigdep/blob.bin", 6 * kMiB + 300'000);
            home.file(".npm/_cacache/content-v2/sha512/ab/cd", 4096);
            home.file(".npm/_logs/2024-05-01T10_00_00_000Z-debug-0.log", 2000);
        }

        // pnpm: every file once in the store under the data folder, hard-linked into the project;
        // a package no project uses any more stays in the store alone.
        const fs::path stored = "xdg-data/pnpm/store/v3/files/3f/9a1c";
        noise(home / stored, 6 * kMiB);
        home.allocated("xdg-data/pnpm/store/v3/files/c0/77e2", 2 * kMiB);
        home.file("Projects/pnpm-app/package.json", 30);
        home.file("Projects/pnpm-app/node_modules/.modules.yaml", 300); // pnpm's own bookkeeping
        const fs::path package = "Projects/pnpm-app/node_modules/.pnpm/bigdep@1.0.0/node_modules/bigdep";
        home.folder(package);
        fs::create_hard_link(home / stored, home / package / "blob.bin");
        home.link("Projects/pnpm-app/node_modules/bigdep", ".pnpm/bigdep@1.0.0/node_modules/bigdep");

        // A virtual environment as the venv module makes it, grown by an installed package; its
        // lock file names the tool that rebuilds it.
        home.file("Projects/api/requirements.txt", 20);
        home.file("Projects/api/poetry.lock", 20);
        const Shell venv = sh("/usr/bin/python3 -m venv --without-pip " + shellQuoted(home / "Projects/api/.venv"));
        if (venv.status != 0)
            home.folder("Projects/api/.venv/bin"); // the shape without the tool: still a venv folder
        home.allocated("Projects/api/.venv/lib/python3/site-packages/numpy/core.so", 6 * kMiB);

        // Cargo links its final artefact from deps/; Gradle builds below the module.
        home.file("Projects/engine/Cargo.toml", 40);
        home.allocated("Projects/engine/target/debug/deps/engine-5f1e", 6 * kMiB);
        fs::create_hard_link(home / "Projects/engine/target/debug/deps/engine-5f1e", home / "Projects/engine/target/debug/engine");
        home.file("Projects/android/settings.gradle", 40);
        home.file("Projects/android/app/build.gradle", 40);
        home.allocated("Projects/android/app/build/outputs/apk/debug/app-debug.apk", 6 * kMiB);
        home.file("Projects/android/.gradle/8.5/checksums/checksums.lock", 17);

        // node_modules that are no project's: container layers, global installs, editor extensions.
        home.allocated("xdg-data/containers/storage/overlay/5e1c/diff/usr/lib/node_modules/npm/blob", 6 * kMiB);
        home.allocated("xdg-data/containers/storage/overlay/9d2a/diff/layer.tar", 500 * kMiB);
        home.allocated(".local/lib/node_modules/typescript/lib/tsc.js", 6 * kMiB);
        home.allocated(".nvm/versions/node/v20.11.0/lib/node_modules/corepack/dist/x", 6 * kMiB);
        home.allocated(".config/Code/extensions/ms-python/node_modules/x/index.js", 6 * kMiB);
    }

    void cachesAndLogs()
    {
        home.file(".cache/mozilla/firefox/abc.default-release/cache2/entries/E1", 90'000);
        home.file(".cache/pip/http-v2/a/b/c", 40'000);
        home.file(".cache/JetBrains/IdeaIC2024.1/caches/content.dat", 40'000);
        home.file(".cache/ms-playwright/chromium-1105/chrome-linux/chrome", 40'000);
        home.file(".cache/huggingface/hub/models--gpt2/blobs/x", 40'000);
        home.file(".cache/huggingface/token", 37);
        home.file(".cache/Orvelane/Orvelane/qmlcache/Main.qmlc", 9000);
        home.file(".gradle/caches/modules-2/files-2.1/x.jar", 40'000);
        home.file(".gradle/wrapper/dists/gradle-8.5-bin/x/gradle.zip", 40'000);
        home.file(".var/app/org.mozilla.firefox/cache/mozilla/x", 30'000);
        home.file(".var/app/org.mozilla.firefox/data/places.sqlite", 30'000);
        home.file("snap/chromium/common/.cache/chromium/x", 30'000);
        home.file(".config/Code/Cache/Cache_Data/f_000001", 30'000);
        home.file(".config/Code/GPUCache/data_0", 30'000);
        home.file(".config/Code/User/settings.json", 300);
        home.file(".config/Code/logs/20240501T100000/main.log", 3000);
        home.file(".xsession-errors", 3000);
        home.file("xdg-data/xorg/Xorg.0.log", 3000);
        home.file(".local/state/wireplumber/logs/old.log", 3000);
    }

    void downloadsAndStores()
    {
        std::ofstream(home.file(".config/user-dirs.dirs", 0)) << "XDG_DOWNLOAD_DIR=\"$HOME/İndirilenler\"\n";
        home.file("İndirilenler/code_1.89.1_amd64.deb", 30'000);
        home.file("İndirilenler/Krita-5.2.AppImage", 30'000);
        home.file("İndirilenler/notes.txt", 3000);
        home.allocated("Downloads/debian-12.iso", 20 * kMiB); // the folder user-dirs does not name
    }
};

TEST_F(LinuxDeveloperHome, EveryCategoryFindsWhatItShouldAndNothingItShouldNot)
{
    const QJsonObject document = scan();
    QStringList kinds;
    for (const QJsonValue& category : document["categories"].toArray())
        kinds << category.toObject()["kind"].toString();
    EXPECT_EQ(kinds, (QStringList{"caches", "logs", "devCaches", "devArtifacts", "downloads", "trash", "insights"}));

    EXPECT_EQ(pathsOf(document, "caches", "items"),
              (std::set<std::string>{at(".cache/mozilla"), at(".var/app/org.mozilla.firefox/cache"),
                                     at("snap/chromium/common/.cache"), at(".config/Code/Cache"),
                                     at(".config/Code/GPUCache")}));
    std::set<std::string> logs{at(".xsession-errors"), at("xdg-data/xorg/Xorg.0.log"), at(".npm/_logs"),
                               at(".config/Code/logs"), at(".local/state/wireplumber/logs")};
    EXPECT_EQ(pathsOf(document, "logs", "items"), logs);
    EXPECT_EQ(pathsOf(document, "devCaches", "items"),
              (std::set<std::string>{at(".npm/_cacache"), at("xdg-data/pnpm/store"), at(".cache/pip"),
                                     at(".gradle/caches"), at(".gradle/wrapper/dists"), at(".cache/ms-playwright"),
                                     at(".cache/JetBrains/IdeaIC2024.1/caches"), at(".cache/huggingface/hub")}));
    EXPECT_EQ(pathsOf(document, "devArtifacts", "items"),
              (std::set<std::string>{at("Projects/web/node_modules"), at("Projects/api/.venv"),
                                     at("Projects/engine/target"), at("Projects/android/app/build")}));
    EXPECT_EQ(pathsOf(document, "devArtifacts", "skipped"),
              (std::set<std::string>{at("Projects/pnpm-app/node_modules"), at("Projects/android/.gradle")}));
    EXPECT_EQ(pathsOf(document, "downloads", "items"),
              (std::set<std::string>{at("İndirilenler/code_1.89.1_amd64.deb"), at("İndirilenler/Krita-5.2.AppImage")}));
    EXPECT_EQ(pathsOf(document, "downloads", "skipped"), std::set<std::string>{at("İndirilenler/notes.txt")});
    EXPECT_EQ(pathsOf(document, "insights", "items"), std::set<std::string>{at("xdg-data/containers/storage")});

    // The pnpm project frees almost nothing: its files live on in the store. The store frees only
    // what no project links any more.
    const QJsonObject pnpmProject = entryOf(document, "devArtifacts", at("Projects/pnpm-app/node_modules"));
    EXPECT_EQ(pnpmProject["reason"].toString(), "belowSizeThreshold");
    EXPECT_LT(pnpmProject["size"].toDouble(), 100'000);
    const double store = entryOf(document, "devCaches", at("xdg-data/pnpm/store"))["size"].toDouble();
    EXPECT_GE(store, 2.0 * kMiB);
    EXPECT_LT(store, 3.0 * kMiB);
    // A Cargo artefact linked from deps/ counts once.
    EXPECT_LT(entryOf(document, "devArtifacts", at("Projects/engine/target"))["size"].toDouble(), 7.0 * kMiB);

    if (realNpm) {
        EXPECT_TRUE(fs::exists(home / "Projects/web/node_modules/.package-lock.json")) << "npm's own shape";
    }
    EXPECT_EQ(entryOf(document, "devArtifacts", at("Projects/api/.venv"))["actionHint"].toString(), "poetry install");
    EXPECT_EQ(entryOf(document, "devArtifacts", at("Projects/android/app/build"))["actionHint"].toString(), "gradle build");
    EXPECT_EQ(entryOf(document, "caches", at(".var/app/org.mozilla.firefox/cache"))["name"].toString(),
              "Firefox cache (Flatpak)");
    EXPECT_EQ(entryOf(document, "caches", at(".config/Code/GPUCache"))["name"].toString(), "Visual Studio Code GPU cache");
    EXPECT_EQ(entryOf(document, "insights", at("xdg-data/containers/storage"))["actionHint"].toString(),
              "podman system prune");
}

TEST_F(LinuxDeveloperHome, TheReadableReportGivesEachItemsPlaceAndHowItComesBackAndTheSmallerStores)
{
    home.allocated("xdg-data/flatpak/repo/objects/ab/cd", 3 * kMiB);
    const CliRun english = runCli({"scan", "--lang", "en", "--layout", "linux", "caches", "insights"});
    ASSERT_EQ(english.status, 0) << english.err;
    EXPECT_NE(english.out.find("]  Firefox cache\n      ~/.cache/mozilla\n"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("      Rebuilt by Firefox as you browse\n"), std::string::npos) << english.out;
    EXPECT_NE(english.out.find("Flatpak apps and runtimes — Below the display threshold of 524.3 MB"), std::string::npos)
        << english.out;
    const CliRun turkish = runCli({"scan", "--lang", "tr", "--layout", "linux", "caches"});
    EXPECT_NE(turkish.out.find("Siz gezindikçe Firefox tarafından yeniden oluşturulur"), std::string::npos) << turkish.out;
}

TEST_F(LinuxDeveloperHome, ThePlatformLayoutAndTheVariableAgreeWithTheOption)
{
    const QJsonObject byOption = scan();
    const char* suite = std::getenv("ORVELANE_LAYOUT");
    const std::optional<std::string> previous = suite ? std::optional<std::string>(suite) : std::nullopt;
    ::setenv("ORVELANE_LAYOUT", "linux", 1);
    const CliRun byVariable = runCli({"scan", "--json"});
    previous ? ::setenv("ORVELANE_LAYOUT", previous->c_str(), 1) : ::unsetenv("ORVELANE_LAYOUT");
    EXPECT_EQ(jsonOf(byVariable.out)["categories"],
              byOption["categories"]);

    const CliRun xcode = runCli({"scan", "--layout", "linux", "xcode"});
    EXPECT_EQ(xcode.status, 2);
    EXPECT_NE(xcode.err.find("the linux layout has no category 'xcode'"), std::string::npos) << xcode.err;
    EXPECT_TRUE(xcode.out.empty());
    const CliRun bogus = runCli({"scan", "--layout", "windows"});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_NE(bogus.err.find("--layout takes macos or linux, not 'windows'"), std::string::npos) << bogus.err;
    EXPECT_NE(runCli({"--help", "--layout", "linux"}).out.find("Categories: caches logs devCaches devArtifacts "
                                                              "downloads trash insights\n"),
              std::string::npos);
}

TEST_F(LinuxDeveloperHome, WhereStatxIsRefusedTheScanFindsTheSame)
{
    const QJsonObject usual = scan();
    const fs::path mark = home.top() / "statx-refused";
    ::setenv("ORVELANE_STATX_REFUSED_MARK", mark.c_str(), 1);
    ::setenv("LD_PRELOAD", REFUSE_STATX, 1);
    const QJsonObject refused = scan();
    ::unsetenv("LD_PRELOAD");
    ::unsetenv("ORVELANE_STATX_REFUSED_MARK");
    ASSERT_TRUE(fs::exists(mark)) << "the refusing statx was never asked";
    EXPECT_EQ(refused["categories"], usual["categories"]);
    EXPECT_FALSE(refused["categories"].toArray().isEmpty());
}

TEST_F(LinuxDeveloperHome, CleaningFillsTheTrashThatTrashCliReadsAndRestores)
{
    if (!onPath("trash-list") || !onPath("trash-restore") || !onPath("trash-put"))
        GTEST_SKIP() << "trash-cli is not installed";
    const fs::path saved = save(scan());
    const std::string project = at("Projects/web/node_modules");
    const CliRun clean = runCli({"clean", "--layout", "linux", "--json", "--from", saved.string(), "devArtifacts", project});
    ASSERT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_FALSE(fs::exists(project));
    EXPECT_TRUE(fs::is_directory(data / "Trash/files/node_modules"));
    EXPECT_FALSE(fs::exists(home / ".local/share/Trash")) << "not the default trash: the data folder's";

    const Shell listed = sh("trash-list");
    EXPECT_EQ(listed.status, 0) << listed.out;
    EXPECT_NE(listed.out.find(" " + project + "\n"), std::string::npos) << listed.out;
    const Shell restored = sh("echo 0 | trash-restore " + shellQuoted(fs::path(project)));
    EXPECT_EQ(restored.status, 0) << restored.out;
    EXPECT_TRUE(fs::exists(fs::path(project) / "bigdep")) << restored.out;
    EXPECT_TRUE(sh("trash-list").out.empty());
}

TEST_F(LinuxDeveloperHome, EmptyingTheTrashEmptiesWhatTrashCliPutThere)
{
    if (!onPath("trash-list") || !onPath("trash-put"))
        GTEST_SKIP() << "trash-cli is not installed";
    home.file("Documents/old-report.pdf", 5000);
    home.folder("Documents/.hidden-notes");
    ASSERT_EQ(sh("trash-put " + shellQuoted(home / "Documents/old-report.pdf") + " " +
                 shellQuoted(home / "Documents/.hidden-notes")).status, 0);
    const QJsonObject document = scan();
    const auto trashed = pathsOf(document, "trash", "items");
    const auto emptyOnes = pathsOf(document, "trash", "skipped");
    EXPECT_EQ(trashed, std::set<std::string>{(data / "Trash/files/old-report.pdf").string()});
    EXPECT_EQ(emptyOnes, std::set<std::string>{(data / "Trash/files/.hidden-notes").string()});

    const fs::path saved = save(document);
    const CliRun emptied = runCli({"clean", "--layout", "linux", "--json", "--from", saved.string(), "trash",
                                   (data / "Trash/files/old-report.pdf").string()});
    ASSERT_EQ(emptied.status, 0) << emptied.out << emptied.err;
    EXPECT_FALSE(fs::exists(data / "Trash/files/old-report.pdf"));
    EXPECT_FALSE(fs::exists(data / "Trash/info/old-report.pdf.trashinfo")) << "its record went with it";
    const Shell listed = sh("trash-list");
    EXPECT_EQ(listed.out.find("old-report.pdf"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find(".hidden-notes"), std::string::npos) << "what was not chosen stays";
}

TEST_F(LinuxDeveloperHome, ACraftedDocumentCannotReachNodeModulesTheWalkNeverOffers)
{
    QJsonObject document = scan();
    const std::string victims[] = {at("xdg-data/containers/storage/overlay/5e1c/diff/usr/lib/node_modules"),
                                   at(".local/lib/node_modules"),
                                   at(".config/Code/extensions/ms-python/node_modules"),
                                   at(".nvm/versions/node/v20.11.0/lib/node_modules")};
    QJsonArray categories = document["categories"].toArray();
    for (int i = 0; i < categories.size(); ++i) {
        QJsonObject category = categories[i].toObject();
        if (category["kind"].toString() != "devArtifacts")
            continue;
        QJsonArray items = category["items"].toArray();
        for (const std::string& victim : victims) {
            QJsonObject item = items[0].toObject();
            item["path"] = QString::fromStdString(victim);
            item["name"] = "crafted/node_modules";
            item["fileID"] = static_cast<qint64>(orvelane::testing::inodeByStat(victim));
            items.append(item);
        }
        category["items"] = items;
        categories[i] = category;
    }
    document["categories"] = categories;
    const fs::path saved = save(document, "crafted.json");
    std::vector<std::string> args{"clean", "--layout", "linux", "--json", "--from", saved.string(), "devArtifacts"};
    args.insert(args.end(), std::begin(victims), std::end(victims));
    const CliRun clean = runCli(args);
    EXPECT_EQ(clean.status, 1) << clean.out << clean.err;
    const QJsonObject result = jsonOf(clean.out);
    EXPECT_EQ(result["cleaned"].toInt(), 0);
    ASSERT_EQ(result["errors"].toArray().size(), 4);
    for (const QJsonValue& message : result["errors"].toArray())
        EXPECT_EQ(message.toString(), "crafted/node_modules: The item is no longer inside an allowed cleanup location.");
    for (const std::string& victim : victims)
        EXPECT_TRUE(fs::exists(victim)) << victim;
}

} // namespace
