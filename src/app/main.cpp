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
    QGuiApplication::setApplicationVersion(QStringLiteral(ORVELANE_VERSION " (" ORVELANE_BUILD_NUMBER ")"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvelane.Orvelane"));
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));

    orvelane::OrvelaneApp orvelane;
    if (!orvelane.start()) {
        std::fputs("Orvelane: the main window could not be loaded\n", stderr);
        return 1;
    }
    return app.exec();
}
