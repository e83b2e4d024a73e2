#include <QDBusMessage>

#include "platform/services/qt/qt_services.h"

namespace platform {

DBusHostRenamer::DBusHostRenamer(const QDBusConnection& bus) : bus_(bus) {}

bool DBusHostRenamer::setComputerName(const QString& name)
{
    // hostnamed takes an empty name as "forget the name"; a rename with
    // nothing typed is refused here, as the system refuses an empty name
    // elsewhere.
    if (name.isEmpty()) return false;
    if (!bus_) bus_ = QDBusConnection::systemBus();
    if (!bus_->isConnected()) return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.hostname1"), QStringLiteral("/org/freedesktop/hostname1"),
        QStringLiteral("org.freedesktop.hostname1"), QStringLiteral("SetStaticHostname"));
    call << name << true; // interactive: polkit may ask the user for a password
    call.setInteractiveAuthorizationAllowed(true);
    // Long enough for the user to answer the authorisation prompt; the
    // program's windows keep painting meanwhile.
    const QDBusMessage reply = bus_->call(call, QDBus::BlockWithGui, 120000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace platform
