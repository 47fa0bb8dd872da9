#pragma once

#include "AppState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace orvelane {

/**
 * @brief The window-wide lines of the main window: the sidebar's totals, whether the window is
 * busy, the message of the alert after a clean that left items behind, and when the success
 * card shows.
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
    /// "<free> free of <size>" of the home folder's disk, or empty while unknown.
    Q_PROPERTY(QString diskSpaceText READ diskSpaceText NOTIFY changed)
    /// A scan or a clean runs: Scan is disabled and its arrow spins.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    Q_PROPERTY(bool showsAlert READ showsAlert NOTIFY changed)
    /// The first messages of the last clean, one per line.
    Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY changed)
    /**
     * The bytes the success card shows, or undefined for no card. A clean that both freed space
     * and left messages would put the card under the alert's backdrop; its card waits until the
     * alert is dismissed and then shows for the usual time.
     */
    Q_PROPERTY(QVariant cardAmount READ cardAmount NOTIFY cardAmountChanged)

public:
    /// How many messages the alert shows at most; the rest are dropped with it.
    static constexpr int alertMessageLimit = 5;
    /// How long a card held back by the alert shows once the alert is gone.
    static constexpr int heldCardMilliseconds = 1900;

    explicit WindowSummary(QObject* parent = nullptr);

    AppState* state() const { return state_; }
    void setState(AppState* state);

    static QStringList kinds();
    QString totalText() const;
    QString cleanedText() const;
    QString diskSpaceText() const;
    bool busy() const;
    bool showsAlert() const;
    QString alertMessage() const;
    QVariant cardAmount() const { return card_ ? QVariant(*card_) : QVariant(); }

    /// Forgets the messages: the user has read the alert.
    Q_INVOKABLE void dismissAlert();
    /// The pointer rests on the card: it stays until released, then shows its usual time again.
    Q_INVOKABLE void holdCard(bool hold);

signals:
    void stateChanged();
    void changed();
    void busyChanged();
    void cardAmountChanged();

private:
    void updateBusy();
    void justCleanedDidChange();
    void errorsDidChange();
    void setCard(std::optional<qint64> amount, bool released);

    QPointer<AppState> state_;
    bool busy_ = false;
    std::optional<qint64> card_;
    // The card shown was held back by the alert: it keeps its own time, not the state's.
    bool cardReleased_ = false;
    std::optional<qint64> held_;
    QTimer heldCardTimer_;
    bool holding_ = false;
    bool restartWhenReleased_ = false;
};

} // namespace orvelane
