#pragma once

#include "CategoryKind.h"
#include "ScanRecords.h"

#include <QAbstractListModel>

#include <set>
#include <vector>

namespace orvelane {

/**
 * @brief One category's found items for a list view, in the scanner's order.
 *
 * Replacing the list keeps rows that survive, so views can animate only what left or arrived.
 * Display texts (level title, explanation, how long the project has lain untouched) follow the
 * language; `selected` follows the selection it is told about.
 */
class CategoryItemsModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum class Role {
        key = Qt::UserRole + 1,
        name,
        path,
        size,
        modified,
        safetyLevel, ///< a SafetyLevel value
        safetyReason,
        levelTitle,
        explanation,
        actionHint,
        selected,
        cleanable,
        application,
        hintForm,
        placeFromHome,
        deleted,
        projectUntouched, ///< "Project untouched for 5 months", or nothing when the date is unknown
    };

    CategoryItemsModel(CategoryKind kind, const std::set<std::filesystem::path>& selection, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<ScannedItem>& items() const { return items_; }
    void setItems(std::vector<ScannedItem> items);
    void selectionDidChange();
    void textsDidChange();

signals:
    void countChanged();

private:
    bool replaceKeepingSurvivors(std::vector<ScannedItem>& items);

    CategoryKind kind_;
    const std::set<std::filesystem::path>& selection_;
    std::vector<ScannedItem> items_;
};

} // namespace orvelane
