#pragma once
// A real desktop for the focus watchers: a runtime folder and session bus of
// its own, the compositor started by the test, windows of chosen app ids
// (focus_window, beside the test), and the FocusEvents a watcher reports.
// The environment is the desktop's session as its programs see it; the one it
// replaced comes back when it ends.

#include "FocusWatcher.h"
#include "SavedEnvironment.h"

#include "pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QtTest>
#include <map>
#include <memory>

class FocusDesktop : public SavedEnvironment
{
public:
    FocusDesktop()
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        set("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        set("HOME", QFile::encodeName(m_dir.path()));
        set("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(m_dir.filePath("bus")));
        set("QT_QPA_PLATFORM", "");
        set("DISPLAY", "");
        spawn("dbus-daemon", {"--session", "--nofork", "--address=" + qgetenv("DBUS_SESSION_BUS_ADDRESS")});
        if (!waitFor([this] { return QFile::exists(m_dir.filePath("bus")); }))
            qWarning() << "no session bus";
    }
    ~FocusDesktop()
    {
        for (auto &[title, window] : m_windows)
            window->kill(), window->waitForFinished(2000);
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it)
            (*it)->terminate(), (*it)->waitForFinished(5000) || ((*it)->kill(), (*it)->waitForFinished(2000));
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // A process that lives as long as the desktop; its output goes to a log.
    QProcess *spawn(const QString &program, const QStringList &args, const QStringList &env = {})
    {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess *p = m_processes.back().get();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &pair : env)
            environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
        p->setProcessEnvironment(environment);
        p->setStandardOutputFile(path(QFileInfo(program).fileName() + ".log"), QIODevice::Append);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(program, args);
        if (!p->waitForStarted(10000))
            qWarning() << "could not start" << program;
        return p;
    }

    // KWin on a virtual output, Wayland display "wayland-k"; false when it is not installed or does not come up.
    bool startKWin()
    {
        const QString binary = QStandardPaths::findExecutable("kwin_wayland");
        // The installed binary carries a file capability this sandbox refuses; a copy has none.
        const QString copy = path("kwin_wayland");
        if (binary.isEmpty() || !QFile::copy(binary, copy))
            return false;
        // With XWayland for X11 windows, whose display KWin hands to the programs it starts.
        const QString display = path("x11-display");
        spawn(copy, {"--virtual", "--xwayland", "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities",
                     "--socket", "wayland-k", "--width", "1024", "--height", "768",
                     "sh -c 'echo $DISPLAY > " + display + "'"},
              {"KWIN_COMPOSE=Q"});
        m_display = "wayland-k";
        set("XDG_CURRENT_DESKTOP", "KDE");
        set("WAYLAND_DISPLAY", m_display);
        // Scripts can be loaded a little after the name appears.
        if (!waitFor([this] { return kwin("isScriptLoaded", {"none"}).type() == QDBusMessage::ReplyMessage; })
            || !waitFor([&] { return QFileInfo(display).size() > 0; }))
            return false;
        QFile file(display);
        file.open(QIODevice::ReadOnly);
        m_x11Display = file.readAll().trimmed();
        return true;
    }
    QDBusMessage kwin(const char *method, const QVariantList &args)
    {
        return call("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", method, args);
    }

    // GNOME Shell headless, Wayland display "wayland-g", with `extension`
    // installed system-wide (a data folder of its own) and the test helper
    // (`helper`: leaves the Overview, activates windows) for the user, both
    // enabled. False when it is not installed or does not come up.
    bool startGnome(const QString &extension, const QString &helper)
    {
        if (QStandardPaths::findExecutable("gnome-shell").isEmpty())
            return false;
        const QString extensions = "/gnome-shell/extensions/";
        const QString uuid = QFileInfo(extension).fileName();
        if (!copyTree(extension, path("share") + extensions + uuid)
            || !copyTree(helper, path(".local/share") + extensions + QFileInfo(helper).fileName()))
            return false;
        set("XDG_DATA_DIRS", QFile::encodeName(path("share")) + ":/usr/share");
        // The shell reads which extensions to run at start only.
        QProcess gsettings;
        gsettings.start("gsettings", {"set", "org.gnome.shell", "enabled-extensions",
                                      QString("['%1', '%2']").arg(uuid, QFileInfo(helper).fileName())});
        if (!gsettings.waitForFinished(10000) || gsettings.exitCode() != 0)
            return false;
        // The shell needs a system bus; this one stands in for it.
        const QString sysbus = path("sysbus");
        spawn("dbus-daemon", {"--session", "--nofork", "--address=unix:path=" + sysbus});
        if (!waitFor([&] { return QFile::exists(sysbus); }))
            return false;
        spawn("gnome-shell", {"--headless", "--wayland", "--virtual-monitor", "1280x800", "--wayland-display",
                              "wayland-g"},
              {"DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + sysbus, "XDG_SESSION_TYPE=wayland"});
        m_display = "wayland-g";
        set("XDG_CURRENT_DESKTOP", "GNOME");
        set("WAYLAND_DISPLAY", m_display);
        // Both extensions running (state 1).
        if (!waitFor([&] {
                return platform::sessionBus().interface()->isServiceRegistered("org.mouseutility.FocusTest").value()
                       && QDBusReply<QVariantMap>(call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Extensions",
                                                       "GetExtensionInfo", {uuid})).value().value("state") == 1;
            }, 30000))
            return false;
        // The program's own mouse settings stay in the process: dconf's bus
        // connection would end it (SIGTERM) when this desktop's bus goes.
        set("GSETTINGS_BACKEND", "memory");
        // XWayland's display, as the shell's log names it.
        QFile log(path("gnome-shell.log"));
        log.open(QIODevice::ReadOnly);
        static const QRegularExpression x11("Using public X11 display (:[0-9]+)");
        m_x11Display = x11.match(QString::fromUtf8(log.readAll())).captured(1).toUtf8();
        const QStringList cookie = QDir(path("")).entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden);
        m_xauthority = cookie.isEmpty() ? QString() : path(cookie.first());
        return !m_x11Display.isEmpty();
    }

