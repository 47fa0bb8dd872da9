// orvelane-cli fed what an attacker or an accident hands it: documents that never end or
// claim absurd sizes, items named twice, a settings file that is a FIFO. Nothing hangs,
// nothing is touched that should not be, and the figures stay true.
#include "CliRun.h"
#include "FakeHome.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sys/stat.h>

using orvelane::testing::CliRun;
using orvelane::testing::FakeHome;
using orvelane::testing::jsonOf;
using orvelane::testing::runCli;
namespace fs = std::filesystem;

namespace {

class HostileInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        installer = home.file("Downloads/tool.dmg", 8'000);
        big = home.file("Downloads/movie.mkv", 11 * 1024 * 1024);
    }

    QJsonObject scanDocument()
    {
        const CliRun scan = runCli({"scan", "--json", "downloads"});
        EXPECT_EQ(scan.status, 0) << scan.err;
        return jsonOf(scan.out);
    }

    fs::path save(const QJsonObject& document)
    {
        const fs::path saved = home.root() / "scan.json";
        std::ofstream(saved) << QJsonDocument(document).toJson().toStdString();
        return saved;
    }

    // The downloads items of a document, each passed through `change`.
    template <typename Change>
    QJsonObject withItems(QJsonObject document, Change change)
    {
        QJsonArray categories = document["categories"].toArray();
        QJsonObject downloads = categories[0].toObject();
        QJsonArray items = downloads["items"].toArray();
        change(items);
        downloads["items"] = items;
        categories[0] = downloads;
        document["categories"] = categories;
        return document;
    }

    int trashedCount() const
    {
        const fs::path files = home.root() / ".local/share/Trash/files";
        return fs::exists(files) ? static_cast<int>(std::distance(fs::directory_iterator(files), {})) : 0;
    }

    FakeHome home;
    fs::path installer, big;
};

TEST_F(HostileInput, DocumentsBeyondTheLimitOrWithoutAnEndAreRefusedUntouched)
{
    const fs::path huge = home.root() / "huge.json";
    std::ofstream(huge) << "{\"categories\": []}";
    fs::resize_file(huge, 300LL * 1024 * 1024); // sparse: costs no disk
    for (const std::string& document : {huge.string(), std::string("/dev/zero")}) {
        const CliRun run = runCli({"clean", "--from", document, "downloads", big.string()}, 120);
        EXPECT_EQ(run.status, 2) << document << ": " << run.err;
        EXPECT_NE(run.err.find("larger than 256 MiB"), std::string::npos) << run.err;
    }
    EXPECT_TRUE(fs::exists(big));
    EXPECT_EQ(trashedCount(), 0);
}

TEST_F(HostileInput, ClaimedSizesThatWouldOverflowHoldAtTheLargestCount)
{
    const QJsonObject document = withItems(scanDocument(), [](QJsonArray& items) {
        ASSERT_EQ(items.size(), 2);
        for (qsizetype i = 0; i < items.size(); ++i) {
            QJsonObject item = items[i].toObject();
            item["size"] = 9e18;
            items[i] = item;
        }
    });
    const CliRun clean =
        runCli({"clean", "--json", "--from", save(document).string(), "downloads", big.string(), installer.string()});
    ASSERT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(jsonOf(clean.out)["cleaned"].toInteger(), std::numeric_limits<qint64>::max()) << clean.out;

    const CliRun negative = runCli({"clean", "--from", save(withItems(document, [](QJsonArray& items) {
                                        QJsonObject item = items[0].toObject();
                                        item["size"] = -1;
                                        items[0] = item;
                                    })).string(),
                                    "downloads", big.string()});
    EXPECT_EQ(negative.status, 2) << "a negative size is not a scan's";
}

TEST_F(HostileInput, AnItemNamedTwiceIsCleanedOnceWithoutASpuriousMessage)
{
    const QJsonObject document = withItems(scanDocument(), [](QJsonArray& items) { items.append(items[0]); });
    const CliRun clean = runCli({"clean", "--json", "--from", save(document).string(), "downloads", big.string(),
                                 big.string() + "/", big.string(), installer.string() + "//"});
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    const QJsonObject result = jsonOf(clean.out);
    EXPECT_TRUE(result["errors"].toArray().isEmpty()) << clean.out;
    EXPECT_FALSE(fs::exists(big));
    EXPECT_FALSE(fs::exists(installer));
    EXPECT_EQ(trashedCount(), 2);
    EXPECT_GE(result["cleaned"].toInteger(), 11 * 1024 * 1024);
    EXPECT_LT(result["cleaned"].toInteger(), 2 * 11 * 1024 * 1024) << "the large file counted once";
}

TEST_F(HostileInput, TheLanguageOfOneRunIsNotStored)
{
    const fs::path settings = home.root() / ".config/Orvelane/Orvelane.conf";
    const CliRun unstored = runCli({"scan", "--lang", "tr", "downloads"});
    EXPECT_EQ(unstored.status, 0);
    EXPECT_FALSE(fs::exists(settings)) << "a run with --lang creates no settings";

    fs::create_directories(settings.parent_path());
    std::ofstream(settings) << "[General]\nAppLanguage=en\n";
    const CliRun turkish = runCli({"scan", "--lang", "tr", "downloads"});
    EXPECT_NE(turkish.out.find("Büyük İndirmeler"), std::string::npos) << turkish.out;
    QFile stored(QString::fromStdString(settings.string()));
    ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(stored.readAll(), QByteArray("[General]\nAppLanguage=en\n"));
    EXPECT_NE(runCli({"scan", "downloads"}).out.find("Large Downloads"), std::string::npos)
        << "the stored choice is still English";
}

TEST_F(HostileInput, ASettingsFileThatIsAFifoNeitherHangsNorIsReplaced)
{
    const fs::path settings = home.root() / ".config/Orvelane/Orvelane.conf";
    fs::create_directories(settings.parent_path());
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);

    const CliRun scan = runCli({"scan", "--lang", "en", "downloads"}, 20);
    EXPECT_EQ(scan.status, 0) << "status 142 means it hung on the FIFO: " << scan.err;
    EXPECT_NE(scan.out.find("Large Downloads"), std::string::npos);
    EXPECT_EQ(runCli({"scan", "downloads"}, 20).status, 0);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(settings))) << "nothing is written over it";
}

} // namespace
