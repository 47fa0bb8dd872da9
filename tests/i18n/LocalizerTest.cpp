#include "ProjectAgeText.h"
#include "BundleTranslator.h"
#include "ByteFormatter.h"
#include "CategoryKind.h"
#include "DisplayText.h"
#include "Localizer.h"
#include "StringBundle.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <tuple>

using orvelane::Localizer;
using orvelane::StringBundle;
using Language = Localizer::Language;

namespace {

const QString kBundlePath = QStringLiteral(ORVELANE_TEST_BUNDLE_PATH);

class LocalizerTest : public ::testing::Test
{
protected:
    std::unique_ptr<QSettings> storeWith(const std::optional<QString>& stored)
    {
        auto store = std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        store->clear();
        if (stored)
            store->setValue(QStringLiteral("AppLanguage"), *stored);
        store->sync();
        return store;
    }

    QString storedValue()
    {
        QSettings reader(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        return reader.value(QStringLiteral("AppLanguage")).toString();
    }

    std::unique_ptr<Localizer> localizerWith(const std::optional<QString>& stored,
                                             const QString& bundlePath = kBundlePath)
    {
        auto module = StringBundle::open(bundlePath);
        EXPECT_TRUE(module) << bundlePath.toStdString();
        return std::make_unique<Localizer>(storeWith(stored), module);
    }

    QTemporaryDir dir_;
};

TEST_F(LocalizerTest, FirstLaunchFollowsTheSystem)
{
    auto localizer = localizerWith(std::nullopt);
    EXPECT_EQ(localizer->language(), Language::system);
    EXPECT_EQ(localizer->bundlePath(), QDir(kBundlePath).absolutePath());
    EXPECT_EQ(localizer->locale(), QLocale::system());
    EXPECT_EQ(localizer->languageRawValue(), QStringLiteral("system"));
}

TEST_F(LocalizerTest, StoredTurkishSelectsTheTurkishTable)
{
    auto localizer = localizerWith(QStringLiteral("tr"));
    EXPECT_EQ(localizer->language(), Language::tr);
    EXPECT_TRUE(localizer->bundlePath().endsWith(QStringLiteral("/tr.lproj")));
    EXPECT_EQ(localizer->locale().language(), QLocale::Turkish);
    EXPECT_EQ(localizer->text(QStringLiteral("Scan")), QStringLiteral("Tara"));
    EXPECT_EQ(localizer->text(QStringLiteral("Storage Insights")), QStringLiteral("Depolama Analizleri"));
}

TEST_F(LocalizerTest, UnrecognisedStoredValuesMeanSystemAndStayUntouched)
{
    for (const QString& stored : {QStringLiteral("TR"), QStringLiteral("de"), QString(), QStringLiteral("system")}) {
        auto localizer = localizerWith(stored);
        EXPECT_EQ(localizer->language(), Language::system) << stored.toStdString();
        EXPECT_EQ(storedValue(), stored) << "start-up must not rewrite the store";
    }
}

TEST_F(LocalizerTest, ChangingTheLanguagePersistsAndNotifiesOnce)
{
    auto localizer = localizerWith(QStringLiteral("tr"));
    QSignalSpy languageSpy(localizer.get(), &Localizer::languageChanged);
    QSignalSpy bundleSpy(localizer.get(), &Localizer::bundleChanged);

    localizer->setLanguage(Language::en);
    EXPECT_EQ(storedValue(), QStringLiteral("en"));
    EXPECT_EQ(languageSpy.count(), 1);
    EXPECT_EQ(bundleSpy.count(), 1);
    EXPECT_EQ(localizer->text(QStringLiteral("Scan")), QStringLiteral("Scan"));
    EXPECT_EQ(localizer->locale().language(), QLocale::English);

    localizer->setLanguageRawValue(QStringLiteral("system"));
    EXPECT_EQ(storedValue(), QStringLiteral("system"));
    EXPECT_EQ(languageSpy.count(), 2);
    EXPECT_EQ(bundleSpy.count(), 2);
}

TEST_F(LocalizerTest, ReselectingTheCurrentLanguageRewritesTheStoreSilently)
{
    auto localizer = localizerWith(QStringLiteral("tr"));
    {
        QSettings tamper(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        tamper.setValue(QStringLiteral("AppLanguage"), QStringLiteral("stale"));
    }
    QSignalSpy languageSpy(localizer.get(), &Localizer::languageChanged);
    QSignalSpy bundleSpy(localizer.get(), &Localizer::bundleChanged);
    localizer->setLanguage(Language::tr);
    EXPECT_EQ(storedValue(), QStringLiteral("tr"));
    EXPECT_EQ(languageSpy.count(), 0);
    EXPECT_EQ(bundleSpy.count(), 0);
}

TEST_F(LocalizerTest, UnknownRawValuesAreIgnoredByTheWriter)
{
    auto localizer = localizerWith(QStringLiteral("en"));
    QSignalSpy languageSpy(localizer.get(), &Localizer::languageChanged);
    localizer->setLanguageRawValue(QStringLiteral("Tr"));
    EXPECT_EQ(localizer->language(), Language::en);
    EXPECT_EQ(languageSpy.count(), 0);
    EXPECT_FALSE(Localizer::languageFromRawValue(QStringLiteral("EN")));
    EXPECT_EQ(Localizer::languageFromRawValue(QStringLiteral("tr")), Language::tr);
}

TEST_F(LocalizerTest, DisplayNamesOnlyTranslateSystemDefault)
{
    auto localizer = localizerWith(QStringLiteral("en"));
    EXPECT_EQ(localizer->displayName(Language::system), QStringLiteral("System Default"));
    localizer->setLanguage(Language::tr);
    EXPECT_EQ(localizer->displayName(Language::system), QStringLiteral("Sistem Varsayılanı"));
    EXPECT_EQ(localizer->displayName(Language::en), QStringLiteral("English"));
    EXPECT_EQ(localizer->displayName(Language::tr), QStringLiteral("Türkçe"));
    EXPECT_EQ(localizer->languageRawValues(), (QStringList{"system", "en", "tr"}));
}

TEST_F(LocalizerTest, MissingLocalisationFolderFallsBackToTheResourceBundle)
{
    QTemporaryDir copy;
    const QString bundle = copy.filePath(QStringLiteral("Orvelane_Orvelane.bundle"));
    ASSERT_TRUE(QDir().mkpath(bundle + QStringLiteral("/en.lproj")));
    ASSERT_TRUE(QFile::copy(kBundlePath + QStringLiteral("/en.lproj/Localizable.qm"),
                            bundle + QStringLiteral("/en.lproj/Localizable.qm")));
    auto localizer = localizerWith(QStringLiteral("en"), bundle);
    localizer->setLanguage(Language::tr);
    EXPECT_EQ(storedValue(), QStringLiteral("tr"));
    EXPECT_EQ(localizer->language(), Language::tr);
    EXPECT_EQ(localizer->bundlePath(), QDir(bundle).absolutePath());
    // Only English is left, so the system's choice can only be English.
    EXPECT_EQ(localizer->text(QStringLiteral("Scan")), QStringLiteral("Scan"));
}

TEST_F(LocalizerTest, ModelTextsAndSizesFollowTheLanguage)
{
    auto localizer = localizerWith(QStringLiteral("tr"));
    localizer->installAsProcessLookup();
    EXPECT_EQ(orvelane::title(orvelane::CategoryKind::trash), "Çöp Kutusu");
    EXPECT_EQ(orvelane::formatBytes(1'500'000'000), "1,5 GB");
    EXPECT_EQ(localizer->format(localizer->text(QStringLiteral("Total found: %@")),
                                {localizer->formatBytes(2'340'000)}),
              QStringLiteral("Bulunan toplam: 2,3 MB"));
    localizer->setLanguage(Language::en);
    EXPECT_EQ(orvelane::title(orvelane::CategoryKind::trash), "Trash");
    EXPECT_EQ(orvelane::formatBytes(1'500'000'000), "1.5 GB");
    orvelane::installTextLookup(nullptr);
    orvelane::installByteFormatLocaleProvider(nullptr);
}

TEST_F(LocalizerTest, ACountPicksItsFormInModelTextsAndInQml)
{
    auto localizer = localizerWith(QStringLiteral("en"));
    localizer->installAsProcessLookup();
    const char* selected = "%lld items selected — %@";
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 1, {"1", "2 MB"}), "1 item selected — 2 MB");
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 0, {"0", "Zero bytes"}), "0 items selected — Zero bytes");
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 3, {"3", "2 MB"}), "3 items selected — 2 MB");

