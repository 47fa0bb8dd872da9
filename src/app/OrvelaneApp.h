#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>

class QQuickWindow;

namespace orvelane {

/**
 * @brief The application shell: the main window, the settings window and the language plumbing.
 *
 * Texts in QML come from qsTr, answered by the localizer's bundle; when the bundle changes every
 * engine retranslates, so open windows switch language without reopening.
 */
class OrvelaneApp : public QObject
{
    Q_OBJECT

public:
    OrvelaneApp();
    ~OrvelaneApp() override;

    /// Opens the first main window; false when the QML could not be loaded.
    bool start();

public slots:
    void showSettings();
    /// Opens another main window with its own state (File ▸ New Window).
    void openMainWindow();

private:
    QQuickWindow* createMainWindow();
    void bringToFront(QQuickWindow* window);

    QQmlApplicationEngine engine_;
    QPointer<QQuickWindow> settingsWindow_;
};

} // namespace orvelane
