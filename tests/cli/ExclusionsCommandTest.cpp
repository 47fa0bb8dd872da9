// `orvelane-cli exclusions` and what scans make of the list, each run a new process: an excluded
// path is skipped as "excludedByUser" and never offered, byte for byte and whole components
// only; `scan --no-exclusions` offers it all the same; removing it offers it again.
#include "CliRun.h"
#include "FakeHome.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

void write(const fs::path& file, std::size_t bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << std::string(bytes, 'x');
}

// Path bytes → "item" or the skip reason, for one category of a scan.
std::map<std::string, std::string> outcome(const std::string& json)
{
    std::map<std::string, std::string> found;
    const QJsonObject document = jsonOf(json);
    for (const QJsonValue& category : document["categories"].toArray())
        for (const char* list : {"items", "skipped"})
            for (const QJsonValue& value : category.toObject()[QLatin1String(list)].toArray()) {
                const QJsonObject entry = value.toObject();
                const std::string path =
                    entry.contains("pathBytes")
                        ? QByteArray::fromHex(entry["pathBytes"].toString().toLatin1()).toStdString()
                        : entry["path"].toString().toStdString();
                found[path] =
                    list == std::string("items") ? "item" : entry["reason"].toString().toStdString();
            }
    return found;
}

class ExclusionsCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"tool.deb", "tool.debx.deb", "app.AppImage"})
            write(home / "Downloads" / name, 30'000);
        write(home / "Downloads/tool.deb.d/setup.run", 30'000);
    }

    std::map<std::string, std::string> scan(bool withoutExclusions = false)
    {
        std::vector<std::string> args{"scan", "--json", "downloads"};
        if (withoutExclusions)
            args.push_back("--no-exclusions");
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0) << run.err;
        return outcome(run.out);
    }

    std::string at(const std::string& relative) const { return (home / relative).string(); }

    FakeHome home;
};

TEST_F(ExclusionsCommand, AnExcludedPathIsSkippedUntilItIsRemovedAndNoExclusionsOffersIt)
{
    ASSERT_EQ(scan()[at("Downloads/tool.deb")], "item");
    const CliRun added = runCli({"exclusions", "add", at("Downloads/tool.deb")});
    ASSERT_EQ(added.status, 0) << added.err;

    auto found = scan();
    EXPECT_EQ(found[at("Downloads/tool.deb")], "excludedByUser");
    EXPECT_EQ(found[at("Downloads/tool.debx.deb")], "item") << "a longer name is another path";
    EXPECT_EQ(found[at("Downloads/app.AppImage")], "item");
    EXPECT_EQ(scan(true)[at("Downloads/tool.deb")], "item");
    EXPECT_EQ(scan()[at("Downloads/tool.deb")], "excludedByUser") << "--no-exclusions leaves the list alone";
    EXPECT_EQ(runCli({"exclusions", "list"}).out, at("Downloads/tool.deb") + "\n");
    // tool.deb.d is skipped as too small; the excluded one joins it.
    const std::string report = runCli({"scan", "--lang", "en", "downloads"}).out;
    EXPECT_EQ(report.find("tool.deb\n"), std::string::npos) << report;
    EXPECT_NE(report.find("Protected / Skipped (2)"), std::string::npos) << report;

    const CliRun removed = runCli({"exclusions", "remove", at("Downloads/tool.deb")});
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_EQ(scan()[at("Downloads/tool.deb")], "item");
    EXPECT_EQ(runCli({"exclusions", "list"}).out, "");
}

TEST_F(ExclusionsCommand, AFolderExcludesWholeComponentsBelowItOnly)
{
    // Large folders are offered as a whole: "/a/b" excludes "/a/b" but neither "/a/b2" nor "/a/b.old".
    for (const char* folder : {"Downloads/Setups", "Downloads/Setups2", "Downloads/Setups.old"})
        home.allocated(fs::path(folder) / "disk.iso", 11 * 1024 * 1024);
    auto before = scan();
    ASSERT_EQ(before[at("Downloads/Setups")], "item");
    ASSERT_EQ(before[at("Downloads/Setups2")], "item");
    ASSERT_EQ(runCli({"exclusions", "add", at("Downloads/Setups/")}).status, 0)
        << "a trailing slash names the same";
    ASSERT_EQ(runCli({"exclusions", "add", at("Downloads/tool.deb.d/../tool.deb")}).status, 0);
    EXPECT_EQ(runCli({"exclusions", "list"}).out,
              at("Downloads/Setups") + "\n" + at("Downloads/tool.deb") + "\n")
        << "kept as plain paths";
    auto found = scan();
    EXPECT_EQ(found[at("Downloads/Setups")], "excludedByUser");
    EXPECT_EQ(found[at("Downloads/Setups2")], "item");
    EXPECT_EQ(found[at("Downloads/Setups.old")], "item");
    EXPECT_EQ(found[at("Downloads/tool.deb")], "excludedByUser");
    EXPECT_EQ(found[at("Downloads/tool.debx.deb")], "item");
    EXPECT_EQ(found[at("Downloads/tool.deb.d")], before[at("Downloads/tool.deb.d")]) << "not below tool.deb";

    // The whole folder: everything the category would list below it.
    ASSERT_EQ(runCli({"exclusions", "add", at("Downloads")}).status, 0);
    found = scan();
    EXPECT_EQ(found.size(), before.size());
    for (const auto& [path, what] : found)
        EXPECT_EQ(what, "excludedByUser") << path;
}

