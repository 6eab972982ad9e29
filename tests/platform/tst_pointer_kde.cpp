// Plasma's pointer settings: config files in a scratch config folder, and the
// KWin stand-in on a private session bus recording what reaches it.
#include "DesktopSession.h"
#include "PointerSettings.h"

static const QStringList kNotified = {"notifyChange 3 0"};

class PointerKdeTest : public QObject
{
    Q_OBJECT
private slots:
    void pointers_through_kwin_and_kcminputrc()
    {
        DesktopSession kde("KDE", "");
        QVERIFY(platform::setPointerSpeed(14));
        QCOMPARE(kde.calls(), QStringList({"event3 pointerAcceleration 0.4", "event5 pointerAcceleration 0.4"}));
        QVERIFY(platform::setPointerAcceleration(false));
        QCOMPARE(kde.calls(), QStringList({"event3 flat 1", "event5 flat 1"}));
        QCOMPARE(kde.file("kcminputrc"), QByteArray("[Libinput][9741][4160][Mouse A]\nPointerAcceleration=0.4\n"
                                                     "PointerAccelerationProfile=1\n\n[Libinput][9741][4162][Mouse B]\n"
                                                     "PointerAcceleration=0.4\nPointerAccelerationProfile=1\n"));
        uint speed = 0;
        bool accelerated = true;
        QVERIFY(platform::getPointerSpeed(&speed) && speed == 14);
        QVERIFY(platform::getPointerAcceleration(&accelerated) && !accelerated);

        QVERIFY(platform::restoreOriginalPointerSettings());
        QCOMPARE(kde.calls(), QStringList({"event3 pointerAcceleration -0.5", "event5 pointerAcceleration -0.5",
                                           "event3 adaptive 1", "event5 adaptive 1"}));
    }

    void globals_keep_other_lines_and_notify()
    {
        DesktopSession kde("KDE", "");
        const QByteArray other = "[General]\nName[de]=Maus\n\n[KDE]\nSingleClick=false\n\n[KDE][Layout]\nA=1\n";
        QFile globals(kde.path("kdeglobals"));
        QVERIFY(globals.open(QIODevice::WriteOnly) && globals.write(other) && globals.flush());
        QVERIFY(platform::setDoubleClickTime(200));
        QVERIFY(platform::setWheelScrollLines(1000));
        QCOMPARE(kde.calls(2), kNotified + kNotified);
        QCOMPARE(kde.file("kdeglobals"), QByteArray("[General]\nName[de]=Maus\n\n[KDE]\nSingleClick=false\n"
                                                    "DoubleClickInterval=200\nWheelScrollLines=1000\n\n"
                                                    "[KDE][Layout]\nA=1\n"));
        uint ms = 0;
        QVERIFY(platform::getDoubleClickTime(&ms) && ms == 200);

        QVERIFY(platform::restoreOriginalPointerSettings());  // the defaults Plasma used
        QCOMPARE(kde.calls(2), kNotified + kNotified);
        QVERIFY(kde.file("kdeglobals").contains("DoubleClickInterval=400\nWheelScrollLines=3\n"));
    }

    void refusals_change_nothing()
    {
        {
            DesktopSession kde("KDE", "--refuse");  // the second mouse answers an error
            QVERIFY(!platform::setPointerSpeed(20));
            QCOMPARE(kde.calls(), QStringList({"event3 pointerAcceleration 1", "event3 pointerAcceleration -0.5"}));
            QVERIFY(!QFile::exists(kde.path("kcminputrc")));
            // Config files that cannot be replaced, even by root (their folder is
            // read-only /proc): KWin's values go back, no notification.
            for (const char *name : {"kdeglobals", "kcminputrc"})
                QVERIFY(QFile::link("/proc/version", kde.path(name)));
            QVERIFY(!platform::setDoubleClickTime(300));
            QVERIFY(!platform::setPointerAcceleration(false));
            QCOMPARE(kde.calls(), QStringList({"event3 flat 1", "event5 flat 1", "event3 adaptive 1",
                                               "event5 adaptive 1"}));
        }
        for (const char *kwin : {"--broken", static_cast<const char *>(nullptr)}) {  // a device missing; no KWin
            DesktopSession kde("KDE", kwin);
            uint speed = 3;
            QVERIFY(!platform::setPointerSpeed(12) && !platform::getPointerSpeed(&speed) && speed == 3);
            QVERIFY(!QFile::exists(kde.path("kcminputrc")));
        }
        DesktopSession kde("KDE");
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");  // no bus: no one would hear of it
        QVERIFY(!platform::setWheelScrollLines(5));
        QVERIFY(!QFile::exists(kde.path("kdeglobals")));
    }
};

QTEST_MAIN(PointerKdeTest)
#include "tst_pointer_kde.moc"
