// The freedesktop folders of a home: base variables count only when absolute, and the
// download folder comes from user-dirs.dirs, localised names, escapes, turned-off folders and
// a file that is not a file included.
#include "FakeHome.h"
#include "XdgFolders.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace orvelane {
namespace {

using testing::FakeHome;

class XdgFolders : public ::testing::Test
{
protected:
    void writeUserDirs(const std::string& text)
    {
        home.folder(".config");
        std::ofstream(home / ".config/user-dirs.dirs") << text;
    }

    FakeHome home;
};

TEST_F(XdgFolders, BaseVariablesCountOnlyWhenAbsolute)
{
    ::unsetenv("XDG_CACHE_HOME");
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    ::setenv("XDG_DATA_HOME", "/srv/data//share/", 1);
    ::setenv("XDG_STATE_HOME", "", 1);
    EXPECT_EQ(Xdg::cacheHome(home.root()), home / ".cache");
    EXPECT_EQ(Xdg::configHome(home.root()), home / ".config");
    EXPECT_EQ(Xdg::dataHome(home.root()), "/srv/data/share/");
    EXPECT_EQ(Xdg::stateHome(home.root()), home / ".local/state");
}

TEST_F(XdgFolders, TheDownloadFolderFollowsUserDirsAndDefaultsToDownloads)
{
    EXPECT_EQ(Xdg::downloadFolder(home.root()), home / "Downloads") << "no user-dirs.dirs";
    writeUserDirs("# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/Masaüstü\"\n"
                  "XDG_DOWNLOAD_DIR=\"$HOME/İndirilenler\"\n");
    EXPECT_EQ(Xdg::downloadFolder(home.root()), home / "İndirilenler");

    writeUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/first\"\n  XDG_DOWNLOAD_DIR=\"/data/My \\\"Down\\\\loads\\\"/\"\n");
    EXPECT_EQ(Xdg::downloadFolder(home.root()), "/data/My \"Down\\loads\"") << "the last line wins, escapes undone";

    writeUserDirs("XDG_DOWNLOAD_DIR=\"$HOME/\"\n");
    EXPECT_EQ(Xdg::downloadFolder(home.root()), std::nullopt) << "pointing at home turns the folder off";
    writeUserDirs("XDG_DOWNLOAD_DIR=\"$HOME\"\n");
    EXPECT_EQ(Xdg::downloadFolder(home.root()), std::nullopt);

    for (const char* unusable : {"XDG_DOWNLOAD_DIR=\"$HOMEWORK/x\"\n", "XDG_DOWNLOAD_DIR=relative\n",
                                 "XDG_DOWNLOAD_DIR=\"unclosed\n", "#XDG_DOWNLOAD_DIR=\"$HOME/old\"\n"}) {
        writeUserDirs(unusable);
        EXPECT_EQ(Xdg::downloadFolder(home.root()), home / "Downloads") << unusable;
    }
}

TEST_F(XdgFolders, AUserDirsThatIsNoRegularFileIsNeitherWaitedForNorRead)
{
    home.folder(".config");
    ASSERT_EQ(::mkfifo((home / ".config/user-dirs.dirs").c_str(), 0600), 0);
    EXPECT_EQ(Xdg::downloadFolder(home.root()), home / "Downloads") << "returned at all: the FIFO did not block";

    home.folder("other-config/user-dirs.dirs");
    ::setenv("XDG_CONFIG_HOME", (home / "other-config").c_str(), 1);
    EXPECT_EQ(Xdg::downloadFolder(home.root()), home / "Downloads") << "a folder of that name";
}

} // namespace
} // namespace orvelane