TEST_F(ExclusionsCommand, NamesThatAreNotUtf8AreMatchedByteForByte)
{
    const std::string excluded = at("Downloads/caf\xFF\xFE.deb");
    const std::string neighbour = at("Downloads/caf\xFF\xFD.deb");
    const std::string lookalike =
        at("Downloads/caf\xEF\xBF\xBD\xEF\xBF\xBD.deb"); // what a UTF-8 decoder would make of it
    for (const std::string& path : {excluded, neighbour, lookalike})
        write(path, 30'000);
    ASSERT_EQ(runCli({"exclusions", "add", excluded}).status, 0);
    EXPECT_EQ(runCli({"exclusions", "list"}).out, excluded + "\n") << "the bytes as they are";
    const QJsonObject listed =
        QJsonDocument::fromJson(QByteArray::fromStdString(runCli({"exclusions", "list", "--json"}).out))
            .object();
    EXPECT_EQ(QByteArray::fromHex(listed["exclusions"][0]["pathBytes"].toString().toLatin1()).toStdString(),
              excluded);

    const auto found = scan();
    EXPECT_EQ(found.at(excluded), "excludedByUser");
    EXPECT_EQ(found.at(neighbour), "item");
    EXPECT_EQ(found.at(lookalike), "item");
    ASSERT_EQ(runCli({"exclusions", "remove", lookalike}).status, 0);
    EXPECT_EQ(scan().at(excluded), "excludedByUser") << "removing another spelling removes nothing";
    ASSERT_EQ(runCli({"exclusions", "remove", excluded}).status, 0);
    EXPECT_EQ(scan().at(excluded), "item");
}

TEST_F(ExclusionsCommand, LettersAreComparedAsBytesInEveryLocale)
{
    // Under a Turkish locale a case-blind comparison would take "I" for "ı", or fold "İ".
    write(home / "Downloads/INSTALL.deb", 30'000);
    write(home / "Downloads/install.deb", 30'000);
    write(home / "Downloads/İNSTALL.deb", 30'000);
    ASSERT_EQ(runCli({"exclusions", "add", at("Downloads/INSTALL.deb")}).status, 0);
    const auto found = scan();
    EXPECT_EQ(found.at(at("Downloads/INSTALL.deb")), "excludedByUser");
    EXPECT_EQ(found.at(at("Downloads/install.deb")), "item");
    EXPECT_EQ(found.at(at("Downloads/İNSTALL.deb")), "item");
}

TEST_F(ExclusionsCommand, TheListLivesInTheSettingsFileAndAFifoThereSavesNothing)
{
    const fs::path settings = home / ".config/Orvelane/Orvelane.conf";
    ASSERT_EQ(runCli({"exclusions", "add", at("Downloads/tool.deb")}).status, 0);
    std::ifstream in(settings);
    const std::string stored{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(stored.find("ExcludedPaths="), std::string::npos) << stored;
    EXPECT_EQ(stored.find("tool.deb"), std::string::npos) << "stored as the hex of its bytes";

    fs::remove(settings);
    ASSERT_EQ(::mkfifo(settings.c_str(), 0600), 0);
    const CliRun refused = runCli({"exclusions", "add", "--lang", "en", at("Downloads/app.AppImage")}, 20);
    EXPECT_EQ(refused.status, 2) << "142 means it hung on the FIFO: " << refused.err;
    EXPECT_NE(refused.err.find("The settings file is not a regular file."), std::string::npos) << refused.err;
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(settings)));
    const auto found = scan();
    EXPECT_EQ(found.at(at("Downloads/app.AppImage")), "item");
    EXPECT_EQ(found.at(at("Downloads/tool.deb")), "item") << "no readable list, nothing excluded";

    EXPECT_EQ(runCli({"exclusions", "add"}).status, 2);
    EXPECT_EQ(runCli({"exclusions", "list", at("Downloads")}).status, 2);
    EXPECT_EQ(runCli({"exclusions", "forget", at("Downloads")}).status, 2);
}

} // namespace
