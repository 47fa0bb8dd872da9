// Which layout the scanner reads, and what choosing one changes. This suite runs with
// ORVELANE_LAYOUT=linux, as a user's session on a Linux desktop would without the variable.

#include "JunkScanner.h"
#include "Layout.h"

#include "FakeHome.h"

#include <gtest/gtest.h>

namespace orvelane {
namespace {

using JunkScanner::LayoutId;
using testing::FakeHome;
using testing::LogCapture;
namespace fs = std::filesystem;

// Restores the layout the environment chose when a test switches to another.
class LayoutChoice
{
public:
    explicit LayoutChoice(LayoutId id) : previous_(JunkScanner::activeLayout().id) { JunkScanner::useLayout(id); }
    ~LayoutChoice() { JunkScanner::useLayout(previous_); }
    LayoutChoice(const LayoutChoice&) = delete;
    LayoutChoice& operator=(const LayoutChoice&) = delete;

private:
    LayoutId previous_;
};

TEST(LayoutSelection, TheEnvironmentChoseTheLinuxLayoutForThisRun)
{
    EXPECT_EQ(JunkScanner::activeLayout().id, LayoutId::linux);
    EXPECT_EQ(JunkScanner::activeLayout().name, "linux");
}

TEST(LayoutSelection, TheSettingIsReadExactlyAndAnUnknownOneIsReportedOnce)
{
    EXPECT_EQ(JunkScanner::layoutFromSetting(nullptr), JunkScanner::platformLayoutId());
    EXPECT_EQ(JunkScanner::layoutFromSetting("macos"), LayoutId::macos);
    EXPECT_EQ(JunkScanner::layoutFromSetting("linux"), LayoutId::linux);
    for (const char* unknown : {"Linux", "mac", "", "linux "}) {
        LogCapture log;
        EXPECT_EQ(JunkScanner::layoutFromSetting(unknown), JunkScanner::platformLayoutId()) << unknown;
        EXPECT_EQ(log.messages(LogLevel::warning).size(), 1u) << unknown;
        EXPECT_EQ(log.countStartingWith("JunkScanner: Unknown layout '" + std::string(unknown) + "'"), 1u);
    }
}

TEST(LayoutSelection, TheLinuxLayoutOffersSevenCategoriesAndNoXcode)
{
    const auto& offered = JunkScanner::linuxLayout().categories;
    EXPECT_EQ(offered, (std::vector<CategoryKind>{CategoryKind::caches, CategoryKind::logs, CategoryKind::devCaches,
                                                  CategoryKind::devArtifacts, CategoryKind::downloads,
                                                  CategoryKind::trash, CategoryKind::insights}));
    EXPECT_EQ(JunkScanner::macLayout().categories.size(), allCategoryKinds.size());
    EXPECT_FALSE(JunkScanner::isOffered(JunkScanner::activeLayout(), CategoryKind::xcode));

    FakeHome home;
    home.folder("Library/Developer/Xcode/DerivedData/App-abc/Build");
    const auto derived = home / "Library/Developer/Xcode/DerivedData/App-abc";
    EXPECT_TRUE(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::xcode).empty());
    EXPECT_TRUE(JunkScanner::scan(JunkScanner::activeLayout(), CategoryKind::xcode).items.empty());
    EXPECT_FALSE(JunkScanner::isAllowed(JunkScanner::activeLayout(), derived, CategoryKind::xcode, home.root()));

    const LayoutChoice mac(LayoutId::macos);
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::xcode), std::vector<fs::path>{derived});
    EXPECT_TRUE(JunkScanner::isAllowed(JunkScanner::activeLayout(), derived, CategoryKind::xcode, home.root()));
}

TEST(LayoutSelection, ChoosingALayoutMovesEveryRuleWithIt)
{
    FakeHome home;
    home.file("Library/Caches/com.app/db");
    home.file(".cache/fontconfig/cache-7");
    home.file("Downloads/tool.deb", 100);
    home.file("code/py/.venv/pyvenv.cfg");
    home.file("code/py/requirements.txt");
    const auto macCache = home / "Library/Caches/com.app";
    const auto linuxCache = home / ".cache/fontconfig";
    const auto venv = home / "code/py/.venv";

    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::caches), std::vector<fs::path>{linuxCache});
    EXPECT_TRUE(JunkScanner::activeLayout().installerExtensions.contains("deb"));
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), venv), "python3 -m venv .venv && .venv/bin/pip install -r requirements.txt");
    EXPECT_FALSE(JunkScanner::isAllowed(JunkScanner::activeLayout(), macCache, CategoryKind::caches, home.root()));
    EXPECT_TRUE(JunkScanner::isAllowed(JunkScanner::activeLayout(), venv, CategoryKind::devArtifacts, home.root()));
    EXPECT_EQ(JunkScanner::layoutSubtitle(JunkScanner::activeLayout(), CategoryKind::logs),
              "Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.");

    const LayoutChoice mac(LayoutId::macos);
    EXPECT_EQ(JunkScanner::candidateURLs(JunkScanner::activeLayout(), CategoryKind::caches), std::vector<fs::path>{macCache});
    EXPECT_FALSE(JunkScanner::activeLayout().installerExtensions.contains("deb"));
    EXPECT_EQ(JunkScanner::regenCommand(JunkScanner::activeLayout(), venv), std::nullopt);
    EXPECT_FALSE(JunkScanner::isAllowed(JunkScanner::activeLayout(), linuxCache, CategoryKind::caches, home.root()));
    EXPECT_FALSE(JunkScanner::isAllowed(JunkScanner::activeLayout(), venv, CategoryKind::devArtifacts, home.root()));
    EXPECT_EQ(JunkScanner::layoutSubtitle(JunkScanner::activeLayout(), CategoryKind::logs), subtitle(CategoryKind::logs));
}

} // namespace
} // namespace orvelane
