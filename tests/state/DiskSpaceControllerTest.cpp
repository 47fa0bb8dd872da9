// The home folder's disk space, as the window shows it.
#include "DiskSpace.h"
#include "TestMounts.h"
#include "WindowStateTest.h"

#include <sys/statvfs.h>

using namespace orvelane;
using namespace orvelane::testing;
namespace fs = std::filesystem;

namespace {

std::optional<DiskSpace> byStatvfs(const fs::path& folder)
{
    struct statvfs status{};
    if (::statvfs(folder.c_str(), &status) != 0)
        return std::nullopt;
    return DiskSpace{static_cast<std::int64_t>(status.f_bavail * status.f_frsize),
                     static_cast<std::int64_t>(status.f_blocks * status.f_frsize)};
}

// What the window shows, in the same terms.
std::optional<DiskSpace> shown(const WindowState& state)
{
    if (!state.diskSpace()->known())
        return std::nullopt;
    return DiskSpace{state.diskSpace()->available(), state.diskSpace()->total()};
}

TEST(DiskSpaceController, PublishedAtStartAfterEveryScanAndAfterEveryClean)
{
    if (!TestMounts::available())
        GTEST_SKIP() << orvelane::testing::kMountsUnavailable;
    // The home on a file system of its own, which nothing else on the machine writes to.
    FakeHome home;
    TestMounts mounts;
    ASSERT_TRUE(mounts.tmpfs(home.root()));
    home.file("Downloads/big.dmg", 3 * 1024 * 1024); // the file system holds 8 MiB
    home.folder(".local/share/Trash/files");
    home.folder(".local/share/Trash/info");

    WindowState state(JunkScanner::macLayout());
    EXPECT_EQ(state.diskSpace()->available(), -1) << "unknown until the disk answers";
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.diskSpace()->known(); }, 10'000));
    EXPECT_EQ(shown(state), byStatvfs(home.root()));
    EXPECT_EQ(state.diskSpace()->total(), byStatvfs(home.root())->total);

    // The state's figure comes from its own thread; wait until it is the disk's.
    const auto settled = [&] {
        return QTest::qWaitFor([&] { return shown(state) == byStatvfs(home.root()); }, 10'000);
    };
    home.file("Downloads/more.dmg", 2 * 1024 * 1024);
    ASSERT_NE(shown(state), byStatvfs(home.root())) << "the figure is out of date now";
    state.scanning()->scanAll();
    ASSERT_TRUE(QTest::qWaitFor([&] { return state.scanning()->scanningKinds().empty(); }, 60'000));
    EXPECT_TRUE(settled()) << "a scan asks the disk again";

    // A clean deletes from the Trash for good: what it freed shows.
    for (const ScannedItem& item : state.results()->items(CategoryKind::downloads))
        state.selection()->select(item.path, true);
    ASSERT_TRUE(QTest::qWaitFor([f = state.cleaning()->cleanSelected(CategoryKind::downloads)] { return f.isFinished(); }, 60'000));
    ASSERT_TRUE(settled());
    const std::int64_t before = state.diskSpace()->available();
    ASSERT_EQ(state.results()->items(CategoryKind::trash).size(), 2u);
    for (const ScannedItem& item : state.results()->items(CategoryKind::trash))
        state.selection()->select(item.path, true);
    ASSERT_TRUE(QTest::qWaitFor([f = state.cleaning()->cleanSelected(CategoryKind::trash)] { return f.isFinished(); }, 60'000));
    EXPECT_TRUE(settled()) << "a clean asks the disk again";
    EXPECT_GE(state.diskSpace()->available() - before, 5 * 1024 * 1024);
    EXPECT_EQ(state.diskSpace()->total(), byStatvfs(home.root())->total);
}

} // namespace
