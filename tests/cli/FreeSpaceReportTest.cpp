// The free space that scan reports, against statvfs and df of the fake home read just before
// and just after. Where the test may mount, the home gets a file system of its own and the
// figures must agree exactly; elsewhere other programs write to the same disk meanwhile, so the
// figure must lie between the two reads, give or take what they wrote.
#include "ByteFormatter.h"
#include "CliRun.h"
#include "FakeHome.h"
#include "ShellTools.h"
#include "TestMounts.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/statvfs.h>

using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

struct Space
{
    std::int64_t available = 0, total = 0;
};

Space statvfsOf(const fs::path& folder)
{
    struct statvfs status
    {};
    if (::statvfs(folder.c_str(), &status) != 0)
        return {};
    return {static_cast<std::int64_t>(status.f_bavail) * static_cast<std::int64_t>(status.f_frsize),
            static_cast<std::int64_t>(status.f_blocks) * static_cast<std::int64_t>(status.f_frsize)};
}

// df -B1's own reading, when df is there: "Avail Size" of the file system.
std::optional<Space> dfOf(const fs::path& folder)
{
    const Shell df = sh("df -B1 --output=avail,size " + shellQuoted(folder) + " | tail -n 1");
    std::istringstream in(df.out);
    Space space;
    if (df.status != 0 || !(in >> space.available >> space.total))
        return std::nullopt;
    return space;
}

// What the disk may change by between two reads on a shared machine.
constexpr std::int64_t kSlack = 256LL * 1024 * 1024;

// A fake home, on a tmpfs of its own where this process may mount one (children such as the
// command-line tool share the test's private mount namespace).
struct HomeDisk
{
    FakeHome home;
    TestMounts mounts; // declared after the home: unmounted before the home is removed
    const bool own = TestMounts::available() && mounts.tmpfs(home.root()).has_value();

    // How far a reading may stray from the two taken around it.
    std::int64_t slack() const { return own ? 0 : kSlack; }
};

// Whether `line` reads "<free> free of <total>" for some free figure from low to high.
bool readsAFigureBetween(const std::string& line, std::int64_t low, std::int64_t high, std::int64_t total)
{
    const std::string tail = " free of " + orvelane::formatBytes(total) + "\n";
    for (std::int64_t figure = low; figure < high + 1024 * 1024; figure += 1024 * 1024)
        if (line == orvelane::formatBytes(std::min(figure, high)) + tail)
            return true;
    return false;
}

TEST(FreeSpaceReport, TheJsonFigureIsWhatStatvfsAndDfSayOfTheHomesDisk)
{
    HomeDisk disk;
    const fs::path home = disk.home.root();
    const Space before = statvfsOf(home);
    const std::optional<Space> dfBefore = dfOf(home);
    const CliRun scan = runCli({"scan", "--json", "downloads"});
    const Space after = statvfsOf(home);
    ASSERT_EQ(scan.status, 0) << scan.err;
    ASSERT_GT(before.total, 0);

    const QJsonObject space =
        jsonOf(scan.out)["diskSpace"].toObject();
    ASSERT_TRUE(space["available"].isDouble() && space["total"].isDouble()) << scan.out;
    const std::int64_t available = space["available"].toInteger();
    EXPECT_EQ(space["total"].toInteger(), before.total) << "the size of a file system does not drift";
    EXPECT_GE(available, std::min(before.available, after.available) - disk.slack());
    EXPECT_LE(available, std::max(before.available, after.available) + disk.slack());
    EXPECT_LE(available, before.total);
    if (dfBefore) {
        EXPECT_EQ(space["total"].toInteger(), dfBefore->total);
        if (disk.own) {
            EXPECT_EQ(available, dfBefore->available) << "nothing else writes to the home's own disk";
        }
        // On a shared disk df reads before the scan only: it brackets nothing, so it is held to
        // the total alone, while suites running beside this one fill and empty the same disk.
        EXPECT_LE(dfBefore->available, dfBefore->total);
    }
}

TEST(FreeSpaceReport, TheReadableReportEndsWithTheSameFiguresInEitherLanguage)
{
    HomeDisk disk;
    const Space before = statvfsOf(disk.home.root());
    const CliRun english = runCli({"scan", "--lang", "en", "downloads"});
    const CliRun turkish = runCli({"scan", "--lang", "tr", "downloads"});
    const Space after = statvfsOf(disk.home.root());
    ASSERT_EQ(english.status, 0);

    const std::string lastLine = english.out.substr(english.out.rfind('\n', english.out.size() - 2) + 1);
    EXPECT_TRUE(lastLine.ends_with(" free of " + orvelane::formatBytes(before.total) + "\n")) << lastLine;
    // The free part: the formatted figure of a reading between the two taken around the report.
    const std::int64_t low = std::min(before.available, after.available) - disk.slack();
    const std::int64_t high = std::max(before.available, after.available) + disk.slack();
    EXPECT_TRUE(readsAFigureBetween(lastLine, low, high, before.total))
        << lastLine << " against " << orvelane::formatBytes(low) << " to " << orvelane::formatBytes(high);
    EXPECT_NE(turkish.out.find(" boş (toplam "), std::string::npos) << turkish.out;
}

} // namespace
