#include "platform/notifications.h"

#include "platform/applikationsid.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace platform {

namespace {

const QString tjeneste = QStringLiteral("org.freedesktop.Notifications");

// Whether the notification service reads bodies as markup. It is asked once per service: a
// service that is started anew (another desktop) is asked again. No answer within a short while
// counts as plain text.
bool laeserMarkup(QDBusConnection& bus)
{
    static QString spurgt;
    static bool markup = false;
    const QString ejer = bus.interface()->serviceOwner(tjeneste).value();
    if (ejer == spurgt)
        return markup;
    spurgt = ejer;
    const QDBusMessage svar = bus.call(
        QDBusMessage::createMethodCall(tjeneste, QStringLiteral("/org/freedesktop/Notifications"), tjeneste,
                                       QStringLiteral("GetCapabilities")),
        QDBus::Block, 500);
    markup = svar.type() == QDBusMessage::ReplyMessage && !svar.arguments().isEmpty()
             && svar.arguments().constFirst().toStringList().contains(QStringLiteral("body-markup"));
    return markup;
}

// The text as markup shows it: "&", "<" and ">" as entities.
QString somMarkup(QString tekst)
{
    return tekst.replace(u'&', QStringLiteral("&amp;")).replace(u'<', QStringLiteral("&lt;")).replace(u'>', QStringLiteral("&gt;"));
}

}  // namespace

bool postNotification(const QString& appName, const QString& title, const QString& body, const QString& soundFile)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusConnectionInterface* busInfo = bus.interface();
    if (!busInfo->isServiceRegistered(tjeneste).value() && !busInfo->activatableServiceNames().value().contains(tjeneste))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(tjeneste, QStringLiteral("/org/freedesktop/Notifications"),
                                                       tjeneste, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("sound-file"), soundFile);
    hints.insert(QStringLiteral("desktop-entry"), applikationsId);
    call << appName << uint(0) << QString() << title << (laeserMarkup(bus) ? somMarkup(body) : body) << QStringList()
         << hints << int(-1);
    return bus.send(call);
}

}  // namespace platform
