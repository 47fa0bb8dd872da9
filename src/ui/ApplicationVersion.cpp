#include "ApplicationVersion.h"

#include <QCoreApplication>

namespace orvelane {
namespace {

QString pieceOrQuestionMark(const QVariant& value)
{
    if (value.typeId() != QMetaType::QString)
        return QStringLiteral("?");
    const QString text = value.toString();
    return text.isEmpty() ? QStringLiteral("?") : text;
}

} // namespace

void ApplicationVersion::setMetadata(const QString& shortVersion, const QString& buildNumber)
{
    QCoreApplication::setApplicationVersion(shortVersion);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->setProperty(kBuildNumberProperty, buildNumber);
}

QString ApplicationVersion::text()
{
    const QString shortVersion = QCoreApplication::applicationVersion();
    const QCoreApplication* app = QCoreApplication::instance();
    return text(shortVersion.isEmpty() ? QVariant() : QVariant(shortVersion),
                app ? app->property(kBuildNumberProperty) : QVariant());
}

QString ApplicationVersion::text(const QVariant& shortVersion, const QVariant& buildNumber)
{
    return QStringLiteral("%1 (%2)").arg(pieceOrQuestionMark(shortVersion), pieceOrQuestionMark(buildNumber));
}

} // namespace orvelane
