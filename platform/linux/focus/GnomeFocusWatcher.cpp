#include "GnomeFocusWatcher.h"

#include "../pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace platform {

namespace {

const char kShellService[] = "org.gnome.Shell";
// GetExtensionInfo's "state" for an extension that runs.
constexpr int kExtensionEnabled = 1;

} // namespace

GnomeFocusWatcher::GnomeFocusWatcher(QDBusConnection bus) : m_bus(std::move(bus)) {}

GnomeFocusWatcher::~GnomeFocusWatcher()
{
    stop();
}

bool GnomeFocusWatcher::fail(const std::string &why)
{
    stop();
    m_status = why;
    return false;
}

std::string GnomeFocusWatcher::extensionProblem() const
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kShellService), QStringLiteral("/org/gnome/Shell"),
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QStringLiteral("GetExtensionInfo"));
    call << QString::fromLatin1(kGnomeFocusExtension);
    const QDBusReply<QVariantMap> info = m_bus.call(call, QDBus::Block, kDesktopCallTimeoutMs);
    if (!info.isValid())
        return "Per-application profiles need GNOME Shell, which does not answer on the session bus";
    const std::string uuid = kGnomeFocusExtension;
    if (info.value().isEmpty())
        return "Per-application profiles need the GNOME Shell extension " + uuid
               + ", which is not installed: install the program's package again, then log out and back in";
    if (info.value().value(QStringLiteral("state")).toInt() != kExtensionEnabled)
        return "Per-application profiles need the GNOME Shell extension " + uuid + ": turn it on with `gnome-extensions enable "
               + uuid + "` (a newly installed extension starts after logging out and back in)";
    return {};
}

bool GnomeFocusWatcher::start(Callback onFocus)
{
    stop();
    if (!m_bus.isConnected())
        return fail("Per-application profiles need the session bus, which is not reachable");
    const std::string problem = extensionProblem();
    if (!problem.empty())
        return fail(problem);
    m_receiver = std::make_unique<FocusReceiver>(m_bus, QLatin1String(kShellService), name(), std::move(onFocus));
    if (!m_receiver->attach())
        return fail("Per-application profiles are already being followed in this program");
    // The extension calls this name, and reports the focused window when it appears.
    m_ownsName = m_bus.interface()->registerService(QLatin1String(kFocusService), QDBusConnectionInterface::DontQueueService,
                                                    QDBusConnectionInterface::DontAllowReplacement).value()
                 == QDBusConnectionInterface::ServiceRegistered;
    if (!m_ownsName)
        return fail("Per-application profiles are already followed by another copy of the program");
    m_status = "Following the focused window through GNOME Shell";
    return true;
}

void GnomeFocusWatcher::stop()
{
    if (m_ownsName)
        m_bus.interface()->unregisterService(QLatin1String(kFocusService));
    m_ownsName = false;
    m_receiver.reset();
}

} // namespace platform
