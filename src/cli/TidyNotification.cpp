#include "TidyNotification.h"

#include "Logger.h"
#include "ReportTexts.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace orvelane::cli {

void notifyTidyDone(std::int64_t trashed, std::int64_t deleted)
{
    const std::string body = ReportTexts::tidyDone(trashed, deleted);
    if (body.empty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        Logger::debug("Tidy notice not shown: no session bus");
        return;
    }
    QDBusMessage notify = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    notify << QStringLiteral("Orvelane") << 0u << QStringLiteral("org.orvelane.Orvelane")
           << QString::fromStdString(ReportTexts::tidyTitle()) << QString::fromStdString(body) << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.orvelane.Orvelane")}} << -1;
    // A desktop without a notification service answers with an error at once; one that hangs
    // must not keep the timer's run alive.
    const QDBusMessage reply = bus.call(notify, QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ErrorMessage)
        Logger::debug("Tidy notice not shown: " + reply.errorMessage().toStdString());
}

} // namespace orvelane::cli
