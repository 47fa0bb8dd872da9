#include "TidySettings.h"

#include "Logger.h"

#include <QProcess>

namespace orvelane {
namespace {

constexpr const char* kEnabledKey = "TidyEnabled";
constexpr const char* kDaysKey = "TidyDays";
constexpr const char* kBuildFoldersKey = "TidyIncludesBuildFolders";
constexpr const char* kUntouchedKey = "UntouchedDays";

int dayCount(const QSettings& store, const char* key, int fallback)
{
    bool ok = false;
    const int days = store.value(QLatin1String(key)).toString().toInt(&ok);
    return ok && days >= kMinTidyDays && days <= kMaxTidyDays ? days : fallback;
}

bool flag(const QSettings& store, const char* key)
{
    return store.value(QLatin1String(key)).toString() == QLatin1String("true");
}

std::string systemdMessage(const CommandOutcome& outcome)
{
    std::string text = outcome.error;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Whether the user's service manager answers: without a session bus (a console login, a
// container) `systemctl --user` cannot reach one, and there is no timer to turn on.
std::optional<TimerOutcome> withoutUserSystemd(const CommandRunner& run)
{
    const CommandOutcome probe = run(QStringLiteral("systemctl"), {QStringLiteral("--user"), QStringLiteral("show-environment")});
    if (probe.status && *probe.status == 0)
        return std::nullopt;
    TimerOutcome outcome;
    outcome.message = "there is no systemd user instance to run the weekly tidy";
    if (const std::string why = systemdMessage(probe); !why.empty())
        outcome.message += " (" + why + ")";
    else if (!probe.status)
        outcome.message += " (systemctl could not be run)";
    return outcome;
}

} // namespace

namespace TidySettingsStore {

TidySettings load(const QString& file)
{
    TidySettings settings;
    const auto store = openSettingsStore(file);
    if (!store)
        return settings;
    settings.enabled = flag(*store, kEnabledKey);
    settings.choices.days = dayCount(*store, kDaysKey, settings.choices.days);
    settings.choices.includeBuildFolders = flag(*store, kBuildFoldersKey);
    settings.choices.untouchedDays = dayCount(*store, kUntouchedKey, settings.choices.untouchedDays);
    return settings;
}

std::optional<std::string> save(const TidySettings& settings, const QString& file)
{
    const auto store = openSettingsStore(file);
    if (!store)
        return "the settings file is not a regular file";
    store->setValue(QLatin1String(kEnabledKey), settings.enabled ? "true" : "false");
    store->setValue(QLatin1String(kDaysKey), settings.choices.days);
    store->setValue(QLatin1String(kBuildFoldersKey), settings.choices.includeBuildFolders ? "true" : "false");
    store->setValue(QLatin1String(kUntouchedKey), settings.choices.untouchedDays);
    store->sync();
    if (store->status() != QSettings::NoError)
        return "the settings file could not be written";
    return std::nullopt;
}

} // namespace TidySettingsStore

CommandOutcome runCommand(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(5000))
        return {};
    // Enabling starts the timer and reloads nothing else: it answers within moments, or never.
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(1000);
        return {std::nullopt, "systemctl did not answer"};
    }
    const std::string error = process.readAllStandardError().toStdString();
    if (process.exitStatus() != QProcess::NormalExit)
        return {std::nullopt, error};
    return {process.exitCode(), error};
}

namespace TidyTimer {

TimerOutcome setEnabled(bool enabled, const CommandRunner& run)
{
    if (auto missing = withoutUserSystemd(run))
        return *missing;
    TimerOutcome outcome;
    outcome.userSystemd = true;
    const CommandOutcome done = run(QStringLiteral("systemctl"),
                                    {QStringLiteral("--user"), enabled ? QStringLiteral("enable") : QStringLiteral("disable"),
                                     QStringLiteral("--now"), QLatin1String(kTidyTimerUnit)});
    outcome.ok = done.status && *done.status == 0;
    outcome.enabled = enabled == outcome.ok;
    if (!outcome.ok)
        outcome.message = "systemctl --user could not " + std::string(enabled ? "enable " : "disable ") +
                          kTidyTimerUnit + (systemdMessage(done).empty() ? "" : ": " + systemdMessage(done));
    Logger::info(std::string("Weekly tidy timer ") + (enabled ? "enable" : "disable") +
                 (outcome.ok ? " succeeded" : " failed: " + outcome.message));
    return outcome;
}

TimerOutcome query(const CommandRunner& run)
{
    if (auto missing = withoutUserSystemd(run))
        return *missing;
    TimerOutcome outcome;
    outcome.userSystemd = true;
    const CommandOutcome asked =
        run(QStringLiteral("systemctl"), {QStringLiteral("--user"), QStringLiteral("is-enabled"), QStringLiteral("--quiet"),
                                          QLatin1String(kTidyTimerUnit)});
    outcome.ok = asked.status.has_value();
    outcome.enabled = asked.status && *asked.status == 0;
    return outcome;
}

} // namespace TidyTimer

TidySwitch switchWeeklyTidy(TidySettings settings, bool on, const CommandRunner& run, const QString& file)
{
    TidySwitch outcome;
    outcome.timer = TidyTimer::setEnabled(on, run);
    if (!outcome.timer.ok && on)
        return outcome;
    settings.enabled = on;
    outcome.saveFailure = TidySettingsStore::save(settings, file);
    outcome.saved = !outcome.saveFailure;
    return outcome;
}

} // namespace orvelane
