// Commands handed to the command thread: the same bytes in the same order as
// in the caller's thread (queries included), and the busy guard.
#include "DebugLog.h"
#include "WireTrace.h"

#include <QtTest>

namespace {

// Commands of each transport pattern, as the pages call them.
QString traceOf(bool commandThread)
{
    Hid_Thread hid;
    wire::attachMouse(hid);
    if (commandThread)
        hid.startCommandThread();
    uchar colours[24] = {1, 2, 3};
    hid.hid_08H_SetDPISet(1, 2, 3, 4, 0);
    hid.hid_07H_SetDPISet(2, 0x3f, 5, 6, 7, 8);
    hid.hid_LEDColor(colours);
    colours[0] = 9;  // the command took its own copy
    hid.hid_87H_GetCurrentDPI();
    hid.hid_01H_SetReportRate(2);
    hid.waitCommands();
    return wire::trace();
}

} // namespace

class CommandThreadTest : public QObject
{
    Q_OBJECT
private slots:
    void commands_leave_in_call_order_with_the_same_bytes() { QCOMPARE(traceOf(true), traceOf(false)); }

    // Waiting for the commands while the last one is on the wire returns only once all of its reports are out.
    void wait_covers_the_command_still_running()
    {
        Hid_Thread hid;
        wire::attachMouse(hid);
        hid.startCommandThread();
        uchar colours[24] = {1, 2, 3};
        hid.hid_10H_SetLED8StageColor(1, colours);
        QElapsedTimer started;
        started.start();
        while (wire::count(vmouse::Call::SendFeature) == 0 && started.elapsed() < 2000)
            QThread::msleep(1);
        QCOMPARE(wire::count(vmouse::Call::SendFeature), 1);
        hid.waitCommands();
        QVERIFY(!hid.commandsPending());
        QCOMPARE(wire::count(vmouse::Call::Write), 1);
        QVERIFY(wire::trace().endsWith(QLatin1String("close")));
    }

    // A transport that stays taken: a command gives up with its own text,
    // sends nothing and leaves its out-values. Every command shares the
    // guard: one that sets and one that asks stand for them all.
    void taken_transport_fails_each_command_with_its_text()
    {
        DebugLog log;
        Hid_Thread hid;
        wire::attachMouse(hid);
        hid.startCommandThread();
        QVERIFY(hid.waitHidFree());
        hid.hid_01H_SetReportRate(8);
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(2));
        QCOMPARE(DebugLog::count(QStringLiteral("cmd Failed 01")), 1);
        QCOMPARE(DebugLog::count(QStringLiteral("cmd Failed")), 1);
        QVERIFY(wire::trace().isEmpty());
        QVERIFY(!hid.hidIsFree());
    }
};

QTEST_MAIN(CommandThreadTest)
#include "tst_commandthread.moc"
