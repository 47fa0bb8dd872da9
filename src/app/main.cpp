#include "ApplicationVersion.h"
#include "Layout.h"
#include "OrvelaneApp.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QQuickStyle>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>

Q_IMPORT_QML_PLUGIN(OrvelanePlugin)

int main(int argc, char* argv[])
{
    QGuiApplication::setOrganizationName(QStringLiteral("Orvelane"));
    QGuiApplication::setApplicationName(QStringLiteral("Orvelane"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvelane.Orvelane"));
    QGuiApplication app(argc, argv);
    // The mark at every size rendered at build time: X11 task bars take the icon from the window,
    // Wayland compositors from the desktop entry named above.
    QIcon windowIcon;
    for (const QFileInfo& rendering : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        windowIcon.addFile(rendering.filePath());
    QGuiApplication::setWindowIcon(windowIcon);
    orvelane::ApplicationVersion::setMetadata(QStringLiteral(ORVELANE_VERSION), QStringLiteral(ORVELANE_BUILD_NUMBER));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    orvelane::OrvelaneApp orvelane(orvelane::JunkScanner::layoutFromEnvironment());
    if (!orvelane.start()) {
        std::fputs("Orvelane: the main window could not be loaded\n", stderr);
        return 1;
    }
    return app.exec();
}
