#include "OrvelaneApp.h"

#include "WindowState.h"
#include "ItemKey.h"
#include "LanguageBinding.h"
#include "SettingsState.h"
#include "WindowProbe.h"

#include <QCoreApplication>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QTimer>

namespace orvelane {

OrvelaneApp::OrvelaneApp(const JunkScanner::Layout& layout)
    : layout_(layout), settingsState_(new SettingsState({}, this))
{
    connect(settingsState_->exclusions(), &ExcludedPaths::offeredAgain, this, &OrvelaneApp::offerAgainEverywhere);
    bindEngineToLocalizer(engine_);
    // Qt.quit() from the File menu and its shortcut. Queued: the window that asked is still
    // running the QML that asked, and it is about to be destroyed.
    connect(&engine_, &QQmlEngine::quit, this, &OrvelaneApp::quit, Qt::QueuedConnection);
}

OrvelaneApp::~OrvelaneApp() { closeAllWindows(); }

bool OrvelaneApp::start()
{
    QQuickWindow* window = createMainWindow();
    if (!window)
        return false;
    // Once the event loop runs: a regular windowed application comes to the front even when it
    // was started from a terminal or another application.
    QTimer::singleShot(0, this, [this, window] { bringToFront(window); });
    return true;
}

QQuickWindow* OrvelaneApp::createMainWindow()
{
    QQmlComponent component(&engine_, QUrl(QStringLiteral("qrc:/Orvelane/Main.qml")));
    auto* state = new WindowState(layout_);
    auto* window = qobject_cast<QQuickWindow*>(
        component.createWithInitialProperties({{QStringLiteral("windowState"), QVariant::fromValue(state)}}));
    if (!window) {
        qWarning("main window failed to load: %s", qPrintable(component.errorString()));
        delete state;
        return nullptr;
    }
    state->setParent(window);
    // A closed window takes its state with it; the application quits with the last one.
    connect(window, SIGNAL(closing(QQuickCloseEvent*)), window, SLOT(deleteLater()));
    connect(window, SIGNAL(settingsRequested()), this, SLOT(showSettings()));
    connect(window, SIGNAL(newWindowRequested()), this, SLOT(openMainWindow()));
    mainWindows_.append(window);
    WindowProbe::attachIfRequested(window);
    return window;
}

QList<QQuickWindow*> OrvelaneApp::mainWindows() const
{
    QList<QQuickWindow*> open;
    for (const QPointer<QQuickWindow>& window : mainWindows_)
        if (window)
            open.append(window);
    return open;
}

void OrvelaneApp::openMainWindow()
{
    if (QQuickWindow* window = createMainWindow())
        bringToFront(window);
}

void OrvelaneApp::showSettings()
{
    // Read afresh each time it is brought up: the command line may have changed the file.
    if (!settingsWindow_ || !settingsWindow_->isVisible())
        settingsState_->reload();
    if (!settingsWindow_) {
        QQmlComponent component(&engine_, QUrl(QStringLiteral("qrc:/Orvelane/SettingsWindow.qml")));
        settingsWindow_ = qobject_cast<QQuickWindow*>(component.createWithInitialProperties(
            {{QStringLiteral("settingsState"), QVariant::fromValue(settingsState_)}}));
        if (!settingsWindow_) {
            qWarning("settings window failed to load: %s", qPrintable(component.errorString()));
            return;
        }
        WindowProbe::attachIfRequested(settingsWindow_, QStringLiteral("settings"));
    }
    settingsWindow_->show();
    bringToFront(settingsWindow_);
}

void OrvelaneApp::offerAgainEverywhere(const QString& key)
{
    const std::filesystem::path excluded = pathFromItemKey(key);
    for (QQuickWindow* window : mainWindows())
        for (WindowState* state : window->findChildren<WindowState*>(Qt::FindDirectChildrenOnly))
            state->exclusions()->forgetExcluded(excluded);
}

void OrvelaneApp::quit()
{
    if (quitting_)
        return;
    quitting_ = true;
    const QList<QQuickWindow*> windows = mainWindows();
    for (QQuickWindow* window : windows)
        for (WindowState* state : window->findChildren<WindowState*>(Qt::FindDirectChildrenOnly))
            state->cleaning()->stopAfterCurrentItem();
    // Out of sight at once; a clean's last item may still take a moment while the states go.
    for (QQuickWindow* window : windows)
        window->hide();
    if (settingsWindow_)
        settingsWindow_->hide();
    closeAllWindows();
    QCoreApplication::quit();
}

void OrvelaneApp::closeAllWindows()
{
    // Deleting a window deletes its WindowState, which waits for its worker and scans.
    for (const QPointer<QQuickWindow>& window : std::as_const(mainWindows_))
        delete window.data();
    mainWindows_.clear();
    delete settingsWindow_.data();
}

void OrvelaneApp::bringToFront(QQuickWindow* window)
{
    window->raise();
    window->requestActivate();
}

} // namespace orvelane
