#include "PointerSettings.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QThread>
#include <QtTest>

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

    void toolkit_settings_apply_to_the_program()
    {
        QVERIFY(platform::setDoubleClickTime(130));
        QCOMPARE(QApplication::doubleClickInterval(), 130);
        QVERIFY(platform::setWheelScrollLines(1000));
        QCOMPARE(QApplication::wheelScrollLines(), 1000);

        QVERIFY(!platform::setDoubleClickTime(0x80000000u));
        QVERIFY(!platform::setWheelScrollLines(0xFFFFFFFFu));
        bool fromWorker = true;
        std::unique_ptr<QThread> worker(QThread::create([&] { fromWorker = platform::setWheelScrollLines(5); }));
        worker->start();
        QVERIFY(worker->wait(5000));
        QVERIFY(!fromWorker);
        QCOMPARE(QApplication::doubleClickInterval(), 130);
        QCOMPARE(QApplication::wheelScrollLines(), 1000);
    }

    void server_gone_reports_failure()  // last: stops the server
    {
        m_server.stop();
        bool enabled = false;
        QVERIFY(!platform::setPointerAcceleration(false));
        QVERIFY(!platform::getPointerAcceleration(&enabled));
    }

private:
    XvfbServer m_server;
};

QTEST_MAIN(PointerSettingsTest)
#include "tst_pointersettings.moc"
