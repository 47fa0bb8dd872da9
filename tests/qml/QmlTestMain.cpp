#include "FakeHomeFolder.h"
#include "HeldKeys.h"
#include "LanguageBinding.h"
#include "Localizer.h"
#include "TestWindowState.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/QQmlExtensionPlugin>
#include <QtQuickTest/quicktest.h>

Q_IMPORT_QML_PLUGIN(OrvelanePlugin)

class QmlTestSetup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        // The language setting of a test run lives in a throw-away folder, and starts in English
        // so that texts are predictable.
        qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit());
        orvelane::Localizer::shared().setLanguage(orvelane::Localizer::Language::en);
    }

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        // The module's QML files are compiled in under qrc:/Orvelane.
        engine->addImportPath(QStringLiteral("qrc:/"));
        orvelane::bindEngineToLocalizer(*engine);
        qmlRegisterType<orvelane::testing::FakeHomeFolder>("OrvelaneTesting", 1, 0, "FakeHome");
        qmlRegisterType<orvelane::testing::HeldKeys>("OrvelaneTesting", 1, 0, "HeldKeys");
        qmlRegisterType<orvelane::testing::TestWindowState>("OrvelaneTesting", 1, 0, "TestWindowState");
    }

private:
    QTemporaryDir config_;
};

QUICK_TEST_MAIN_WITH_SETUP(orvelane_qml, QmlTestSetup)

#include "QmlTestMain.moc"
