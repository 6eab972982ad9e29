// The GNOME watcher against a real headless GNOME Shell with the program's
// extension installed where the package puts it (a data folder of the shell);
// the profile switches it brings about, with the program's window offscreen.

#include "FocusSequences.h"
#include "focus/GnomeFocusWatcher.h"

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

    // X11 windows keep the case of their class.
    void x11Window()
    {
        platform::GnomeFocusWatcher watcher(platform::sessionBus());
        QVERIFY(watcher.start(m_desktop->recorder()));
        QVERIFY(m_desktop->open("MixedCase", "X one", true));
        QCOMPARE(m_desktop->next(), QString("MixedCase|X one|gnome"));
        m_desktop->close("X one");
    }

    // The extension reports the focused window again when the program's name reappears on the bus.
    void followsTheFocusedWindow()
    {
        platform::GnomeFocusWatcher watcher(platform::sessionBus());
        checkFocusSequences(*m_desktop, watcher, [] {});
    }

    void switchesTheMouse() { checkProfileSwitches(*m_desktop, "gnome"); }
};

QTEST_MAIN(TestFocusGnome)
#include "tst_focus_gnome.moc"
