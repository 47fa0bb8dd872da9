#include "CategoryItemsModel.h"

#include "CleanSelection.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "ItemTexts.h"
#include "PathText.h"
#include "ProjectAgeText.h"
#include "QmlEnums.h"

#include <QDateTime>

#include <unordered_set>

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QVariant dateValue(const std::optional<Date>& date)
{
    if (!date)
        return {};
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(date->time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms);
}

QVariant untouchedText(const ScannedItem& item)
{
    // The reason already says the project was worked on this week; "untouched for 0 days"
    // beside it would only contradict it in other words.
    if (item.safetyReason == SafetyReason::projectActive)
        return {};
    const auto said = projectUntouchedText(item.projectTouched, Clock::now());
    return said ? QVariant(text(*said)) : QVariant();
}

struct PathHash
{
    std::size_t operator()(const std::filesystem::path& p) const { return std::filesystem::hash_value(p); }
};

} // namespace

CategoryItemsModel::CategoryItemsModel(CategoryKind kind, const std::set<std::filesystem::path>& selection,
                                       QObject* parent)
    : QAbstractListModel(parent), kind_(kind), selection_(selection)
{
}

int CategoryItemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant CategoryItemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= count())
        return {};
    const ScannedItem& item = items_[static_cast<std::size_t>(index.row())];
    switch (static_cast<Role>(role)) {
    case Role::key:
        return itemKey(item.path);
    case Role::name:
        return text(item.name);
    case Role::path:
        return displayPath(item.path);
    case Role::size:
        return static_cast<qint64>(item.size);
    case Role::modified:
        return dateValue(item.modified);
    case Role::safetyLevel:
        return qml::toQml(item.safetyLevel);
    case Role::safetyReason:
        return text(std::string(rawValue(item.safetyReason)));
    case Role::levelTitle:
        return text(title(item.safetyLevel));
    case Role::explanation:
        return text(reasonText(item));
    case Role::actionHint:
        return item.actionHint ? QVariant(text(*item.actionHint)) : QVariant();
    case Role::selected:
        return selection_.contains(item.path);
    case Role::cleanable:
        return isCleanable(kind_, item);
    case Role::application:
        return item.application ? QVariant(text(*item.application)) : QVariant();
    case Role::hintForm:
        return item.hintForm == HintForm::sentence ? QStringLiteral("sentence") : QStringLiteral("command");
    case Role::placeFromHome:
        return text(pathFromHome(item.path, homeFolder()));
    case Role::deleted:
        return dateValue(item.deleted);
    case Role::projectUntouched:
        return untouchedText(item);
    }
    return {};
}

QHash<int, QByteArray> CategoryItemsModel::roleNames() const
{
    return {
        {int(Role::key), "key"},
        {int(Role::name), "name"},
        {int(Role::path), "path"},
        {int(Role::size), "size"},
        {int(Role::modified), "modified"},
        {int(Role::safetyLevel), "safetyLevel"},
        {int(Role::safetyReason), "safetyReason"},
        {int(Role::levelTitle), "levelTitle"},
        {int(Role::explanation), "explanation"},
        {int(Role::actionHint), "actionHint"},
        {int(Role::selected), "selected"},
        {int(Role::cleanable), "cleanable"},
        {int(Role::application), "application"},
        {int(Role::hintForm), "hintForm"},
        {int(Role::placeFromHome), "placeFromHome"},
        {int(Role::deleted), "deleted"},
        {int(Role::projectUntouched), "projectUntouched"},
    };
}

void CategoryItemsModel::setItems(std::vector<ScannedItem> items)
{
    const int before = count();
    if (!replaceKeepingSurvivors(items)) {
        beginResetModel();
        items_ = std::move(items);
        endResetModel();
    }
    if (count() != before)
        emit countChanged();
}

// Removes rows that left and inserts rows that arrived, when the survivors keep their order;
// returns false (nothing changed) when the order differs and a reset is needed.
bool CategoryItemsModel::replaceKeepingSurvivors(std::vector<ScannedItem>& incoming)
{
    std::unordered_set<std::filesystem::path, PathHash> incomingUrls;
    for (const ScannedItem& item : incoming)
        incomingUrls.insert(item.path);
    std::unordered_set<std::filesystem::path, PathHash> survivingUrls;
    std::vector<const ScannedItem*> survivors;
    for (const ScannedItem& item : items_) {
        if (incomingUrls.contains(item.path)) {
            survivors.push_back(&item);
            survivingUrls.insert(item.path);
        }
    }
    std::size_t next = 0;
    for (const ScannedItem& item : incoming)
        if (survivingUrls.contains(item.path) && (next >= survivors.size() || survivors[next++]->path != item.path))
            return false;

    for (int row = count() - 1; row >= 0; --row) {
        if (incomingUrls.contains(items_[static_cast<std::size_t>(row)].path))
            continue;
        beginRemoveRows({}, row, row);
        items_.erase(items_.begin() + row);
        endRemoveRows();
    }
    for (std::size_t row = 0; row < incoming.size(); ++row) {
        if (row < items_.size() && items_[row].path == incoming[row].path) {
            if (!(items_[row] == incoming[row])) {
                items_[row] = std::move(incoming[row]);
                emit dataChanged(index(int(row)), index(int(row)));
            }
            continue;
        }
        beginInsertRows({}, int(row), int(row));
        items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(row), std::move(incoming[row]));
        endInsertRows();
    }
    return true;
}

void CategoryItemsModel::selectionDidChange()
{
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {int(Role::selected)});
}

void CategoryItemsModel::textsDidChange()
{
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1),
                         {int(Role::levelTitle), int(Role::explanation), int(Role::projectUntouched)});
}

} // namespace orvelane
