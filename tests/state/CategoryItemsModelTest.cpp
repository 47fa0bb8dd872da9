#include "CategoryItemsModel.h"
#include "CategoryItemsView.h"
#include "ItemKey.h"
#include "QmlEnums.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace orvelane;
using Role = CategoryItemsModel::Role;

namespace {

ScannedItem item(const char* path, std::int64_t size, SafetyLevel level = SafetyLevel::safe)
{
    return ScannedItem{path, std::filesystem::path(path).filename().string(), size, std::nullopt, level,
                       SafetyReason::oldRegenerable, std::nullopt, std::nullopt};
}

class CategoryItemsModelTest : public ::testing::Test
{
protected:
    std::set<std::filesystem::path> selection;
    CategoryItemsModel model{CategoryKind::caches, selection, nullptr};
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(CategoryItemsModelTest, ARescanRemovesAndInsertsOnlyWhatChanged)
{
    model.setItems({item("/h/a", 30), item("/h/b", 20), item("/h/c", 10)});
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

    model.setItems({item("/h/a", 30), item("/h/d", 15), item("/h/c", 10)});
    EXPECT_EQ(reset.count(), 0);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed[0][1].toInt(), 1);
    ASSERT_EQ(inserted.count(), 1);
    EXPECT_EQ(inserted[0][1].toInt(), 1);
    EXPECT_EQ(model.data(model.index(1), int(Role::name)).toString(), QStringLiteral("d"));
    EXPECT_EQ(model.count(), 3);
}

TEST_F(CategoryItemsModelTest, SurvivorsInANewOrderResetTheList)
{
    model.setItems({item("/h/a", 30), item("/h/b", 20)});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.setItems({item("/h/b", 40), item("/h/a", 30)});
    EXPECT_EQ(reset.count(), 1);
    EXPECT_EQ(model.data(model.index(0), int(Role::size)).toLongLong(), 40);
}

TEST_F(CategoryItemsModelTest, RolesReflectSelectionLevelAndOptionalValues)
{
    model.setItems({item("/h/a", 30), item("/h/p", 20, SafetyLevel::protected_)});
    selection.insert("/h/a");
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.selectionDidChange();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(model.data(model.index(0), int(Role::selected)).toBool());
    EXPECT_FALSE(model.data(model.index(1), int(Role::selected)).toBool());
    EXPECT_TRUE(model.data(model.index(0), int(Role::cleanable)).toBool());
    EXPECT_FALSE(model.data(model.index(1), int(Role::cleanable)).toBool());
    EXPECT_EQ(model.data(model.index(1), int(Role::safetyLevel)).toInt(), orvelane::qml::Safety::Protected);
    EXPECT_FALSE(model.data(model.index(0), int(Role::modified)).isValid());
    EXPECT_FALSE(model.data(model.index(0), int(Role::actionHint)).isValid());
}

TEST(ItemKey, NonUtf8PathsSurviveTheTripThroughQml)
{
    const std::filesystem::path raw(std::string("/home/u/Downloads/caf\xE9 100%.dmg"));
    const QString key = itemKey(raw);
    EXPECT_EQ(pathFromItemKey(key).native(), raw.native());
    EXPECT_TRUE(displayPath(raw).contains(QChar(0xFFFD)));
    EXPECT_EQ(fileUriOf(raw), QStringLiteral("file:///home/u/Downloads/caf%E9%20100%25.dmg"));
}

// The list's view: by size (ties keep the scanner's order), by name, by date (newest first,
// undated last), and narrowed by a search of names and places that ignores case; a rescan
// beneath it keeps its order and its search.
TEST_F(CategoryItemsModelTest, TheListSortsBySizeNameOrDateAndSearchesNamesAndPlaces)
{
    const auto dated = [](const char* path, std::int64_t size, int daysAgo) {
        ScannedItem entry = item(path, size);
        if (daysAgo >= 0)
            entry.modified = Clock::now() - std::chrono::hours(24 * daysAgo);
        return entry;
    };
    model.setItems({dated("/h/.cache/Zeta", 30, 5), dated("/h/.cache/alpha", 20, -1), dated("/h/.cache/Mid", 20, 1),
                    dated("/h/.config/beta", 20, 9)});
    CategoryItemsView view;
    QAbstractItemModelTester viewTester{&view, QAbstractItemModelTester::FailureReportingMode::Fatal};
    view.setItems(&model);
    const auto names = [&view] {
        QStringList shown;
        for (int row = 0; row < view.rowCount(); ++row)
            shown << view.index(row, 0).data(int(Role::name)).toString();
        return shown.join(' ');
    };
    EXPECT_EQ(names(), "Zeta alpha Mid beta") << "largest first, equal sizes as scanned";
    view.setOrder(CategoryItemsView::ByName);
    EXPECT_EQ(names(), "alpha beta Mid Zeta") << "by name, whatever the case";
    view.setOrder(CategoryItemsView::ByDate);
    EXPECT_EQ(names(), "Mid Zeta beta alpha") << "newest first, the undated last";

    QSignalSpy count(&view, &CategoryItemsView::countChanged);
    view.setSearchText(QStringLiteral("CONFIG"));
    EXPECT_EQ(names(), "beta") << "the place counts, not only the name";
    EXPECT_GE(count.count(), 1);
    view.setSearchText(QStringLiteral("  mid  "));
    EXPECT_EQ(names(), "Mid") << "spaces around a search are not part of it";
    view.setSearchText(QString());

    view.setOrder(CategoryItemsView::BySize);
    model.setItems({dated("/h/.cache/alpha", 20, -1), dated("/h/.cache/new", 50, 0), dated("/h/.cache/Mid", 20, 1)});
    EXPECT_EQ(names(), "new alpha Mid") << "a rescan is sorted as it arrives";
    view.setSearchText(QStringLiteral("nothing like it"));
    EXPECT_EQ(view.count(), 0);
}

} // namespace
