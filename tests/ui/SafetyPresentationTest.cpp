// Edge cases of what the safety badge and the item explanation show (the views' own tests
// cover the everyday levels and hints).
#include "ItemExplanation.h"
#include "Localizer.h"
#include "QmlEnums.h"
#include "SafetyLevelStyle.h"

#include <QDateTime>
#include <QLocale>
#include <QSignalSpy>

#include <gtest/gtest.h>

using orvelane::ItemExplanation;
using orvelane::Localizer;
using orvelane::SafetyLevelStyle;

namespace {

class SafetyPresentation : public ::testing::Test
{
protected:
    void SetUp() override { Localizer::shared().setLanguage(Localizer::Language::en); }
    void TearDown() override { Localizer::shared().setLanguage(Localizer::Language::en); }
};

TEST_F(SafetyPresentation, AValueThatNamesNoLevelHasNoTitleAndIsGrey)
{
    SafetyLevelStyle style;
    style.setLevel(orvelane::qml::Safety::Protected + 1);
    EXPECT_EQ(style.title(), QString());
    EXPECT_EQ(style.color(), QColor(142, 142, 147));
    style.setLevel(orvelane::qml::Safety::Protected);
    EXPECT_EQ(style.title(), QStringLiteral("Protected"));
}

TEST_F(SafetyPresentation, BadgeTitleAnnouncesALanguageSwitch)
{
    SafetyLevelStyle style;
    style.setLevel(orvelane::qml::Safety::Safe);
    QSignalSpy titles(&style, &SafetyLevelStyle::titleChanged);
    QSignalSpy levels(&style, &SafetyLevelStyle::levelChanged);
    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_EQ(titles.count(), 1);
    EXPECT_EQ(levels.count(), 0);
    style.setLevel(orvelane::qml::Safety::Safe);
    EXPECT_EQ(levels.count(), 0) << "an equal value notifies nobody";
}

TEST_F(SafetyPresentation, MissingHintOrDateLeavesItsLineEmpty)
{
    ItemExplanation item;
    item.setKind(orvelane::qml::Category::DevArtifacts);
    item.setSafetyReason(QStringLiteral("requiresRebuild"));
    EXPECT_EQ(item.hintText(), QString());
    EXPECT_EQ(item.modifiedText(), QString());
    item.setModified(QVariant::fromValue(nullptr)); // QML null
    EXPECT_EQ(item.modifiedText(), QString());
    item.setModified(QDateTime()); // an invalid date is no date
    EXPECT_EQ(item.modifiedText(), QString());
    item.setActionHint(QStringLiteral("cargo build"));
    item.resetActionHint(); // QML undefined
    EXPECT_EQ(item.hintText(), QString());
}

TEST_F(SafetyPresentation, DateIsWrittenInTheChosenLanguage)
{
    ItemExplanation item;
    QSignalSpy texts(&item, &ItemExplanation::textsChanged);
    const QDateTime modified(QDate(2024, 3, 9), QTime(23, 30));
    item.setModified(modified);
    Localizer::shared().setLanguage(Localizer::Language::en);
    EXPECT_EQ(item.modifiedText(), QStringLiteral("Last modified: 3/9/24"));
    EXPECT_FALSE(item.modifiedText().contains(QStringLiteral("23:30"))) << "no time of day";

    // Switched while shown: the words and the date's form change together, at once.
    const qsizetype before = texts.count();
    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_GT(texts.count(), before);
    EXPECT_EQ(item.modifiedText(), QStringLiteral("Son değişiklik: 9.03.2024"));

    item.setDeleted(QDate(2023, 12, 1));
    EXPECT_TRUE(item.modifiedText().endsWith(QStringLiteral("1.12.2023"))) << item.modifiedText().toStdString();

    // The system's choice follows the system's locale.
    Localizer::shared().setLanguage(Localizer::Language::system);
    EXPECT_TRUE(item.modifiedText().endsWith(QLocale::system().toString(QDate(2023, 12, 1), QLocale::ShortFormat)));
}

TEST_F(SafetyPresentation, ReasonIsExplainedInTheChosenLanguage)
{
    ItemExplanation item;
    QSignalSpy texts(&item, &ItemExplanation::textsChanged);
    item.setSafetyReason(QStringLiteral("permanentDeletion"));
    EXPECT_EQ(item.explanation(), QStringLiteral("Cleaning Trash deletes this permanently and cannot be undone."));
    EXPECT_EQ(texts.count(), 1);

    Localizer::shared().setLanguage(Localizer::Language::tr);
    EXPECT_EQ(texts.count(), 2) << "a language switch redraws the explanation";
    EXPECT_EQ(item.explanation(),
              QStringLiteral("Çöp Kutusu'nu temizlemek bunu kalıcı olarak siler ve bu işlem geri alınamaz."));

    // Words that are not a raw value are shown as they came.
    item.setSafetyReason(QStringLiteral("Already explained."));
    EXPECT_EQ(item.explanation(), QStringLiteral("Already explained."));
}

} // namespace
