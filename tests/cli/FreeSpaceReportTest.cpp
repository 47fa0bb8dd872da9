// The free space that scan reports, against statvfs and df of the fake home read just before
// and just after: other programs write to the same disk meanwhile, so the figure must lie
// between the two reads, give or take what they wrote.
#include "ByteFormatter.h"
#include "CliRun.h"
#include "FakeHome.h"
#include "ShellTools.h"

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

TEST(FreeSpaceReport, TheJsonFigureIsWhatStatvfsAndDfSayOfTheHomesDisk)
{
    FakeHome home;
    const Space before = statvfsOf(home.root());
    const std::optional<Space> dfBefore = dfOf(home.root());
    const CliRun scan = runCli({"scan", "--json", "downloads"});
    const Space after = statvfsOf(home.root());
    ASSERT_EQ(scan.status, 0) << scan.err;
    ASSERT_GT(before.total, 0);

    const QJsonObject space =
        jsonOf(scan.out)["diskSpace"].toObject();
    ASSERT_TRUE(space["available"].isDouble() && space["total"].isDouble()) << scan.out;
    const std::int64_t available = space["available"].toInteger();
    EXPECT_EQ(space["total"].toInteger(), before.total) << "the size of a file system does not drift";
    EXPECT_GE(available, std::min(before.available, after.available) - kSlack);
    EXPECT_LE(available, std::max(before.available, after.available) + kSlack);
    EXPECT_LE(available, before.total);
    if (dfBefore) {
        EXPECT_EQ(space["total"].toInteger(), dfBefore->total);
        // df reads before the scan only: it brackets nothing, so it is held to the total alone,
        // while suites running beside this one fill and empty the same disk.
        EXPECT_LE(dfBefore->available, dfBefore->total);
    }
}

TEST(FreeSpaceReport, TheReadableReportEndsWithTheSameFiguresInEitherLanguage)
{
    FakeHome home;
    const Space before = statvfsOf(home.root());
    const CliRun english = runCli({"scan", "--lang", "en", "downloads"});
    const CliRun turkish = runCli({"scan", "--lang", "tr", "downloads"});
    ASSERT_EQ(english.status, 0);

    const std::string lastLine = english.out.substr(english.out.rfind('\n', english.out.size() - 2) + 1);
    const std::string total = orvelane::formatBytes(before.total);
    EXPECT_TRUE(lastLine.ends_with(" free of " + total + "\n")) << lastLine;
    // The free part: the formatted figure of a reading close to the report's.
    bool matched = false;
    for (std::int64_t step = -kSlack; step <= kSlack && !matched; step += 1024 * 1024)
        matched = lastLine == orvelane::formatBytes(before.available + step) + " free of " + total + "\n";
    EXPECT_TRUE(matched) << lastLine << " against " << orvelane::formatBytes(before.available);
    EXPECT_NE(turkish.out.find(" boş (toplam "), std::string::npos) << turkish.out;
}

} // namespace
