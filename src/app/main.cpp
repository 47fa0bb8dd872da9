#include "ApplicationVersion.h"
#include "OrvelaneApp.h"

#include <QGuiApplication>
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
    orvelane::ApplicationVersion::setMetadata(QStringLiteral(ORVELANE_VERSION), QStringLiteral(ORVELANE_BUILD_NUMBER));
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    orvelane::OrvelaneApp orvelane;
    if (!orvelane.start()) {
        std::fputs("Orvelane: the main window could not be loaded\n", stderr);
        return 1;
    }
    return app.exec();
}
