// Checksum, scrambling and the event report, as pure functions; scrambling
// also against the virtual mouse's independent implementation.

#include "EventReport.h"
#include "Hid_Thread.h"
#include "Scramble.h"
#include "ShortReport.h"
#include "WireTrace.h"
#include "SecrecyCodeStore.h"

#include <cstring>
#include <QtTest>

class ShortReportTest : public QObject
{
    Q_OBJECT
private slots:
    void checksum_examples()
    {
        const uint8_t get8B[7] = {0x8B, 0, 0, 0, 0, 0, 0};
        const uint8_t get87[7] = {0x87, 0, 0, 0, 0, 0, 0};
        const uint8_t recovery[7] = {0x13, 0xFF, 0, 0, 0, 0, 0};
        const uint8_t mixed[7] = {0x01, 0x01, 0x03, 0x03, 0x0F, 0x00, 0x00};
        QCOMPARE(shortReportChecksum(get8B), uint8_t(0x74));
        QCOMPARE(shortReportChecksum(get87), uint8_t(0x78));
        QCOMPARE(shortReportChecksum(recovery), uint8_t(0xED));
        QCOMPARE(shortReportChecksum(mixed), uint8_t(0xE8));    }

    // Known answers worked out apart from this code, for the secrecy code
    // "518206"; descrambling is the exact inverse.
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

    // The listener test feeds the mouse's reports; here what it never sends.
    void event_report_stage()
    {
        const uint8_t stage3[4] = {0x06, 0x07, 0x55, 0x03};
        QCOMPARE(stageFromEventReport(stage3, 4), 3);  // byte 2 is not looked at
        QCOMPARE(stageFromEventReport(stage3, 0), 0);
        QCOMPARE(stageFromEventReport(stage3, -1), 0);
        QCOMPARE(stageFromEventReport(nullptr, 4), 0);
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

QTEST_GUILESS_MAIN(ShortReportTest)
#include "tst_shortreport.moc"
