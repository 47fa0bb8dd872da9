#pragma once

#include <QSortFilterProxyModel>
#include <QString>

namespace orvelane {

/**
 * @brief One category's items (a CategoryItemsModel) as the list shows them: sorted by size
 * (largest first, the default), by name, or by date (newest first), and narrowed to the items
 * whose name or place contains the search text, ignoring case. Items that tie keep the
 * scanner's order, so a list never reshuffles rows of equal size.
 */
class CategoryItemsView : public QSortFilterProxyModel
{
    Q_OBJECT
    /// The list of a category, from ScanResults.itemsModel(kind).
    Q_PROPERTY(QObject* items READ items WRITE setItems NOTIFY itemsChanged)
    Q_PROPERTY(Order order READ order WRITE setOrder NOTIFY orderChanged)
    Q_PROPERTY(QString searchText READ searchText WRITE setSearchText NOTIFY searchTextChanged)
    /// How many items the search leaves.
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Order { BySize, ByName, ByDate };
    Q_ENUM(Order)

    explicit CategoryItemsView(QObject* parent = nullptr);

    QObject* items() const { return sourceModel(); }
    void setItems(QObject* items);
    Order order() const { return order_; }
    void setOrder(Order order);
    QString searchText() const { return searchText_; }
    void setSearchText(const QString& text);
    int count() const { return rowCount(); }

signals:
    void itemsChanged();
    void orderChanged();
    void searchTextChanged();
    void countChanged();

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    Order order_ = BySize;
    QString searchText_;
};

} // namespace orvelane
