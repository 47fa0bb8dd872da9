// Measuring a candidate: allocated bytes of its regular files and its newest date, in one
// pass, compared with what find counts; identity; the names items are listed under.

#include "Layout.h"
#include "FakeHome.h"
#include "FileAnalysis.h"
#include "ItemReading.h"
#include "TreeEnumerator.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace std::chrono_literals;
using JunkScanner::analyze;
using testing::FakeHome;
using testing::LogCapture;
namespace fs = std::filesystem;

const Date kLongAgo = Date(std::chrono::seconds(1'600'000'000));

TEST(FolderMeasurement, CountsAllocatedBlocksAsFindDoesNotLengthsAndNotLinks)
{
    FakeHome home;
    for (int i = 0; i < 12; ++i)
        home.file("tree/f" + std::to_string(i), static_cast<std::size_t>(i * 3001));
    home.file("tree/sub/.hidden", 5000);
    home.file("tree/r\xE9sum\xE9/deeper/cv.pdf", 70'000);
    ::link((home / "tree/f11").c_str(), (home / "tree/sub/hard-link").c_str()); // both links inside: once
    home.link("tree/to-self", home / "tree");
    home.link("tree/to-file", home / "tree/f11");
    const int sparse = ::open((home / "tree/sparse.img").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::ftruncate(sparse, 200 << 20), 0); // 200 MiB long, nothing on disk
    ::close(sparse);

    EXPECT_EQ(analyze(home / "tree").size, testing::allocatedBytesByFind(home / "tree") -
                                               testing::allocatedBytesByFind(home / "tree/f11"));
    EXPECT_LT(analyze(home / "tree").size, 1 << 20);
    EXPECT_EQ(analyze(home / "tree/f7").size, testing::allocatedBytesByFind(home / "tree/f7"));
    const auto linked = analyze(home / "tree/to-self");
    EXPECT_EQ(linked.size, 0);
    EXPECT_EQ(linked.modified, std::nullopt);
    EXPECT_FALSE(linked.contents.known()); // a link item is not measured, so nothing is claimed of it

    // What a removal takes away: every name goes, links and both names of the hard link included;
    // the folders are tree, sub, résumé and deeper.
    EXPECT_EQ(analyze(home / "tree").contents, (ItemContents{18, 4}));
    EXPECT_EQ(analyze(home / "tree/f7").contents, (ItemContents{1, 0}));
}

TEST(FolderMeasurement, LeavesPackageContentsOutButMeasuresAPackageCandidate)
{
    FakeHome home;
    home.file("Apps/Tool.app/Contents/MacOS/tool", 400'000);
    home.file("Apps/Kit.framework/Versions/A/Kit", 100'000);
    home.file("Apps/readme.txt", 6000);
    EXPECT_EQ(analyze(home / "Apps").size,
              testing::allocatedBytesByFind(home / "Apps",
                                            "\\( -name '*.app' -o -name '*.framework' \\) -prune -o"));
    EXPECT_EQ(analyze(home / "Apps/Tool.app").size, testing::allocatedBytesByFind(home / "Apps/Tool.app"));
}

TEST(FolderMeasurement, TakesTheNewestDateOfAnyEntryFoldersIncludedLinksNot)
{
    FakeHome home;
    home.file("empty/a", 0);
    home.file("empty/b", 0);
    home.setModified("empty/a", kLongAgo + 20s);
    home.setModified("empty/b", kLongAgo + 10s);
    home.setModified("empty", kLongAgo);
    EXPECT_EQ(analyze(home / "empty").size, 0);
    EXPECT_EQ(analyze(home / "empty").modified, kLongAgo + 20s);

    home.file("nested/inner/file", 100);
    home.link("nested/link", "inner");
    home.setModified("nested/inner/file", kLongAgo);
    home.setModified("nested/inner", kLongAgo + 1h); // a folder counts like a file
    home.setModified("nested/link", kLongAgo + 9h);  // a link does not
    home.setModified("nested", kLongAgo + 30min);
    EXPECT_EQ(analyze(home / "nested").modified, kLongAgo + 1h);
    home.setModified("nested", kLongAgo + 2h);
    EXPECT_EQ(analyze(home / "nested").modified, kLongAgo + 2h);
}

TEST(FolderMeasurement, LogsWhatItCannotMeasureAndCountsTheReadableRest)
{
    FakeHome home;
    home.file("project/readable/a", 50'000);
    home.file("project/secret/b", 90'000);
    home.file("locked/c", 1000);
    ASSERT_EQ(::mkfifo((home / "pipe").c_str(), 0644), 0); // must neither block nor count
    const auto expected = testing::allocatedBytesByFind(home / "project") -
                          testing::allocatedBytesByFind(home / "project/secret");
    ::chmod((home / "project/secret").c_str(), 0);
    ::chmod((home / "locked").c_str(), 0);

    if (!testing::nobodyCanReach(home.top().parent_path())) // where the tree handed to it lies
        GTEST_SKIP() << testing::kCannotDropPrivileges;
    const auto answer = testing::runWithoutPrivileges(home.root(), [&] {
        LogCapture log;
        const auto sizes = std::to_string(analyze(home / "project").size) + " " +
                           std::to_string(analyze(home / "locked").size + analyze(home / "pipe").size +
                                          analyze(home / "vanished").size);
        const auto lines = {
            log.count(LogLevel::debug, "JunkScanner: Enumeration error at secret - Permission denied"),
            log.count(LogLevel::debug,
                      "JunkScanner: Failed to create enumerator for " + (home / "locked").string()),
            log.count(LogLevel::debug,
                      "JunkScanner: Failed to get resource values for vanished - No such file or directory")};
        std::string text = sizes;
        for (const auto n : lines)
            text += " " + std::to_string(n);
        return text;
    });
    EXPECT_EQ(answer, std::to_string(expected) + " 0 1 1 1");
}

struct CountingVisitor final : TreeVisitor
{
    void visit(const char*, const EntryStatus& status) override
    {
        bytes += status.kind == EntryKind::regular ? status.allocatedBytes : 0;
        ++entries;
        peakDescriptors = std::max(peakDescriptors, openDescriptors());
    }
    void statusFailed(const char*, int) override { ++failures; }
    void folderFailed(const char*, int) override { ++failures; }
    static int openDescriptors()
    {
        int count = 0;
        DIR* fds = ::opendir("/proc/self/fd"); // Linux only; elsewhere the bound goes unchecked
        for (; fds != nullptr && ::readdir(fds) != nullptr; ++count) {
        }
        if (fds != nullptr)
            ::closedir(fds);
        return count;
    }
    std::int64_t bytes = 0;
    int entries = 0, failures = 0, peakDescriptors = 0;
};

TEST(FolderMeasurement, WalksBeyondPathMaxWithBoundedDescriptorsAndResumesReopenedFolders)
{
    FakeHome home;
    int fd = ::open(home.folder("deep").c_str(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < 400; ++level) { // 400 × 25 bytes of path: far beyond PATH_MAX
        ::mkdirat(fd, "ddddddddddddddddddddddd", 0755);
        for (const char* name : {"f0", "f1", "f2"}) { // on both sides of the folder in listing order
            if (level % 20 != 0)
                break;
            const int file = ::openat(fd, name, O_WRONLY | O_CREAT, 0644);
            const std::string data(8192, 'p');
            EXPECT_EQ(::write(file, data.data(), data.size()), 8192);
            ::close(file);
        }
        const int next = ::openat(fd, "ddddddddddddddddddddddd", O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
    }
    ::close(fd);
    const auto expected = testing::allocatedBytesByFind(home / "deep");
    EXPECT_EQ(analyze(home / "deep").size, expected);

    for (const std::size_t limit : {1u, 4u}) {
        CountingVisitor visitor;
        const int before = CountingVisitor::openDescriptors();
        ASSERT_EQ(
            enumerateTree(home / "deep", visitor, {.skipPackageContents = true, .maxOpenFolders = limit}), 0);
        EXPECT_EQ(visitor.bytes, expected);
        EXPECT_EQ(visitor.entries, 400 + 20 * 3);
        EXPECT_EQ(visitor.failures, 0);
        EXPECT_LE(visitor.peakDescriptors, before + static_cast<int>(limit) + 1);
    }
}

TEST(FileIdentity, IsTheInodeOfTheItemItself)
{
    FakeHome home;
    home.folder("cache");
    home.link("cache-link", home / "cache");
    EXPECT_EQ(JunkScanner::inodeOf(home / "cache"), testing::inodeByStat(home / "cache"));
    EXPECT_EQ(JunkScanner::inodeOf(home / "cache-link"), testing::inodeByStat(home / "cache-link"));
    EXPECT_EQ(JunkScanner::inodeOf(home / "gone"), std::nullopt);
}

TEST(DisplayName, NamesStoresContainersAndProjectsAndShowsAnyBytes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Library/Containers/com.docker.docker/Data", "Docker data"}, // before the container rule
        {"Library/Developer/CoreSimulator/Devices", "iOS Simulator devices"},
        {"Library/Application Support/MobileSync/Backup", "iPhone and iPad backups"},
        {"Library/Containers/com.apple.mail/Data/Library/Caches", "com.apple.mail"},
        {"Library/Group Containers/group.team/Library/Logs", "group.team"},
        {"Library/Containers", "Containers"}, // a marker at the end names nothing
        {"code/web/node_modules", "web/node_modules"},
        {".terraform.d/plugin-cache", "plugin-cache"},
        {"Downloads/Setup 2.1.dmg", "Setup 2.1.dmg"},
        {"Library/Caches/Com.Docker.Docker/data", "data"}, // suffixes are case-sensitive
        {"Downloads/r\xE9sum\xE9.pdf", "r\uFFFDsum\uFFFD.pdf"},
        {"code/caf\xE9/node_modules", "caf\uFFFD/node_modules"},
        {"Library/Containers/app\xFF/Data/Library/Caches", "app\uFFFD"},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(JunkScanner::displayName(JunkScanner::activeLayout(), fs::path("/Users/me") / path), name) << path;
}

} // namespace
} // namespace orvelane
