// The texts that name the desktop, as each layout words them and in both languages.
#include "FakeHome.h"
#include "Layout.h"
#include "Localizer.h"
#include "WindowState.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using orvelane::DesktopController;
using orvelane::Localizer;
using orvelane::WindowState;

namespace {

class DesktopControllerTest : public ::testing::Test
{
protected:
    void SetUp() override { Localizer::shared().setLanguage(Localizer::Language::en); }
    void TearDown() override { Localizer::shared().setLanguage(Localizer::Language::en); }

    orvelane::testing::FakeHome home;
};

TEST_F(DesktopControllerTest, TheMacLayoutSpeaksOfTheMacFinderAndFullDiskAccess)
{
    WindowState state(orvelane::JunkScanner::macLayout());
    const DesktopController& texts = *state.desktop();
    EXPECT_EQ(texts.welcomeTitle(), "Ready to tidy up your Mac");
    EXPECT_EQ(texts.revealText(), "Reveal in Finder");
    EXPECT_EQ(texts.accessTitle(), "Full Disk Access required");
    EXPECT_EQ(texts.accessNotice(), "Without it, the Trash and some app data can't be scanned.");
    EXPECT_EQ(texts.accessPlaceholder(), "Grant Full Disk Access in System Settings, then scan again.");
    EXPECT_TRUE(texts.opensAccessSettings());
}

TEST_F(DesktopControllerTest, TheLinuxLayoutNamesTheTrashFolderToCheckAndNoSettingsPane)
{
    WindowState state(orvelane::JunkScanner::linuxLayout());
    const DesktopController& texts = *state.desktop();
    EXPECT_EQ(texts.welcomeTitle(), "Ready to tidy up your computer");
    EXPECT_EQ(texts.revealText(), "Show in File Manager");
    EXPECT_EQ(texts.accessTitle(), "The Trash can't be read");
    EXPECT_EQ(texts.accessNotice(), "Check the owner and permissions of the Trash folder, then scan again.");
    EXPECT_EQ(texts.accessPlaceholder(), "Check the owner and permissions of ~/.local/share/Trash, then scan again.");
    EXPECT_FALSE(texts.opensAccessSettings());

    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home / "data").string())); // FakeHome puts it back
    EXPECT_EQ(texts.accessPlaceholder(), "Check the owner and permissions of ~/data/Trash, then scan again.");
    qputenv("XDG_DATA_HOME", "/srv/shared/data");
    EXPECT_EQ(texts.accessPlaceholder(), "Check the owner and permissions of /srv/shared/data/Trash, then scan again.");

    QSignalSpy changed(&texts, &DesktopController::textsChanged);
    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_GE(changed.count(), 1);
    EXPECT_EQ(texts.welcomeTitle(), QStringLiteral("Bilgisayarınızı toparlamaya hazır"));
    EXPECT_EQ(texts.revealText(), QStringLiteral("Dosya Yöneticisinde Göster"));
    EXPECT_EQ(texts.accessPlaceholder(),
              QStringLiteral("/srv/shared/data/Trash klasörünün sahibini ve izinlerini denetleyin, ardından yeniden tarayın."));
}

} // namespace
