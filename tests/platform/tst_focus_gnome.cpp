// The GNOME watcher against a real headless GNOME Shell with the program's
// extension installed where the package puts it (a data folder of the shell).

#include "FocusDesktop.h"
#include "focus/GnomeFocusWatcher.h"
#include "pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStandardPaths>

class TestFocusGnome : public QObject
{
    Q_OBJECT

private:
    QDBusMessage call(const char *service, const char *path, const char *interface, const char *method,
                      const QString &arg)
    {
        QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
        m << arg;
        return platform::sessionBus().call(m, QDBus::Block, 5000);
    }
    bool extensions(const char *method)
    {
        return QDBusReply<bool>(call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Extensions", method,
                                     platform::kGnomeFocusExtension)).value();
    }
    // Moves the focus as a user would, through the test helper extension.
    void activate(const QString &title)
    {
        QVERIFY(QDBusReply<bool>(call("org.mouseutility.FocusTest", "/org/mouseutility/FocusTest",
                                      "org.mouseutility.FocusTest", "Activate", title)).value());
    }
    static bool copyTree(const QString &from, const QString &to)
    {
        QDir().mkpath(to);
        for (const QFileInfo &f : QDir(from).entryInfoList(QDir::Files))
            if (!QFile::copy(f.filePath(), to + "/" + f.fileName()))
                return false;
        return true;
    }

    std::unique_ptr<FocusDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("gnome-shell").isEmpty())
            QSKIP("gnome-shell is not installed (scripts/deps.sh installs it)");
        m_desktop = std::make_unique<FocusDesktop>();
        const QString extensions = "/gnome-shell/extensions/";
        QVERIFY(copyTree(FOCUS_EXTENSION, m_desktop->path("share") + extensions + platform::kGnomeFocusExtension));
        QVERIFY(copyTree(TEST_EXTENSION, m_desktop->path(".local/share") + extensions + "gnome-test@mouseutility.org"));
        m_desktop->set("XDG_DATA_DIRS", QFile::encodeName(m_desktop->path("share")) + ":/usr/share");
        // The shell reads which extensions to run at start only.
        QProcess gsettings;
        gsettings.start("gsettings", {"set", "org.gnome.shell", "enabled-extensions",
                                      QString("['%1', 'gnome-test@mouseutility.org']").arg(platform::kGnomeFocusExtension)});
        QVERIFY(gsettings.waitForFinished(10000) && gsettings.exitCode() == 0);
        // The shell needs a system bus; this one stands in for it.
        const QString sysbus = m_desktop->path("sysbus");
        m_desktop->spawn("dbus-daemon", {"--session", "--nofork", "--address=unix:path=" + sysbus});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sysbus), 10000);
        m_desktop->spawn("gnome-shell", {"--headless", "--wayland", "--no-x11", "--virtual-monitor", "1280x800",
                                         "--wayland-display", "wayland-g"},
                         {"DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + sysbus, "XDG_SESSION_TYPE=wayland"});
        QTRY_VERIFY_WITH_TIMEOUT(
            platform::sessionBus().interface()->isServiceRegistered("org.mouseutility.FocusTest").value(), 30000);
    }
    void cleanupTestCase() { m_desktop.reset(); }

    // A disabled extension: the status says how to turn it on.
    void tellsHowToEnable()
    {
        QVERIFY(extensions("DisableExtension"));
        platform::GnomeFocusWatcher watcher(platform::sessionBus());
        QVERIFY(!watcher.start(m_desktop->recorder()));
        QVERIFY2(watcher.status().find("gnome-extensions enable focus@mouseutility.org") != std::string::npos,
                 watcher.status().c_str());
        QVERIFY(extensions("EnableExtension"));
        QTRY_VERIFY_WITH_TIMEOUT(watcher.start(m_desktop->recorder()), 5000);
    }

    // The sequences that break watchers, in one shell session.
    void followsTheFocusedWindow()
    {
        platform::GnomeFocusWatcher watcher(platform::sessionBus());
        QVERIFY(watcher.start(m_desktop->recorder()));
        QCOMPARE(m_desktop->next(300), QString());

        QVERIFY(m_desktop->open("AlphaApp", "Alpha one", "wayland-g"));
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|gnome"));
        QVERIFY(m_desktop->open("beta", "Beta one", "wayland-g"));
        QCOMPARE(m_desktop->next(), QString("beta|Beta one|gnome"));
        activate("Alpha one");
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|gnome"));

        m_desktop->retitle("Beta one", "Beta two");
        m_desktop->retitle("Alpha one", "Alpha two");
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha two|gnome"));
        QCOMPARE(m_desktop->next(300), QString());

        m_desktop->close("Alpha one");
        QCOMPARE(m_desktop->next(), QString("beta|Beta two|gnome"));
        m_desktop->close("Beta one");
        QCOMPARE(m_desktop->next(500), QString());
        QVERIFY(m_desktop->open("gamma", "Gamma", "wayland-g"));
        QCOMPARE(m_desktop->next(), QString("gamma|Gamma|gnome"));

        // Started after the window got the focus: the extension reports it
        // when the program's name appears.
        watcher.stop();
        QVERIFY(watcher.start(m_desktop->recorder()));
        QCOMPARE(m_desktop->next(), QString("gamma|Gamma|gnome"));
        m_desktop->close("Gamma");
    }
};

QTEST_GUILESS_MAIN(TestFocusGnome)
#include "tst_focus_gnome.moc"
