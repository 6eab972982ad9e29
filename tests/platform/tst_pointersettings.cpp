#include "PointerSettings.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QThread>
#include <QtTest>

#include <X11/Xlib.h>

namespace {

struct Control {
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
};

// Reads and writes the server's pointer control over a connection of the
// test's own, independent of the code under test.
Control serverControl(const QByteArray &display)
{
    Control c;
    if (Display *d = XOpenDisplay(display.constData())) {
        XGetPointerControl(d, &c.numerator, &c.denominator, &c.threshold);
        XCloseDisplay(d);
    }
    return c;
}

void setServerControl(const QByteArray &display, int numerator, int denominator, int threshold)
{
    if (Display *d = XOpenDisplay(display.constData())) {
        XChangePointerControl(d, True, True, numerator, denominator, threshold);
        XSync(d, False);
        XCloseDisplay(d);
    }
}

} // namespace

class PointerSettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!m_server.display().isEmpty(), "Xvfb did not start");
        qputenv("DISPLAY", m_server.display());
    }

    void init()
    {
        qputenv("DISPLAY", m_server.display());
        setServerControl(m_server.display(), 1, 1, 7);
    }

    void acceleration_switches_and_keeps_the_threshold()
    {
        QVERIFY(platform::setPointerAcceleration(true));
        Control c = serverControl(m_server.display());
        QCOMPARE(c.numerator, 2);
        QCOMPARE(c.denominator, 1);
        QCOMPARE(c.threshold, 7);
        bool enabled = false;
        QVERIFY(platform::getPointerAcceleration(&enabled));
        QVERIFY(enabled);

        QVERIFY(platform::setPointerAcceleration(false));
        c = serverControl(m_server.display());
        QCOMPARE(c.numerator, 1);
        QCOMPARE(c.denominator, 1);
        QCOMPARE(c.threshold, 7);
        QVERIFY(platform::getPointerAcceleration(&enabled));
        QVERIFY(!enabled);
    }

    void acceleration_on_keeps_a_factor_set_elsewhere()
    {
        setServerControl(m_server.display(), 7, 2, 3);
        QVERIFY(platform::setPointerAcceleration(true));
        const Control c = serverControl(m_server.display());
        QCOMPARE(c.numerator, 7);
        QCOMPARE(c.denominator, 2);
        QCOMPARE(c.threshold, 3);
    }

    void a_factor_below_one_reads_as_no_acceleration()
    {
        setServerControl(m_server.display(), 1, 2, 4);
        bool enabled = true;
        QVERIFY(platform::getPointerAcceleration(&enabled));
        QVERIFY(!enabled);
    }

    void pointer_speed_is_not_claimed()
    {
        const Control before = serverControl(m_server.display());
        QVERIFY(!platform::setPointerSpeed(20));
        const Control after = serverControl(m_server.display());
        QCOMPARE(after.numerator, before.numerator);
        QCOMPARE(after.denominator, before.denominator);
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
        QVERIFY(!platform::getPointerAcceleration(nullptr));
    }

    void toolkit_settings_apply_to_the_program()
    {
        QVERIFY(platform::setDoubleClickTime(130));
        QCOMPARE(QApplication::doubleClickInterval(), 130);
        QVERIFY(platform::setDoubleClickTime(900));
        QCOMPARE(QApplication::doubleClickInterval(), 900);
        QVERIFY(platform::setWheelScrollLines(1000));
        QCOMPARE(QApplication::wheelScrollLines(), 1000);
        QVERIFY(platform::setWheelScrollLines(3));
        QCOMPARE(QApplication::wheelScrollLines(), 3);
    }

    void toolkit_settings_refuse_what_they_cannot_hold()
    {
        QVERIFY(!platform::setDoubleClickTime(0x80000000u));
        QVERIFY(!platform::setWheelScrollLines(0xFFFFFFFFu));
        QCOMPARE(QApplication::wheelScrollLines(), 3);

        bool fromWorker = true;
        QThread *worker = QThread::create([&fromWorker] { fromWorker = platform::setWheelScrollLines(5); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(!fromWorker);
        QCOMPARE(QApplication::wheelScrollLines(), 3);
    }

    // Last: stops the server under the code's feet.
    void server_gone_reports_failure()
    {
        m_server.stop();
        QVERIFY(!platform::setPointerAcceleration(false));
        bool enabled = false;
        QVERIFY(!platform::getPointerAcceleration(&enabled));
    }

private:
    XvfbServer m_server;
};

QTEST_MAIN(PointerSettingsTest)
#include "tst_pointersettings.moc"
