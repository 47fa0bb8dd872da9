// The file-system services under the scanner: home folder, names as text, entry kinds, and
// resolving paths the way the kernel does.

#include "DirectoryStream.h"
#include "FakeHome.h"
#include "FileSystem.h"
#include "HomeFolder.h"
#include "PathResolution.h"
#include "PathText.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace orvelane {
namespace {

using testing::FakeHome;

TEST(HomeFolder, TakesAnAbsoluteHomeTidiedAndOtherwiseThePasswordDatabase)
{
    FakeHome home;
    ::setenv("HOME", (home.root().native() + "//sub//").c_str(), 1);
    EXPECT_EQ(homeFolder(), home / "sub");
    ::setenv("HOME", "relative/home", 1);
    EXPECT_EQ(homeFolder(), ::getpwuid(::getuid())->pw_dir);
}

TEST(PathText, ReplacesEachMaximalInvalidSubsequenceOnce)
{
    EXPECT_EQ(displayText(std::string_view("Caf\xC3\xA9 \xF0\x9F\x93\xA6")), "Caf\xC3\xA9 \xF0\x9F\x93\xA6");
    EXPECT_EQ(displayText(std::filesystem::path("r\xE9sum\xE9")), "r\uFFFDsum\uFFFD");
    EXPECT_EQ(displayText(std::string_view("a\xE2\x82")), "a\uFFFD");               // cut short
    EXPECT_EQ(displayText(std::string_view("\xED\xA0\x80")), "\uFFFD\uFFFD\uFFFD"); // a surrogate
    EXPECT_EQ(displayText(std::string_view("\xC0\xAF\xF4\x90")), "\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(ErrorText, LogRecordsCarryTheUntranslatedTextUnderAnyLocale)
{
    // Run under tr_TR too, where the C library's own strerror answers in Turkish.
    EXPECT_EQ(FileSystem::describeErrorForLog(EACCES), "Permission denied");
    EXPECT_EQ(FileSystem::describeErrorForLog(ENOENT), "No such file or directory");
    EXPECT_EQ(FileSystem::describeErrorForLog(0x7ff0), "Unknown error 32752");
}

TEST(DirectoryStream, AsksTheDiskForAKindOnlyWhenTheListingDidNotSayAndNeverEntersLinks)
{
    FakeHome home;
    home.folder("sub");
    home.link("link", home / "sub");
    const int fd = ::open(home.root().c_str(), O_RDONLY | O_DIRECTORY);
    EXPECT_EQ(entryKindAt(fd, "sub", EntryKind::unknown), EntryKind::directory);
    EXPECT_EQ(entryKindAt(fd, "link", EntryKind::unknown), EntryKind::symbolicLink);
    EXPECT_EQ(entryKindAt(fd, "missing", EntryKind::unknown), std::nullopt);
    EXPECT_EQ(entryKindAt(fd, "missing", EntryKind::regular), EntryKind::regular); // taken as listed
    EXPECT_FALSE(DirectoryStream::openAt(fd, "link").isOpen());
    EXPECT_EQ(FileSystem::inodeAt(fd, "link"), testing::inodeByStat(home / "link"));
    ::close(fd);
}

TEST(PathResolution, StandardisesAsTextButResolvesLinksAsTheKernelDoes)
{
    EXPECT_EQ(standardized("/a/./b//c/../d/"), "/a/b/d");
    EXPECT_EQ(standardized("/../x"), "/x");
    FakeHome home;
    home.folder("real/inner");
    home.folder("elsewhere/deep");
    home.link("a/jump", home / "elsewhere/deep");
    home.link("rel", "real/inner");
    home.link("loop1", "loop2");
    home.link("loop2", "loop1");
    EXPECT_EQ(resolvingLinks(home / "rel/x"), home / "real/inner/x");
    EXPECT_EQ(resolvingLinks(home / "a/jump/../y"), home / "elsewhere/y"); // ".." climbs from the target
    EXPECT_EQ(resolvingLinks(home / "a/./jump/"), home / "elsewhere/deep");
    EXPECT_EQ(resolvingLinks(home / "not/yet/there"), home / "not/yet/there");
    EXPECT_EQ(resolvingLinks(home / "loop1/x"), std::nullopt);
    // Climbing back to a folder right below the root stays absolute.
    EXPECT_EQ(resolvingLinks("/tmp/../tmp"), "/tmp");
    EXPECT_EQ(resolvingLinks("/tmp/.."), "/");
    // An entry's own place: its folder resolved, a link as the entry itself kept.
    EXPECT_EQ(realLocation(home / "a/jump//x/"), home / "elsewhere/deep/x");
    EXPECT_EQ(realLocation(home / "a/jump"), home / "a/jump");
}

} // namespace
} // namespace orvelane