    // qsTr(key, "", count) in QML reaches the bundle through the translator with its count.
    const orvelane::BundleTranslator translator(*localizer);
    EXPECT_EQ(translator.translate("AnyView", "Move %lld items (%@) to the Trash?", nullptr, 1),
              QStringLiteral("Move %lld item (%@) to the Trash?"));
    EXPECT_EQ(translator.translate("AnyView", "Move %lld items (%@) to the Trash?", nullptr, 7),
              QStringLiteral("Move %lld items (%@) to the Trash?"));
    EXPECT_EQ(translator.translate("AnyView", "Scan", nullptr, -1), QStringLiteral("Scan"));

    localizer->setLanguage(Language::tr);
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 1, {"1", "2 MB"}), "1 öğe seçildi — 2 MB");
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 12, {"12", "2 MB"}), "12 öğe seçildi — 2 MB");
    EXPECT_EQ(translator.translate("AnyView", "Permanently delete %lld items (%@)? This cannot be undone.", nullptr, 1),
              QStringLiteral("%lld öğe (%@) kalıcı olarak silinsin mi? Bu işlem geri alınamaz."));

    // Without the counted lookup the key itself is shown, as for any text the table lacks.
    orvelane::installCountedTextLookup(nullptr);
    orvelane::installTextLookup(nullptr);
    EXPECT_EQ(orvelane::localizedCountedFormat(selected, 1, {"1", "2 MB"}), "1 items selected — 2 MB");
    orvelane::installByteFormatLocaleProvider(nullptr);
}

