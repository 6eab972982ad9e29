#include "DesktopNotification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace platform {
namespace {

const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";
const char kInterface[] = "org.freedesktop.Notifications";
const char kAppName[] = "mouse-utility";
// A service that answers nothing must not leave calls piling up.
constexpr int kCallTimeoutMs = 5000;

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace

bool sendDesktopNotification(const std::string &title, const std::string &text, int timeoutMs,
                             const NotificationFailed &failed)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (failed)
            failed("no session bus: " + bus.lastError().message().toStdString());
        return true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                       QString::fromLatin1(kInterface), QStringLiteral("Notify"));
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout)
    call << QString::fromLatin1(kAppName) << 0u << QString() << fromUtf8(title) << fromUtf8(text) << QStringList()
         << QVariantMap() << timeoutMs;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kCallTimeoutMs), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [failed](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError() && failed)
            failed(reply.error().message().toStdString());
        w->deleteLater();
    });
    return true;
}

} // namespace platform
