#pragma once

#include "AppState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The window-wide lines of the main window: the sidebar's totals, whether the window is
 * busy, and the message of the alert after a clean that left items behind.
 *
 * Input: `state`, the window's AppState. Outputs follow it and the language.
 */
class WindowSummary : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(orvelane::AppState* state READ state WRITE setState NOTIFY stateChanged)
    /// The raw values of the categories the layout offers, in sidebar order.
    Q_PROPERTY(QStringList kinds READ kinds CONSTANT)
    /// "Total found: <size>" once a scan was started, else "Not scanned yet".
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    /// "Cleaned this session: <size>", or empty while nothing was cleaned.
    Q_PROPERTY(QString cleanedText READ cleanedText NOTIFY changed)
    /// A scan or a clean runs: Scan is disabled and its arrow spins.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(bool showsAlert READ showsAlert NOTIFY changed)
    /// The first messages of the last clean, one per line.
    Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY changed)

public:
    /// How many messages the alert shows at most; the rest are dropped with it.
    static constexpr int alertMessageLimit = 5;

    explicit WindowSummary(QObject* parent = nullptr);

    AppState* state() const { return state_; }
    void setState(AppState* state);

    static QStringList kinds();
    QString totalText() const;
    QString cleanedText() const;
    bool busy() const;
    bool showsAlert() const;
    QString alertMessage() const;

    /// Forgets the messages: the user has read the alert.
    Q_INVOKABLE void dismissAlert();

signals:
    void stateChanged();
    void changed();
    void busyChanged();

private:
    void updateBusy();

    QPointer<AppState> state_;
    bool busy_ = false;
};

} // namespace orvelane
