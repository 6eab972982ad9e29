// The transport's failure paths and bad answers: every path gives the
// transport back, closes what it opened and leaves the pre-filled answers.

#include "WireTrace.h"

#include <QtTest>

#include <functional>

using namespace wire;

namespace {

// Every handle the transport opened was closed again.
bool handlesBalanced()
{
    int opened = 0, closed = 0;
    for (const vmouse::CallRecord &c : vmouse::trace()) {
        opened += c.call == vmouse::Call::OpenPath && c.result >= 0;
        closed += c.call == vmouse::Call::Close;
    }
    return opened == closed;
}

struct Step {
    const char *name;
    vmouse::FailPoint point;
    int skip;
    std::function<void(Hid_Thread &)> run;
    QString expectedEnd;  // the trace ends with this
};

} // namespace

class TransportTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        vmouse::clearFailures();
        vmouse::setSilent(false);
        vmouse::setAnswerOverride({});
    }

    void negative_result_at_each_step_closes_and_releases()
    {
        QByteArray macro = QByteArray(192, 1), colours = QByteArray(24, 2);
        const QList<Step> steps = {
            {"first open", vmouse::FailPoint::Open, 0, [](Hid_Thread &h) { h.hid_01H_SetReportRate(1); },
             QStringLiteral("open!")},
            {"reopen before the feature report", vmouse::FailPoint::Open, 1,
             [](Hid_Thread &h) { h.hid_01H_SetReportRate(1); }, QStringLiteral("nb0 | close | open!")},
            {"feature report", vmouse::FailPoint::Send, 0, [](Hid_Thread &h) { h.hid_13H_Recovery(); },
             QStringLiteral("F> 00 13 FF 00 00 00 00 00 ED! | close")},
            {"reopen before a data report", vmouse::FailPoint::Open, 3,
             [&](Hid_Thread &h) { h.hid_05H_SetMacroKey(0, u(macro)); }, QStringLiteral("close | open!")},
            {"second of three data reports", vmouse::FailPoint::Write, 1,
             [&](Hid_Thread &h) { h.hid_05H_SetMacroKey(0, u(macro)); },
             QStringLiteral("W %1! | close").arg(dataReport(macro.mid(64, 64)))},
            {"get feature", vmouse::FailPoint::Get, 0,
             [](Hid_Thread &h) { uchar s = 0; h.hid_8BH_GetCurrentDPIStage(s); },
             QStringLiteral("F<! | close")},
            {"input report", vmouse::FailPoint::Read, 0,
             [&](Hid_Thread &h) { h.hid_90H_GetLED8StageColor(0, u(colours)); }, QStringLiteral("R1000! | close")},
        };
        Hid_Thread hid;
        for (const Step &s : steps) {
            attachMouse(hid);
            vmouse::failCall(s.point, 1, s.skip);
            s.run(hid);
            const QString t = trace();
            QVERIFY2(t.endsWith(s.expectedEnd), qPrintable(QStringLiteral("%1: %2").arg(s.name, t)));
            QVERIFY2(hid.hidIsFree(), s.name);
            QVERIFY2(handlesBalanced(), s.name);
            QCOMPARE(count(vmouse::Call::Write) <= 2, true);  // nothing sent after a failure
        }
    }

    void failed_open_empties_the_path_and_the_next_command_sends_nothing()
    {
        Hid_Thread hid;
        attachMouse(hid);
        vmouse::failCall(vmouse::FailPoint::Open, 1);
        hid.hid_01H_SetReportRate(2);
        QVERIFY(hid.devices().at(0).cmdPath.isEmpty());
        QVERIFY(!hid.devices().at(0).eventPath.isEmpty());

        vmouse::clearTrace();
        hid.hid_01H_SetReportRate(2);
        QCOMPARE(vmouse::trace().size(), size_t(0));
        QVERIFY(hid.hidIsFree());
    }

    void empty_path_or_missing_entry_makes_no_hid_call()
    {
        vmouse::reset();
        Hid_Thread unscanned;  // empty device list, current index 1
        Hid_Thread absent;
        absent.scanDevices({mouseRecord(), mouseRecord(vmouse::kProduct4090)});
        QCOMPARE(absent.devices().size(), 2);
        QByteArray colours = QByteArray(24, 5);
        for (Hid_Thread *hid : {&unscanned, &absent}) {
            vmouse::clearTrace();
            hid->hid_01H_SetReportRate(1);
            hid->hid_LEDColor(u(colours));
            QCOMPARE(hid->hid_87H_GetCurrentDPI(), QVariant(0));
            hid->hid_90H_GetLED8StageColor(0, u(colours));
            QCOMPARE(colours, QByteArray(24, 5));
            QCOMPARE(vmouse::trace().size(), size_t(0));
            QVERIFY(hid->hidIsFree());
        }
    }

    void failed_get_feature_leaves_the_prefilled_answers()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        QVERIFY(vmouse::setStage(unit, 5));
        vmouse::failCall(vmouse::FailPoint::Get);

        uchar o[4] = {1, 2, 3, 4};
        hid.hid_83H_GetKeyboardoption(o[0], o[1], o[2], o[3]);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(o), 4), fromHex("01020304"));
        uchar stage = 9;
        hid.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 0);
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(0));
        uchar e = 1, o1 = 1, o2 = 1;
        hid.hid_8DH_GetRGBLedEffect(e, o1, o2);
        QCOMPARE(QVector<int>({e, o1, o2}), QVector<int>({0, 0, 0}));
        uchar b[4] = {7, 7, 7, 7};
        hid.hid_00H_GetSecrecyCode(b[0], b[1], b[2], b[3]);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(b), 4), QByteArray(4, '\0'));
        QByteArray colours = QByteArray(24, 6);
        hid.hid_90H_GetLED8StageColor(0, u(colours));
        QCOMPARE(colours, QByteArray(24, 6));
        QVERIFY(hid.hidIsFree());
        QVERIFY(handlesBalanced());
    }

    void a_mouse_that_never_sends_the_data_times_out()
    {
        Hid_Thread hid;
        attachMouse(hid);
        // The answer comes, the input report never does.
        vmouse::setAnswerOverride({0x00, 0x90, 0, 0, 0, 0, 0, 0, 0x6F});
        QByteArray colours = QByteArray(24, 3);
        QElapsedTimer clock;
        clock.start();
        hid.hid_90H_GetLED8StageColor(0, u(colours));
        const qint64 waited = clock.elapsed();
        QVERIFY2(waited >= 1000 && waited < 5000, qPrintable(QString::number(waited)));
        QVERIFY(trace().endsWith(QStringLiteral("R1000 | close")));
        QCOMPARE(colours, QByteArray(24, 3));
        QVERIFY(hid.hidIsFree());
    }

    void a_silent_mouse_yields_prefilled_values_at_once()
    {
        Hid_Thread hid;
        attachMouse(hid);
        vmouse::setSilent(true);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(0));
        QByteArray colours = QByteArray(24, 4);
        hid.hid_90H_GetLED8StageColor(2, u(colours));
        QCOMPARE(colours, QByteArray(24, 4));
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(hid.hidIsFree());
    }

    void short_and_garbage_answers_stay_in_bounds()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);

        vmouse::setAnswerOverride({0x00, 0x87});  // too short to reach byte 2
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(0));
        vmouse::setAnswerOverride({0x00, 0x87, 0x05});
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(5));
        vmouse::setAnswerOverride(std::vector<uint8_t>(300, 0xA5));  // longer than asked for
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(0xA5));
        uchar o[4] = {1, 2, 3, 4};
        vmouse::setAnswerOverride({0x00, 0x83, 0x10});
        hid.hid_83H_GetKeyboardoption(o[0], o[1], o[2], o[3]);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(o), 4), fromHex("10020304"));

        // Input reports shorter or longer than the data: bytes not delivered are zero.
        vmouse::setAnswerOverride({0x00, 0x90, 0, 0, 0, 0, 0, 0, 0x6F});
        vmouse::queueInputReport(unit, vmouse::kCommandUsagePage, {1, 2, 3});
        QByteArray colours = QByteArray(24, 9);
        hid.hid_90H_GetLED8StageColor(0, u(colours));
        QCOMPARE(colours, fromHex("010203") + QByteArray(21, '\0'));
        vmouse::queueInputReport(unit, vmouse::kCommandUsagePage, std::vector<uint8_t>(500, 0x3C));
        hid.hid_90H_GetLED8StageColor(0, u(colours));
        QCOMPARE(colours, QByteArray(24, 0x3C));
        QVERIFY(hid.hidIsFree());
        QVERIFY(handlesBalanced());
    }

    void report_length_from_the_catalogue_is_checked()
    {
        QByteArray colours = QByteArray::fromHex("000102030405060708090A0B0C0D0E0F1011121314151617");
        Hid_Thread hid;

        for (uint32_t unusable : {0u, 1000000u}) {
            attachMouse(hid, unusable);
            hid.hid_LEDColor(u(colours));
            hid.hid_90H_GetLED8StageColor(0, u(colours));
            QCOMPARE(vmouse::trace().size(), size_t(0));  // refused before any traffic
            QVERIFY(hid.hidIsFree());
            hid.hid_01H_SetReportRate(8);  // commands without data still go out
            QCOMPARE(trace(), set("00 01 08 03 03 0F 00 00 E1"));
        }

        // Smaller reports: the data goes out in chunks, a short last chunk padded with zeros.
        attachMouse(hid, 10);
        hid.hid_LEDColor(u(colours));
        QCOMPARE(trace(), set("00 0C 00 00 01 00 00 00 F2",
                              {QStringLiteral("00 00 01 02 03 04 05 06 07 08 09"),
                               QStringLiteral("00 0A 0B 0C 0D 0E 0F 10 11 12 13"),
                               QStringLiteral("00 14 15 16 17 00 00 00 00 00 00")}));
    }

    void command_from_a_gui_event_inside_another_fails_while_the_first_completes()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        bool innerReturned = false;
        QMetaObject::invokeMethod(
            &hid,
            [&] {
                hid.hid_07H_SetDPISet(3, 0xFF, 1, 2, 3, 4);
                innerReturned = true;
            },
            Qt::QueuedConnection);
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 07H");
        QElapsedTimer clock;
        clock.start();
        hid.hid_01H_SetReportRate(8);
        QVERIFY(innerReturned);
        QVERIFY(clock.elapsed() >= 2040);
        QCOMPARE(trace(), set("00 01 08 03 03 0F 00 00 E1"));
        QCOMPARE(vmouse::firmwareState(unit).reportRate, uint8_t(8));
        QCOMPARE(vmouse::firmwareState(unit).currentStage, uint8_t(0));
        QVERIFY(hid.hidIsFree());
    }

    void null_arrays_are_refused()
    {
        Hid_Thread hid;
        attachMouse(hid);
        QTest::ignoreMessage(QtDebugMsg, "hid_LEDColor");
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed 05");
        QTest::ignoreMessage(QtDebugMsg, "cmd Failed");
        hid.hid_LEDColor(nullptr);
        hid.hid_05H_SetMacroKey(1, nullptr);
        hid.hid_90H_GetLED8StageColor(0, nullptr);
        QCOMPARE(vmouse::trace().size(), size_t(0));
        QVERIFY(hid.hidIsFree());
    }
};

QTEST_GUILESS_MAIN(TransportTest)
#include "tst_transport.moc"
