#pragma once

#include "SettingsStore.h"
#include "TidyChoices.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>

namespace orvelane {

/// What the user chose for the weekly tidy, as the settings file keeps it.
struct TidySettings
{
    /// Whether the weekly tidy was turned on (the timer is what runs it).
    bool enabled = false;
    TidyChoices choices;
    friend bool operator==(const TidySettings&, const TidySettings&) = default;
};

/**
 * @brief The tidy's settings in the per-user settings file (beside the language and the
 * exclusions): "TidyEnabled", "TidyDays", "TidyIncludesBuildFolders", "UntouchedDays". A day
 * count that is missing, not a number or outside kMinTidyDays..kMaxTidyDays reads as its default.
 * Every call reads the file afresh, so the window and the command line see each other's changes.
 */
namespace TidySettingsStore {

TidySettings load(const QString& file = settingsFilePath());
/// Nothing when saved, otherwise why not.
std::optional<std::string> save(const TidySettings& settings, const QString& file = settingsFilePath());

} // namespace TidySettingsStore

/// The systemd user units of the weekly tidy.
inline constexpr const char* kTidyTimerUnit = "orvelane-tidy.timer";

/// What running a program came to: its exit status (nothing when it could not be started or
/// did not end) and what it wrote to standard error.
struct CommandOutcome
{
    std::optional<int> status;
    std::string error;
};

/// Runs `program` with `arguments` and waits for it; tests bring their own.
using CommandRunner = std::function<CommandOutcome(const QString& program, const QStringList& arguments)>;

/// The real runner: the program from the PATH, given a few seconds.
CommandOutcome runCommand(const QString& program, const QStringList& arguments);

/// What turning the timer on or off, or asking it, came to.
struct TimerOutcome
{
    /// Whether the user's systemd answered at all; without it there is no timer to turn on.
    bool userSystemd = false;
    bool ok = false;
    /// For a query: whether the timer is enabled.
    bool enabled = false;
    /// Why it failed, in English (for the terminal and the log).
    std::string message;
};

/**
 * @brief The systemd user timer that runs the weekly tidy, reached through
 * `systemctl --user`: enabled and started together, disabled and stopped together.
 */
namespace TidyTimer {

TimerOutcome setEnabled(bool enabled, const CommandRunner& run = runCommand);
TimerOutcome query(const CommandRunner& run = runCommand);

} // namespace TidyTimer

/// What turning the weekly tidy on or off came to.
struct TidySwitch
{
    TimerOutcome timer;
    /// Whether the choice went into the settings file.
    bool saved = false;
    /// Why the settings file could not take it, in English.
    std::optional<std::string> saveFailure;
};

/**
 * @brief Turns the timer on or off and saves the choice with `settings`. Turning off always
 * sticks (a timer left behind asks the settings and finds the tidy off); turning on is saved only
 * once the timer is on, so a tidy the user's systemd cannot run never reads as on.
 */
TidySwitch switchWeeklyTidy(TidySettings settings, bool on, const CommandRunner& run = runCommand,
                            const QString& file = settingsFilePath());

} // namespace orvelane
