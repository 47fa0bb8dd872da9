#include "ScanResults.h"

#include "ByteCount.h"
#include "CategoryItemsModel.h"
#include "ItemKey.h"
#include "Localizer.h"
#include "QmlEnums.h"
#include "ScanSession.h"
#include "WindowState.h"

#include <algorithm>

namespace orvelane {
namespace {

std::size_t slot(CategoryKind kind) { return static_cast<std::size_t>(kind); }

const ScanResult& noResult()
{
    static const ScanResult none;
    return none;
}

} // namespace

ScanResults::ScanResults(WindowState& window) : QObject(&window), window_(window)
{
    for (CategoryKind kind : allCategoryKinds)
        models_[slot(kind)] = new CategoryItemsModel(kind, window.selection()->paths(), this);
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, [this] {
        for (auto* model : models_)
            model->textsDidChange();
    });
}

const std::vector<ScannedItem>& ScanResults::items(CategoryKind kind) const
{
    const auto found = results_.find(kind);
    return found == results_.end() ? noResult().items : found->second.items;
}

const std::vector<SkippedItem>& ScanResults::skipped(CategoryKind kind) const
{
    const auto found = results_.find(kind);
    return found == results_.end() ? noResult().skipped : found->second.skipped;
}

std::int64_t ScanResults::totalSize(CategoryKind kind) const { return sumOfSizes(items(kind)); }

std::int64_t ScanResults::grandTotal() const { return orvelane::grandTotal(results_); }

const ScannedItem* ScanResults::find(const std::filesystem::path& path) const
{
    for (const auto& [kind, result] : results_)
        for (const ScannedItem& item : result.items)
            if (item.path == path)
                return &item;
    return nullptr;
}

std::optional<CategoryKind> ScanResults::kindOf(const std::filesystem::path& path) const
{
    for (const auto& [kind, result] : results_)
        if (std::any_of(result.items.begin(), result.items.end(), [&](const ScannedItem& item) { return item.path == path; }))
            return kind;
    return std::nullopt;
}

void ScanResults::publish(CategoryKind kind, ScanResult result)
{
    const ExclusionList& exclusions = window_.exclusions()->list();
    std::vector<ScannedItem> excludedSince;
    std::erase_if(result.items, [&](const ScannedItem& item) {
        if (!exclusions.excludes(item.path))
            return false;
        excludedSince.push_back(item);
        return true;
    });
    skipAsExcluded(result.skipped, excludedSince);
    const bool offeredSince = std::any_of(result.skipped.begin(), result.skipped.end(), [&](const SkippedItem& item) {
        return item.reason == SkipReason::excludedByUser && !exclusions.excludes(item.path);
    });
    if (offeredSince)
        window_.scanning()->rescanInTurn({kind}, [] {});
    results_[kind] = std::move(result);
    didChange(kind);
}

void ScanResults::moveToExcluded(CategoryKind kind, const std::filesystem::path& path)
{
    const auto found = results_.find(kind);
    if (found == results_.end())
        return;
    ScanResult& result = found->second;
    const auto listed = std::find_if(result.items.begin(), result.items.end(),
                                     [&](const ScannedItem& item) { return item.path == path; });
    if (listed == result.items.end())
        return;
    skipAsExcluded(result.skipped, {*listed});
    result.items.erase(listed);
    didChange(kind);
}

void ScanResults::didChange(CategoryKind kind)
{
    models_[slot(kind)]->setItems(results_[kind].items);
    ++revision_;
    emit changed();
}

void ScanResults::skipAsExcluded(std::vector<SkippedItem>& skipped, const std::vector<ScannedItem>& items)
{
    // Entries without a size close the list, as the scanner sorts it; these join them in front,
    // where the sheet's cap cannot hide them.
    std::vector<SkippedItem> entries;
    for (const ScannedItem& item : items)
        entries.push_back({item.path, item.name, std::nullopt, SkipReason::excludedByUser});
    const auto firstUnsized =
        std::find_if(skipped.begin(), skipped.end(), [](const SkippedItem& other) { return !other.size; });
    skipped.insert(firstUnsized, entries.begin(), entries.end());
}

void ScanResults::selectionDidChange()
{
    for (auto* model : models_)
        model->selectionDidChange();
}

QObject* ScanResults::itemsModel(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? models_[slot(*found)] : nullptr;
}

QVariantList ScanResults::skippedEntries(int kind) const
{
    QVariantList entries;
    const auto found = qml::categoryKind(kind);
    if (!found)
        return entries;
    for (const SkippedItem& item : skipped(*found)) {
        const std::string_view reason = rawValue(item.reason);
        QVariantMap entry{{"name", QString::fromStdString(item.name)},
                          {"url", displayPath(item.path)},
                          {"reason", QString::fromLatin1(reason.data(), static_cast<qsizetype>(reason.size()))}};
        if (item.size)
            entry.insert("size", static_cast<qint64>(*item.size));
        entry.insert("key", itemKey(item.path));
        entries.append(entry);
    }
    return entries;
}

int ScanResults::skippedCount(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? static_cast<int>(skipped(*found).size()) : 0;
}

qint64 ScanResults::totalSize(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? totalSize(*found) : 0;
}

} // namespace orvelane
