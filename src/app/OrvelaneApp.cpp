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
    engine_.load(QUrl(QStringLiteral("qrc:/Orvelane/Main.qml")));
    const auto roots = engine_.rootObjects();
    if (roots.isEmpty())
        return false;
    auto* window = qobject_cast<QQuickWindow*>(roots.constFirst());
    if (!window)
        return false;
    connect(window, SIGNAL(settingsRequested()), this, SLOT(showSettings()));
    // Once the event loop runs: a regular windowed application comes to the front even when it
    // was started from a terminal or another application.
    QTimer::singleShot(0, this, [this, window] { bringToFront(window); });
    return true;
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
