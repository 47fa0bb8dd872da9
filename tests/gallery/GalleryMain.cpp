// Renders every view of the interface into PNG screenshots, in English and in Turkish, so that
// a person can look at them. Each scene is a QML file with a fixed-size root; the optional
// root property `settleMs` says how long its animations need before the picture is taken
// (under Xvfb animations advance per rendered frame, so they run slower than the clock).
#include "ApplicationVersion.h"
#include "LanguageBinding.h"
#include "Localizer.h"
#include "TestWindowState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <cstdio>
#include <fcntl.h>

Q_IMPORT_QML_PLUGIN(OrvelanePlugin)

namespace {

const char* const kScenes[] = {
    "SafetyScene",  "SkippedScene",  "SkippedFewScene", "ScanningScene",       "WelcomeScene", "WelcomeNarrowScene",
    "AllCleanScene", "SuccessScene", "SettingsScene",   "SettingsPickerScene", "StylesScene",
    "MainWelcomeScene", "MainScanningScene", "MainListScene", "MainTrashScene", "MainInsightsScene",
};

// The main-window scenes scan this home: a few caches, projects, downloads and a trash, all in a
// throw-away folder that HOME points at while the gallery runs.
bool fillSampleHome(const QDir& home)
{
    const struct
    {
        const char* path;
        qint64 bytes;
    } files[] = {
        {"Library/Caches/com.example.browser/cache.db", 42 << 20},
        {"Library/Caches/org.example.mail/index", 18 << 20},
        {"Library/Logs/DiagnosticReports/crash.ips", 3 << 20},
        {"Projects/webapp/node_modules/react.js", 120 << 20},
        {"Projects/site/node_modules/vue.js", 64 << 20},
        {"Projects/engine/target/debug/engine", 30 << 20},
        {"Projects/engine/Cargo.toml", 4096},
        {"Downloads/Installer.dmg", 250 << 20},
        {"Downloads/holiday.mp4", 15 << 20},
        {"Downloads/notes.txt", 4096},
        {".npm/_cacache/index", 55 << 20},
        {".local/share/Trash/files/old-report.pdf", 12 << 20},
        {".local/share/Trash/files/screenshots/one.png", 6 << 20},
        {"Library/Developer/CoreSimulator/Devices/sim.img", qint64(600) << 20},
    };
    for (const auto& file : files) {
        const QString path = home.filePath(QString::fromLatin1(file.path));
        QFile out(path);
        if (!QDir().mkpath(QFileInfo(path).path()) || !out.open(QIODevice::WriteOnly) ||
            posix_fallocate(out.handle(), 0, file.bytes) != 0)
            return false;
    }
    // An old cache is safe to clean; the rest look recently used.
    const QDateTime old = QDateTime::currentDateTime().addDays(-40);
    for (const char* path : {"Library/Caches/com.example.browser/cache.db", "Library/Caches/com.example.browser"}) {
        QFile entry(home.filePath(QString::fromLatin1(path)));
        if (entry.open(QIODevice::ReadOnly))
            entry.setFileTime(old, QFileDevice::FileModificationTime);
    }
    return true;
}

void wait(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool renderScene(QQmlEngine& engine, const QString& scene, const QString& outputPath)
{
    QQuickView view(&engine, nullptr);
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    view.setSource(QUrl(QStringLiteral("qrc:/gallery/%1.qml").arg(scene)));
    if (view.status() != QQuickView::Ready || !view.rootObject()) {
        for (const auto& error : view.errors())
            std::fprintf(stderr, "%s\n", qPrintable(error.toString()));
        return false;
    }
    view.show();
    const QVariant settle = view.rootObject()->property("settleMs");
    wait(settle.isValid() ? settle.toInt() : 3000);
    const QImage image = view.grabWindow();
    if (image.isNull() || !image.save(outputPath)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(outputPath));
        return false;
    }
    std::printf("%s\n", qPrintable(outputPath));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // The language choice of the gallery lives in a throw-away folder, never in the user's settings.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QTemporaryDir home;
    if (!home.isValid() || !fillSampleHome(QDir(home.path()))) {
        std::fprintf(stderr, "cannot build the sample home\n");
        return 1;
    }
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral(".local/share")).toLocal8Bit());
    QGuiApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Basic"));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(output.absolutePath())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    orvelane::ApplicationVersion::setMetadata(QStringLiteral(ORVELANE_VERSION), QStringLiteral(ORVELANE_BUILD_NUMBER));

    QQmlEngine engine;
    // The module's QML files are compiled in under qrc:/Orvelane.
    engine.addImportPath(QStringLiteral("qrc:/"));
    orvelane::bindEngineToLocalizer(engine);
    qmlRegisterType<orvelane::testing::TestWindowState>("OrvelaneTesting", 1, 0, "TestWindowState");
    auto& localizer = orvelane::Localizer::shared();
    bool allRendered = true;
    for (const auto language : {orvelane::Localizer::Language::en, orvelane::Localizer::Language::tr}) {
        localizer.setLanguage(language);
        for (const char* scene : kScenes) {
            const QString name = QString::fromLatin1(scene);
            const QString file = output.filePath(
                QStringLiteral("%1-%2.png").arg(name, orvelane::Localizer::rawValue(language)));
            allRendered = renderScene(engine, name, file) && allRendered;
        }
    }
    return allRendered ? 0 : 1;
}
