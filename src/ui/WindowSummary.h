#pragma once

#include "WindowState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The window-wide lines of the main window: the sidebar's totals and the alert after a
 * clean that left items behind.
 *
 * Input: `windowState`. Outputs follow it and the language.
 */
class WindowSummary : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(orvelane::WindowState* windowState READ windowState WRITE setWindowState NOTIFY windowStateChanged)
    /// "Total found: <size>" once a scan was started, else "Not scanned yet".
    Q_PROPERTY(QString totalText READ totalText NOTIFY changed)
    /// "Cleaned this session: <size>", or empty while nothing was cleaned.
    Q_PROPERTY(QString cleanedText READ cleanedText NOTIFY changed)
    /// "<free> free of <size>" of the home folder's disk, or empty while unknown.
    Q_PROPERTY(QString diskSpaceText READ diskSpaceText NOTIFY changed)
    Q_PROPERTY(bool showsAlert READ showsAlert NOTIFY changed)
    /// The first messages of the last clean, one per line.
    Q_PROPERTY(QString alertMessage READ alertMessage NOTIFY changed)

public:
    /// How many messages the alert shows at most; the rest are dropped with it.
    static constexpr int alertMessageLimit = 5;

    explicit WindowSummary(QObject* parent = nullptr);

    WindowState* windowState() const { return state_; }
    void setWindowState(WindowState* state);

    QString totalText() const;
    QString cleanedText() const;
    QString diskSpaceText() const;
    bool showsAlert() const;
    QString alertMessage() const;

signals:
    void windowStateChanged();
    void changed();

private:
    QPointer<WindowState> state_;
};

} // namespace orvelane
