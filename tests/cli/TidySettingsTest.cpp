// The weekly tidy's choices in the settings file, and turning its timer on and off through a
// systemctl the test brings: the machine's own user manager is never asked.
#include "TidySettings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvelane {
namespace {

TEST(TidySettings, ChoicesSurviveTheFileAndNonsenseReadsAsTheDefault)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Orvelane.conf"));
    EXPECT_EQ(TidySettingsStore::load(file), TidySettings{}) << "off, 30 days, no build folders, 90 days";

    const TidySettings chosen{true, {14, true, 180}};
    ASSERT_EQ(TidySettingsStore::save(chosen, file), std::nullopt);
    EXPECT_EQ(TidySettingsStore::load(file), chosen);

    // {stored days, read as}
    const std::pair<const char*, int> rows[] = {{"0", 30}, {"-3", 30}, {"3651", 30}, {"12x", 30},
                                                {"", 30},  {"1", 1},   {"3650", 3650}};
    for (const auto& [stored, read] : rows) {
        QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("TidyDays"), QString::fromLatin1(stored));
        EXPECT_EQ(TidySettingsStore::load(file).choices.days, read) << stored;
    }
    QSettings(file, QSettings::IniFormat).setValue(QStringLiteral("TidyEnabled"), QStringLiteral("yes please"));
    EXPECT_FALSE(TidySettingsStore::load(file).enabled) << "only an exact true turns it on";
}

TEST(TidyTimer, AskedOfTheUsersSystemdOnlySaysWhenThereIsNoneAndSavesWhatHolds)
{
    struct Row
    {
        const char* what;
        std::optional<int> probe;  ///< systemctl --user show-environment
        std::optional<int> change; ///< systemctl --user enable|disable --now
        bool userSystemd, ok;
    };
    const Row rows[] = {
        {"no systemctl at all", std::nullopt, 0, false, false},
        {"no user manager to talk to", 1, 0, false, false},
        {"enabled", 0, 0, true, true},
        {"the unit is not installed", 0, 1, true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        for (const bool on : {true, false}) {
            std::vector<QStringList> asked;
            const auto run = [&](const QString& program, const QStringList& arguments) -> CommandOutcome {
                EXPECT_EQ(program, QStringLiteral("systemctl"));
                asked.push_back(arguments);
                const bool probe = arguments.contains(QStringLiteral("show-environment"));
                return {probe ? row.probe : row.change, probe ? "Failed to connect to bus\n" : "Unit not found\n"};
            };
            QTemporaryDir folder;
            const QString file = folder.filePath(QStringLiteral("Orvelane.conf"));
            const TidySettings before{!on, {14, true, 180}};
            ASSERT_EQ(TidySettingsStore::save(before, file), std::nullopt);
            const TidySwitch turned = switchWeeklyTidy(before, on, run, file);
            // Turning off always sticks; turning on only once the timer is on.
            const bool sticks = row.ok || !on;
            EXPECT_EQ(turned.saved, sticks);
            EXPECT_EQ(TidySettingsStore::load(file).enabled, sticks ? on : !on);
            EXPECT_EQ(TidySettingsStore::load(file).choices, before.choices);
            const TimerOutcome& outcome = turned.timer;
            EXPECT_EQ(outcome.userSystemd, row.userSystemd);
            EXPECT_EQ(outcome.ok, row.ok);
            EXPECT_EQ(outcome.message.empty(), row.ok);
            for (const QStringList& arguments : asked)
                EXPECT_EQ(arguments.value(0), QStringLiteral("--user")) << "never the system's manager";
            EXPECT_EQ(asked.size(), row.userSystemd ? 2u : 1u) << "nothing is changed without a user manager";
            if (row.userSystemd) {
                EXPECT_TRUE(asked.back().contains(on ? QStringLiteral("enable") : QStringLiteral("disable")));
            }
        }
    }
}

} // namespace
} // namespace orvelane
