#pragma once

#include <QLocale>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <atomic>
#include <memory>
#include <optional>

namespace orvelane {

class StringBundle;

/**
 * @brief The one shared language choice, the string bundle every text is looked up in, and the locale.
 *
 * Depends on QtCore only, so the command-line tool uses the same lookups as the windows. The
 * choice is kept under "AppLanguage" in the per-user settings store. Lookups and the locale may be
 * read from any thread; the language is written on the main thread only.
 */
class Localizer : public QObject
{
    Q_OBJECT
    /// The chosen language's raw value: "system", "en" or "tr".
    Q_PROPERTY(QString language READ languageRawValue WRITE setLanguageRawValue NOTIFY languageChanged)
    /// Identity of the current string bundle (its folder); changes when texts must be redrawn.
    Q_PROPERTY(QString bundle READ bundlePath NOTIFY bundleChanged)
    Q_PROPERTY(QLocale locale READ locale NOTIFY languageChanged)
    Q_PROPERTY(QStringList languages READ languageRawValues CONSTANT)

public:
    enum class Language { system, en, tr };
    Q_ENUM(Language)

    static Localizer& shared();

    /// A localizer over an explicit store and resource bundle (the shared one uses the defaults).
    /// Without a store the language starts as the system's and a choice is kept for this run only.
    Localizer(std::unique_ptr<QSettings> store, std::shared_ptr<const StringBundle> module,
              QObject* parent = nullptr);
    ~Localizer() override;

    Language language() const { return language_.load(); }
    void setLanguage(Language language);

    std::shared_ptr<const StringBundle> bundle() const { return bundle_.load(); }
    QLocale locale() const;

    /// The key's text in the current bundle, or a null string when the table has no entry. For a
    /// text with a count, `count` (≥ 0) picks the form the language uses for it.
    QString translation(const QString& key, int count = -1) const;
    /// The key's text, falling back to the key itself.
    Q_INVOKABLE QString text(const QString& key) const;
    /// The form of a text with a count that fits `count`, falling back to the key itself.
    Q_INVOKABLE QString countedText(const QString& key, qint64 count) const;
    /// Substitutes values into a looked-up text's "%lld" and "%@" placeholders, in order.
    Q_INVOKABLE QString format(const QString& text, const QVariantList& values) const;
    Q_INVOKABLE QString displayName(const QString& languageRawValue) const;
    Q_INVOKABLE QString formatBytes(qint64 bytes) const;

    /// A count as the string tables' plural rules take it.
    static int pluralCount(qint64 count);

    static QString rawValue(Language language);
    static std::optional<Language> languageFromRawValue(const QString& raw);
    static QList<Language> allLanguages() { return {Language::system, Language::en, Language::tr}; }
    QString displayName(Language language) const;

    /**
     * @brief Switches the texts to `language` without storing the choice.
     *
     * For the command-line tool's --lang: a one-off report must not change what the app shows.
     */
    void useLanguageForThisRun(Language language);

    /// Routes the models' display texts and the byte formatter's locale through this instance.
    void installAsProcessLookup();

    QString languageRawValue() const { return rawValue(language()); }
    void setLanguageRawValue(const QString& raw);
    QString bundlePath() const;
    QStringList languageRawValues() const;

signals:
    void languageChanged();
    void bundleChanged();

private:
    std::shared_ptr<const StringBundle> makeBundle(Language language) const;
    void setBundle(std::shared_ptr<const StringBundle> bundle);

    std::unique_ptr<QSettings> store_;
    std::shared_ptr<const StringBundle> module_;
    std::atomic<Language> language_;
    std::atomic<std::shared_ptr<const StringBundle>> bundle_;
    bool processLookup_ = false;
};

} // namespace orvelane
