#include "TidyCommand.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "CategoryKind.h"
#include "DisplayText.h"
#include "ExclusionStore.h"
#include "ExitStatus.h"
#include "HomeFolder.h"
#include "PathText.h"
#include "ReportTexts.h"
#include "ScanDocument.h"
#include "TidyNotification.h"
#include "TidyPolicy.h"
#include "TidySettings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace orvelane::cli {
namespace {

void printJson(const QJsonObject& object)
{
    std::puts(QJsonDocument(object).toJson(QJsonDocument::Indented).constData());
}

// The saved choices with this run's options put over them.
TidySettings withOptions(TidySettings settings, const CliOptions& options)
{
    if (options.tidyDays)
        settings.choices.days = *options.tidyDays;
    if (options.tidyBuildFolders)
        settings.choices.includeBuildFolders = *options.tidyBuildFolders;
    if (options.tidyUntouchedDays)
        settings.choices.untouchedDays = *options.tidyUntouchedDays;
    return settings;
}

void printItems(const char* heading, const std::vector<const TidyCategory*>& categories)
{
    std::int64_t total = 0;
    for (const TidyCategory* category : categories)
        total += sumOfSizes(category->chosen);
    if (total == 0 && categories.empty())
        return;
    std::printf("%s\n", localizedFormat(heading, {formatBytes(total)}).c_str());
    for (const TidyCategory* category : categories)
        for (const ScannedItem& item : category->chosen)
            std::printf("  %10s  %s — %s\n", formatBytes(item.size).c_str(), item.name.c_str(),
                        displayText(item.path).c_str());
}

void printDryRun(const TidyReport& report)
{
    std::vector<const TidyCategory*> trashed;
    std::vector<const TidyCategory*> deleted;
    for (const TidyCategory& category : report.categories)
        if (!category.chosen.empty())
            (isDeletedPermanently(category.kind) ? deleted : trashed).push_back(&category);
    printItems(DISPLAY_TEXT("Would move to the Trash (%@):"), trashed);
    printItems(DISPLAY_TEXT("Would delete from the Trash (%@):"), deleted);
}

QJsonObject reportObject(const TidyReport& report, bool dryRun)
{
    QJsonArray items;
    for (const TidyCategory& category : report.categories)
        for (const ScannedItem& item : category.chosen) {
            QJsonObject object;
            object["category"] = QString::fromLatin1(rawValue(category.kind));
            writePath(object, item.path);
            object["name"] = QString::fromStdString(item.name);
            object["size"] = static_cast<qint64>(item.size);
            object["action"] = QString::fromLatin1(
                rawValue(isDeletedPermanently(category.kind) ? TidyVerdict::deleted : TidyVerdict::trashed));
            items.append(object);
        }
    QJsonArray errors;
    for (const std::string& message : report.messages())
        errors.append(QString::fromStdString(message));
    return {{"result", report.started() ? "completed" : "notStarted"},
            {"dryRun", dryRun},
            {"trashed", static_cast<qint64>(report.trashed)},
            {"deleted", static_cast<qint64>(report.deleted)},
            {"items", items},
            {"errors", errors}};
}

int runOnce(const CliOptions& options, const JunkScanner::Layout& layout)
{
    const TidySettings settings = withOptions(TidySettingsStore::load(), options);
    if (options.scheduled && !settings.enabled) {
        // The timer may outlive the choice (turned off while systemd was away): the choice wins.
        std::fputs("orvelane-cli: the weekly tidy is turned off (orvelane-cli tidy --enable turns it on)\n", stderr);
        return ExitStatus::notStarted;
    }
    const TidyReport report = runTidy(layout, settings.choices, [] { return ExclusionStore::load(); }, homeFolder(),
                                      options.dryRun);
    const std::vector<std::string> messages = report.messages();
    if (options.json) {
        printJson(reportObject(report, options.dryRun));
    } else if (!report.started()) {
        std::printf("%s\n", localizedText(DISPLAY_TEXT("Nothing to tidy up.")).c_str());
    } else if (options.dryRun) {
        printDryRun(report);
    } else {
        const std::string done = ReportTexts::tidyDone(report.trashed, report.deleted);
        std::printf("%s\n", done.empty() ? localizedText(DISPLAY_TEXT("Nothing to tidy up.")).c_str() : done.c_str());
        std::fflush(stdout);
    }
    for (const std::string& message : messages)
        std::fprintf(stderr, "%s\n", message.c_str());
    if (options.scheduled)
        notifyTidyDone(report.trashed, report.deleted);
    if (!report.started())
        return ExitStatus::notStarted;
    return messages.empty() ? ExitStatus::done : ExitStatus::completedWithMessages;
}

const char* timerState(const TimerOutcome& timer)
{
    if (!timer.userSystemd)
        return "unavailable";
    return timer.enabled ? "enabled" : "disabled";
}

int status(const CliOptions& options)
{
    const TidySettings settings = TidySettingsStore::load();
    const TimerOutcome timer = TidyTimer::query();
    const TidyChoices& choices = settings.choices;
    if (options.json) {
        printJson({{"enabled", settings.enabled},
                   {"timer", timerState(timer)},
                   {"days", choices.days},
                   {"includeBuildFolders", choices.includeBuildFolders},
                   {"untouchedDays", choices.untouchedDays}});
        return ExitStatus::done;
    }
    std::printf("Weekly tidy: %s (timer %s: %s)\n", settings.enabled ? "on" : "off", kTidyTimerUnit,
                timerState(timer));
    std::printf("Takes: safe caches, logs and developer caches unchanged for %d days; Trash entries deleted "
                "over %d days ago\n",
                choices.days, choices.days);
    if (choices.includeBuildFolders)
        std::printf("Build folders: those of projects untouched for %d days\n", choices.untouchedDays);
    else
        std::puts("Build folders: never (tidy --enable --build-folders takes stale ones)");
    if (settings.enabled && timer.userSystemd && !timer.enabled)
        std::puts("The timer is not enabled: run orvelane-cli tidy --enable again.");
    return ExitStatus::done;
}

int turn(const CliOptions& options, bool on)
{
    const TidySwitch turned = switchWeeklyTidy(withOptions(TidySettingsStore::load(), options), on);
    const TimerOutcome& timer = turned.timer;
    if (turned.saveFailure) {
        std::fprintf(stderr, "orvelane-cli: %s\n", turned.saveFailure->c_str());
        return ExitStatus::badInput;
    }
    if (!timer.ok) {
        std::fprintf(stderr, "orvelane-cli: %s\n", timer.message.c_str());
        if (on)
            std::fputs("orvelane-cli: the weekly tidy stays off; run orvelane-cli tidy from your own scheduler "
                       "instead\n",
                       stderr);
        return ExitStatus::completedWithMessages;
    }
    std::printf("Weekly tidy turned %s.\n", on ? "on" : "off");
    return ExitStatus::done;
}

} // namespace

int runTidyCommand(const CliOptions& options, const JunkScanner::Layout& layout)
{
    switch (options.tidyAction) {
    case TidyAction::enable:
        return turn(options, true);
    case TidyAction::disable:
        return turn(options, false);
    case TidyAction::status:
        return status(options);
    case TidyAction::run:
        break;
    }
    return runOnce(options, layout);
}

} // namespace orvelane::cli
