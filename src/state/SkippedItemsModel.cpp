#include "SkippedItemsModel.h"

#include "ItemKey.h"

namespace orvelane {

SkippedItemsModel::SkippedItemsModel(QObject* parent) : QAbstractListModel(parent) {}

int SkippedItemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant SkippedItemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const SkippedItem& item = items_[static_cast<std::size_t>(index.row())];
    switch (static_cast<Role>(role)) {
    case Role::key:
        return itemKey(item.url);
    case Role::name:
        return QString::fromStdString(item.name);
    case Role::path:
        return displayPath(item.url);
    case Role::size:
        // Absent sizes stay undefined in QML, so a view can tell "unknown" from a measured size.
        return item.size ? QVariant(static_cast<qint64>(*item.size)) : QVariant();
    case Role::reason:
        return QString::fromLatin1(rawValue(item.reason).data(), static_cast<qsizetype>(rawValue(item.reason).size()));
    case Role::explanation:
        return QString::fromStdString(explanation(item.reason));
    }
    return {};
}

QHash<int, QByteArray> SkippedItemsModel::roleNames() const
{
    return {{int(Role::key), "key"},       {int(Role::name), "name"},
            {int(Role::path), "path"},     {int(Role::size), "size"},
            {int(Role::reason), "reason"}, {int(Role::explanation), "explanation"}};
}

void SkippedItemsModel::setItems(std::vector<SkippedItem> items)
{
    const int before = count();
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
    if (count() != before)
        emit countChanged();
}

void SkippedItemsModel::textsDidChange()
{
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {int(Role::explanation)});
}

} // namespace orvelane
