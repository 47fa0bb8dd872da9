#include "OrvelaneApp.h"

#include "LanguageBinding.h"

#include <QQmlComponent>
#include <QQuickWindow>
#include <QTimer>

namespace orvelane {

OrvelaneApp::OrvelaneApp() { bindEngineToLocalizer(engine_); }

OrvelaneApp::~OrvelaneApp() = default;

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
    auto* window = qobject_cast<QQuickWindow*>(component.create());
    if (!window) {
        qWarning("main window failed to load: %s", qPrintable(component.errorString()));
        return nullptr;
    }
    // A closed window takes its state with it; the application quits with the last one.
    connect(window, SIGNAL(closing(QQuickCloseEvent*)), window, SLOT(deleteLater()));
    connect(window, SIGNAL(settingsRequested()), this, SLOT(showSettings()));
    connect(window, SIGNAL(newWindowRequested()), this, SLOT(openMainWindow()));
    return window;
}

void OrvelaneApp::openMainWindow()
{
    if (QQuickWindow* window = createMainWindow())
        bringToFront(window);
}

void OrvelaneApp::showSettings()
{
    if (!settingsWindow_) {
        QQmlComponent component(&engine_, QUrl(QStringLiteral("qrc:/Orvelane/SettingsWindow.qml")));
        settingsWindow_ = qobject_cast<QQuickWindow*>(component.create());
        if (!settingsWindow_) {
            qWarning("settings window failed to load: %s", qPrintable(component.errorString()));
            return;
        }
    }
    settingsWindow_->show();
    bringToFront(settingsWindow_);
}

void OrvelaneApp::bringToFront(QQuickWindow* window)
{
    window->raise();
    window->requestActivate();
}

} // namespace orvelane
