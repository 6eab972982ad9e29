#pragma once
// A desktop session for the pointer settings, made of what the real desktop
// reads: XDG_CURRENT_DESKTOP, the session type, a config folder of its own
// and, for Plasma, a private session bus with the KWin stand-in on it. The
// environment it replaced comes back when it ends.

#include "SavedEnvironment.h"

#include <QtTest>

class DesktopSession : SavedEnvironment
{
public:
    // desktop "": a plain X11 session. "GNOME": GSettings' keyfile back end
    // in the config folder.
    // desktop "KDE": a private bus, and the KWin stand-in unless `kwin` is
    // null (otherwise its option, or "").
    explicit DesktopSession(const QByteArray &desktop, const char *kwin = nullptr)
    {
        set("XDG_CURRENT_DESKTOP", desktop);
        set("XDG_SESSION_TYPE", desktop.isEmpty() ? "x11" : "wayland");
        set("WAYLAND_DISPLAY", "");
        set("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
        set("GSETTINGS_BACKEND", "keyfile");
        if (desktop != "KDE")
            return;
        m_bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        QVERIFY(m_bus.waitForReadyRead(10000));
        set("DBUS_SESSION_BUS_ADDRESS", m_bus.readLine().trimmed());
        if (!kwin)
            return;
        m_kwin.start(QCoreApplication::applicationDirPath() + "/fake_kwin", {qgetenv("DBUS_SESSION_BUS_ADDRESS"), kwin});
        QVERIFY(m_kwin.waitForReadyRead(10000) && m_kwin.readLine() == "ready\n");
    }
    ~DesktopSession()
    {
        for (QProcess *p : {&m_kwin, &m_bus})
            p->kill(), p->waitForFinished(5000);
    }

    QString path(const QString &name) const { return m_config.filePath(name); }
    QByteArray file(const QString &name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // What the KWin stand-in recorded since the last call, one line each,
    // once `expected` lines came (notifications arrive through the bus daemon).
    QStringList calls(int expected = 0)
    {
        QDeadlineTimer deadline(10000);
        do {
            m_kwin.waitForReadyRead(m_lines.size() < expected ? 100 : 10);
            m_lines += QString::fromUtf8(m_kwin.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        } while (m_lines.size() < expected && !deadline.hasExpired());
        return std::exchange(m_lines, {});
    }

private:
    QTemporaryDir m_config;
    QProcess m_bus, m_kwin;
    QStringList m_lines;
};
