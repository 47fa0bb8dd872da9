// The version line of the settings window, with and without the application's metadata.
#include "ApplicationVersion.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using orvelane::ApplicationVersion;

namespace {

TEST(ApplicationVersion, QuestionMarksStandInForMissingPieces)
{
    EXPECT_EQ(ApplicationVersion::text(QStringLiteral("1.2"), QStringLiteral("7")), QStringLiteral("1.2 (7)"));
    EXPECT_EQ(ApplicationVersion::text(QVariant(), QVariant()), QStringLiteral("? (?)"));
    EXPECT_EQ(ApplicationVersion::text(QStringLiteral("1.0"), QVariant()), QStringLiteral("1.0 (?)"));
    EXPECT_EQ(ApplicationVersion::text(QVariant(), QStringLiteral("42")), QStringLiteral("? (42)"));
    // Only text counts as metadata: a number or an empty string is as good as missing.
    EXPECT_EQ(ApplicationVersion::text(QStringLiteral("1.0"), 7), QStringLiteral("1.0 (?)"));
    EXPECT_EQ(ApplicationVersion::text(QString(), QStringLiteral("")), QStringLiteral("? (?)"));
}

TEST(ApplicationVersion, ReadsTheRunningApplicationsMetadata)
{
    QCoreApplication::setApplicationVersion(QString());
    qApp->setProperty(ApplicationVersion::kBuildNumberProperty, QVariant());
    EXPECT_EQ(ApplicationVersion::text(), QStringLiteral("? (?)"));

    ApplicationVersion::setMetadata(QStringLiteral("0.1.0"), QStringLiteral("15"));
    EXPECT_EQ(ApplicationVersion::text(), QStringLiteral("0.1.0 (15)"));

    qApp->setProperty(ApplicationVersion::kBuildNumberProperty, QVariant());
    EXPECT_EQ(ApplicationVersion::text(), QStringLiteral("0.1.0 (?)"));
    QCoreApplication::setApplicationVersion(QString());
}

} // namespace
