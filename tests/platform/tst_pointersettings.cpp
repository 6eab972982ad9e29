// A plain X11 session: Xvfb's devices have no libinput properties, so the
// property handling is checked on its own and acceleration on the core
// pointer control.
#include "DesktopSession.h"
#include "PointerSettings.h"
#include "XvfbServer.h"
#include "linux/pointer/LibinputProperties.h"
#include "linux/pointer/PointerScale.h"

#include <X11/Xlib.h>

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

    void pointer_speed_is_not_claimed()
    {
        QVERIFY(!platform::setPointerSpeed(20));
        QCOMPARE(serverControl(m_server.display()), (QVector<int>{1, 1, 7}));
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

    void settings_without_a_home_fail()
    {
        uint value = 5;
        QVERIFY(!platform::setDoubleClickTime(400) && !platform::setWheelScrollLines(3));
        QVERIFY(!platform::getDoubleClickTime(&value) && !platform::getWheelScrollLines(&value) && value == 5);
    }

    void libinput_properties()
    {
        using namespace platform;
        const unsigned long floatType = 7, integerType = 19;
        QVERIFY(isSpeedProperty({floatType, 32, speedBytes(0.4)}, floatType));
        QVERIFY(!isSpeedProperty({integerType, 32, speedBytes(0.4)}, floatType));
        QVERIFY(!isSpeedProperty({floatType, 8, {1, 0, 0, 0}}, floatType));
        QVERIFY(!isProfileProperty({integerType, 8, {1}}, integerType));
        QCOMPARE(speedFromBytes(speedBytes(0.4)), double(0.4f));
        QCOMPARE(speedFromBytes(speedBytes(-3)), -1.0);

        // Older drivers know two profiles, newer ones three (custom last).
        QCOMPARE(profileFlags(2, AccelProfile::Flat), (std::vector<uint8_t>{0, 1}));
        QCOMPARE(profileFlags(3, AccelProfile::Adaptive), (std::vector<uint8_t>{1, 0, 0}));
        QCOMPARE(profileFlags(3, AccelProfile::Default), (std::vector<uint8_t>{1, 0, 0}));
        QCOMPARE(profileFromFlags({0, 1, 0}), AccelProfile::Flat);
        QCOMPARE(profileFromFlags({1, 0}), AccelProfile::Adaptive);
        QCOMPARE(profileFromFlags({0, 0, 1}), AccelProfile::Default);

        for (uint speed = kPointerSpeedMin; speed <= kPointerSpeedMax; ++speed)
            QCOMPARE(pointerSpeedFromLibinputSpeed(libinputSpeedFromPointerSpeed(speed)), speed);
        QCOMPARE(libinputSpeedFromPointerSpeed(1), -0.9);
        QCOMPARE(pointerSpeedFromLibinputSpeed(-1.0), 1u);
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
    DesktopSession m_session{""};
    XvfbServer m_server;
};

QTEST_MAIN(PointerSettingsTest)
#include "tst_pointersettings.moc"