TEST_F(LocalizerTest, AProjectsAgeIsSaidInItsUnitAndCountedForm)
{
    using namespace std::chrono_literals;
    auto localizer = localizerWith(QStringLiteral("en"));
    localizer->installAsProcessLookup();
    const orvelane::Date now = orvelane::Clock::now();
    const auto said = [&](std::chrono::hours ago) { return *orvelane::projectUntouchedText(now - ago, now); };
    // {age, English, Turkish}
    const std::tuple<std::chrono::hours, const char*, const char*> rows[] = {
        {24h, "Project untouched for 1 day", "Proje 1 gündür dokunulmadı"},
        {29 * 24h, "Project untouched for 29 days", "Proje 29 gündür dokunulmadı"},
        {30 * 24h, "Project untouched for 1 month", "Proje 1 aydır dokunulmadı"},
        {150 * 24h + 5h, "Project untouched for 5 months", "Proje 5 aydır dokunulmadı"},
        {364 * 24h, "Project untouched for 12 months", "Proje 12 aydır dokunulmadı"},
        {365 * 24h, "Project untouched for 1 year", "Proje 1 yıldır dokunulmadı"},
        {800 * 24h, "Project untouched for 2 years", "Proje 2 yıldır dokunulmadı"},
        {-48h, "Project untouched for 0 days", "Proje 0 gündür dokunulmadı"},
    };
    for (const auto& [ago, english, turkish] : rows) {
        localizer->setLanguage(Language::en);
        EXPECT_EQ(said(ago), english);
        localizer->setLanguage(Language::tr);
        EXPECT_EQ(said(ago), turkish);
    }
    EXPECT_EQ(orvelane::projectUntouchedText(std::nullopt, now), std::nullopt);

    // The untouched period of the settings on its button: a day count that is no whole number
    // of months (nor years) stays in days.
    const std::tuple<int, const char*, const char*> periods[] = {
        {90, "Select Untouched for 3 Months", "3 Aydır Dokunulmayanları Seç"},
        {30, "Select Untouched for 1 Month", "1 Aydır Dokunulmayanları Seç"},
        {180, "Select Untouched for 6 Months", "6 Aydır Dokunulmayanları Seç"},
        {365, "Select Untouched for 1 Year", "1 Yıldır Dokunulmayanları Seç"},
        {730, "Select Untouched for 2 Years", "2 Yıldır Dokunulmayanları Seç"},
        {45, "Select Untouched for 45 Days", "45 Gündür Dokunulmayanları Seç"},
        {1, "Select Untouched for 1 Day", "1 Gündür Dokunulmayanları Seç"},
        {400, "Select Untouched for 400 Days", "400 Gündür Dokunulmayanları Seç"},
    };
    for (const auto& [days, english, turkish] : periods) {
        localizer->setLanguage(Language::en);
        EXPECT_EQ(orvelane::selectUntouchedText(days), english);
        localizer->setLanguage(Language::tr);
        EXPECT_EQ(orvelane::selectUntouchedText(days), turkish);
    }
    orvelane::installTextLookup(nullptr);
    orvelane::installCountedTextLookup(nullptr);
    orvelane::installByteFormatLocaleProvider(nullptr);
}

