#include "SelectionController.h"

#include "ByteCount.h"
#include "CleanSelection.h"
#include "ItemKey.h"
#include "QmlEnums.h"
#include "TidyPolicy.h"
#include "TidySettings.h"
#include "WindowState.h"

namespace orvelane {

SelectionController::SelectionController(WindowState& window)
    : QObject(&window), window_(window), untouchedDays_(TidySettingsStore::load().choices.untouchedDays)
{}

void SelectionController::select(const std::filesystem::path& path, bool selected)
{
    if (selected)
        paths_.insert(path);
    else
        paths_.erase(path);
    emit changed();
}

void SelectionController::clear()
{
    paths_.clear();
    emit changed();
}

void SelectionController::forget(const std::vector<ScannedItem>& items)
{
    for (const ScannedItem& item : items)
        paths_.erase(item.path);
    emit changed();
}

void SelectionController::forget(const std::filesystem::path& path)
{
    paths_.erase(path);
    emit changed();
}

std::vector<ScannedItem> SelectionController::selectedItems(CategoryKind kind) const
{
    return cleanableSelection(kind, window_.results()->items(kind), paths_);
}

bool SelectionController::isSelected(const QString& key) const { return paths_.contains(pathFromItemKey(key)); }

void SelectionController::setSelected(const QString& key, bool selected) { select(pathFromItemKey(key), selected); }

void SelectionController::selectAll(int kind)
{
    const auto found = qml::categoryKind(kind);
    if (!found || !window_.results()->byCategory().contains(*found))
        return;
    for (const ScannedItem& item : window_.results()->items(*found))
        if (isCleanable(*found, item))
            paths_.insert(item.path);
    emit changed();
}

void SelectionController::deselectAll(int kind)
{
    const auto found = qml::categoryKind(kind);
    if (!found || !window_.results()->byCategory().contains(*found))
        return;
    for (const ScannedItem& item : window_.results()->items(*found))
        paths_.erase(item.path);
    emit changed();
}

int SelectionController::selectedCount(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? static_cast<int>(selectedItems(*found).size()) : 0;
}

qint64 SelectionController::selectedSize(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? sumOfSizes(selectedItems(*found)) : 0;
}

void SelectionController::readUntouchedPeriod()
{
    const int days = TidySettingsStore::load().choices.untouchedDays;
    if (days == untouchedDays_)
        return;
    untouchedDays_ = days;
    emit untouchedDaysChanged();
}

std::vector<ScannedItem> SelectionController::untouchedItems(CategoryKind kind) const
{
    std::vector<ScannedItem> cleanable;
    for (const ScannedItem& item : window_.results()->items(kind))
        if (isCleanable(kind, item))
            cleanable.push_back(item);
    return orvelane::untouchedItems(cleanable, untouchedDays_, Clock::now());
}

void SelectionController::selectUntouched(int kind)
{
    const auto found = qml::categoryKind(kind);
    if (!found)
        return;
    for (const ScannedItem& item : untouchedItems(*found))
        paths_.insert(item.path);
    emit changed();
}

} // namespace orvelane
