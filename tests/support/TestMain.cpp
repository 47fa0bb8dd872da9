// The one main of the GoogleTest suites, built three ways (see CMakeLists.txt): plain, with a
// QCoreApplication, or with a QGuiApplication on the offscreen platform.
//
// Every suite takes the locale from the environment, as the applications do (Qt calls setlocale
// at start-up). Run with LC_ALL=tr_TR.UTF-8 it proves that rules and log texts do not depend on
// the C library's locale; ORVELANE_REQUIRE_LOCALE makes sure the locale was really there, so that
// a missing one cannot pass for a Turkish run.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(ORVELANE_TEST_MAIN_QT)
#include "Localizer.h"

#include <QTemporaryDir>
#if ORVELANE_TEST_MAIN_QT == 2
#include <QGuiApplication>
#include <QtQml/QQmlExtensionPlugin>
Q_IMPORT_QML_PLUGIN(OrvelanePlugin)
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif
#endif

int main(int argc, char** argv)
{
    const char* active = std::setlocale(LC_ALL, "");
    if (const char* required = std::getenv("ORVELANE_REQUIRE_LOCALE")) {
        if (active == nullptr || std::strstr(active, required) == nullptr) {
            std::fprintf(stderr, "locale %s is not available (LOCPATH=%s)\n", required,
                         std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
            return 1;
        }
    }
#if defined(ORVELANE_TEST_MAIN_QT)
#if ORVELANE_TEST_MAIN_QT == 2
    // Windows without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
#endif
    // Every settings write goes to a throw-away folder, never to the user's configuration, and
    // the texts start in English so that they are predictable.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    TestApplication app(argc, argv);
#if ORVELANE_TEST_MAIN_QT == 2
    // Closing windows is the tests' business, not a reason to stop the event loop.
    QGuiApplication::setQuitOnLastWindowClosed(false);
#endif
    orvelane::Localizer::shared().setLanguage(orvelane::Localizer::Language::en);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
