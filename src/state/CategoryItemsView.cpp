#include "CategoryItemsView.h"

#include "CategoryItemsModel.h"

#include <QDateTime>

namespace orvelane {
namespace {

QVariant roleOf(const QModelIndex& index, CategoryItemsModel::Role role) { return index.data(int(role)); }

} // namespace

CategoryItemsView::CategoryItemsView(QObject* parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(this, signal, this, &CategoryItemsView::countChanged);
    connect(this, &QAbstractItemModel::modelReset, this, &CategoryItemsView::countChanged);
    connect(this, &QAbstractItemModel::layoutChanged, this, &CategoryItemsView::countChanged);
}

void CategoryItemsView::setItems(QObject* items)
{
    auto* model = qobject_cast<QAbstractItemModel*>(items);
    if (model == sourceModel())
        return;
    setSourceModel(model);
    sort(0);
    emit itemsChanged();
    emit countChanged();
}

void CategoryItemsView::setOrder(Order order)
{
    if (order == order_)
        return;
    order_ = order;
    invalidate();
    sort(0);
    emit orderChanged();
}

void CategoryItemsView::setSearchText(const QString& text)
{
    if (text == searchText_)
        return;
    searchText_ = text;
    invalidateFilter();
    emit searchTextChanged();
    emit countChanged();
}

bool CategoryItemsView::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    using Role = CategoryItemsModel::Role;
    switch (order_) {
    case BySize:
        return roleOf(left, Role::size).toLongLong() > roleOf(right, Role::size).toLongLong();
    case ByName: {
        const int compared = QString::localeAwareCompare(roleOf(left, Role::name).toString().toCaseFolded(),
                                                         roleOf(right, Role::name).toString().toCaseFolded());
        return compared < 0;
    }
    case ByDate: {
        // Newest first; items without a date go last.
        const QDateTime a = roleOf(left, Role::modified).toDateTime();
        const QDateTime b = roleOf(right, Role::modified).toDateTime();
        if (a.isValid() != b.isValid())
            return a.isValid();
        return a > b;
    }
    }
    return false;
}

bool CategoryItemsView::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    const QString wanted = searchText_.trimmed();
    if (wanted.isEmpty())
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    using Role = CategoryItemsModel::Role;
    for (const Role role : {Role::name, Role::placeFromHome, Role::path})
        if (roleOf(index, role).toString().contains(wanted, Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace orvelane
