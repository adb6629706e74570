#include "platform/notifications.h"

#include "platform/applikationsid.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace platform {

void postNotification(const QString& appName, const QString& title, const QString& body, const QString& soundFile)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("sound-file"), soundFile);
    hints.insert(QStringLiteral("desktop-entry"), applikationsId);
    call << appName << uint(0) << QString() << title << body << QStringList() << hints << int(-1);
    bus.call(call, QDBus::NoBlock);
}

}  // namespace platform
