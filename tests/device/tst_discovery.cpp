#include "WireTrace.h"
#include "store/StoreTestFiles.h"

#include <QtTest>

namespace {

QVector<CatalogueRecord> shipped()
{
    QVector<CatalogueRecord> records = {wire::mouseRecord(), wire::mouseRecord(vmouse::kProduct4090)};
    records[0].productName = QStringLiteral("mouse 1040");
    return records;
}

QString qs(const std::string &s) { return QString::fromStdString(s); }

// The command and event paths of the first entry, as "command | event".
QString paths(const Hid_Thread &hid) { return hid.devices().at(0).cmdPath + " | " + hid.devices().at(0).eventPath; }

QTemporaryDir g_dir;

QString write(const QByteArray &content)
{
    static int n = 0;
    const QString path = g_dir.filePath(QStringLiteral("cat%1.ini").arg(++n));
    writeFile(path, content);
    return path;
}

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { vmouse::reset(); }

    void blanks_high_bits_and_missing_keys()
    {
        const Catalogue c = readCatalogue(write("[common]\ntotal = 2\nisEncode = TRUE\n"
                                                "[0]\nvid = 1260D\npid=  1040  \nusagePage=ff01\n"
                                                "[1]\ntype=zz\n"),
                                          {QStringLiteral("only one name")});
        QVERIFY(c.isEncode);
        QCOMPARE(c.records.size(), 2);
        const CatalogueRecord &r = c.records.at(0);
        QCOMPARE(QVector<int>({r.vid, r.pid, r.usagePage}), QVector<int>({0x260D, 0x1040, 0xFF01}));  // low 16 bits kept
        QCOMPARE(c.records.at(0).type, -1);         // absent
        QCOMPARE(c.records.at(0).reportLength, 0u); // absent
        QCOMPARE(c.records.at(1).type, 0);          // not a number
        QCOMPARE(c.records.at(1).productName, QString());
    }

    void missing_or_malformed_files()
    {
        QVERIFY(readCatalogue(QStringLiteral("/nonexistent/absent.ini"), {}).records.isEmpty());
        QVERIFY(readCatalogue(write("\x01\x02 not an ini [[[ =\n=="), {}).records.isEmpty());
        QVERIFY(readCatalogue(write("[common]\ntotal=-5\n"), {}).records.isEmpty());
        // A corrupt total is bounded instead of building millions of records.
        QCOMPARE(readCatalogue(write("[common]\ntotal=2000000000\n"), {}).records.size(), kMaxCatalogueSections);
        QCOMPARE(readCatalogue(write("[common]\ntotal=1, 2\n[0]\nvid=1,2\n"), {}).records.size(), 0);
    }

    void both_mice_entry_0_wins()
    {
        const int a = vmouse::plugMouse(vmouse::kProduct3336);
        vmouse::plugMouse(vmouse::kProduct4090);
        Hid_Thread hid;
        hid.scanDevices(shipped());
        QCOMPARE(hid.devices().size(), 1);
        QCOMPARE(hid.currentDevice(), 0u);
        const DeviceEntry e = hid.devices().at(0);
        QCOMPARE(e.index, 0);
        QCOMPARE(e.productName, QStringLiteral("mouse 1040"));
        QCOMPARE(e.reportLength, 64u);
        QCOMPARE(paths(hid), qs(vmouse::interfaces().at(0).path + " | " + vmouse::interfaces().at(1).path));
        QCOMPARE(vmouse::interfaces().at(0).unit, a);

        // Only the first product was enumerated: later records are not examined.
        QCOMPARE(wire::count(vmouse::Call::Enumerate), 1);
    }

    void none_keeps_the_current_index()
    {
        Hid_Thread hid;
        hid.scanDevices(shipped());
        QCOMPARE(hid.devices().size(), 2);
        QCOMPARE(hid.currentDevice(), 1u);

        const int unit = vmouse::plugMouse(vmouse::kProduct3336);
        hid.scanDevices(shipped());
        QCOMPARE(hid.currentDevice(), 0u);
        vmouse::unplug(unit);
        hid.scanDevices(shipped());
        QCOMPARE(hid.currentDevice(), 0u);  // unchanged by a scan that finds nothing
        for (const DeviceEntry &e : hid.devices())
            QVERIFY(e.cmdPath.isEmpty() && e.eventPath.isEmpty());

        // Every enumeration was freed.
        QCOMPARE(wire::count(vmouse::Call::FreeEnumeration), wire::count(vmouse::Call::Enumerate));
    }

    void one_collection_only_counts_as_absent()
    {
        const int unit = vmouse::addUnit(vmouse::kVendorId, vmouse::kProduct3336);
        vmouse::addInterface(unit, 0xFF01, 1);
        Hid_Thread hid;
        hid.scanDevices(shipped());
        QCOMPARE(hid.devices().size(), 2);
        for (const DeviceEntry &e : hid.devices())
            QVERIFY(e.cmdPath.isEmpty() && e.eventPath.isEmpty());
        QCOMPARE(hid.currentDevice(), 1u);
    }

    void two_identical_units_mix_paths()
    {
        const int a = vmouse::addUnit(vmouse::kVendorId, vmouse::kProduct3336);
        const int b = vmouse::addUnit(vmouse::kVendorId, vmouse::kProduct3336);
        vmouse::addInterface(a, 0xFF01, 1);
        const std::string bCommand = vmouse::addInterface(b, 0xFF01, 1);
        const std::string aEvent = vmouse::addInterface(a, 0xFF02, 1);
        vmouse::addInterface(b, 0xFF02, 1);
        Hid_Thread hid;
        hid.scanDevices(shipped());
        QCOMPARE(paths(hid), qs(bCommand + " | " + aEvent));
    }

    void vid_pid_zero_matches_on_usages_alone()
    {
        const int other = vmouse::addUnit(0x1234, 0x5678);
        const std::string cmd = vmouse::addInterface(other, 0xFF01, 1);
        const std::string evt = vmouse::addInterface(other, 0xFF02, 1);
        CatalogueRecord any = wire::mouseRecord(0);
        any.vid = 0;
        Hid_Thread hid;
        hid.scanDevices({any});
        QCOMPARE(paths(hid), qs(cmd + " | " + evt));
        QCOMPARE(hid.currentDevice(), 0u);
    }

    void equal_usage_pairs_fill_both_paths()
    {
        const int unit = vmouse::addUnit(vmouse::kVendorId, vmouse::kProduct3336);
        const std::string only = vmouse::addInterface(unit, 0xFF01, 1);
        Hid_Thread hid;
        CatalogueRecord equal = wire::mouseRecord();
        equal.usagePage2 = equal.usagePage;
        hid.scanDevices({equal});
        QCOMPARE(paths(hid), qs(only + " | " + only));
    }
};

QTEST_GUILESS_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
