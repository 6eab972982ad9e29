// The pauses the mouse needs, measured on the wire as the command thread makes them.
#include "WireTrace.h"

#include <QtTest>

#include <chrono>
#include <functional>

using namespace wire;

namespace {

using Clock = std::chrono::steady_clock;

qint64 msBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count();
}

constexpr int kSettleMs = 128;
constexpr int kDataReportMs = 8;

// One command of the schedule: the start of its feature report, whether it
// settles, how many data reports follow, and the pause it adds after.
struct Scheduled {
    const char *feature;
    std::function<void(Hid_Thread &)> run;
    bool settle;
    int writes, afterMs;
};

// The HID calls on the command interface, in order.
std::vector<vmouse::CallRecord> commandCalls()
{
    std::vector<vmouse::CallRecord> calls;
    for (const vmouse::CallRecord &c : vmouse::trace())
        if (c.call != vmouse::Call::Enumerate && c.call != vmouse::Call::FreeEnumeration)
            calls.push_back(c);
    return calls;
}

QString where(const Scheduled &s, const char *what, qint64 ms)
{
    return QStringLiteral("%1: %2 %3 ms").arg(QLatin1String(s.feature), QLatin1String(what)).arg(ms);
}

} // namespace

class CommandTimingTest : public QObject
{
    Q_OBJECT
private slots:
    // Every kind of command queued at once: on the wire in call order, each
    // settle at least 128 ms after its feature report and after its last
    // data report, at least 8 ms after each data report, and the pause a
    // command adds before the next one starts; none is left out.
    void pauses_on_the_command_thread()
    {
        QByteArray data(192, '\x11');
        uchar *d = u(data);
        const QList<Scheduled> schedule = {
            {"00 01 02", [](Hid_Thread &h) { h.hid_01H_SetReportRate(2); }, true, 0, 0},
            {"00 03 01 02", [](Hid_Thread &h) { h.hid_03H_SetKeyboardoption(1, 2, 3, 4); }, false, 0, 8},
            {"00 0C", [d](Hid_Thread &h) { h.hid_LEDColor(d); }, true, 1, 0},
            {"00 02 01", [](Hid_Thread &h) { h.hid_02H_SetCurrentProfile(1); }, false, 0, 8},
            {"00 03 00 00 01", [d](Hid_Thread &h) { h.hidARM_03H_SetKeyMatrix(d); }, true, 1, 100},
            {"00 05 00 04", [d](Hid_Thread &h) { h.hid_05H_SetMacroKey(4, d); }, true, 3, 100},
            {"00 06", [](Hid_Thread &h) { h.hid_06H_SetRGBLedEffect(1, 0, 2, 3); }, true, 0, 0},
            {"00 0A", [d](Hid_Thread &h) { h.hid_10H_SetLED8StageColor(2, d); }, true, 1, 0},
            {"00 08", [](Hid_Thread &h) { h.hid_08H_SetDPISet(1, 2, 3, 4, 0); }, true, 0, 0},
            {"00 07", [](Hid_Thread &h) { h.hid_07H_SetDPISet(3, 0x3F, 5, 6, 7, 8); }, true, 0, 0},
            {"00 04", [](Hid_Thread &h) { h.hid_04H_SetGunData(0xF0, 1, 2, 3, 0); }, true, 0, 0},
            {"00 0B", [](Hid_Thread &h) { h.hid_0EH_SetXYSensitive(20, 40); }, true, 0, 0},
            {"00 13", [](Hid_Thread &h) { h.hid_13H_Recovery(); }, true, 0, 0},
            {"00 8B", [](Hid_Thread &h) { uchar stage = 0; h.hid_8BH_GetCurrentDPIStage(stage); }, false, 0, 0},
        };
        Hid_Thread hid;
        attachMouse(hid);
        hid.startCommandThread();
        for (const Scheduled &s : schedule)
            s.run(hid);
        hid.waitCommands();

        const std::vector<vmouse::CallRecord> calls = commandCalls();
        std::vector<size_t> features;
        for (size_t i = 0; i < calls.size(); ++i)
            if (calls[i].call == vmouse::Call::SendFeature)
                features.push_back(i);
        QCOMPARE(features.size(), size_t(schedule.size()));

        for (int k = 0; k < schedule.size(); ++k) {
            const Scheduled &s = schedule.at(k);
            const size_t f = features[k];
            QVERIFY2(hex(calls[f].bytes).startsWith(QLatin1String(s.feature)), qPrintable(hex(calls[f].bytes)));
            // Each command opens, closes and reopens (five calls) before its
            // feature report; it ends with the call before the next one's start.
            const size_t end = k + 1 < schedule.size() ? features[k + 1] - 6 : calls.size() - 1;
            const qint64 afterFeature = msBetween(calls[f].time, calls[f + 1].time);
            if (s.settle)
                QVERIFY2(afterFeature >= kSettleMs, qPrintable(where(s, "settle after the feature report", afterFeature)));
            else
                QVERIFY2(afterFeature < kSettleMs / 2, qPrintable(where(s, "no settle, yet", afterFeature)));

            int writes = 0;
            for (size_t i = f + 1; i < end; ++i) {
                if (calls[i].call != vmouse::Call::Write)
                    continue;
                ++writes;
                const bool last = writes == s.writes;
                const int least = kDataReportMs + (last && s.settle ? kSettleMs : 0);
                const qint64 gap = msBetween(calls[i].time, calls[i + 1].time);
                QVERIFY2(gap >= least, qPrintable(where(s, last ? "after the last data report" : "after a data report", gap)));
            }
            QCOMPARE(writes, s.writes);
            QCOMPARE(calls[end].call, vmouse::Call::Close);
            if (k + 1 < schedule.size()) {
                const qint64 after = msBetween(calls[end].time, calls[end + 1].time);
                QVERIFY2(after >= s.afterMs, qPrintable(where(s, "before the next command", after)));
            }
        }
    }
};

QTEST_MAIN(CommandTimingTest)
#include "tst_commandtiming.moc"
