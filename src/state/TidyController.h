#pragma once

#include "TidyChoices.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace orvelane {

struct CommandOutcome; // the settings layer's, see TidySettings.h
struct TidySwitch;

/**
 * @brief The weekly tidy as the settings window shows it: the switch, which turns the systemd
 * user timer on or off (away from the window's thread), and the choices, each saved at once in
 * the settings file the command line's `tidy` reads.
 *
 * The choices are read afresh by reload() (the command line may have changed them). While the
 * switch is being turned the choices stay as they are: the switch saves them with it.
 */
class TidyController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled NOTIFY changed)
    /// The timer is being turned on or off: the switch and the choices wait.
    Q_PROPERTY(bool switching READ switching NOTIFY switchingChanged)
    Q_PROPERTY(int days READ days WRITE setDays NOTIFY changed)
    Q_PROPERTY(bool includeBuildFolders READ includeBuildFolders WRITE setIncludeBuildFolders NOTIFY changed)
    Q_PROPERTY(int untouchedDays READ untouchedDays WRITE setUntouchedDays NOTIFY changed)
    Q_PROPERTY(int minDays READ minDays CONSTANT)
    Q_PROPERTY(int maxDays READ maxDays CONSTANT)
    /// Why the last change did not take, in the current language; empty when it did.
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)

public:
    /// Runs systemctl through `run` (tests bring their own); by default the real one.
    using Runner = std::function<CommandOutcome(const QString& program, const QStringList& arguments)>;
    explicit TidyController(Runner run = {}, QObject* parent = nullptr);

    bool enabled() const { return enabled_; }
    bool switching() const { return switching_; }
    int days() const { return choices_.days; }
    bool includeBuildFolders() const { return choices_.includeBuildFolders; }
    int untouchedDays() const { return choices_.untouchedDays; }
    static int minDays() { return kMinTidyDays; }
    static int maxDays() { return kMaxTidyDays; }
    QString message() const { return message_; }

    /// Reads the settings file again.
    Q_INVOKABLE void reload();
    /// Turns the weekly tidy on or off; `enabled` follows once systemd has answered.
    Q_INVOKABLE void turn(bool on);
    void setDays(int days);
    void setIncludeBuildFolders(bool include);
    void setUntouchedDays(int days);

    /// "N days", counted properly, in the current language (the day fields' text).
    Q_INVOKABLE static QString dayCountText(int days);
    /// What a tidy with these choices may take, in one sentence.
    Q_INVOKABLE QString scopeText() const;

signals:
    void changed();
    void switchingChanged();
    void messageChanged();

private:
    void change(const std::function<void(TidyChoices&)>& edit);
    void switched(const TidySwitch& outcome, bool on);
    void setMessage(const QString& message);

    Runner run_;
    bool enabled_ = false;
    TidyChoices choices_;
    bool switching_ = false;
    QString message_;
};

} // namespace orvelane
