#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The version line of the settings window, from the application's version metadata.
 *
 * Two pieces of metadata: the short version (QCoreApplication::applicationVersion) and the
 * build number (the application object's "buildNumber" property). The text reads
 * "<short version> (<build number>)", with "?" for a piece that is missing or not a string.
 */
class ApplicationVersion : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString text READ text CONSTANT)

public:
    static constexpr const char* kBuildNumberProperty = "buildNumber";

    using QObject::QObject;

    /// Records both pieces on the running application; main() calls this before any window opens.
    static void setMetadata(const QString& shortVersion, const QString& buildNumber);

    /// The text for the running application.
    static QString text();
    /// The text for the given metadata values, each of which may be missing or of another type.
    static QString text(const QVariant& shortVersion, const QVariant& buildNumber);
};

} // namespace orvelane
