// The KWin watcher against a real kwin_wayland (Plasma 5) on a virtual
// output, and against a stand-in of Plasma 6's scripting; the profile
// switches it brings about, with the program's window offscreen.

#include "FocusSequences.h"
#include "focus/FocusCall.h"
#include "focus/KWinFocusScript.h"
#include "focus/KWinFocusWatcher.h"

class TestFocusKWin : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FocusDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("kwin_wayland").isEmpty())
            QSKIP("kwin_wayland is not installed (scripts/deps.sh installs it)");
        m_desktop = std::make_unique<FocusDesktop>();
        QVERIFY(m_desktop->startKWin());
    }
    void cleanupTestCase() { m_desktop.reset(); }

    void followsTheActiveWindow()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        // Stopping unloads the script.
        checkFocusSequences(*m_desktop, watcher, [&] {
            QCOMPARE(QDBusReply<bool>(m_desktop->kwin("isScriptLoaded", {watcher.scriptName()})).value(), false);
        });
    }

    void switchesTheMouse() { checkProfileSwitches(*m_desktop, "kwin"); }

    // KWin lower-cases the class of X11 windows.
    void x11Window()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        QVERIFY(watcher.start(m_desktop->recorder()));
        QVERIFY(m_desktop->open("MixedCase", "X one", true));
        QCOMPARE(m_desktop->next(), QString("mixedcase|X one|kwin"));
        m_desktop->close("X one");
    }

    // Only KWin may report; anyone else on the bus is ignored.
    void ignoresOtherCallers()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        QVERIFY(watcher.start(m_desktop->recorder()));
        QDBusConnection other = QDBusConnection::connectToBus(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "other");
        QDBusMessage call = QDBusMessage::createMethodCall(platform::sessionBus().baseService(), platform::kFocusPath,
                                                           platform::kFocusInterface, platform::kFocusMethod);
        call << QString("intruder") << QString("x");
        QVERIFY(other.send(call));
        QCOMPARE(m_desktop->next(300), QString());
        QDBusConnection::disconnectFromBus("other");
    }

    // Plasma 6's names and paths, against a stand-in of its scripting.
    void plasma6()
    {
        FocusDesktop plasma6;
        QProcess *kwin = plasma6.spawn(QCoreApplication::applicationDirPath() + "/fake_kwin_scripting", {});
        QTRY_VERIFY_WITH_TIMEOUT(platform::sessionBus().interface()->isServiceRegistered("org.kde.KWin").value(), 10000);
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        QVERIFY2(watcher.start(plasma6.recorder()), watcher.status().c_str());
        kwin->write("activate AlphaApp Alpha\nactivate\nactivate beta Beta\nrename Beta two\nactivate AlphaApp Alpha\n");
        QCOMPARE(plasma6.next(), QString("AlphaApp|Alpha|kwin"));
        QCOMPARE(plasma6.next(), QString("beta|Beta|kwin"));
        QCOMPARE(plasma6.next(), QString("beta|Beta two|kwin"));
        QCOMPARE(plasma6.next(), QString("AlphaApp|Alpha|kwin"));
        // KWin starts again: the script is loaded again.
        kwin->kill();
        kwin->waitForFinished(5000);
        kwin = plasma6.spawn(QCoreApplication::applicationDirPath() + "/fake_kwin_scripting", {});
        kwin->write("activate gamma Gamma\n");
        QCOMPARE(plasma6.next(), QString("gamma|Gamma|kwin"));
        watcher.stop();
        QCOMPARE(QDBusReply<bool>(plasma6.kwin("isScriptLoaded", {watcher.scriptName()})).value(), false);
        // Nothing but a bus name reaches the script's text.
        QVERIFY(platform::kwinFocusScript("\"); evil(); (\"").isEmpty());
    }
};

QTEST_MAIN(TestFocusKWin)
#include "tst_focus_kwin.moc"
