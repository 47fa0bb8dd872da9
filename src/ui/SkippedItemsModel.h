#pragma once

#include "ScanRecords.h"

#include <QAbstractListModel>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <vector>

namespace orvelane {

/**
 * @brief The rows of the skipped-items sheet: the first 300 skipped paths of a category.
 *
 * Fed either from C++ with the scanner's records or from QML with `entries`, a list of
 * objects {name, url (or path), size, reason, key}: `size` is a byte count, absent (undefined,
 * null or negative) when unknown; `reason` is a skip reason's raw value, or words shown as given.
 * The scanner has already put the largest entries first, so the cap keeps those.
 */
class SkippedItemsModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList entries READ entries WRITE setEntries NOTIFY entriesChanged)
    /// Every entry given, listed or not.
    Q_PROPERTY(int totalCount READ totalCount NOTIFY entriesChanged)
    /// True when entries were left out, so the sheet says it shows only the first ones.
    Q_PROPERTY(bool capped READ capped NOTIFY entriesChanged)
    Q_PROPERTY(int displayCap READ displayCap CONSTANT)
    /// The Category: an entry below its size threshold names the threshold.
    Q_PROPERTY(int kind READ kind WRITE setKind NOTIFY entriesChanged)
    /// A skip reason's raw value: only entries skipped for it are listed; empty: all.
    Q_PROPERTY(QString onlyReason READ onlyReason WRITE setOnlyReason NOTIFY entriesChanged)

public:
    static constexpr int kDisplayCap = 300;

    enum class Role {
        name = Qt::UserRole + 1,
        url,
        explanation,
        hasSize,
        sizeText,
        key,         ///< the entry's item key, for asking to offer it again
        offersAgain, ///< the user excluded it: the sheet offers to show it again
    };
    Q_ENUM(Role)

    explicit SkippedItemsModel(QObject* parent = nullptr);

    QVariantList entries() const { return entries_; }
    void setEntries(const QVariantList& entries);
    void setSkippedItems(const std::vector<SkippedItem>& items);

    int kind() const { return kind_; }
    void setKind(int kind);
    QString onlyReason() const { return onlyReason_; }
    void setOnlyReason(const QString& reason);

    int totalCount() const { return static_cast<int>(rows_.size()); }
    bool capped() const { return totalCount() > kDisplayCap; }
    int displayCap() const { return kDisplayCap; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void entriesChanged();

private:
    struct Row
    {
        QString name;
        QString url;
        std::optional<qint64> size;
        QString reason; ///< raw value or words
        QString key;
    };

    void replaceRows(std::vector<Row> rows);
    void applyFilter();
    QString explanationOf(const Row& row) const;
    void languageChanged();

    QVariantList entries_;
    std::vector<Row> given_; ///< every row given, before the reason filter
    std::vector<Row> rows_;
    int kind_ = -1;
    QString onlyReason_;
};

} // namespace orvelane
