#include "TidyController.h"

#include "DisplayText.h"
#include "Logger.h"
#include "PublishLater.h"
#include "TidySettings.h"

#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// Why the switch did not take, for the window; the log keeps systemd's own words.
QString switchFailure(const TidySwitch& outcome, bool on)
{
    if (outcome.saveFailure)
        return text(localizedText(DISPLAY_TEXT("The settings file could not be written.")));
    if (outcome.timer.ok)
        return {};
    if (!on)
        return text(localizedText(DISPLAY_TEXT(
            "The weekly tidy is off. Its timer could not be stopped, but it does nothing while the tidy is off.")));
    if (!outcome.timer.userSystemd)
        return text(localizedText(DISPLAY_TEXT(
            "The weekly tidy needs systemd's user service, which does not answer here, so it stays off.")));
    return text(localizedText(DISPLAY_TEXT("The weekly tidy's timer could not be turned on, so the tidy stays off.")));
}

} // namespace

TidyController::TidyController(Runner run, QObject* parent)
    : QObject(parent), run_(run ? std::move(run) : Runner(runCommand))
{
    reload();
}

void TidyController::reload()
{
    if (switching_)
        return; // the switch saves the choices it was given; its answer reads them back
    const TidySettings saved = TidySettingsStore::load();
    enabled_ = saved.enabled;
    choices_ = saved.choices;
    setMessage({});
    emit changed();
}

void TidyController::turn(bool on)
{
    if (switching_ || on == enabled_)
        return;
    switching_ = true;
    emit switchingChanged();
    setMessage({});
    reportWhenFinished(this, QtConcurrent::run([settings = TidySettings{enabled_, choices_}, on, run = run_] {
                           return switchWeeklyTidy(settings, on, run);
                       }),
                       TidySwitch{}, [this, on](const TidySwitch& outcome) { switched(outcome, on); });
}

void TidyController::switched(const TidySwitch& outcome, bool on)
{
    switching_ = false;
    if (!outcome.timer.message.empty())
        Logger::warning("The weekly tidy could not be turned " + std::string(on ? "on: " : "off: ") + outcome.timer.message);
    enabled_ = TidySettingsStore::load().enabled;
    setMessage(switchFailure(outcome, on));
    emit changed(); // a switch that did not take goes back
    emit switchingChanged();
}

void TidyController::setDays(int days) { change([days](TidyChoices& choices) { choices.days = days; }); }

void TidyController::setIncludeBuildFolders(bool include)
{
    change([include](TidyChoices& choices) { choices.includeBuildFolders = include; });
}

void TidyController::setUntouchedDays(int days)
{
    change([days](TidyChoices& choices) { choices.untouchedDays = days; });
}

void TidyController::change(const std::function<void(TidyChoices&)>& edit)
{
    if (switching_)
        return;
    TidySettings edited = TidySettingsStore::load(); // the command line may have turned the tidy on or off
    edited.choices = choices_;
    edit(edited.choices);
    edited.choices.days = std::clamp(edited.choices.days, kMinTidyDays, kMaxTidyDays);
    edited.choices.untouchedDays = std::clamp(edited.choices.untouchedDays, kMinTidyDays, kMaxTidyDays);
    if (edited.choices == choices_)
        return;
    if (const auto failure = TidySettingsStore::save(edited)) {
        Logger::warning("The tidy's choices could not be saved: " + *failure);
        setMessage(text(localizedText(DISPLAY_TEXT("The settings file could not be written."))));
        emit changed(); // the field goes back to what is saved
        return;
    }
    enabled_ = edited.enabled;
    choices_ = edited.choices;
    setMessage({});
    emit changed();
}

QString TidyController::dayCountText(int days)
{
    const std::string number = std::to_string(days);
    return text(localizedCountedFormat(DISPLAY_TEXT("%lld days"), days, {number}));
}

QString TidyController::scopeText() const
{
    const std::string days = std::to_string(choices_.days);
    std::string scope = localizedCountedFormat(
        DISPLAY_TEXT("Safe caches, logs and developer caches unchanged for %lld days go to the Trash, and Trash "
                     "entries older than %lld days are deleted."),
        choices_.days, {days, days});
    if (choices_.includeBuildFolders) {
        const std::string untouched = std::to_string(choices_.untouchedDays);
        scope += ' ' + localizedCountedFormat(
                           DISPLAY_TEXT("Build folders of projects untouched for %lld days go to the Trash too."),
                           choices_.untouchedDays, {untouched});
    }
    return text(scope + ' ' + localizedText(DISPLAY_TEXT("Undo takes back what went to the Trash.")));
}

void TidyController::setMessage(const QString& message)
{
    if (message == message_)
        return;
    message_ = message;
    emit messageChanged();
}

} // namespace orvelane
