// A plain X11 session on Xvfb. Its devices have no libinput driver: the core
// pointer control takes acceleration, and the test gives the pointer the
// driver's two properties itself to see them read and written (nothing acts
// on them here).
#include "DebugLog.h"
#include "DesktopSession.h"
#include "PointerLevels.h"
#include "PointerSettings.h"
#include "PointerSettingsStore.h"
#include "XvfbServer.h"
#include "linux/pointer/LibinputProperties.h"
#include "linux/pointer/PointerScale.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

// The server's pointer control as numerator, denominator, threshold, over a
// connection of the test's own; a negative threshold sets nothing.
static QVector<int> serverControl(const QByteArray &display, QVector<int> set = {0, 0, -1})
{
    QVector<int> c(3);
    if (Display *d = XOpenDisplay(display.constData())) {
        if (set[2] >= 0)
            XChangePointerControl(d, True, True, set[0], set[1], set[2]);
        XGetPointerControl(d, &c[0], &c[1], &c[2]);
        XCloseDisplay(d);
    }
    return c;
}

// Replaces (or with `set` false, reads) `name` on every slave pointer of the server.
static QByteArray pointerProperty(const QByteArray &display, const char *name, const char *type, int format,
                                  QByteArray bytes = {}, bool set = true)
{
    Display *d = XOpenDisplay(display.constData());
    int count = 0;
    XIDeviceInfo *devices = XIQueryDevice(d, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        const Atom atom = XInternAtom(d, name, False);
        Atom actual = None;
        int actualFormat = 0;
        unsigned long items = 0, after = 0;
        unsigned char *data = nullptr;
        if (devices[i].use != XISlavePointer)
            continue;
        if (set)
            XIChangeProperty(d, devices[i].deviceid, atom, XInternAtom(d, type, False), format, PropModeReplace,
                             reinterpret_cast<unsigned char *>(bytes.data()), bytes.size() * 8 / format);
        else if (XIGetProperty(d, devices[i].deviceid, atom, 0, 4, False, AnyPropertyType, &actual, &actualFormat,
                               &items, &after, &data) == Success && data)
            bytes = QByteArray(reinterpret_cast<char *>(data), int(items * actualFormat / 8)), XFree(data);
    }
    XIFreeDeviceInfo(devices);
    XCloseDisplay(d);
    return bytes;
}

class PointerSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY2(!m_server.display().isEmpty(), "Xvfb did not start");
        qputenv("DISPLAY", m_server.display());
        serverControl(m_server.display(), {1, 1, 7});
    }

    void acceleration_switches_and_keeps_the_threshold()
    {
        bool enabled = false;
        QVERIFY(platform::setPointerAcceleration(true));
        QCOMPARE(serverControl(m_server.display()), (QVector<int>{2, 1, 7}));
        QVERIFY(platform::getPointerAcceleration(&enabled) && enabled);

        QVERIFY(platform::setPointerAcceleration(false));
        QCOMPARE(serverControl(m_server.display()), (QVector<int>{1, 1, 7}));
        QVERIFY(platform::getPointerAcceleration(&enabled) && !enabled);

        serverControl(m_server.display(), {7, 2, 3});  // a factor chosen elsewhere stays
        QVERIFY(platform::setPointerAcceleration(true));
        QCOMPARE(serverControl(m_server.display()), (QVector<int>{7, 2, 3}));
    }

    void no_display_reports_failure()
    {
        for (const QByteArray &display : {QByteArray(), QByteArray(":999")}) {
            qputenv("DISPLAY", display);
            bool enabled = true;
            QVERIFY(!platform::setPointerAcceleration(true));
            QVERIFY(!platform::getPointerAcceleration(&enabled));
            QVERIFY(enabled);  // untouched on failure
        }
    }

    // The store keeps each level in the profile and reports what the desktop refuses.
    void store_keeps_levels_and_reports_refusals()
    {
        QSettings profile(m_dir.filePath(QStringLiteral("p1.bin")), QSettings::IniFormat);
        PointerSettingsStore store([&] { return &profile; });
        QCOMPARE(store.getDoubleClickSpeed(), 0u);  // absent key
        DebugLog log;
        // A plain X session keeps no double-click time or wheel lines, and
        // Xvfb's devices no libinput speed; a profile value past the range
        // is refused before any system call.
        store.setDoubleClickSpeed(10);
        store.setVerticalScrollLines(1000);
        store.setCursorSpeed(7);
        store.setVerticalScrollLines(101);
        QCOMPARE(log.lines(), QStringList({"setDoubleClickSpeed Failed", "setVerticalScrollLines Failed",
                                           "setCursorSpeed Failed", "setVerticalScrollLines Failed"}));
        QCOMPARE(serverControl(m_server.display()), (QVector<int>{1, 1, 7}));  // the speed is not claimed
        QVERIFY(!doubleClickTimeFromLevel(0x80000000u) && !scrollLinesValid(0));

        QCOMPARE(store.getDoubleClickSpeed(), 10u);
        QCOMPARE(store.getCursorSpeed(), 7u);  // kept although refused
        profile.sync();
        QFile file(profile.fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[sensor]\ncursorSpeed_Tarn=7\ndoubleClickSpeed_Tarn=10\n"
                                            "verticalScrollLines_Tarn=101\n"));
    }

    void store_switches_acceleration_without_keeping_it()
    {
        QSettings profile(m_dir.filePath(QStringLiteral("p2.bin")), QSettings::IniFormat);
        PointerSettingsStore store([&] { return &profile; });
        store.setAcceleration(true);
        QVERIFY(store.getAcceleration());
        store.setAcceleration(false);
        QVERIFY(!store.getAcceleration());
        QVERIFY(profile.allKeys().isEmpty());
    }

    void libinput_properties()  // after the cases above: the properties stay on the server
    {
        const QByteArray d = m_server.display();
        const float neutral = 0.0f;
        pointerProperty(d, "libinput Accel Speed", "FLOAT", 32, QByteArray((const char *)&neutral, 4));
        pointerProperty(d, "libinput Accel Profile Enabled", "INTEGER", 8, QByteArray("\1\0\0", 3));
        uint speed = 0;
        bool accelerated = true;
        QVERIFY(platform::setPointerSpeed(14) && platform::getPointerSpeed(&speed) && speed == 14);
        const float expected = 0.4f;
        QCOMPARE(pointerProperty(d, "libinput Accel Speed", "", 32, {}, false), QByteArray((const char *)&expected, 4));
        QVERIFY(platform::setPointerAcceleration(false) && platform::getPointerAcceleration(&accelerated));
        QVERIFY(!accelerated);
        QCOMPARE(pointerProperty(d, "libinput Accel Profile Enabled", "", 8, {}, false), QByteArray("\0\1\0", 3));
        QCOMPARE(serverControl(d), (QVector<int>{1, 1, 7}));  // the core control is not the way here

        using namespace platform;  // the two scales
        for (uint speed = kPointerSpeedMin; speed <= kPointerSpeedMax; ++speed)
            QCOMPARE(pointerSpeedFromLibinputSpeed(libinputSpeedFromPointerSpeed(speed)), speed);
        QCOMPARE(pointerSpeedFromLibinputSpeed(0.26), 13u);
        QCOMPARE(pointerSpeedFromLibinputSpeed(qQNaN()), 1u);
    }

    void server_gone_reports_failure()  // last: stops the server
    {
        m_server.stop();
        bool enabled = false;
        QVERIFY(!platform::setPointerAcceleration(false));
        QVERIFY(!platform::getPointerAcceleration(&enabled));
    }

private:
    QTemporaryDir m_dir;
    DesktopSession m_session{""};
    XvfbServer m_server;
};

QTEST_MAIN(PointerSettingsTest)
#include "tst_pointersettings.moc"
