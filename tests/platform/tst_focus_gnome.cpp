// The GNOME watcher against a real headless GNOME Shell with the program's
// extension installed where the package puts it (a data folder of the shell).

#include "FocusDesktop.h"
#include "focus/GnomeFocusWatcher.h"
#include "pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

class TestFocusGnome : public QObject
{
    Q_OBJECT

private:
    bool extensions(const char *method)
    {
        return QDBusReply<bool>(m_desktop->call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Extensions",
                                                method, {platform::kGnomeFocusExtension})).value();
    }

    std::unique_ptr<FocusDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("gnome-shell").isEmpty())
            QSKIP("gnome-shell is not installed (scripts/deps.sh installs it)");
        m_desktop = std::make_unique<FocusDesktop>();
        QVERIFY(m_desktop->startGnome(FOCUS_EXTENSION, TEST_EXTENSION));
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

        QVERIFY(m_desktop->open("AlphaApp", "Alpha one"));
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|gnome"));
        QVERIFY(m_desktop->open("beta", "Beta one"));
        QCOMPARE(m_desktop->next(), QString("beta|Beta one|gnome"));
        QVERIFY(m_desktop->activate("Alpha one"));
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|gnome"));

        m_desktop->retitle("Beta one", "Beta two");
        m_desktop->retitle("Alpha one", "Alpha two");
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha two|gnome"));
        QCOMPARE(m_desktop->next(300), QString());

        m_desktop->close("Alpha one");
        QCOMPARE(m_desktop->next(), QString("beta|Beta two|gnome"));
        m_desktop->close("Beta one");
        QCOMPARE(m_desktop->next(500), QString());
        QVERIFY(m_desktop->open("gamma", "Gamma"));
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
