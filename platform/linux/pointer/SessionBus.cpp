#include "SessionBus.h"

namespace platform {

QDBusConnection sessionBus()
{
    // libdbus reads the session address only once per process, so the
    // address is passed on itself.
    const QString address = QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS"));
    if (address.isEmpty())
        return QDBusConnection::sessionBus();
    return QDBusConnection::connectToBus(address, QStringLiteral("mouse-utility-pointer ") + address);
}

} // namespace platform
