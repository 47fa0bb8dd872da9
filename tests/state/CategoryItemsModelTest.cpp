#include "CategoryItemsModel.h"
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

} // namespace
