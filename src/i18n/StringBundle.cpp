#include "StringBundle.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace orvelane {
namespace {

// Every table is compiled with this single context; callers' contexts do not matter.
constexpr const char* kTableContext = "Orvelane";
constexpr const char* kTableFile = "Localizable.qm";

} // namespace

QStringList preferredSystemLanguages() { return QLocale::system().uiLanguages(); }

StringBundle::StringBundle(QString path) : path_(std::move(path)) {}

std::shared_ptr<const StringBundle> StringBundle::open(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir() || !info.isReadable())
        return nullptr;
    std::shared_ptr<StringBundle> bundle(new StringBundle(info.absoluteFilePath()));
    const QString tableFile = QDir(bundle->path_).filePath(QString::fromLatin1(kTableFile));
    if (QFileInfo::exists(tableFile)) {
        auto table = std::make_unique<QTranslator>();
        if (table->load(tableFile))
            bundle->table_ = std::move(table);
    } else {
        bundle->choosePreferredLocalization();
    }
    return bundle;
}

std::shared_ptr<const StringBundle> StringBundle::localization(const QString& name) const
{
    return open(QDir(path_).filePath(name + QStringLiteral(".lproj")));
}

QStringList StringBundle::localizations() const
{
    QStringList names;
    const auto entries = QDir(path_).entryInfoList({QStringLiteral("*.lproj")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries)
        names << entry.completeBaseName();
    return names;
}

void StringBundle::choosePreferredLocalization()
{
    const QStringList available = localizations();
    for (const QString& language : preferredSystemLanguages()) {
        // "tr-TR" matches a "tr-TR" folder first, then the plain language "tr".
        const QString base = language.section(QLatin1Char('-'), 0, 0);
        for (const QString& candidate : {language, base}) {
            if (available.contains(candidate)) {
                preferred_ = localization(candidate);
                if (preferred_)
                    return;
            }
        }
    }
    if (available.contains(QStringLiteral("en")))
        preferred_ = localization(QStringLiteral("en"));
}

QString StringBundle::lookup(const QString& key, int count) const
{
    if (table_) {
        // The table's plural rule (from its language) maps the count to one of the key's forms.
        const QString text = table_->translate(kTableContext, key.toUtf8().constData(), nullptr, count);
        return text.isEmpty() ? QString() : text;
    }
    return preferred_ ? preferred_->lookup(key, count) : QString();
}

} // namespace orvelane
