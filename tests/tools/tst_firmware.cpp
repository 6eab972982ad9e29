// The virtual mouse as a firmware model, driven through the hidapi functions
// the way a program would: what it keeps, what it refuses, faults on demand.

#include "VirtualMouse.h"

#include <hidapi.h>

#include <QtTest>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes shortReport(uint8_t command, Bytes params, bool checksum = true)
{
    Bytes r(9, 0);
    r[1] = command;
    for (size_t i = 0; i < params.size() && i < 6; ++i)
        r[2 + i] = params[i];
    unsigned sum = 0;
    for (int i = 1; i < 8; ++i)
        sum += r[i];
    r[8] = checksum ? static_cast<uint8_t>(~sum) : 0;
    return r;
}

Bytes dataReport(uint8_t fill)
{
    Bytes r(65, fill);
    r[0] = 0;
    return r;
}

struct Handle {
    hid_device *dev = nullptr;
    explicit Handle(int unit, uint16_t usagePage = vmouse::kCommandUsagePage)
    {
        for (const vmouse::Interface &i : vmouse::interfaces())
            if (i.unit == unit && i.usagePage == usagePage)
                dev = hid_open_path(i.path.c_str());
    }
    ~Handle() { hid_close(dev); }
    int send(const Bytes &r) { return hid_send_feature_report(dev, r.data(), r.size()); }
    int write(const Bytes &r) { return hid_write(dev, r.data(), r.size()); }
    Bytes get()
    {
        Bytes r(9, 0);
        const int n = hid_get_feature_report(dev, r.data(), r.size());
        r.resize(n < 0 ? 0 : static_cast<size_t>(n));
        return r;
    }
};

} // namespace

class FirmwareTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { vmouse::reset(); }

    void rejects_are_counted_and_change_nothing()
    {
        const int unit = vmouse::plugMouse();
        Handle h(unit);
        Bytes bad = shortReport(0x01, {8, 3, 3, 0x0F});
        bad[8] ^= 1;
        QCOMPARE(h.send(bad), 9);  // the call succeeds; the firmware ignores it
        Bytes longer = shortReport(0x01, {8, 3, 3, 0x0F});
        longer.push_back(0);
        h.send(longer);
        Bytes otherId = shortReport(0x01, {8, 3, 3, 0x0F});
        otherId[0] = 1;
        h.send(otherId);
        h.send(shortReport(0x55, {}));
        h.write(dataReport(1));                      // no command waiting for data
        h.send(shortReport(0x05, {0, 12, 3}));       // slot 12 does not exist
        h.send(shortReport(0x0C, {0, 0, 1}));
        h.send(shortReport(0x01, {2, 3, 3, 0x0F}));  // before the colour data came
        h.send(shortReport(0x0C, {0, 0, 1}));
        h.write(Bytes(64, 0));                       // one byte short

        const vmouse::Rejects r = vmouse::rejects(unit);
        QCOMPARE(r.checksum, 1);
        QCOMPARE(r.length, 2);
        QCOMPARE(r.reportId, 1);
        QCOMPARE(r.unknownCommand, 1);
        QCOMPARE(r.unexpectedData, 1);
        QCOMPARE(r.badSlot, 1);
        QCOMPARE(r.incompleteData, 1);
        const vmouse::FirmwareState s = vmouse::firmwareState(unit);
        QCOMPARE(int(s.reportRate), 2);
        QCOMPARE(s.ledColours, (std::array<uint8_t, 24>{}));
    }

    void queries_answer_from_state_and_stage_events_follow_the_mask()
    {
        const int unit = vmouse::plugMouse();
        Handle h(unit), events(unit, vmouse::kEventUsagePage);
        h.send(shortReport(0x07, {0, 0b00100101, 1, 2, 3, 4}, false));  // stages 0, 2, 5 enabled
        QVERIFY(vmouse::pressStageButton(unit));
        QVERIFY(vmouse::pressStageButton(unit));
        QVERIFY(vmouse::pressStageButton(unit));
        uint8_t e[8];
        QVector<int> reported;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(hid_read_timeout(events.dev, e, sizeof e, 100), 4);
            QCOMPARE(QVector<int>({e[0], e[1], e[2]}), QVector<int>({6, 7, 0}));
            reported << e[3];
        }
        QCOMPARE(reported, QVector<int>({3, 6, 1}));
        QCOMPARE(hid_read_timeout(events.dev, e, sizeof e, 10), 0);

        h.send(shortReport(0x8B, {}));
        QCOMPARE(h.get(), shortReport(0x8B, {0}));
        QVERIFY(!vmouse::setStage(unit, 9));
        QVERIFY(!vmouse::setStage(unit, 0));
        QVERIFY(!vmouse::setStage(unit + 1, 1));
    }
};

QTEST_GUILESS_MAIN(FirmwareTest)
#include "tst_firmware.moc"
