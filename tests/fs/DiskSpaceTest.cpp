// The space of the home folder's disk, against df(1), which asks the kernel on its own.

#include "DiskSpace.h"
#include "FakeHome.h"
#include "TestMounts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace orvelane {
namespace {

using testing::FakeHome;
using testing::TestMounts;

// df -B1's available and total bytes of the file system holding `path`.
std::optional<DiskSpace> spaceByDf(const std::filesystem::path& path)
{
    const std::string command = "df -B1 --output=avail,size '" + path.native() + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        output += buffer;
    ::pclose(pipe);
    std::istringstream lines(output);
    std::string header;
    DiskSpace space;
    if (!std::getline(lines, header) || !(lines >> space.available >> space.total))
        return std::nullopt;
    return space;
}

TEST(DiskSpace, AFreshFileSystemReadsLikeDfAsItFills)
{
    if (!TestMounts::available())
        GTEST_SKIP() << testing::kMountsUnavailable;
    FakeHome home;
    TestMounts mounts;
    const auto volume = mounts.tmpfs(home / "volume");
    ASSERT_TRUE(volume);
    // A fresh tmpfs without a size option is half the memory; its figures are still df's.
    auto space = diskSpace(*volume);
    ASSERT_TRUE(space);
    EXPECT_EQ(space, spaceByDf(*volume));
    EXPECT_GT(space->total, 0);
    EXPECT_LE(space->available, space->total);

    // Filling 4 MiB takes exactly that much from what is available, and nothing from the size.
    const DiskSpace before = *space;
    {
        std::ofstream filler(*volume / "filler", std::ios::binary);
        const std::string block(1024 * 1024, 'x');
        for (int i = 0; i < 4; ++i)
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    space = diskSpace(*volume / "filler"); // a file names its file system too
    ASSERT_TRUE(space);
    EXPECT_EQ(space->total, before.total);
    EXPECT_EQ(space->available, before.available - 4 * 1024 * 1024);
    EXPECT_EQ(space, spaceByDf(*volume));
}

TEST(DiskSpace, TheHomeFolderDiskAndPlacesThatAreNot)
{
    FakeHome home;
    const auto space = diskSpace(home.root());
    const auto byDf = spaceByDf(home.root());
    ASSERT_TRUE(space);
    ASSERT_TRUE(byDf);
    EXPECT_EQ(space->total, byDf->total);
    // Other programs write to this disk meanwhile; a few hundred MiB is what they may change.
    EXPECT_NEAR(static_cast<double>(space->available), static_cast<double>(byDf->available), 256.0 * 1024 * 1024);

    EXPECT_EQ(diskSpace(home / "missing"), std::nullopt);
    EXPECT_EQ(diskSpace(home.file("file") / "below"), std::nullopt);
    EXPECT_EQ(diskSpace(""), std::nullopt);
}

} // namespace
} // namespace orvelane
