#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace orvelane {

/**
 * @brief A folder of string tables: the resource bundle itself, or one of its `<lang>.lproj` folders.
 *
 * A localisation folder reads its own default table ("Localizable.qm"). The resource bundle has
 * no table of its own: it answers from the localisation the user's preferred system languages
 * pick, falling back to English. Lookups are const and safe from any thread.
 */
class StringBundle
{
public:
    /// Opens the folder at `path`; nullptr when it is not a readable folder.
    static std::shared_ptr<const StringBundle> open(const QString& path);

    /// The resource bundle's localisation folder named `name` ("en", "tr"), or nullptr.
    std::shared_ptr<const StringBundle> localization(const QString& name) const;

    /// The translation of `key`, or a null string when the table has no entry. A text with a
    /// count is given it (`count` ≥ 0) to pick the form its language uses for that count.
    QString lookup(const QString& key, int count = -1) const;

    /// The folder this bundle was opened at; two handles with equal paths are the same bundle.
    const QString& path() const { return path_; }

    /// The localisation folders present, by name ("en", "tr").
    QStringList localizations() const;

private:
    explicit StringBundle(QString path);
    void choosePreferredLocalization();

    QString path_;
    std::unique_ptr<QTranslator> table_;
    std::shared_ptr<const StringBundle> preferred_;
};

/// The user's preferred languages, most preferred first, as the system reports them ("tr-TR", "en").
QStringList preferredSystemLanguages();

} // namespace orvelane
