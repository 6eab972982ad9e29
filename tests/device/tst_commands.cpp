// Golden wire traces of every command, and what the firmware model makes of them.

#include "WireTrace.h"

#include <QElapsedTimer>
#include <QtTest>

#include <functional>

using namespace wire;

namespace {

struct Golden {
    const char *name;
    std::function<void(Hid_Thread &)> run;
    QString expected;
};

QByteArray bytes(int n, int first)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = static_cast<char>(first + i);
    return b;
}

uchar *u(QByteArray &b)
{
    return reinterpret_cast<uchar *>(b.data());
}

// Timestamps of the HID calls of one kind, in trace order.
QVector<std::chrono::steady_clock::time_point> times(vmouse::Call call)
{
    QVector<std::chrono::steady_clock::time_point> t;
    for (const vmouse::CallRecord &c : vmouse::trace())
        if (c.call == call)
            t << c.time;
    return t;
}

qint64 msBetween(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count();
}

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void set_commands_golden_traces()
    {
        QByteArray colours = bytes(24, 0x10), packed = bytes(4, 0xA0), matrix = bytes(64, 1), macro = bytes(192, 0x40);
        const QList<Golden> cases = {
            {"01H rate 8", [](Hid_Thread &h) { h.hid_01H_SetReportRate(8); },
             set("00 01 08 03 03 0F 00 00 E1")},
            {"13H", [](Hid_Thread &h) { h.hid_13H_Recovery(); }, set("00 13 FF 00 00 00 00 00 ED")},
            {"02H", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(3); }, set("00 02 03 00 00 00 00 00 FA")},
            {"03H options", [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 2, 3, 0x44); },
             set("00 03 01 02 03 44 00 00 B2")},
            {"04H", [](Hid_Thread &h) { h.hid_04H_SetGunData(0xF0, 5, 0x10, 0x20, 0); },
             set("00 04 F0 05 10 20 00 00 D6")},
            {"0EH sends 0B", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(40, 60); },
             set("00 0B 28 3C 00 00 00 00 90")},
            {"06H", [](Hid_Thread &h) { h.hid_06H_SetRGBLedEffect(2, 7, 3, 4); }, set("00 06 02 07 03 04 01 00 00")},
            {"07H", [](Hid_Thread &h) { h.hid_07H_SetDPISet(1, 0x3F, 10, 20, 30, 40); },
             set("00 07 01 3F 0A 14 1E 28 00")},
            {"08H", [](Hid_Thread &h) { h.hid_08H_SetDPISet(50, 60, 70, 80, 0xF0); },
             set("00 08 32 3C 46 50 F0 00 00")},
            {"10H type 2 sends 0A, 4 bytes", [&](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(2, u(packed)); },
             set("00 0A 00 00 01 00 00 00 F4", {dataReport(packed)})},
            {"10H type 0 sends 0A, 24 bytes", [&](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(0, u(colours)); },
             set("00 0A 00 00 01 00 00 00 F4", {dataReport(colours)})},
            {"LEDColor sends 0C", [&](Hid_Thread &h) { h.hid_LEDColor(u(colours)); },
             set("00 0C 00 00 01 00 00 00 F2", {dataReport(colours)})},
            {"key matrix", [&](Hid_Thread &h) { h.hidARM_03H_SetKeyMatrix(u(matrix)); },
             set("00 03 00 00 01 00 00 00 FB", {dataReport(matrix)})},
            {"macro slot 0", [&](Hid_Thread &h) { h.hid_05H_SetMacroKey(0, u(macro)); },
             set("00 05 00 00 03 00 00 00 F7",
                 {dataReport(macro.mid(0, 64)), dataReport(macro.mid(64, 64)), dataReport(macro.mid(128, 64))})},
            {"macro slot 11", [&](Hid_Thread &h) { h.hid_05H_SetMacroKey(11, u(macro)); },
             set("00 05 00 0B 03 00 00 00 EC",
                 {dataReport(macro.mid(0, 64)), dataReport(macro.mid(64, 64)), dataReport(macro.mid(128, 64))})},
        };
        Hid_Thread hid;
        for (const Golden &g : cases) {
            const int unit = attachMouse(hid);
            g.run(hid);
            if (trace() != g.expected)
                QFAIL(qPrintable(QStringLiteral("%1\n   got: %2\nwanted: %3").arg(g.name, trace(), g.expected)));
            QVERIFY2(hid.hidIsFree(), g.name);
            QVERIFY2(vmouse::rejects(unit).total() == 0, g.name);
        }
    }

    void queries_golden_traces_and_answers()
    {
        Hid_Thread hid;
        const int unit = attachMouse(hid);
        QVERIFY(vmouse::setStage(unit, 4));
        vmouse::clearTrace();
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(3));
        QCOMPARE(trace(), query("00 87 00 00 00 00 00 00 78", "00 87 03 00 00 00 00 00 75"));

        vmouse::clearTrace();
        uchar stage = 0xEE;
        hid.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(int(stage), 3);
        QCOMPARE(trace(), query("00 8B 00 00 00 00 00 00 74", "00 8B 03 00 00 00 00 00 71"));

        hid.hid_03H_SetKeyboardoption(1, 2, 3, 0x44);
        vmouse::clearTrace();
        uchar o[4] = {9, 9, 9, 9};
        hid.hid_83H_GetKeyboardoption(o[0], o[1], o[2], o[3]);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(o), 4), fromHex("01020344"));
        QCOMPARE(trace(), query("00 83 00 00 00 00 00 00 7C", "00 83 01 02 03 44 00 00 32"));

        hid.hid_06H_SetRGBLedEffect(2, 7, 3, 4);
        vmouse::clearTrace();
        uchar effect = 0, option1 = 0, option2 = 0;
        hid.hid_8DH_GetRGBLedEffect(effect, option1, option2);
        QCOMPARE(QVector<int>({effect, option1, option2}), QVector<int>({2, 3, 4}));
        QCOMPARE(trace(), query("00 8D 00 00 00 00 00 00 72", "00 8D 02 03 04 00 00 00 69"));

        vmouse::clearTrace();
        uchar b[4] = {1, 2, 3, 4};
        hid.hid_00H_GetSecrecyCode(b[0], b[1], b[2], b[3]);
        QCOMPARE(trace(), query("00 00 01 02 03 04 00 00 F5", "00 00 01 02 03 04 00 00 F5"));
    }

    void stage_colours_read_back_4_or_24_bytes()
    {
        Hid_Thread hid;
        attachMouse(hid);
        QByteArray colours = bytes(24, 0x30);
        hid.hid_10H_SetLED8StageColor(0, u(colours));

        vmouse::clearTrace();
        QByteArray back(24, '\0');
        hid.hid_90H_GetLED8StageColor(0, u(back));
        QCOMPARE(back, colours);
        QByteArray read = colours + QByteArray(40, '\0');
        QCOMPARE(trace(), query("00 90 00 00 00 00 00 00 6F", "00 90 00 00 00 00 00 00 6F", hex(read)));

        // Type 2 reads 4 bytes; the caller's bytes after them stay.
        vmouse::clearTrace();
        QByteArray four(24, '\x77');
        hid.hid_90H_GetLED8StageColor(2, u(four));
        QCOMPARE(four, colours.left(4) + QByteArray(20, '\x77'));
        QVERIFY(trace().startsWith(kOpen + " | " + kReopen + " | F> 00 90 02 00 00 00 00 00 6D"));
        QVERIFY(hid.hidIsFree());
    }

    void pauses_between_reports()
    {
        Hid_Thread hid;
        attachMouse(hid);
        QByteArray macro = bytes(192, 0);
        QElapsedTimer clock;
        clock.start();
        hid.hid_05H_SetMacroKey(0, u(macro));
        const qint64 total = clock.elapsed();

        const auto feature = times(vmouse::Call::SendFeature);
        const auto writes = times(vmouse::Call::Write);
        const auto closes = times(vmouse::Call::Close);
        QCOMPARE(writes.size(), 3);
        QVERIFY(msBetween(feature[0], writes[0]) >= 128);  // settle after the short report
        QVERIFY(msBetween(writes[0], writes[1]) >= 8);
        QVERIFY(msBetween(writes[1], writes[2]) >= 8);
        QVERIFY(msBetween(writes[2], closes.last()) >= 8 + 128);  // last pause, then settle
        QVERIFY(total >= 128 + 3 * 8 + 128 + 100);                 // and 100 ms after the transport
    }

    void unsettled_commands_pause_8ms_after()
    {
        Hid_Thread hid;
        attachMouse(hid);
        QElapsedTimer clock;
        clock.start();
        hid.hid_02H_SetCurrentProfile(1);
        QVERIFY(clock.elapsed() >= 8);
        QVERIFY(clock.elapsed() < 128);  // no settle
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
