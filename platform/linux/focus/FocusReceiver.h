#pragma once
// The object on the session bus that a desktop's script or extension calls
// with each focused window. Only calls from the current owner of the
// desktop's own bus name count; the rest are dropped where they enter.

#include "FocusCall.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace platform {

class FocusReceiver : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mouseutility.Focus")  // kFocusInterface

public:
    // `desktopName`: the well-known name the desktop owns ("org.kde.KWin");
    // `source`: the watcher's name put in each event.
    FocusReceiver(QDBusConnection bus, QString desktopName, std::string source, FocusWatcher::Callback onFocus);
    ~FocusReceiver() override;

    // Puts the object on the bus; false when another one is there already.
    bool attach();
    void detach();

public slots:
    Q_NOREPLY void FocusChanged1(const QString &appId, const QString &title);

private:
    bool fromDesktop(const QString &sender);
    void deliver();

    QDBusConnection m_bus;
    QString m_desktopName;
    QString m_desktopOwner;  // its unique name when last looked up
    std::string m_source;
    FocusWatcher::Callback m_onFocus;
    bool m_attached = false;
    // Calls beyond the rate wait here, the newest replacing the older, so the
    // last window the desktop named always arrives.
    CallRate m_rate;
    QElapsedTimer m_clock;
    std::optional<FocusEvent> m_waiting;
    QTimer m_release;
};

} // namespace platform