TEST_F(LocalizerTest, KeysMissingFromTheTableShowTheKey)
{
    auto localizer = localizerWith(QStringLiteral("tr"));
    EXPECT_TRUE(localizer->translation(QStringLiteral("No such key")).isNull());
    EXPECT_EQ(localizer->text(QStringLiteral("No such key")), QStringLiteral("No such key"));
}

class BundleLocation : public ::testing::Test
{
protected:
    QProcessEnvironment environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path());
        return env;
    }

    QTemporaryDir home_;
};

TEST_F(BundleLocation, ProgramStopsWhenNoBundleCanBeFound)
{
    QTemporaryDir place;
    const QString probe = place.filePath(QStringLiteral("bundle_probe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVELANE_BUNDLE_PROBE), probe));
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(probe, {});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_FALSE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0);
    const QString expected = QStringLiteral("could not load resource bundle: from %1/Orvelane_Orvelane.bundle or %2")
                                 .arg(QDir(place.path()).canonicalPath(),
                                      QStringLiteral(ORVELANE_BUNDLE_PROBE).section('/', 0, -3) +
                                          QStringLiteral("/no-bundle-here/Orvelane_Orvelane.bundle"));
    EXPECT_TRUE(QString::fromLocal8Bit(process.readAllStandardError()).contains(expected))
        << "expected: " << expected.toStdString();
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
}

TEST_F(BundleLocation, BundleBesideTheExecutableIsFoundFirst)
{
    QTemporaryDir place;
    const QString probe = place.filePath(QStringLiteral("bundle_probe"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ORVELANE_BUNDLE_PROBE), probe));
    const QString bundle = place.filePath(QStringLiteral("Orvelane_Orvelane.bundle/tr.lproj"));
    ASSERT_TRUE(QDir().mkpath(bundle));
    ASSERT_TRUE(QFile::copy(kBundlePath + QStringLiteral("/tr.lproj/Localizable.qm"),
                            bundle + QStringLiteral("/Localizable.qm")));
    QSettings store(home_.filePath(QStringLiteral("Orvelane/Orvelane.conf")), QSettings::IniFormat);
    store.setValue(QStringLiteral("AppLanguage"), QStringLiteral("tr"));
    store.sync();

    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(probe, {});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()).trimmed(), QStringLiteral("Tara"));
}

} // namespace
