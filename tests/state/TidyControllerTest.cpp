// The weekly tidy in the settings window: the switch asks systemd (a stand-in here, never the
// machine's own user manager) away from the window's thread and saves only what holds, and the
// day counts are kept within their range.
#include "FakeHome.h"
#include "TidyController.h"
#include "TidySettings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using namespace orvelane;

namespace {

struct FakeSystemctl
{
    std::optional<int> probe;  ///< systemctl --user show-environment
    std::optional<int> change; ///< systemctl --user enable|disable --now
    std::atomic<int> calls{0};
    std::atomic<bool> onWindowThread{false};

    TidyController::Runner runner()
    {
        QThread* window = QThread::currentThread();
        return [this, window](const QString&, const QStringList& arguments) -> CommandOutcome {
            ++calls;
            if (QThread::currentThread() == window)
                onWindowThread = true;
            const bool asksForTheManager = arguments.contains(QStringLiteral("show-environment"));
            return {asksForTheManager ? probe : change, asksForTheManager ? "Failed to connect to bus\n" : ""};
        };
    }
};

bool savedKey(const char* key)
{
    return QSettings(settingsFilePath(), QSettings::IniFormat).contains(QLatin1String(key));
}

void waitForTheSwitch(TidyController& tidy)
{
    ASSERT_TRUE(QTest::qWaitFor([&tidy] { return !tidy.switching(); }, 10'000));
}

TEST(TidyController, TheSwitchHoldsOnlyWhenTheUsersSystemdTurnsTheTimerOn)
{
    struct Row
    {
        const char* what;
        std::optional<int> probe, change;
        bool on; ///< what the switch shows afterwards
    };
    const Row rows[] = {
        {"systemd answers", 0, 0, true},
        {"no user systemd", 1, 0, false},
        {"no systemctl at all", std::nullopt, std::nullopt, false},
        {"the timer unit is missing", 0, 5, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        orvelane::testing::FakeHome home;
        FakeSystemctl systemctl{row.probe, row.change};
        TidyController tidy(systemctl.runner());
        QSignalSpy changed(&tidy, &TidyController::changed);
        tidy.turn(true);
        EXPECT_TRUE(tidy.switching()) << "systemd is asked in the background";
        waitForTheSwitch(tidy);
        EXPECT_FALSE(systemctl.onWindowThread) << "systemctl never runs on the window's thread";
        EXPECT_GE(systemctl.calls, 1);
        EXPECT_EQ(tidy.enabled(), row.on);
        EXPECT_GE(changed.count(), 1) << "a switch that did not take goes back";
        EXPECT_EQ(TidySettingsStore::load().enabled, row.on);
        EXPECT_EQ(savedKey("TidyEnabled"), row.on) << "nothing saved when it did not hold";
        EXPECT_EQ(tidy.message().isEmpty(), row.on);

        TidyController reopened(systemctl.runner());
        EXPECT_EQ(reopened.enabled(), row.on) << "the next window reads the same file";
    }
}

TEST(TidyController, TurningOffSticksEvenWithoutSystemd)
{
    orvelane::testing::FakeHome home;
    ASSERT_EQ(TidySettingsStore::save({true, {14, true, 120}}), std::nullopt);
    FakeSystemctl systemctl{1, 0};
    TidyController tidy(systemctl.runner());
    ASSERT_TRUE(tidy.enabled());
    tidy.turn(false);
    waitForTheSwitch(tidy);
    EXPECT_FALSE(tidy.enabled());
    EXPECT_FALSE(TidySettingsStore::load().enabled) << "a timer left behind finds the tidy off";
    EXPECT_EQ(TidySettingsStore::load().choices, (TidyChoices{14, true, 120})) << "the choices stay";
    EXPECT_FALSE(tidy.message().isEmpty()) << "says the timer may still be there";
}

TEST(TidyController, ASecondPressWhileSystemdIsAskedChangesNothing)
{
    orvelane::testing::FakeHome home;
    FakeSystemctl systemctl{0, 0};
    TidyController tidy(systemctl.runner());
    tidy.turn(true);
    tidy.turn(false); // pressed again before the answer
    tidy.setDays(5);  // the choices wait too: the switch saves the ones it was given
    waitForTheSwitch(tidy);
    EXPECT_TRUE(tidy.enabled());
    EXPECT_EQ(systemctl.calls, 2) << "asked once: is there a user systemd, then enable";
    EXPECT_EQ(TidySettingsStore::load().choices.days, TidyChoices{}.days);
}

TEST(TidyController, OpeningSettingsReadsWhatTheCommandLineChanged)
{
    orvelane::testing::FakeHome home;
    FakeSystemctl systemctl{0, 0};
    TidyController tidy(systemctl.runner());
    ASSERT_FALSE(tidy.enabled());
    ASSERT_EQ(TidySettingsStore::save({true, {7, true, 200}}), std::nullopt); // orvelane-cli tidy --enable …
    QSignalSpy changed(&tidy, &TidyController::changed);
    tidy.reload();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(tidy.enabled());
    EXPECT_EQ(tidy.days(), 7);
    EXPECT_TRUE(tidy.includeBuildFolders());
    EXPECT_EQ(tidy.untouchedDays(), 200);
    EXPECT_EQ(systemctl.calls, 0);
}

TEST(TidyController, DayCountsStayWithinTheirRangeAndAreSavedAtOnce)
{
    orvelane::testing::FakeHome home;
    FakeSystemctl systemctl{0, 0};
    TidyController tidy(systemctl.runner());
    // {asked for, kept}
    const std::pair<int, int> rows[] = {{14, 14}, {0, kMinTidyDays}, {-30, kMinTidyDays}, {kMaxTidyDays + 1, kMaxTidyDays},
                                        {kMaxTidyDays, kMaxTidyDays}, {kMinTidyDays, kMinTidyDays}};
    for (const auto& [asked, kept] : rows) {
        SCOPED_TRACE(asked);
        tidy.setDays(asked);
        tidy.setUntouchedDays(asked);
        EXPECT_EQ(tidy.days(), kept);
        EXPECT_EQ(tidy.untouchedDays(), kept);
        EXPECT_EQ(TidySettingsStore::load().choices.days, kept);
        EXPECT_EQ(TidySettingsStore::load().choices.untouchedDays, kept);
    }
    tidy.setIncludeBuildFolders(true);
    EXPECT_TRUE(TidySettingsStore::load().choices.includeBuildFolders);
    EXPECT_EQ(systemctl.calls, 0) << "choosing days never asks systemd";

    // The command line turned the tidy on meanwhile: a day count saved here must not turn it off.
    TidySettings elsewhere = TidySettingsStore::load();
    elsewhere.enabled = true;
    ASSERT_EQ(TidySettingsStore::save(elsewhere), std::nullopt);
    tidy.setDays(21);
    EXPECT_TRUE(TidySettingsStore::load().enabled);
    EXPECT_EQ(TidySettingsStore::load().choices.days, 21);
}

} // namespace
