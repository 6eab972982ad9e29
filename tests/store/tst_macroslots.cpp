#include "Catalogue.h"
#include "Hid_Thread.h"
#include "MacroSlots.h"
#include "VirtualMouse.h"

#include <QtTest>

class MacroSlotsTest : public QObject
{
    Q_OBJECT

    // A device link to one freshly plugged mouse; returns the unit.
    static int attach(Hid_Thread &hid)
    {
        vmouse::reset();
        const int unit = vmouse::plugMouse(vmouse::kProduct3336);
        CatalogueRecord r;
        r.type = 1;
        r.vid = vmouse::kVendorId;
        r.pid = vmouse::kProduct3336;
        r.usagePage = vmouse::kCommandUsagePage;
        r.usage = vmouse::kVendorUsage;
        r.usagePage2 = vmouse::kEventUsagePage;
        r.usage2 = vmouse::kVendorUsage;
        r.reportLength = vmouse::kReportLength;
        hid.scanDevices({r});
        vmouse::clearTrace();
        return unit;
    }

    static int sentFeatures()
    {
        int n = 0;
        for (const vmouse::CallRecord &c : vmouse::trace())
            n += c.call == vmouse::Call::SendFeature;
        return n;
    }

private slots:
    void buffer_takes_low_bytes_and_never_more_than_a_slot()
    {
        QVariantList data{0x01, 300, -1, QStringLiteral("0x10"), QStringLiteral("65"), 2.0};
        const MacroSlotBuffer b = macroSlotBuffer(data);
        QCOMPARE(int(b[0]), 0x01);
        QCOMPARE(int(b[1]), 300 & 0xFF);
        QCOMPARE(int(b[2]), 0xFF);
        QCOMPARE(int(b[3]), 0);  // not a number
        QCOMPARE(int(b[4]), 65);
        QCOMPARE(int(b[5]), 2);
        QVERIFY(std::all_of(b.begin() + 6, b.end(), [](quint8 v) { return v == 0; }));

        QVariantList huge;
        for (int i = 0; i < 100000; ++i)
            huge << (i % 200) + 1;
        const MacroSlotBuffer full = macroSlotBuffer(huge);
        QCOMPARE(int(full[kMacroSlotBufferSize - 1]), (kMacroSlotBufferSize - 1) % 200 + 1);
    }

    void slot_numbers_as_the_pages_pass_them()
    {
        QCOMPARE(int(macroSlotNumber(11)), 11);
        QCOMPARE(int(macroSlotNumber(QStringLiteral("3"))), 3);
        QCOMPARE(int(macroSlotNumber(256 + 4)), 4);
        QCOMPARE(int(macroSlotNumber(QVariant())), 0);
    }

    void sends_slots_0_to_11_only()
    {
        Hid_Thread hid;
        const int unit = attach(hid);
        MacroSlots macroSlots(&hid);
        QVariantList data{0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00};
        QVERIFY(macroSlots.send(data, 11));
        vmouse::FirmwareState s = vmouse::firmwareState(unit);
        QCOMPARE(int(s.macros[11][4]), 0x81);
        QCOMPARE(int(s.macros[11][5]), 0x04);
        QCOMPARE(int(s.macros[11][8]), 0);
        QCOMPARE(sentFeatures(), 1);
        QCOMPARE(vmouse::rejects(unit).total(), 0);

        vmouse::clearTrace();
        QVERIFY(!macroSlots.send(data, 12));
        QVERIFY(!macroSlots.send(data, -1));
        QCOMPARE(sentFeatures(), 0);

        // Three data reports carry the whole slot; later bytes of an earlier macro are cleared.
        QVariantList longData;
        for (int i = 0; i < 192; ++i)
            longData << 0xAA;
        QVERIFY(macroSlots.send(longData, 0));
        QVERIFY(macroSlots.send(QVariantList{0x00, 0x02}, 0));
        s = vmouse::firmwareState(unit);
        QCOMPARE(int(s.macros[0][1]), 0x02);
        QCOMPARE(int(s.macros[0][191]), 0);
        QCOMPARE(vmouse::rejects(unit).total(), 0);
    }
};

QTEST_GUILESS_MAIN(MacroSlotsTest)
#include "tst_macroslots.moc"
