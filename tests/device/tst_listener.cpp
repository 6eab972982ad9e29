// Listener start and stop, stage notifications, a lost mouse, and the connect step's device-link half.

#include "DebugLog.h"
#include "SecrecyCodeStore.h"
#include "WireTrace.h"

#include <QtTest>
#include <memory>

using namespace wire;

namespace {

// The event interface was never open twice at a time.
bool eventOpensAlternate(const std::string &eventPath)
{
    int open = 0;
    for (const vmouse::CallRecord &c : vmouse::trace()) {
        if (c.path != eventPath)
            continue;
        if (c.call == vmouse::Call::OpenPath && c.result >= 0)
            ++open;
        if (c.call == vmouse::Call::Close)
            --open;
        if (open > 1 || open < 0)
            return false;
    }
    return open == 0;
}

} // namespace

class ListenerTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { vmouse::clearFailures(); }

    void start_sets_bit_0x40_and_keeps_the_other_bits()
    {
        Hid_Thread hid;
        attachMouse(hid);
        hid.hid_03H_SetKeyboardoption(0x01, 0x02, 0x03, 0x84);
        vmouse::clearTrace();
        hid.startEventListener(0);
        QVERIFY(hid.isListening());
        const QString t = trace();
        QVERIFY(t.startsWith(query("00 83 00 00 00 00 00 00 7C", "00 83 01 02 03 84 00 00 F2") + " | " +
                             set("00 03 01 02 03 C4 00 00 32")));
        QCOMPARE(vmouse::firmwareState(vmouse::firstPluggedUnit()).keyboardOptions,
                 (std::array<uint8_t, 4>{0x01, 0x02, 0x03, 0xC4}));
        hid.stopEventListener();
        hid.waitEventListener();
        QVERIFY(!hid.isListening());
    }

    void failed_option_query_skips_the_option_write()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        hid.hid_03H_SetKeyboardoption(0x01, 0x02, 0x03, 0x04);
        vmouse::clearTrace();
        vmouse::failCall(vmouse::FailPoint::Get, 1);
        hid.startEventListener(0);
        QCOMPARE(count(vmouse::Call::SendFeature), 1);  // the 83H question only
        QCOMPARE(vmouse::firmwareState(unit).keyboardOptions, (std::array<uint8_t, 4>{1, 2, 3, 4}));
        QVERIFY(hid.isListening());  // the listener starts anyway
        hid.stopEventListener();
        hid.waitEventListener();
    }

    void stage_notifications_reach_the_gui_thread_in_order()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        QVector<int> stages;
        Qt::HANDLE thread = nullptr;
        hid.setListenerHooks({[&](int s) {
                                  stages << s;
                                  thread = QThread::currentThreadId();
                              },
                              nullptr});
        hid.startEventListener(0);
        QVERIFY(vmouse::setStage(unit, 3));
        QTRY_COMPARE(stages, QVector<int>({3}));
        QCOMPARE(thread, QThread::currentThreadId());

        // Other reports are not stage changes; stages outside 1..8 are ignored.
        for (std::vector<uint8_t> r : {std::vector<uint8_t>{6, 7, 0, 0}, {6, 7, 0, 9}, {6, 8, 0, 3}, {6, 7, 0}})
            vmouse::queueInputReport(unit, vmouse::kEventUsagePage, r);
        QVERIFY(vmouse::setStage(unit, 8));
        QVERIFY(vmouse::pressStageButton(unit));  // from stage 8 back to stage 1 (all enabled)
        QTRY_COMPARE(stages, QVector<int>({3, 8, 1}));
        hid.stopEventListener();
        hid.waitEventListener();
    }

    void lost_mouse_empties_the_path_and_ends_the_listener()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        uint32_t lost = 99;
        hid.setListenerHooks({nullptr, [&](uint32_t index) { lost = index; }});
        DebugLog::clear();
        DebugLog log;
        hid.startEventListener(0);
        vmouse::unplug(unit);
        QTRY_COMPARE(lost, 0u);
        QVERIFY(!hid.isListening());
        QVERIFY(hid.devices().at(0).eventPath.isEmpty());
        QVERIFY(DebugLog::lines().contains(QStringLiteral("Device removed")));
        hid.waitEventListener();
    }

    void destroying_the_link_while_listening_ends_the_listener_first()
    {
        auto hid = std::make_unique<Hid_Thread>();
        const int unit = attachMouse(*hid);
        int stages = 0;
        hid->setListenerHooks({[&](int) { ++stages; }, nullptr});
        hid->startEventListener(0);
        QVERIFY(vmouse::setStage(unit, 4));
        QTRY_COMPARE(stages, 1);
        QTest::qWait(50);  // the listener is back in its read
        hid.reset();       // as quitting does: no wait by hand
        QVERIFY(vmouse::setStage(unit, 5));
        QTest::qWait(100);
        QCOMPARE(stages, 1);
    }

    void only_one_listener_at_a_time()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        const std::string eventPath = hid.devices().at(0).eventPath.toStdString();
        hid.startEventListener(0);
        QTest::qWait(100);
        hid.startEventListener(0);  // waits for the first to end
        QTest::qWait(100);
        hid.startEventListener(0);
        QVERIFY(vmouse::setStage(unit, 2));
        QTest::qWait(200);
        hid.stopEventListener();
        hid.waitEventListener();
        QVERIFY(eventOpensAlternate(eventPath));
    }

    void no_event_path_leaves_no_listening_flag()
    {
        vmouse::reset();
        Hid_Thread hid;
        hid.scanDevices({mouseRecord()});  // no mouse: empty paths
        hid.startEventListener(1);
        hid.waitEventListener();
        QVERIFY(!hid.isListening());
    }

    void connect_step_reports_through_its_hooks()
    {
        Hid_Thread hid;
        attachMouse(hid);
        setCurrentSecrecyCode({});
        DebugLog::clear();
        DebugLog log;
        QVector<uint32_t> connected, failed;
        bool freeWhenConnected = true;
        hid.setConnectHooks({[](uint32_t n) { return n == 0 ? QStringLiteral("518206") : QString(); },
                             [&](uint32_t n) {
                                 connected << n;
                                 freeWhenConnected = hid.hidIsFree();
                             },
                             [&](uint32_t n) { failed << n; }});
        QVERIFY(hid.waitHidFree());  // a stuck transport is released by a connect
        hid.chkDeviceIsEnCode();
        QCOMPARE(connected, QVector<uint32_t>({0}));
        QVERIFY(failed.isEmpty());
        QVERIFY(!freeWhenConnected);
        QVERIFY(hid.hidIsFree());
        QVERIFY(hid.isListening());
        QCOMPARE(currentSecrecyCode(), (SecrecyCode{'5', '1', '8', '2', '0', '6'}));
        QVERIFY(DebugLog::lines().contains(QStringLiteral("Device Connect")));

        // The mouse is gone: the connect step fails.
        hid.stopEventListener();
        hid.waitEventListener();
        vmouse::reset();
        hid.scanDevices({mouseRecord()});
        hid.chkDeviceIsEnCode();
        QCOMPARE(failed, QVector<uint32_t>({0}));
        QVERIFY(!hid.isListening());
        QVERIFY(DebugLog::lines().contains(QStringLiteral("Device Error")));
        setCurrentSecrecyCode({});
    }
};

QTEST_GUILESS_MAIN(ListenerTest)
#include "tst_listener.moc"
