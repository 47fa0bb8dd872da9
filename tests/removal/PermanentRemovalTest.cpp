#include "PermanentRemoval.h"

#include "FakeHome.h"
#include "RemovalTarget.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvelane {
namespace {

using namespace orvelane::testing;
namespace fs = std::filesystem;

RemovalResult removeForGood(const fs::path& item)
{
    return removePermanently(RemovalTarget::open(item, inodeOf(item)));
}

std::size_t openDescriptorCount()
{
    return entries("/dev/fd").size();
}

// Nested folders whose full path is far longer than PATH_MAX, so they are built relative to
// descriptors. Every level holds a file, a side folder, and links to a file and a folder
// outside the tree; one level holds a dangling link.
void buildDeepTree(const fs::path& top, int depth, const fs::path& outsideFile, const fs::path& outsideFolder)
{
    fs::create_directories(top);
    int fd = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const std::string folderName(40, 'n');
    for (int level = 0; level < depth && fd >= 0; ++level) {
        ::close(::openat(fd, "file.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ::symlinkat(outsideFile.c_str(), fd, "to-file");
        ::symlinkat(outsideFolder.c_str(), fd, "to-folder");
        ::mkdirat(fd, "side", 0555); // not writable: removal must not care, it runs as root here
        if (level == depth / 2)
            ::symlinkat("/nonexistent/orvelane", fd, "dangling");
        ::mkdirat(fd, folderName.c_str(), 0755);
        const int next = ::openat(fd, folderName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    }
    ASSERT_GE(fd, 0);
    ::close(fd);
}

TEST(PermanentRemoval, DeepTreeGoesWithItsRecordAndLinkTargetsSurvive)
{
    FakeHome fake{"home"};
    const fs::path outsideFile = fake.top() / "outside/keep.txt";
    const fs::path outsideFolder = fake.top() / "outside/folder";
    writeFile(outsideFile, "keep me");
    writeFile(outsideFolder / "inner.txt", "keep me too");
    const fs::path item = fake.trash() / "files/tree";
    buildDeepTree(item, 200, outsideFile, outsideFolder);
    writeFile(fake.trash() / "info/tree.trashinfo", "[Trash Info]\n");
    writeFile(fake.trash() / "info/other.trashinfo", "[Trash Info]\n");

    // A remover holding one descriptor per level could not get through 200 levels with this.
    struct rlimit saved{};
    ::getrlimit(RLIMIT_NOFILE, &saved);
    struct rlimit tight = saved;
    tight.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    const std::size_t descriptorsBefore = openDescriptorCount();
    const RemovalResult result = removeForGood(item);
    const std::size_t descriptorsAfter = openDescriptorCount();
    ::setrlimit(RLIMIT_NOFILE, &saved);

    ASSERT_TRUE(result.succeeded()) << *result.failure;
    EXPECT_EQ(descriptorsAfter, descriptorsBefore);
    EXPECT_FALSE(fs::exists(fs::symlink_status(item)));
    EXPECT_EQ(entries(fake.trash() / "info"), std::vector<std::string>{"other.trashinfo"});
    EXPECT_EQ(readFile(outsideFile), "keep me");
    EXPECT_EQ(readFile(outsideFolder / "inner.txt"), "keep me too");
}

TEST(PermanentRemoval, RecordsGoOnlyForItemsOfATrash)
{
    FakeHome fake{"home"};
    const fs::path homeTrashItem = fake.trash() / "files/a.log";
    writeFile(homeTrashItem);
    writeFile(fake.trash() / "info/a.log.trashinfo");
    const fs::path volumeTrashItem = fake.top() / "volume/.Trash-1000/files/b.log";
    writeFile(volumeTrashItem);
    writeFile(fake.top() / "volume/.Trash-1000/info/b.log.trashinfo");
    // Looks like a trash from below, but its folder is not one: the project's file stays.
    const fs::path projectItem = fake.home() / "project/files/c.log";
    writeFile(projectItem);
    writeFile(fake.home() / "project/info/c.log.trashinfo");

    for (const auto& item : {homeTrashItem, volumeTrashItem, projectItem})
        ASSERT_TRUE(removeForGood(item).succeeded()) << item;
    EXPECT_FALSE(fs::exists(homeTrashItem));
    EXPECT_TRUE(entries(fake.trash() / "info").empty());
    EXPECT_TRUE(entries(fake.top() / "volume/.Trash-1000/info").empty());
    EXPECT_FALSE(fs::exists(projectItem));
    EXPECT_TRUE(fs::exists(fake.home() / "project/info/c.log.trashinfo"));
}

TEST(PermanentRemoval, WhatCannotBeRemovedStaysWithItsRecord)
{
    // As a real user: a read-only folder of the user's own goes (module caches are made that
    // way), a folder of root's inside the tree cannot be emptied and stays, record included.
    FakeHome fake{"home"};
    const fs::path item = fake.trash() / "files/tree";
    writeFile(item / "a.txt");
    writeFile(item / "readonly/module.go");
    writeFile(item / "locked/secret.txt", "root's");
    writeFile(fake.trash() / "info/tree.trashinfo", "[Trash Info]\n");
    giveToNobody(fake.top());
    ::lchown((item / "locked").c_str(), 0, 0);
    ::lchown((item / "locked/secret.txt").c_str(), 0, 0);
    fs::permissions(item / "readonly", fs::perms::owner_read | fs::perms::owner_exec);

    if (!nobodyCanReach(item))
        GTEST_SKIP() << kCannotDropPrivileges;
    const auto failure = runAsNobody([&] { return removeForGood(item).failure.value_or("removed"); });
    if (!failure)
        GTEST_SKIP() << kCannotDropPrivileges;
    EXPECT_EQ(*failure, "Permission denied");
    EXPECT_EQ(entries(item), std::vector<std::string>{"locked"});
    EXPECT_EQ(readFile(item / "locked/secret.txt"), "root's");
    EXPECT_TRUE(fs::exists(fake.trash() / "info/tree.trashinfo"));
}

} // namespace
} // namespace orvelane
