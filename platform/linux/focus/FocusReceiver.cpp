#include "FocusReceiver.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <algorithm>

namespace platform {

namespace {

// Enough for a burst of Alt+Tab presses; then ten calls a second.
constexpr int kCallBurst = 20;
constexpr qint64 kCallIntervalMs = 100;

} // namespace

FocusReceiver::FocusReceiver(QDBusConnection bus, QString desktopName, std::string source,
                             FocusWatcher::Callback onFocus)
    : m_bus(std::move(bus)), m_desktopName(std::move(desktopName)), m_source(std::move(source)),
      m_onFocus(std::move(onFocus)), m_rate(kCallBurst, kCallIntervalMs)
{
    m_clock.start();
    m_release.setSingleShot(true);
    connect(&m_release, &QTimer::timeout, this, &FocusReceiver::deliver);
}

FocusReceiver::~FocusReceiver()
{
    detach();
}

bool FocusReceiver::attach()
{
    if (!m_attached)
        m_attached = m_bus.registerObject(QString::fromLatin1(kFocusPath), this, QDBusConnection::ExportAllSlots);
    return m_attached;
}

void FocusReceiver::detach()
{
    if (m_attached)
        m_bus.unregisterObject(QString::fromLatin1(kFocusPath));
    m_attached = false;
    m_release.stop();
    m_waiting.reset();
}

bool FocusReceiver::fromDesktop(const QString &sender)
{
    if (sender.isEmpty())
        return false;
    if (sender == m_desktopOwner)
        return true;
    // The desktop restarted, or this is the first call: ask the bus once.
    m_desktopOwner = m_bus.interface()->serviceOwner(m_desktopName).value();
    return sender == m_desktopOwner;
}

void FocusReceiver::FocusChanged1(const QString &appId, const QString &title)
{
    if (!calledFromDBus() || !fromDesktop(message().service()))
        return;
    std::optional<FocusEvent> event = focusEventFromCall(appId, title);
    if (!event)
        return;
    event->source = m_source;
    m_waiting = std::move(event);
    if (!m_release.isActive())
        deliver();
}

void FocusReceiver::deliver()
{
    if (!m_waiting)
        return;
    const qint64 now = m_clock.elapsed();
    if (!m_rate.take(now)) {
        m_release.start(int(std::max<qint64>(1, m_rate.wait(now))));
        return;
    }
    const FocusEvent event = std::move(*m_waiting);
    m_waiting.reset();
    m_onFocus(event);
}

} // namespace platform