    // The sway session the test runs in (tests/e2e/in_sway.sh); false outside one.
    bool joinSway()
    {
        // Its display is in the runtime folder this desktop replaced (first saved).
        m_display = firstReplaced() + "/" + qgetenv("WAYLAND_DISPLAY");
        return qEnvironmentVariableIsSet("SWAYSOCK") && QFileInfo::exists(m_display);
    }

    // Moves the focus to the window titled `title` as a user would: through
    // swaymsg, a one-shot KWin script, or the GNOME test helper.
    bool activate(const QString &title)
    {
        if (m_display.startsWith('/'))
            return QProcess::execute("swaymsg", {"-q", QString("[title=\"^%1$\"] focus").arg(title)}) == 0;
        if (m_display == "wayland-g")
            return QDBusReply<bool>(call("org.mouseutility.FocusTest", "/org/mouseutility/FocusTest",
                                         "org.mouseutility.FocusTest", "Activate", {title})).value();
        QFile script(path("activate.js"));
        if (!script.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        script.write("var l = workspace.clientList();\n"
                     "for (var i = 0; i < l.length; ++i) if (l[i].caption == '" + title.toUtf8()
                     + "') workspace.activeClient = l[i];\n");
        script.close();
        kwin("unloadScript", {"activate"});
        const QDBusReply<int> id = kwin("loadScript", {script.fileName(), "activate"});
        return id.isValid() && call("org.kde.KWin", QString("/%1").arg(id.value()).toUtf8(), "org.kde.kwin.Script",
                                    "run", {}).type() == QDBusMessage::ReplyMessage;
    }

    QDBusMessage call(const char *service, const QByteArray &path, const char *interface, const char *method,
                      const QVariantList &args)
    {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
        m.setArguments(args);
        return platform::sessionBus().call(m, QDBus::Block, 5000);
    }

    // A window of `appId` titled `title` on the desktop's display (its X11 display when `x11`); true once it is shown.
    bool open(const QString &appId, const QString &title, bool x11 = false)
    {
        auto window = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", x11 ? "xcb" : "wayland");
        env.insert("WAYLAND_DISPLAY", m_display);
        env.insert("DISPLAY", m_x11Display);
        env.insert("XAUTHORITY", m_xauthority);
        window->setProcessEnvironment(env);
        window->start(QCoreApplication::applicationDirPath() + "/focus_window", {appId, title});
        if (!window->waitForReadyRead(10000) || window->readLine() != "shown\n")
            return false;
        m_windows[title] = std::move(window);
        return true;
    }
    void retitle(const QString &title, const QString &to)
    {
        QProcess &w = *m_windows.at(title);
        w.write("title " + to.toUtf8() + "\n");
        w.waitForBytesWritten(2000);
    }
    void close(const QString &title)
    {
        QProcess &w = *m_windows.at(title);
        w.write("quit\n");
        w.waitForFinished(5000);
        m_windows.erase(title);
    }

    // Collects what a watcher reports.
    platform::FocusWatcher::Callback recorder()
    {
        return [this](const platform::FocusEvent &e) {
            m_events.push_back(e);
            m_wait.quit();
        };
    }
    // The next report within `ms`, as "appId|title|source", or "" when none.
    QString next(int ms = 5000)
    {
        if (m_events.empty()) {
            QTimer timeout;
            QObject::connect(&timeout, &QTimer::timeout, &m_wait, &QEventLoop::quit);
            timeout.start(ms);
            m_wait.exec();
        }
        if (m_events.empty())
            return {};
        const platform::FocusEvent e = m_events.front();
        m_events.erase(m_events.begin());
        return QString::fromStdString(e.appId + "|" + e.title + "|" + e.source);
    }

private:
    template<typename Ready>
    static bool waitFor(Ready ready, int ms = 15000)
    {
        QDeadlineTimer deadline(ms);
        while (!ready() && !deadline.hasExpired())
            QTest::qWait(50);
        return ready();
    }
    static bool copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files))
            if (!QFile::copy(f.filePath(), to + "/" + f.fileName()))
                return false;
        return true;
    }

    QTemporaryDir m_dir;
    QByteArray m_display, m_x11Display;
    QString m_xauthority;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::map<QString, std::unique_ptr<QProcess>> m_windows;
    std::vector<platform::FocusEvent> m_events;
    QEventLoop m_wait;
};
