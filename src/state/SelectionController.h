#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <QObject>
#include <QString>

#include <filesystem>
#include <set>
#include <vector>

namespace orvelane {

class WindowState;

/**
 * @brief The items the user has ticked, by path, across all categories.
 *
 * The set may hold paths no category lists any more; they are harmless, because every use goes
 * through selectedItems(kind), which keeps only listed, cleanable items. Every change notifies.
 */
class SelectionController : public QObject
{
    Q_OBJECT

public:
    using Paths = std::set<std::filesystem::path>;

    explicit SelectionController(WindowState& window);

    const Paths& paths() const { return paths_; }
    void select(const std::filesystem::path& path, bool selected);
    void clear();
    /// Unticks the items (a clean took them, whether it removed them or not).
    void forget(const std::vector<ScannedItem>& items);
    void forget(const std::filesystem::path& path);

    /// The category's listed items that are ticked and cleanable, in list order.
    std::vector<ScannedItem> selectedItems(CategoryKind kind) const;

    /// `key`: an item key (see ItemKey.h); `kind`: a Category value.
    Q_INVOKABLE bool isSelected(const QString& key) const;
    Q_INVOKABLE void setSelected(const QString& key, bool selected);
    Q_INVOKABLE void selectAll(int kind);
    Q_INVOKABLE void deselectAll(int kind);
    Q_INVOKABLE int selectedCount(int kind) const;
    Q_INVOKABLE qint64 selectedSize(int kind) const;

    /// How long a project must lie untouched for "Select Untouched" to tick its build folders,
    /// as the settings said when last read.
    int untouchedDays() const { return untouchedDays_; }
    /// Reads the untouched period from the settings again (Settings may have changed it).
    Q_INVOKABLE void readUntouchedPeriod();
    /// The category's cleanable items whose project has lain untouched for the period.
    std::vector<ScannedItem> untouchedItems(CategoryKind kind) const;
    /// Ticks those items; what else is ticked stays ticked, as with `clean --untouched`.
    Q_INVOKABLE void selectUntouched(int kind);

signals:
    void changed();
    void untouchedDaysChanged();

private:
    WindowState& window_;
    Paths paths_;
    int untouchedDays_;
};

} // namespace orvelane
