#include "ExcludedPaths.h"

#include "ExclusionStore.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "Logger.h"
#include "PathText.h"

#include <QVariantMap>

namespace orvelane {

ExcludedPaths::ExcludedPaths(QObject* parent) : QObject(parent) { reload(); }

void ExcludedPaths::reload()
{
    const auto home = homeFolder();
    const ExclusionList stored = ExclusionStore::load();
    entries_.clear();
    for (const auto& path : stored.paths())
        entries_.append(QVariantMap{{QStringLiteral("key"), itemKey(path)},
                                    {QStringLiteral("text"), QString::fromStdString(pathFromHome(path, home))}});
    message_.clear();
    emit changed();
}

void ExcludedPaths::offerAgain(const QString& key)
{
    const std::filesystem::path path = pathFromItemKey(key);
    if (path.empty())
        return;
    if (const auto failure = ExclusionStore::remove(path)) {
        Logger::warning("The exclusion of " + displayText(path) + " could not be removed from the settings");
        reload();
        message_ = QString::fromStdString(*failure);
        emit changed();
        return;
    }
    Logger::info("Offering again from the settings: " + displayText(path));
    reload();
    emit offeredAgain(key);
}

} // namespace orvelane
