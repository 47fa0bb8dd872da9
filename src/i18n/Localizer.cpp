#include "Localizer.h"

#include "ByteFormatter.h"
#include "DisplayText.h"
#include "ResourceBundleAccessor.h"
#include "SettingsStore.h"
#include "StringBundle.h"

#include <algorithm>
#include <vector>

namespace orvelane {
namespace {

const QString kLanguageKey = QStringLiteral("AppLanguage");

Localizer::Language storedLanguage(const QSettings* store)
{
    if (store == nullptr)
        return Localizer::Language::system;
    const QVariant stored = store->value(kLanguageKey);
    if (stored.typeId() == QMetaType::QString) {
        const QString raw = stored.toString();
        if (raw == QLatin1String("en"))
            return Localizer::Language::en;
        if (raw == QLatin1String("tr"))
            return Localizer::Language::tr;
    }
    return Localizer::Language::system;
}

std::string utf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

Localizer& Localizer::shared()
{
    static Localizer* const instance = [] {
        auto* localizer = new Localizer(openSettingsStore(), resourceBundle());
        localizer->installAsProcessLookup();
        return localizer;
    }();
    return *instance;
}

Localizer::Localizer(std::unique_ptr<QSettings> store, std::shared_ptr<const StringBundle> module,
                     QObject* parent)
    : QObject(parent), store_(std::move(store)), module_(std::move(module)), language_(storedLanguage(store_.get()))
{
    bundle_.store(makeBundle(language_.load()));
}

Localizer::~Localizer()
{
    // The process lookups call into this instance; they must not outlive it.
    if (processLookup_) {
        installTextLookup(nullptr);
        installCountedTextLookup(nullptr);
        installByteFormatLocaleProvider(nullptr);
    }
}

void Localizer::setLanguage(Language language)
{
    const bool changed = language != language_.load();
    language_.store(language);
    if (changed)
        emit languageChanged();
    if (store_) {
        store_->setValue(kLanguageKey, rawValue(language));
        store_->sync();
    }
    setBundle(makeBundle(language));
}

void Localizer::useLanguageForThisRun(Language language)
{
    if (language != language_.exchange(language))
        emit languageChanged();
    setBundle(makeBundle(language));
}

void Localizer::setLanguageRawValue(const QString& raw)
{
    if (const auto language = languageFromRawValue(raw))
        setLanguage(*language);
}

std::shared_ptr<const StringBundle> Localizer::makeBundle(Language language) const
{
    if (language == Language::system || !module_)
        return module_;
    if (auto localization = module_->localization(rawValue(language)))
        return localization;
    return module_;
}

void Localizer::setBundle(std::shared_ptr<const StringBundle> bundle)
{
    const auto current = bundle_.load();
    const bool same = current == bundle || (current && bundle && current->path() == bundle->path());
    bundle_.store(std::move(bundle));
    if (!same)
        emit bundleChanged();
}

QLocale Localizer::locale() const
{
    switch (language()) {
    case Language::en:
        return QLocale(QStringLiteral("en"));
    case Language::tr:
        return QLocale(QStringLiteral("tr"));
    case Language::system:
        break;
    }
    return QLocale::system();
}

QString Localizer::translation(const QString& key, int count) const
{
    const auto current = bundle();
    return current ? current->lookup(key, count) : QString();
}

QString Localizer::text(const QString& key) const
{
    const QString found = translation(key);
    return found.isNull() ? key : found;
}

QString Localizer::countedText(const QString& key, qint64 count) const
{
    const QString found = translation(key, pluralCount(count));
    return found.isNull() ? key : found;
}

int Localizer::pluralCount(qint64 count)
{
    // The tables' plural rules take an int; beyond it every language uses its "many" form, and
    // a negative count (never shown) must not read as "no count".
    return static_cast<int>(std::clamp<qint64>(count < 0 ? -count : count, 0, 1'000'000'000));
}

QString Localizer::format(const QString& text, const QVariantList& values) const
{
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(values.size()));
    for (const QVariant& value : values)
        texts.push_back(utf8(value.toString()));
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    return QString::fromStdString(substitutePlaceholders(utf8(text), views));
}

QString Localizer::formatBytes(qint64 bytes) const { return QString::fromStdString(orvelane::formatBytes(bytes)); }

QString Localizer::rawValue(Language language)
{
    switch (language) {
    case Language::en:
        return QStringLiteral("en");
    case Language::tr:
        return QStringLiteral("tr");
    case Language::system:
        break;
    }
    return QStringLiteral("system");
}

std::optional<Localizer::Language> Localizer::languageFromRawValue(const QString& raw)
{
    for (Language language : allLanguages())
        if (rawValue(language) == raw)
            return language;
    return std::nullopt;
}

QString Localizer::displayName(Language language) const
{
    switch (language) {
    case Language::en:
        return QStringLiteral("English");
    case Language::tr:
        return QStringLiteral("Türkçe");
    case Language::system:
        break;
    }
    return text(QStringLiteral(DISPLAY_TEXT("System Default")));
}

QString Localizer::displayName(const QString& languageRawValue) const
{
    const auto language = languageFromRawValue(languageRawValue);
    return language ? displayName(*language) : QString();
}

QString Localizer::bundlePath() const
{
    const auto current = bundle();
    return current ? current->path() : QString();
}

QStringList Localizer::languageRawValues() const
{
    QStringList raws;
    for (Language language : allLanguages())
        raws << rawValue(language);
    return raws;
}

void Localizer::installAsProcessLookup()
{
    processLookup_ = true;
    installTextLookup([this](std::string_view key) {
        const QString found = translation(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
        return found.isNull() ? std::string() : utf8(found);
    });
    installCountedTextLookup([this](std::string_view key, std::int64_t count) {
        const QString found =
            translation(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())), pluralCount(count));
        return found.isNull() ? std::string() : utf8(found);
    });
    installByteFormatLocaleProvider([this] {
        const QLocale current = locale();
        ByteFormatLocale result;
        result.language = utf8(QLocale::languageToCode(current.language()));
        result.decimalPoint = utf8(current.decimalPoint());
        result.groupSeparator = utf8(current.groupSeparator());
        return result;
    });
}

} // namespace orvelane
