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

bool GnomeFocusWatcher::fail(StatusText why)
{
    stop();
    m_status = std::move(why);
    return false;
}

StatusText GnomeFocusWatcher::extensionProblem() const
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kShellService), QStringLiteral("/org/gnome/Shell"),
                                                       QStringLiteral("org.gnome.Shell.Extensions"),
                                                       QStringLiteral("GetExtensionInfo"));
    call << QString::fromLatin1(kGnomeFocusExtension);
    const QDBusReply<QVariantMap> info = m_bus.call(call, QDBus::Block, kDesktopCallTimeoutMs);
    if (!info.isValid())
        return focusStatus(FocusText::NoGnomeShell);
    const std::string uuid = kGnomeFocusExtension;
    if (info.value().isEmpty())
        return focusStatus(FocusText::GnomeExtensionMissing, {uuid});
    if (info.value().value(QStringLiteral("state")).toInt() != kExtensionEnabled)
        return focusStatus(FocusText::GnomeExtensionOff, {uuid});
    return {};
}

bool GnomeFocusWatcher::start(Callback onFocus)
{
    stop();
    if (!m_bus.isConnected())
        return fail(focusStatus(FocusText::NoSessionBus));
    StatusText problem = extensionProblem();
    if (problem.key)
        return fail(std::move(problem));
    m_receiver = std::make_unique<FocusReceiver>(m_bus, QLatin1String(kShellService), name(), std::move(onFocus));
    if (!m_receiver->attach())
        return fail(focusStatus(FocusText::AlreadyFollowedHere));
    // The extension calls this name, and reports the focused window when it appears.
    m_ownsName = m_bus.interface()->registerService(QLatin1String(kFocusService), QDBusConnectionInterface::DontQueueService,
                                                    QDBusConnectionInterface::DontAllowReplacement).value()
                 == QDBusConnectionInterface::ServiceRegistered;
    if (!m_ownsName)
        return fail(focusStatus(FocusText::FollowedByAnotherCopy));
    m_status = focusStatus(FocusText::GnomeFollowing);
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
