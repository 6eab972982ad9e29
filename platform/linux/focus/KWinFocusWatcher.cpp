#include "KWinFocusWatcher.h"

#include "KWinFocusScript.h"
#include "../pointer/SessionBus.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDeadlineTimer>
#include <QDir>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

namespace platform {

namespace {

const char kKWinService[] = "org.kde.KWin";
const char kScriptingPath[] = "/Scripting";
const char kScriptingInterface[] = "org.kde.kwin.Scripting";
const char kScriptInterface[] = "org.kde.kwin.Script";
// The desktop and panels are KWin windows of Plasma's shell.
const char *const kShellIds[] = {"plasmashell", "org.kde.plasmashell"};

// KWin removes an unloaded script later; until then a new one can get the
// old one's object path.
constexpr int kUnloadWaitMs = 1000;

QDBusMessage callKWin(const QDBusConnection &bus, const QString &path, const char *interface, const char *method,
                      const QVariantList &args, int timeoutMs = kDesktopCallTimeoutMs)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kKWinService), path,
                                                       QLatin1String(interface), QLatin1String(method));
    call.setArguments(args);
    return bus.call(call, QDBus::Block, timeoutMs);
}

void unload(const QDBusConnection &bus, const QString &script)
{
    const QLatin1String scripting(kScriptingPath);
    callKWin(bus, scripting, kScriptingInterface, "unloadScript", {script});
    const QDeadlineTimer deadline(kUnloadWaitMs);
    for (;;) {
        const QDBusReply<bool> loaded = callKWin(bus, scripting, kScriptingInterface, "isScriptLoaded", {script},
                                                 int(std::max<qint64>(1, deadline.remainingTime())));
        if (!loaded.isValid() || !loaded.value() || deadline.hasExpired())
            return;
        QThread::msleep(10);
    }
}

} // namespace

KWinFocusWatcher::KWinFocusWatcher(QDBusConnection bus) : m_bus(std::move(bus)) {}

KWinFocusWatcher::~KWinFocusWatcher()
{
    stop();
}

QString KWinFocusWatcher::scriptName() const
{
    return QStringLiteral("mouse-utility-focus-%1").arg(QCoreApplication::applicationPid());
}

bool KWinFocusWatcher::fail(StatusText why)
{
    stop();
    m_status = std::move(why);
    return false;
}

// The script objects KWin shows now: /Scripting/Script<id> on Plasma 6,
// /<id> on Plasma 5.
QStringList KWinFocusWatcher::scriptPaths() const
{
    QStringList paths;
    const auto numbered = [&](const QString &parent, const QString &prefix) {
        const QDBusMessage xml = callKWin(m_bus, parent, "org.freedesktop.DBus.Introspectable", "Introspect", {});
        const QRegularExpression node(QStringLiteral("<node name=\"%1([0-9]+)\"").arg(prefix));
        for (auto it = node.globalMatch(xml.arguments().value(0).toString()); it.hasNext();)
            paths << parent + (parent.endsWith('/') ? "" : "/") + prefix + it.next().captured(1);
    };
    numbered(QStringLiteral("/Scripting"), QStringLiteral("Script"));
    numbered(QStringLiteral("/"), QString());
    return paths;
}

bool KWinFocusWatcher::start(Callback onFocus)
{
    stop();
    if (!m_bus.isConnected())
        return fail(focusStatus(FocusText::NoSessionBus));
    if (!m_bus.interface()->isServiceRegistered(QLatin1String(kKWinService)).value())
        return fail(focusStatus(FocusText::NoKWin));

    auto report = [onFocus = std::move(onFocus)](FocusEvent event) {
        for (const char *shell : kShellIds)
            event.shell = event.shell || event.appId == shell;
        onFocus(event);
    };
    m_receiver = std::make_unique<FocusReceiver>(m_bus, QLatin1String(kKWinService), name(), report);
    if (!m_receiver->attach())
        return fail(focusStatus(FocusText::AlreadyFollowedHere));

    m_script = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/mouse-utility-kwin-XXXXXX.js"));
    const QByteArray text = kwinFocusScript(m_bus.baseService()).toUtf8();
    if (text.isEmpty() || !m_script->open() || m_script->write(text) != text.size() || !m_script->flush())
        return fail(focusStatus(FocusText::KWinScriptUnwritable));

    if (!load())
        return fail(m_status);
    // A KWin that starts again (a crash, --replace) has lost the script.
    m_restarts = std::make_unique<QDBusServiceWatcher>(QLatin1String(kKWinService), m_bus,
                                                       QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(m_restarts.get(), &QDBusServiceWatcher::serviceRegistered, m_receiver.get(), [this] {
        m_loaded = false;
        load();
    });
    return true;
}

bool KWinFocusWatcher::load()
{
    // A script left by an earlier process with this id goes first.
    unload(m_bus, scriptName());
    const QStringList before = scriptPaths();
    const QDBusReply<int> id = callKWin(m_bus, QLatin1String(kScriptingPath), kScriptingInterface, "loadScript",
                                        {m_script->fileName(), scriptName()});
    if (!id.isValid() || id.value() < 0) {
        m_status = focusStatus(FocusText::KWinScriptNotLoaded);
        return false;
    }
    m_loaded = true;
    // KWin numbers a new script by the count of loaded ones, so after an
    // unload its number can be that of a script loaded later, whose object
    // keeps the path. Then the one way to run it is to start every loaded
    // script that is not running yet.
    QDBusMessage run;
    const QString plasma6 = QStringLiteral("/Scripting/Script%1").arg(id.value());
    const QString path = scriptPaths().contains(plasma6) ? plasma6 : QStringLiteral("/%1").arg(id.value());
    if (before.contains(path))
        run = callKWin(m_bus, QLatin1String(kScriptingPath), kScriptingInterface, "start", {});
    else
        run = callKWin(m_bus, path, kScriptInterface, "run", {});
    const bool ran = run.type() == QDBusMessage::ReplyMessage;
    m_status = focusStatus(ran ? FocusText::KWinFollowing : FocusText::KWinScriptNotRun);
    return ran;
}

void KWinFocusWatcher::stop()
{
    if (m_loaded)
        unload(m_bus, scriptName());
    m_loaded = false;
    m_restarts.reset();
    m_receiver.reset();
    m_script.reset();
}

} // namespace platform
