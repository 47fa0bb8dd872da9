#pragma once

#include "ScanRecords.h"

#include <QAbstractListModel>

#include <vector>

namespace orvelane {

/// One category's skipped paths for the skipped-items sheet, in the scanner's order.
class SkippedItemsModel final : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum class Role { key = Qt::UserRole + 1, name, path, size, reason, explanation };

    explicit SkippedItemsModel(QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return static_cast<int>(items_.size()); }
    void setItems(std::vector<SkippedItem> items);
    void textsDidChange();

signals:
    void countChanged();

private:
    std::vector<SkippedItem> items_;
};

} // namespace orvelane
