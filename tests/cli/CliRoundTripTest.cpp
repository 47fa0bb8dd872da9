// The real orvelane-cli binary against a fake home: scan to JSON, clean from it.
#include "CliRun.h"
#include "FakeHome.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fstream>

using orvelane::testing::CliRun;
using orvelane::testing::FakeHome;
using orvelane::testing::jsonOf;
using orvelane::testing::runCli;
namespace fs = std::filesystem;

namespace {

class CliRoundTrip : public ::testing::Test
{
protected:
    void SetUp() override
    {
        installer = home.file("Downloads/tool.dmg", 8'000);
        oddName = home.file(fs::path(std::string("Downloads/caf\xE9 setup.pkg")), 9'000);
        big = home.file("Downloads/movie.mkv", 11 * 1024 * 1024);
        cache = home.file("Library/Caches/com.example/blob", 50'000).parent_path();
    }

    fs::path saveScan()
    {
        const CliRun scan = runCli({"scan", "--json"});
        EXPECT_EQ(scan.status, 0) << scan.err;
        const fs::path saved = home.root() / "scan.json";
        std::ofstream(saved) << scan.out;
        return saved;
    }

    bool trashHolds(const std::string& name) { return fs::exists(home.root() / ".local/share/Trash/files" / name); }

    FakeHome home;
    fs::path installer, oddName, big, cache;
};

TEST_F(CliRoundTrip, ScanDocumentHasTheDocumentedShape)
{
    const CliRun scan = runCli({"scan", "--json"});
    ASSERT_EQ(scan.status, 0) << scan.err;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(scan.out));
    ASSERT_TRUE(document.isObject());
    const QJsonObject root = document.object();
    EXPECT_EQ(root["home"].toString().toStdString(), home.root().string());
    EXPECT_TRUE(root["hasFullDiskAccess"].isBool());
    const QJsonArray categories = root["categories"].toArray();
    const char* order[] = {"caches", "logs", "xcode", "devCaches", "devArtifacts", "downloads", "trash", "insights"};
    ASSERT_EQ(categories.size(), 8);
    for (int i = 0; i < 8; ++i) {
        const QJsonObject category = categories[i].toObject();
        EXPECT_EQ(category["kind"].toString(), QLatin1String(order[i]));
        for (const QJsonValue& value : category["items"].toArray()) {
            const QJsonObject item = value.toObject();
            for (const char* key : {"path", "name", "size", "modified", "safetyLevel", "safetyReason", "actionHint",
                                    "hintForm", "application", "deleted", "projectTouched", "fileID", "files",
                                    "folders"})
                EXPECT_TRUE(item.contains(QLatin1String(key))) << key;
            EXPECT_TRUE(item["size"].isDouble());
            EXPECT_TRUE(item["modified"].isNull() || item["modified"].toString().endsWith('Z'));
            EXPECT_TRUE(item["actionHint"].isNull() || item["actionHint"].isString());
        }
        for (const QJsonValue& value : category["skipped"].toArray())
            for (const char* key : {"path", "name", "size", "reason"})
                EXPECT_TRUE(value.toObject().contains(QLatin1String(key))) << key;
    }
    const QJsonArray downloads = categories[5].toObject()["items"].toArray();
    ASSERT_EQ(downloads.size(), 3) << "two installers of any size and one large file";
    bool sawRawBytes = false;
    for (const QJsonValue& value : downloads)
        if (value.toObject().contains("pathBytes")) {
            sawRawBytes = true;
            EXPECT_EQ(QByteArray::fromHex(value.toObject()["pathBytes"].toString().toLatin1()).toStdString(),
                      oddName.native());
        }
    EXPECT_TRUE(sawRawBytes);
}

TEST_F(CliRoundTrip, CleanRemovesExactlyTheListedItemsIncludingNonUtf8Names)
{
    const fs::path saved = saveScan();
    const CliRun clean = runCli({"clean", "--from", saved.string(), "--json", "downloads", oddName.string(), big.string()});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    const QJsonObject result = jsonOf(clean.out);
    EXPECT_EQ(result["result"].toString(), QStringLiteral("completed"));
    EXPECT_GT(result["cleaned"].toInteger(), 11 * 1024 * 1024);
    EXPECT_TRUE(result["errors"].toArray().isEmpty());
    EXPECT_FALSE(fs::exists(oddName));
    EXPECT_FALSE(fs::exists(big));
    EXPECT_TRUE(fs::exists(installer)) << "not listed, not touched";
    EXPECT_TRUE(trashHolds(oddName.filename().string()));
    EXPECT_TRUE(fs::exists(cache));
}

TEST_F(CliRoundTrip, AnItemChangedSinceTheScanIsRefusedWithItsName)
{
    const fs::path saved = saveScan();
    // Same path, another file; the old one lives on meanwhile so its inode cannot be reused.
    const fs::path replacement = home.file("Downloads/tool.dmg.new", 8'000);
    fs::rename(replacement, installer);
    const CliRun clean = runCli({"clean", "--from", saved.string(), "downloads", installer.string(), big.string()});
    EXPECT_EQ(clean.status, 1) << clean.out << clean.err;
    EXPECT_NE(clean.err.find("tool.dmg: "), std::string::npos) << clean.err;
    EXPECT_TRUE(fs::exists(installer));
    EXPECT_FALSE(fs::exists(big));
}

TEST_F(CliRoundTrip, BadInputExitsTwoAndTouchesNothing)
{
    const fs::path saved = saveScan();
    const fs::path broken = home.root() / "broken.json";
    std::ofstream(broken) << "{\"categories\": [ {\"kind\": ";
    const fs::path wrongShape = home.root() / "shape.json";
    std::ofstream(wrongShape) << "{\"categories\": [{\"kind\": \"downloads\", \"items\": [{\"path\": 3}]}]}";

    // A document whose counts cannot be counts (a fraction, below zero) is not a scan of ours.
    QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(runCli({"scan", "--json"}).out)).object();
    QJsonArray categories = root["categories"].toArray();
    for (qsizetype i = 0; i < categories.size(); ++i) {
        QJsonObject category = categories[i].toObject();
        QJsonArray items = category["items"].toArray();
        for (qsizetype j = 0; j < items.size(); ++j) {
            QJsonObject item = items[j].toObject();
            item["files"] = j % 2 == 0 ? -3.0 : 1.5;
            items[j] = item;
        }
        category["items"] = items;
        categories[i] = category;
    }
    root["categories"] = categories;
    const fs::path badCounts = home.root() / "counts.json";
    std::ofstream(badCounts) << QJsonDocument(root).toJson().toStdString();

    const std::vector<std::vector<std::string>> attempts{
        {"clean", "--from", badCounts.string(), "downloads", big.string()},
        {"clean", "--from", (home.root() / "missing.json").string(), "downloads", big.string()},
        {"clean", "--from", broken.string(), "downloads", big.string()},
        {"clean", "--from", wrongShape.string(), "downloads", big.string()},
        {"clean", "--from", saved.string(), "Downloads", big.string()},
        {"clean", "--from", saved.string(), "downloads", (home.root() / "Downloads/other.iso").string()},
        {"clean", "--from", saved.string(), "caches", big.string()},
        {"scan", "everything"},
    };
    for (const auto& args : attempts) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 2) << args[3];
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_TRUE(fs::exists(big));
    EXPECT_TRUE(fs::exists(installer));
    EXPECT_FALSE(fs::exists(home.root() / ".local/share/Trash/files"));
}

TEST_F(CliRoundTrip, NothingCleanableMeansNotStarted)
{
    home.allocated("Library/Containers/com.docker.docker/Data/disk.img", 600LL * 1024 * 1024);
    const fs::path saved = saveScan();
    const CliRun run = runCli({"clean", "--from", saved.string(), "--json", "insights",
                            (home.root() / "Library/Containers/com.docker.docker/Data").string()});
    EXPECT_EQ(run.status, 3) << run.out << run.err;
    EXPECT_NE(run.out.find("notStarted"), std::string::npos);
    EXPECT_TRUE(fs::exists(home.root() / "Library/Containers/com.docker.docker/Data/disk.img"));
}

TEST_F(CliRoundTrip, ReadableReportFollowsTheLanguage)
{
    const CliRun english = runCli({"scan", "--lang", "en", "downloads"});
    EXPECT_EQ(english.status, 0);
    EXPECT_NE(english.out.find("Large Downloads"), std::string::npos);
    EXPECT_NE(english.out.find("This is one of your files"), std::string::npos);
    const CliRun turkish = runCli({"scan", "--lang", "tr", "downloads"});
    EXPECT_NE(turkish.out.find("Büyük İndirmeler"), std::string::npos) << turkish.out;
    EXPECT_EQ(turkish.out.find("Large Downloads"), std::string::npos);
    EXPECT_TRUE(english.err.empty()) << "no progress when standard error is not a terminal";
}

} // namespace
