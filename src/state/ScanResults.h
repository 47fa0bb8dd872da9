#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <QObject>
#include <QVariantList>

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <vector>

namespace orvelane {

class CategoryItemsModel;
class WindowState;

/**
 * @brief What the window's scans found: per category the items and the skipped paths, replaced
 * together from one result, the list models the views show, and the totals.
 *
 * A category has no entry until its first result arrives. QML reaches the items by category
 * through `itemsModel(kind)` and by item key (see ItemKey.h); skipped paths are copied out only
 * when the sheet asks for them.
 */
class ScanResults : public QObject
{
    Q_OBJECT
    /// Every category's items but the guidance-only one's.
    Q_PROPERTY(qint64 grandTotal READ grandTotal NOTIFY changed)
    /// Bumped whenever a category's result (items and skipped paths) changes.
    Q_PROPERTY(int revision READ revision NOTIFY changed)

public:
    using ByCategory = std::map<CategoryKind, ScanResult>;

    explicit ScanResults(WindowState& window);

    const ByCategory& byCategory() const { return results_; }
    /// The category's items; empty before its first result.
    const std::vector<ScannedItem>& items(CategoryKind kind) const;
    const std::vector<SkippedItem>& skipped(CategoryKind kind) const;
    std::int64_t totalSize(CategoryKind kind) const;
    std::int64_t grandTotal() const;
    int revision() const { return revision_; }

    /// The listed item at this path, and its category; nothing when no category lists it.
    const ScannedItem* find(const std::filesystem::path& path) const;
    std::optional<CategoryKind> kindOf(const std::filesystem::path& path) const;

    /**
     * @brief Publishes a category's result. A scan looks with the exclusions of its start: what
     * the user excluded since leaves the result here, and a path offered again since has the
     * category scanned once more.
     */
    void publish(CategoryKind kind, ScanResult result);
    /// Moves a listed item to the category's skipped paths as excluded by the user.
    void moveToExcluded(CategoryKind kind, const std::filesystem::path& path);

    void selectionDidChange();

    Q_INVOKABLE QObject* itemsModel(int kind) const;
    /// The category's skipped paths as {name, url, size (undefined when unknown), reason, key} for the sheet.
    Q_INVOKABLE QVariantList skippedEntries(int kind) const;
    Q_INVOKABLE int skippedCount(int kind) const;
    Q_INVOKABLE qint64 totalSize(int kind) const;

signals:
    void changed();

private:
    /// Skipped entries for items the user excluded, in front of the other entries without a size.
    static void skipAsExcluded(std::vector<SkippedItem>& skipped, const std::vector<ScannedItem>& items);
    void didChange(CategoryKind kind);

    WindowState& window_;
    ByCategory results_;
    int revision_ = 0;
    std::array<CategoryItemsModel*, 8> models_{};
};

} // namespace orvelane
