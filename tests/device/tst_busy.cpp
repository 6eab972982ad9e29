// A transport that stays taken: every command gives up after 255 pauses of
// 8 ms with its own failure text, sends nothing and leaves its out-values.
// Each command runs on its own thread with its own Hid_Thread so the 2040 ms
// waits overlap.

#include "WireTrace.h"

#include "DebugLog.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

struct Busy {
    const char *text;
    // Runs the command; returns false when an out-value changed.
    std::function<bool(Hid_Thread &)> run;
};

} // namespace

class BusyTest : public QObject
{
    Q_OBJECT
private slots:
    void taken_transport_fails_every_command_with_its_text()
    {
        vmouse::reset();
        vmouse::plugMouse(vmouse::kProduct3336);
        auto same = [](const uchar *a, const char *b, int n) { return std::memcmp(a, b, static_cast<size_t>(n)) == 0; };
        const QList<Busy> commands = {
            {"cmd Failed 00", [&](Hid_Thread &h) { uchar b[4] = {1, 2, 3, 4}; h.hid_00H_GetSecrecyCode(b[0], b[1], b[2], b[3]); return same(b, "\1\2\3\4", 4); }},
            {"cmd Failed 01", [](Hid_Thread &h) { h.hid_01H_SetReportRate(8); return true; }},
            {"cmd Failed 13H", [](Hid_Thread &h) { h.hid_13H_Recovery(); return true; }},
            {"cmd Failed 02", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(1); return true; }},
            {"cmd Failed 03", [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 2, 3, 4); return true; }},
            {"cmd Failed 04", [](Hid_Thread &h) { h.hid_04H_SetGunData(1, 2, 3, 4, 5); return true; }},
            {"cmd Failed 0b", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(20, 20); return true; }},
            {"cmd Failed", [](Hid_Thread &h) { return h.hid_87H_GetCurrentDPI() == QVariant(2); }},
            {"cmd Failed", [&](Hid_Thread &h) { uchar b[4] = {5, 6, 7, 8}; h.hid_83H_GetKeyboardoption(b[0], b[1], b[2], b[3]); return same(b, "\5\6\7\10", 4); }},
            {"hid_06H_SetRGBLedEffect", [](Hid_Thread &h) { h.hid_06H_SetRGBLedEffect(1, 0, 2, 3); return true; }},
            {"cmd Failed 10", [](Hid_Thread &h) { uchar c[24] = {}; h.hid_10H_SetLED8StageColor(0, c); return true; }},
            {"hid_LEDColor", [](Hid_Thread &h) { uchar c[24] = {}; h.hid_LEDColor(c); return true; }},
            {"cmd Failed 07H", [](Hid_Thread &h) { h.hid_07H_SetDPISet(0, 1, 2, 3, 4, 5); return true; }},
            {"cmd Failed 08H", [](Hid_Thread &h) { h.hid_08H_SetDPISet(1, 2, 3, 4, 5); return true; }},
            {"cmd Failed 03", [](Hid_Thread &h) { uchar m[64] = {}; h.hidARM_03H_SetKeyMatrix(m); return true; }},
            {"cmd Failed 05", [](Hid_Thread &h) { uchar m[192] = {}; h.hid_05H_SetMacroKey(0, m); return true; }},
            {"cmd Failed", [](Hid_Thread &h) { uchar s = 9; h.hid_8BH_GetCurrentDPIStage(s); return s == 9; }},
            {"cmd Failed", [](Hid_Thread &h) { uchar a = 1, b = 2, c = 3; h.hid_8DH_GetRGBLedEffect(a, b, c); return a == 1 && b == 2 && c == 3; }},
            {"cmd Failed", [](Hid_Thread &h) { uchar c[24]; std::memset(c, 0x11, 24); h.hid_90H_GetLED8StageColor(0, c); return c[0] == 0x11 && c[23] == 0x11; }},
        };

        QVector<int> untouched(commands.size(), 0);
        QVector<int> taken(commands.size(), 0);
        QVector<int> stillTaken(commands.size(), 0);
        QVector<qint64> waited(commands.size(), 0);
        QList<QThread *> threads;
        DebugLog::clear();
        vmouse::clearTrace();
        auto log = std::make_unique<DebugLog>();
        for (int i = 0; i < commands.size(); ++i) {
            threads << QThread::create([&, i] {
                Hid_Thread hid;
                hid.scanDevices({wire::mouseRecord()});
                taken[i] = hid.waitHidFree();  // taken, and never given back
                QElapsedTimer clock;
                clock.start();
                untouched[i] = commands.at(i).run(hid);
                waited[i] = clock.elapsed();
                stillTaken[i] = !hid.hidIsFree();
            });
            threads.last()->start();
        }
        for (QThread *t : threads) {
            QVERIFY(t->wait(30000));
            delete t;
        }
        log.reset();

        QStringList expected;
        for (const Busy &b : commands)
            expected << QString::fromLatin1(b.text);
        expected.sort();
        QStringList messages = DebugLog::lines();
        messages.sort();
        QCOMPARE(messages, expected);
        for (int i = 0; i < commands.size(); ++i) {
            QVERIFY2(taken[i] && stillTaken[i], commands.at(i).text);
            QVERIFY2(untouched[i], commands.at(i).text);
            QVERIFY2(waited[i] >= 255 * 8, commands.at(i).text);
        }
        QCOMPARE(wire::count(vmouse::Call::OpenPath), 0);
        QCOMPARE(wire::count(vmouse::Call::SendFeature), 0);
    }
};

QTEST_GUILESS_MAIN(BusyTest)
#include "tst_busy.moc"
