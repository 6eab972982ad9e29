// Golden wire traces of every command, and what the firmware model makes of
// them; scrambling, as a pure function and against the virtual mouse's own
// implementation.

#include "Scramble.h"
#include "SecrecyCodeStore.h"
#include "WireTrace.h"

#include <QtTest>

#include <cstring>
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

    // Known answers worked out apart from this code, for the secrecy code "518206"; descrambling is the exact inverse.
    void scrambling_known_answers()
    {
        const uint8_t code[6] = {'5', '1', '8', '2', '0', '6'};
        const uint8_t plain[2][8] = {{0x87, 0, 0, 0, 0, 0, 0, 0x78}, {0x01, 0x08, 0x03, 0x03, 0x0F, 0, 0, 0xE1}};
        const char *scrambled[2] = {"66 00 7e 77 8b 7f c4 d6", "66 2c b6 77 c7 4f bc ee"};
        for (int i = 0; i < 2; ++i) {
            uint8_t block[8];
            std::memcpy(block, plain[i], 8);
            scrambleBlock(block, code);
            QCOMPARE(QByteArray(reinterpret_cast<const char *>(block), 8).toHex(' '), QByteArray(scrambled[i]));
            descrambleBlock(block, code);
            QVERIFY(std::memcmp(block, plain[i], 8) == 0);
        }
    }

    void secrecy_code_takes_six_characters_only()
    {
        setCurrentSecrecyCode({});
        QVERIFY(setCurrentSecrecyCodeFromText(QStringLiteral("518206")));
        QCOMPARE(currentSecrecyCode(), (SecrecyCode{'5', '1', '8', '2', '0', '6'}));
        QVERIFY(!setCurrentSecrecyCodeFromText(QStringLiteral("12345")));
        QVERIFY(!setCurrentSecrecyCodeFromText(QStringLiteral("1234567")));
        QCOMPARE(currentSecrecyCode(), (SecrecyCode{'5', '1', '8', '2', '0', '6'}));
        setCurrentSecrecyCode({});
    }

    void scrambled_link_end_to_end()
    {
        Hid_Thread hid;
        const int unit = wire::attachMouse(hid);
        const SecrecyCode code{'5', '1', '8', '2', '0', '6'};
        setCurrentSecrecyCode(code);
        vmouse::setScrambling(true, code);
        hid.setScrambling(true);

        hid.hid_01H_SetReportRate(4);
        QVERIFY(vmouse::setStage(unit, 6));
        vmouse::clearTrace();
        QCOMPARE(hid.hid_87H_GetCurrentDPI(), QVariant(5));

        const std::vector<vmouse::CallRecord> calls = vmouse::trace();
        for (const vmouse::CallRecord &c : calls)
            if (c.call == vmouse::Call::SendFeature) {
                QCOMPARE(int(c.bytes.at(0)), 0);  // report ID stays plain
                QVERIFY(wire::hex(c.bytes) != QStringLiteral("00 87 00 00 00 00 00 00 78"));
            }
        QCOMPARE(vmouse::firmwareState(unit).reportRate, uint8_t(4));
        QCOMPARE(vmouse::rejects(unit).total(), 0);
        setCurrentSecrecyCode({});
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "tst_commands.moc"
