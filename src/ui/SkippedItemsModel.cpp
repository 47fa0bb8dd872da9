#include "SkippedItemsModel.h"

#include "ByteFormatter.h"
#include "ItemKey.h"
#include "Localizer.h"
#include "QmlEnums.h"
#include "CategoryKind.h"
#include "SafetyVocabulary.h"
#include "SizeThresholds.h"

#include <QUrl>
#include <QVariantMap>

#include <algorithm>

namespace orvelane {
namespace {

std::optional<qint64> sizeOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const qint64 size = value.toLongLong(&ok);
    if (!ok || size < 0)
        return std::nullopt;
    return size;
}

QString urlText(const QVariantMap& entry)
{
    const QVariant url = entry.value(QStringLiteral("url"), entry.value(QStringLiteral("path")));
    if (url.typeId() == QMetaType::QUrl)
        return url.toUrl().toString();
    return url.toString();
}

} // namespace

SkippedItemsModel::SkippedItemsModel(QObject* parent) : QAbstractListModel(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &SkippedItemsModel::languageChanged);
    connect(&Localizer::shared(), &Localizer::languageChanged, this, &SkippedItemsModel::languageChanged);
}

void SkippedItemsModel::setEntries(const QVariantList& entries)
{
    std::vector<Row> rows;
    rows.reserve(static_cast<std::size_t>(entries.size()));
    for (const QVariant& value : entries) {
        const QVariantMap entry = value.toMap();
        rows.push_back({entry.value(QStringLiteral("name")).toString(), urlText(entry),
                        sizeOf(entry.value(QStringLiteral("size"))), entry.value(QStringLiteral("reason")).toString(),
                        entry.value(QStringLiteral("key")).toString()});
    }
    entries_ = entries;
    replaceRows(std::move(rows));
}

void SkippedItemsModel::setSkippedItems(const std::vector<SkippedItem>& items)
{
    std::vector<Row> rows;
    rows.reserve(items.size());
    for (const SkippedItem& item : items) {
        rows.push_back({QString::fromStdString(item.name),
                        QUrl::fromLocalFile(QString::fromStdString(item.path.string())).toString(),
                        item.size ? std::optional<qint64>(*item.size) : std::nullopt,
                        QString::fromUtf8(rawValue(item.reason).data(),
                                          static_cast<qsizetype>(rawValue(item.reason).size())),
                        itemKey(item.path)});
    }
    entries_.clear();
    replaceRows(std::move(rows));
}

void SkippedItemsModel::replaceRows(std::vector<Row> rows)
{
    given_ = std::move(rows);
    applyFilter();
}

void SkippedItemsModel::applyFilter()
{
    beginResetModel();
    rows_.clear();
    for (const Row& row : given_)
        if (onlyReason_.isEmpty() || row.reason == onlyReason_)
            rows_.push_back(row);
    endResetModel();
    emit entriesChanged();
}

void SkippedItemsModel::setKind(int kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    applyFilter();
}

void SkippedItemsModel::setOnlyReason(const QString& reason)
{
    if (reason == onlyReason_)
        return;
    onlyReason_ = reason;
    applyFilter();
}

QString SkippedItemsModel::explanationOf(const Row& row) const
{
    const auto reason = skipReasonFromRawValue(row.reason.toStdString());
    if (!reason)
        return row.reason;
    const auto kind = qml::categoryKind(kind_);
    return QString::fromStdString(explanation(*reason, kind ? sizeThreshold(*kind) : std::nullopt));
}

void SkippedItemsModel::languageChanged()
{
    // The explanations follow the string table and the sizes the language's number format.
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1), {int(Role::explanation), int(Role::sizeText)});
}

int SkippedItemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : std::min(totalCount(), kDisplayCap);
}

QVariant SkippedItemsModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (static_cast<Role>(role)) {
    case Role::name:
        return row.name;
    case Role::url:
        return row.url;
    case Role::explanation:
        return explanationOf(row);
    case Role::hasSize:
        return row.size.has_value();
    case Role::sizeText:
        return row.size ? QString::fromStdString(formatBytes(*row.size)) : QString();
    case Role::key:
        return row.key;
    case Role::offersAgain:
        return skipReasonFromRawValue(row.reason.toStdString()) == SkipReason::excludedByUser && !row.key.isEmpty();
    }
    return {};
}

QHash<int, QByteArray> SkippedItemsModel::roleNames() const
{
    return {
        {int(Role::name), "name"},
        {int(Role::url), "url"},
        {int(Role::explanation), "explanation"},
        {int(Role::hasSize), "hasSize"},
        {int(Role::sizeText), "sizeText"},
        {int(Role::key), "key"},
        {int(Role::offersAgain), "offersAgain"},
    };
}

} // namespace orvelane
