#include "GlobalShortcut.h"

#include "WindowCapture.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <memory>

// The desktop portal's global shortcuts: a session is created, the shortcut
// bound in it, and the portal signals its activation. Each request answers
// through a Response signal on a request object whose path the caller can
// predict from its unique bus name and a token of its own choice.

namespace {

const char kPortalService[] = "org.freedesktop.portal.Desktop";
const char kPortalPath[] = "/org/freedesktop/portal/desktop";
const char kShortcutsInterface[] = "org.freedesktop.portal.GlobalShortcuts";
const char kRequestInterface[] = "org.freedesktop.portal.Request";
const char kSessionInterface[] = "org.freedesktop.portal.Session";
const char kRequestPathPrefix[] = "/org/freedesktop/portal/desktop/request/";
const char kTokenPrefix[] = "mouse_utility";
// Response code 0: the request succeeded; 1: the user cancelled; 2: other.
constexpr uint kResponseSuccess = 0;

struct PortalShortcut {
    QString id;
    QVariantMap properties;
};

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

namespace platform {
namespace {

class PortalShortcutSession : public QObject
{
    Q_OBJECT
public:
    PortalShortcutSession(QString id, QString description, QString trigger, ShortcutHandlers handlers)
        : m_bus(QDBusConnection::sessionBus()), m_id(std::move(id)),
          m_description(std::move(description)), m_trigger(std::move(trigger)), m_handlers(std::move(handlers))
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
    }

    ~PortalShortcutSession() override
    {
        if (!m_session.isEmpty())
            m_bus.asyncCall(QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService), m_session,
                                                           QString::fromLatin1(kSessionInterface), QStringLiteral("Close")));
    }

    void start()
    {
        if (!m_bus.isConnected()) {
            fail(QStringLiteral("no session bus"));
            return;
        }
        m_bus.connect(QString::fromLatin1(kPortalService), QString::fromLatin1(kPortalPath),
                      QString::fromLatin1(kShortcutsInterface), QStringLiteral("Activated"), this,
                      SLOT(onActivated(QDBusMessage)));
        QVariantMap options;
        options.insert(QStringLiteral("handle_token"), expectResponse(SLOT(onSessionCreated(QDBusMessage))));
        options.insert(QStringLiteral("session_handle_token"), nextToken());
        call(QStringLiteral("CreateSession"), {options});
    }

private slots:
    void onSessionCreated(const QDBusMessage &response)
    {
        QVariantMap results;
        if (!succeeded(response, QStringLiteral("CreateSession"), results))
            return;
        const QVariant handle = results.value(QStringLiteral("session_handle"));
        m_session = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
        if (m_session.isEmpty()) {
            fail(QStringLiteral("CreateSession gave no session"));
            return;
        }
        PortalShortcut shortcut;
        shortcut.id = m_id;
        shortcut.properties.insert(QStringLiteral("description"), m_description);
        shortcut.properties.insert(QStringLiteral("preferred_trigger"), m_trigger);
        QVariantMap options;
        options.insert(QStringLiteral("handle_token"), expectResponse(SLOT(onBound(QDBusMessage))));
        call(QStringLiteral("BindShortcuts"),
             {QVariant::fromValue(QDBusObjectPath(m_session)), QVariant::fromValue(QList<PortalShortcut>{shortcut}),
              QString(), options});
    }

    void onBound(const QDBusMessage &response)
    {
        QVariantMap results;
        succeeded(response, QStringLiteral("BindShortcuts"), results);
    }

    void onActivated(const QDBusMessage &signal)
    {
        const QVariantList args = signal.arguments();
        if (args.size() < 2 || m_session.isEmpty())
            return;
        const QString session = args.at(0).value<QDBusObjectPath>().path();
        if (session == m_session && args.at(1).toString() == m_id && m_handlers.activated)
            m_handlers.activated();
    }

private:
    QString nextToken() { return QStringLiteral("%1_%2").arg(QLatin1String(kTokenPrefix)).arg(++m_tokens); }

    // Listens for the Response of the request that will carry the returned token.
    QString expectResponse(const char *slot)
    {
        const QString token = nextToken();
        QString sender = m_bus.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        m_bus.connect(QString::fromLatin1(kPortalService), QLatin1String(kRequestPathPrefix) + sender + QLatin1Char('/') + token,
                      QString::fromLatin1(kRequestInterface), QStringLiteral("Response"), this, slot);
        return token;
    }

    void call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(QString::fromLatin1(kPortalService), QString::fromLatin1(kPortalPath),
                                                              QString::fromLatin1(kShortcutsInterface), method);
        message.setArguments(arguments);
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, method](QDBusPendingCallWatcher *w) {
            const QDBusPendingReply<QDBusObjectPath> reply = *w;
            if (reply.isError())
                fail(method + QStringLiteral(": ") + reply.error().message());
            w->deleteLater();
        });
    }

    bool succeeded(const QDBusMessage &response, const QString &what, QVariantMap &results)
    {
        const QVariantList args = response.arguments();
        const uint code = args.isEmpty() ? ~0u : args.at(0).toUInt();
        if (code != kResponseSuccess) {
            fail(QStringLiteral("%1 answered %2").arg(what).arg(code));
            return false;
        }
        if (args.size() > 1)
            results = qdbus_cast<QVariantMap>(args.at(1));
        return true;
    }

    void fail(const QString &reason)
    {
        if (m_handlers.failed)
            m_handlers.failed(reason.toStdString());
    }

    QDBusConnection m_bus;
    QString m_id;
    QString m_description;
    QString m_trigger;
    ShortcutHandlers m_handlers;
    QString m_session;
    int m_tokens = 0;
};

std::unique_ptr<PortalShortcutSession> current;

} // namespace

bool registerGlobalShortcut(const std::string &id, const std::string &description, const std::string &trigger,
                            const ShortcutHandlers &handlers)
{
    unregisterGlobalShortcut();
    // Elsewhere (X11) the program's own capture sees the keys anywhere.
    if (!QCoreApplication::instance() || !windowCaptureOnly())
        return false;
    current = std::make_unique<PortalShortcutSession>(QString::fromStdString(id), QString::fromStdString(description),
                                                      QString::fromStdString(trigger), handlers);
    current->start();
    return true;
}

void unregisterGlobalShortcut()
{
    current.reset();
}

} // namespace platform

#include "GlobalShortcut.moc"
