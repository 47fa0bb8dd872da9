#include "DesktopServices.h"

#include "ItemKey.h"
#include "Logger.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDesktopServices>
#include <QUrl>

namespace orvelane::DesktopServices {

bool revealInFileManager(const std::filesystem::path& item)
{
#ifdef __APPLE__
    return QDesktopServices::openUrl(QUrl(fileUriOf(item.parent_path())));
#else
    // The freedesktop file-manager interface selects the item itself; desktops without it still
    // get a window on the folder that holds it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
        call << QStringList{fileUriOf(item)} << QString();
        const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        Logger::debug("No file manager answered on the session bus: " + reply.errorMessage().toStdString());
    }
    // The desktop's opener (xdg-open) for the folder that holds it.
    return QDesktopServices::openUrl(QUrl(fileUriOf(item.parent_path())));
#endif
}

void openAccessSettings()
{
#ifdef __APPLE__
    const QUrl pane(QStringLiteral("x-apple.systempreferences:com.apple.preference.security?Privacy_AllFiles"));
    if (pane.isValid())
        QDesktopServices::openUrl(pane);
#else
    Logger::debug("No settings pane grants access to the Trash here: its folder's permissions do");
#endif
}

} // namespace orvelane::DesktopServices
