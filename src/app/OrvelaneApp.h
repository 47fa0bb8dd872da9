#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QQmlApplicationEngine>

class QQuickWindow;

namespace orvelane {

namespace JunkScanner {
struct Layout;
}

class SettingsState;

/**
 * @brief The application shell: the main windows, the settings window, quitting and the language
 * plumbing.
 *
 * Texts in QML come from qsTr, answered by the localizer's bundle; when the bundle changes every
 * engine retranslates, so open windows switch language without reopening.
 */
class OrvelaneApp : public QObject
{
    Q_OBJECT

public:
    /// Windows scan and clean on `layout`.
    explicit OrvelaneApp(const JunkScanner::Layout& layout);
    /// Closes the windows that are left; each waits for the work of its state.
    ~OrvelaneApp() override;

    /// Opens the first main window; false when the QML could not be loaded.
    bool start();

    /// The main windows open now, oldest first.
    QList<QQuickWindow*> mainWindows() const;

public slots:
    void showSettings();
    /// Opens another main window with its own state (File ▸ New Window).
    void openMainWindow();
    /**
     * @brief Closes every window and ends the event loop (File ▸ Quit Orvelane, Ctrl+Q, Qt.quit()).
     *
     * A clean in progress is stopped safely first: the item being removed is finished, the items
     * after it are left where they are, and the process ends once its worker has returned.
     */
    void quit();

private:
    QQuickWindow* createMainWindow();
    void bringToFront(QQuickWindow* window);
    void closeAllWindows();
    /// Each main window offers again what an exclusion taken out in the settings kept back.
    void offerAgainEverywhere(const QString& key);

    const JunkScanner::Layout& layout_;
    QQmlApplicationEngine engine_;
    QList<QPointer<QQuickWindow>> mainWindows_;
    SettingsState* settingsState_;
    QPointer<QQuickWindow> settingsWindow_;
    bool quitting_ = false;
};

} // namespace orvelane
