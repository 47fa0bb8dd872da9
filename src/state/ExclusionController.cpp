#include "ExclusionController.h"

#include "CleanSelection.h"
#include "ExclusionStore.h"
#include "ItemKey.h"
#include "Logger.h"
#include "PathText.h"
#include "PlainPath.h"
#include "QmlEnums.h"
#include "WindowState.h"

#include <algorithm>

namespace orvelane {

ExclusionController::ExclusionController(WindowState& window) : QObject(&window), window_(window) { reload(); }

void ExclusionController::reload()
{
    ExclusionList merged = ExclusionStore::load();
    for (const auto& path : unsaved_.paths())
        merged.add(path);
    list_ = std::move(merged);
}

bool ExclusionController::exclude(const ScannedItem& item, CategoryKind kind)
{
    if (!isCleanable(kind, item) || window_.results()->kindOf(item.path) != kind)
        return false;
    if (ExclusionStore::add(item.path))
        unsaved_.add(item.path);
    list_.add(item.path);
    Logger::info("Never offering again: " + item.name);
    const std::filesystem::path path = item.path; // `item` may be the listed entry that goes
    window_.results()->moveToExcluded(kind, path);
    window_.selection()->forget(path);
    return true;
}

void ExclusionController::offerAgain(CategoryKind kind, const std::filesystem::path& path)
{
    if (ExclusionStore::removeCovering(path))
        Logger::warning("The exclusion of " + displayText(path) + " could not be removed from the settings");
    dropListed([&](const std::filesystem::path& listed) { return isSameOrBelow(path, listed); });
    Logger::info("Offering again: " + displayText(path));
    rescan(kind);
}

void ExclusionController::forgetExcluded(const std::filesystem::path& excluded)
{
    dropListed([&](const std::filesystem::path& listed) { return listed == excluded; });
    for (const auto& [kind, result] : window_.results()->byCategory())
        if (std::any_of(result.skipped.begin(), result.skipped.end(), [&](const SkippedItem& skipped) {
                return skipped.reason == SkipReason::excludedByUser && isSameOrBelow(skipped.path, excluded);
            }))
            rescan(kind);
}

void ExclusionController::dropListed(const std::function<bool(const std::filesystem::path&)>& drop)
{
    for (const auto& listed : std::vector(list_.paths()))
        if (drop(listed)) {
            list_.remove(listed);
            unsaved_.remove(listed);
        }
}

void ExclusionController::rescan(CategoryKind kind)
{
    if (window_.scanning()->scanningKinds().contains(kind))
        return; // the running full scan lists it
    window_.scanning()->rescanInTurn({kind}, [] {});
}

bool ExclusionController::canExclude(const QString& itemKey) const
{
    const std::filesystem::path path = pathFromItemKey(itemKey);
    const ScannedItem* item = window_.results()->find(path);
    const auto kind = window_.results()->kindOf(path);
    return item && kind && isCleanable(*kind, *item);
}

void ExclusionController::excludeItem(const QString& itemKey)
{
    const std::filesystem::path path = pathFromItemKey(itemKey);
    const ScannedItem* item = window_.results()->find(path);
    const auto kind = window_.results()->kindOf(path);
    if (item && kind)
        exclude(ScannedItem(*item), *kind); // a copy: the listed item goes from the list
}

void ExclusionController::offerAgain(int kind, const QString& key)
{
    const auto found = qml::categoryKind(kind);
    const std::filesystem::path path = pathFromItemKey(key);
    if (found && !path.empty())
        offerAgain(*found, path);
}

} // namespace orvelane
