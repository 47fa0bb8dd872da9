// The rows of the skipped-items sheet: the cap, sizes that may be missing, and language switches.
#include "Localizer.h"
#include "QmlEnums.h"
#include "SkippedItemsModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QVariantMap>

#include <gtest/gtest.h>

using orvelane::Localizer;
using orvelane::SkippedItem;
using orvelane::SkippedItemsModel;
using orvelane::SkipReason;
using Role = SkippedItemsModel::Role;

namespace {

QVariantList entries(int count)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list << QVariantMap{{"name", QStringLiteral("item %1").arg(i)},
                            {"url", QStringLiteral("file:///home/u/Library/Caches/%1").arg(i)},
                            {"size", 1000 * (count - i)},
                            {"reason", "belowSizeThreshold"}};
    return list;
}

QVariant roleAt(const SkippedItemsModel& model, int row, Role role)
{
    return model.data(model.index(row), static_cast<int>(role));
}

class SkippedItemsModelTest : public ::testing::Test
{
protected:
    void SetUp() override { Localizer::shared().setLanguage(Localizer::Language::en); }
    void TearDown() override { Localizer::shared().setLanguage(Localizer::Language::en); }

    SkippedItemsModel model_;
    QAbstractItemModelTester tester_{&model_, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(SkippedItemsModelTest, ListsAtMostTheFirstThreeHundredInOrder)
{
    for (const int count : {0, 1, 299, 300, 301, 1000}) {
        model_.setEntries(entries(count));
        EXPECT_EQ(model_.totalCount(), count);
        EXPECT_EQ(model_.rowCount(), std::min(count, 300)) << count;
        EXPECT_EQ(model_.capped(), count > 300) << count;
        if (count > 0) {
            EXPECT_EQ(roleAt(model_, 0, Role::name).toString(), QStringLiteral("item 0"));
            const int last = model_.rowCount() - 1;
            EXPECT_EQ(roleAt(model_, last, Role::name).toString(), QStringLiteral("item %1").arg(last));
        }
    }
}

TEST_F(SkippedItemsModelTest, ReplacingTheEntriesAnnouncesTheNewCount)
{
    QSignalSpy changed(&model_, &SkippedItemsModel::entriesChanged);
    QSignalSpy reset(&model_, &SkippedItemsModel::modelReset);
    model_.setEntries(entries(301));
    model_.setEntries(entries(2));
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(reset.count(), 2);
    EXPECT_FALSE(model_.capped());
    EXPECT_EQ(model_.rowCount(), 2);
}

TEST_F(SkippedItemsModelTest, ASizeIsShownOnlyWhenKnown)
{
    QVariantList list;
    list << QVariantMap{{"name", "unknown"}, {"path", "/home/u/a"}, {"reason", "emptyOrInaccessible"}}
         << QVariantMap{{"name", "null"}, {"path", "/home/u/b"}, {"size", QVariant::fromValue(nullptr)}, {"reason", "emptyOrInaccessible"}}
         << QVariantMap{{"name", "minus one"}, {"path", "/home/u/c"}, {"size", -1}, {"reason", "emptyOrInaccessible"}}
         << QVariantMap{{"name", "zero"}, {"path", "/home/u/d"}, {"size", 0}, {"reason", "belowSizeThreshold"}}
         << QVariantMap{{"name", "measured"}, {"path", "/home/u/e"}, {"size", 48000.0}, {"reason", "belowSizeThreshold"}};
    model_.setEntries(list);
    for (int row = 0; row < 3; ++row) {
        EXPECT_FALSE(roleAt(model_, row, Role::hasSize).toBool()) << row;
        EXPECT_EQ(roleAt(model_, row, Role::sizeText).toString(), QString()) << row;
    }
    EXPECT_TRUE(roleAt(model_, 3, Role::hasSize).toBool()) << "a measured zero is still a size";
    EXPECT_FALSE(roleAt(model_, 3, Role::sizeText).toString().isEmpty());
    EXPECT_EQ(roleAt(model_, 4, Role::sizeText).toString(), QStringLiteral("48 kB"));
    EXPECT_EQ(roleAt(model_, 0, Role::url).toString(), QStringLiteral("/home/u/a"));
}

TEST_F(SkippedItemsModelTest, ScannerRecordsKeepTheirOrderAndMissingSizes)
{
    model_.setSkippedItems({
        SkippedItem{"/home/u/Library/Caches/big", "big", 900000, SkipReason::belowSizeThreshold},
        SkippedItem{"/home/u/Library/Caches/empty", "empty", std::nullopt, SkipReason::emptyOrInaccessible},
    });
    ASSERT_EQ(model_.rowCount(), 2);
    EXPECT_EQ(roleAt(model_, 0, Role::name).toString(), QStringLiteral("big"));
    EXPECT_EQ(roleAt(model_, 0, Role::sizeText).toString(), QStringLiteral("900 kB"));
    EXPECT_EQ(roleAt(model_, 0, Role::explanation).toString(), QStringLiteral("Below the display threshold"));
    EXPECT_EQ(roleAt(model_, 0, Role::url).toString(), QStringLiteral("file:///home/u/Library/Caches/big"));
    EXPECT_FALSE(roleAt(model_, 1, Role::hasSize).toBool());
    EXPECT_EQ(roleAt(model_, 1, Role::explanation).toString(), QStringLiteral("Empty or inaccessible"));
}

TEST_F(SkippedItemsModelTest, ExplanationsAndSizesFollowALanguageSwitch)
{
    QVariantList list;
    list << QVariantMap{{"name", "x"}, {"path", "/home/u/x"}, {"size", 1500000}, {"reason", "belowSizeThreshold"}};
    model_.setEntries(list);
    EXPECT_EQ(roleAt(model_, 0, Role::sizeText).toString(), QStringLiteral("1.5 MB"));
    QSignalSpy changed(&model_, &SkippedItemsModel::dataChanged);
    Localizer::shared().setLanguage(Localizer::Language::tr);
    ASSERT_GE(changed.count(), 1);
    const auto roles = changed.last().at(2).value<QList<int>>();
    EXPECT_TRUE(roles.contains(int(Role::explanation)));
    EXPECT_TRUE(roles.contains(int(Role::sizeText)));
    EXPECT_EQ(roleAt(model_, 0, Role::explanation).toString(), QStringLiteral("Görüntüleme eşiğinin altında"));
    EXPECT_EQ(roleAt(model_, 0, Role::sizeText).toString(), QStringLiteral("1,5 MB"));
    EXPECT_EQ(roleAt(model_, 0, Role::name).toString(), QStringLiteral("x")) << "names are never translated";
}

TEST_F(SkippedItemsModelTest, AnEntryBelowItsCategorysThresholdNamesItAndAReasonCanBeListedAlone)
{
    QVariantList list;
    list << QVariantMap{{"name", "x"}, {"path", "/home/u/x"}, {"size", 1500000}, {"reason", "belowSizeThreshold"}}
         << QVariantMap{{"name", "y"}, {"path", "/home/u/y"}, {"reason", "emptyOrInaccessible"}};
    model_.setEntries(list);
    model_.setKind(orvelane::qml::Category::Downloads);
    EXPECT_EQ(roleAt(model_, 0, Role::explanation).toString(), QStringLiteral("Below the display threshold of 10.5 MB"));
    EXPECT_EQ(roleAt(model_, 1, Role::explanation).toString(), QStringLiteral("Empty or inaccessible"));
    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_EQ(roleAt(model_, 0, Role::explanation).toString(), QStringLiteral("10,5 MB görüntüleme eşiğinin altında"));
    model_.setOnlyReason(QStringLiteral("belowSizeThreshold"));
    ASSERT_EQ(model_.rowCount(), 1);
    EXPECT_EQ(roleAt(model_, 0, Role::name).toString(), QStringLiteral("x"));
}

} // namespace
